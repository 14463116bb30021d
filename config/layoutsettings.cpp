#include "layoutsettings.h"

QString LayoutSettings::toText() const {
    QString text;
    for (const LayoutLine& line : lines)
        text += layoutTagText(line.key) + line.value + QStringLiteral("\r\n");
    return text;
}
