#pragma once

// Turning a member name from an archive into a path below the extraction
// folder. Kept apart from the engine so that it can be checked on its own.

#include <string>
#include <string_view>
#include <vector>

namespace unz {

struct MemberPath {
    // The name's parts, without empty and "." parts. Empty when the name
    // designates the extraction folder itself (for example "./").
    std::vector<std::string> parts;
    // The name ends in a separator: the member is a folder.
    bool isFolder = false;
    // Empty when the name is safe; otherwise why it is refused.
    std::string refusal;
};

// Both "/" and "\" separate parts, since archives made on Windows use either.
// A name is refused when it is empty, absolute ("/x", "\x"), a UNC name
// ("\\server\share", "//server"), starts with a drive letter ("C:\x", "C:x"),
// or has a ".." part anywhere.
MemberPath splitMemberName(std::string_view name);

// Wildcard match of a whole name: "*" any run of characters, "?" one character.
bool wildcardMatch(std::string_view pattern, std::string_view name, bool ignoreCase);

// The name made fit for a line of output: control characters become "?".
std::string printableName(std::string_view name);

} // namespace unz
