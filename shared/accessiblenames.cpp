#include "accessiblenames.h"

#include "captiontips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace accessibility {

namespace {

// The first widget of a layout item, looking into nested layouts.
QWidget* firstWidget(QLayoutItem* item) {
    if (!item)
        return nullptr;
    if (QWidget* widget = item->widget())
        return widget;
    if (QLayout* inner = item->layout()) {
        for (int i = 0; i < inner->count(); ++i) {
            if (QWidget* widget = firstWidget(inner->itemAt(i)))
                return widget;
        }
    }
    return nullptr;
}

void labelFieldsOf(QLayout* layout) {
    for (int i = 0; i + 1 < layout->count(); ++i) {
        auto* label = qobject_cast<QLabel*>(layout->itemAt(i)->widget());
        if (!label || label->buddy() || label->text().isEmpty())
            continue;
        QWidget* field = firstWidget(layout->itemAt(i + 1));
        if (field && takesFocus(field) && nameOf(field).isEmpty())
            label->setBuddy(field);
    }
}

} // namespace

bool takesFocus(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

QString nameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

void nameControls(QWidget* window, const QHash<QString, QString>& names) {
    for (auto it = names.begin(); it != names.end(); ++it) {
        for (QWidget* widget : window->findChildren<QWidget*>(it.key()))
            widget->setAccessibleName(it.value());
    }
    QList<QLayout*> layouts = window->findChildren<QLayout*>();
    if (window->layout() && !layouts.contains(window->layout()))
        layouts.prepend(window->layout());
    for (QLayout* layout : std::as_const(layouts))
        labelFieldsOf(layout);
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        if (button->accessibleName().isEmpty() && nameOf(button).isEmpty())
            button->setAccessibleName(button->toolTip());
    }
    // Lists ask for a name of their own; a titled frame around one names it.
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* frame = qobject_cast<const QGroupBox*>(widget->parentWidget());
        if (frame && takesFocus(widget) && nameOf(widget).isEmpty())
            widget->setAccessibleName(frame->title());
    }
}

void prepareWindow(QWidget* window, const QHash<QString, QString>& names) {
    nameControls(window, names);
    captiontips::showCutCaptions(window);
}

} // namespace accessibility
