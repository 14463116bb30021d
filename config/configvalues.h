#pragma once

#include <QString>

// The values that config.ini gives a meaning of their own.
namespace configvalue {

// "Not set": a general setting, picture, caption, command or folder left empty.
inline const QString unset = QStringLiteral("NO");
// The category of an application not yet put in one.
inline const QString noCategory = QStringLiteral("n/a");
// [CATE]SI turns categories on; any other value leaves them off.
inline const QString yes = QStringLiteral("SI");
// [CATN] when categories are on but no category exists.
inline const QString emptyCategoryList = QStringLiteral("0");

inline bool isUnset(const QString& value) {
    return value == unset;
}

} // namespace configvalue
