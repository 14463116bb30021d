#include "captiontips.h"

#include "picturebutton.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QLabel>
#include <QStyleOptionButton>
#include <QToolTip>

namespace captiontips {

namespace {

QString plainCaption(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

bool pictureButtonCut(const PictureButton* button) {
    // The caption stands under the picture, across the button's contents.
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = QStyleOptionButton::None;
    const QRect area =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return button->fontMetrics().horizontalAdvance(button->text()) > area.width();
}

bool labelCut(const QLabel* label) {
    if (label->wordWrap())
        return label->heightForWidth(label->width()) > label->height();
    return label->sizeHint().width() > label->width();
}

class TipFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->toolTip().isEmpty())
            return false;
        const QString caption = cutCaption(widget);
        if (caption.isEmpty())
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), caption, widget);
        return true;
    }
};

} // namespace

QString cutCaption(const QWidget* widget) {
    if (!widget || widget->width() <= 0)
        return {};
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return {};
        const auto* picture = qobject_cast<const PictureButton*>(button);
        const bool cut = picture && !picture->icon().isNull()
                             ? pictureButtonCut(picture)
                             : button->sizeHint().width() > button->width();
        return cut ? plainCaption(button->text()) : QString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        return labelCut(label) ? label->text() : QString();
    }
    return {};
}

void showCutCaptions(QWidget* window) {
    auto* filter = new TipFilter(window);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget))
            widget->installEventFilter(filter);
    }
}

} // namespace captiontips
