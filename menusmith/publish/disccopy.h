#pragma once

#include <QString>

#include <functional>
#include <optional>

// Copies every file below source into target (made when missing), replacing
// files of the same name and keeping their permissions where the target's
// file system can. Symbolic links to folders are not followed. percentDone
// hears each tenth of the bytes copied.
// Returns the file that failed and why, or nothing.
std::optional<QString> copyFolder(const QString& source, const QString& target,
                                  const std::function<void(int percent)>& percentDone);
