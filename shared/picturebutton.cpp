#include "picturebutton.h"

#include <QAccessibleWidget>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The caption changes with every application and may be empty while the
// button shows only its picture; the role then names it.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const auto* b = button();
        if (kind != QAccessible::Name || !b->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        QString caption = b->text();
        caption.remove(QLatin1Char('&'));
        return caption.isEmpty() ? b->roleName() : caption;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.defaultButton = button()->isDefault();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (button()->isEnabled())
            button()->click();
    }

private:
    PictureButton* button() const { return static_cast<PictureButton*>(widget()); }
};

QAccessibleInterface* pictureButtonInterface(const QString& className, QObject* object) {
    auto* button = qobject_cast<PictureButton*>(object);
    return className == u"PictureButton" && button ? new PictureButtonAccessible(button) : nullptr;
}

} // namespace

PictureButton::PictureButton(QWidget* parent)
    : QPushButton(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureButtonInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void PictureButton::paintEvent(QPaintEvent* event) {
    if (icon().isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int textHeight = text().isEmpty() ? 0 : fontMetrics().height();
    const QRect pictureArea = area.adjusted(0, 0, 0, -textHeight);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatio(), mode);
    const QSize shown = picture.deviceIndependentSize().toSize().boundedTo(pictureArea.size());
    QRect target(QPoint(), shown);
    target.moveCenter(pictureArea.center());
    const int shift = isDown() ? 1 : 0;
    painter.drawPixmap(target.translated(shift, shift), picture);

    if (textHeight > 0) {
        const QRect textArea(area.left(), area.bottom() - textHeight + 1, area.width(), textHeight);
        const QString shownText =
            fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width());
        painter.drawItemText(textArea.translated(shift, shift), Qt::AlignCenter, option.palette,
                             isEnabled(), shownText, QPalette::ButtonText);
    }
}
