#include "productpicture.h"

#include <QPainter>
#include <QPainterPath>

QPixmap productPicture() {
    QPixmap pixmap(71, 71);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // The disc, with its hole.
    QRadialGradient shine(QPointF(28, 26), 40);
    shine.setColorAt(0, QColor(235, 240, 250));
    shine.setColorAt(0.6, QColor(170, 190, 220));
    shine.setColorAt(1, QColor(110, 130, 175));
    QPainterPath disc;
    disc.addEllipse(QRectF(2, 2, 67, 67));
    disc.addEllipse(QRectF(29, 29, 13, 13));
    painter.setPen(QPen(QColor(60, 70, 100), 1.5));
    painter.setBrush(shine);
    painter.drawPath(disc);

    // The menu: a small window with three rows.
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(255, 255, 240));
    painter.drawRoundedRect(QRectF(40, 40, 28, 28), 3, 3);
    painter.setBrush(QColor(200, 60, 50));
    for (int row = 0; row < 3; ++row)
        painter.drawRect(QRectF(44, 45 + row * 7, 20, 4));
    return pixmap;
}
