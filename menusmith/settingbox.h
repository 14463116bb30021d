#pragma once

#include <QLineEdit>

#include <limits>

// A box for one general setting of config.ini. A line of the file can be far
// longer than a text box takes by default (32767 characters), and a value cut
// short on opening would be saved cut short.
inline QLineEdit* makeSettingBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}
