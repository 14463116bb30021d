#pragma once

#include "configtags.h"

#include <QList>
#include <QString>

// One layout line as it stood in the file. Lines are kept in file order, and
// each reader applies them one after the other: a later line that does not
// convert leaves the property with what an earlier one set.
struct LayoutLine {
    LayoutKey key;
    QString value;
    friend bool operator==(const LayoutLine&, const LayoutLine&) = default;
};

struct LayoutSettings {
    QList<LayoutLine> lines;

    // The lines as they would stand in a file, each ending in CR LF.
    QString toText() const;
    friend bool operator==(const LayoutSettings&, const LayoutSettings&) = default;
};
