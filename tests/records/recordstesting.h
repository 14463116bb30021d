#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

// Small helpers for driving the record panels by their control names.
namespace recordstesting {

template <typename Control>
Control* control(const QObject* root, const QString& name) {
    return root->findChild<Control*>(name);
}

inline QLineEdit* field(const QObject* root, const QString& name) {
    return control<QLineEdit>(root, name);
}

inline QString text(const QObject* root, const QString& name) {
    const QLineEdit* edit = field(root, name);
    return edit ? edit->text() : QStringLiteral("<no ") + name + QStringLiteral(">");
}

inline void setText(const QObject* root, const QString& name, const QString& value) {
    if (QLineEdit* edit = field(root, name))
        edit->setText(value);
}

inline bool click(const QObject* root, const QString& name) {
    QPushButton* button = control<QPushButton>(root, name);
    if (!button)
        return false;
    button->click();
    return true;
}

inline QStringList entries(const QListWidget* list) {
    QStringList all;
    for (int row = 0; row < list->count(); ++row)
        all.append(list->item(row)->text());
    return all;
}

inline QStringList entries(const QComboBox* combo) {
    QStringList all;
    for (int index = 0; index < combo->count(); ++index)
        all.append(combo->itemText(index));
    return all;
}

// Runs the deletions that closed windows asked for.
inline void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace recordstesting
