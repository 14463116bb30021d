#pragma once

#include "disccontext.h"

#include <QString>

#include <optional>

// A path of config.ini as the menu finds it on the disc: "\" read as "/", and
// each part matched in any letter case when the exact name is missing.
struct DiscPath {
    enum class Match { Exact, CaseOnly, Missing };
    Match match = Match::Missing;
    QString resolved; // absolute; the path as written when it is missing
};

DiscPath lookUpOnDisc(const QString& storedPath, const QString& baseFolder);

// Looks storedPath up below baseFolder and reports it missing (an error) or
// found only in another letter case (a warning: it fails on a case-sensitive
// copy). The file or folder found, if any.
std::optional<QString> checkNamedPath(DiscContext& context, const QString& storedPath,
                                      const QString& baseFolder, const FindingPlace& place);
