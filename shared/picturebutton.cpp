#include "picturebutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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
