#pragma once

#include "disccontext.h"

#include <QString>

// The common media a disc may be written to.
struct DiscTarget {
    QString name; // "CD", "DVD"
    qint64 bytes = 0;
};

// "cd" or "dvd" in any letter case; nothing for other names.
std::optional<DiscTarget> discTargetNamed(const QString& name);

// Files of the disc that config.ini does not name, neither themselves nor
// through a folder that it names (information only).
void checkUnnamedFiles(DiscContext& context);

// The disc's files together against the target medium.
void checkDiscSize(DiscContext& context, const DiscTarget& target);
