#include "unzpaths.h"

namespace unz {

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

MemberPath splitMemberName(std::string_view name) {
    MemberPath result;
    if (name.empty()) {
        result.refusal = "empty name";
        return result;
    }
    const auto isSeparator = [](char c) { return c == '/' || c == '\\'; };
    if (isSeparator(name.front())) {
        result.refusal =
            (name.size() > 1 && isSeparator(name[1])) ? "network path" : "absolute path";
        return result;
    }
    if (name.size() >= 2 && isAsciiLetter(name[0]) && name[1] == ':') {
        result.refusal = "drive letter";
        return result;
    }
    result.isFolder = isSeparator(name.back());
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !isSeparator(name[end])) {
            ++end;
        }
        const std::string_view part = name.substr(start, end - start);
        if (part == "..") {
            result.parts.clear();
            result.refusal = "path leaves the extraction folder";
            return result;
        }
        if (!part.empty() && part != ".") {
            result.parts.emplace_back(part);
        }
        start = end + 1;
    }
    return result;
}

bool wildcardMatch(std::string_view pattern, std::string_view name, bool ignoreCase) {
    // Iterative matcher with one back-tracking point for the last "*".
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    const auto same = [ignoreCase](char a, char b) {
        return ignoreCase ? lowerAscii(a) == lowerAscii(b) : a == b;
    };
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

std::string printableName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) {
            c = '?';
        }
    }
    return out;
}

} // namespace unz
