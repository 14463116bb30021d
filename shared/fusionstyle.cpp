#include "fusionstyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

void useFusionStyle() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // A palette set by the application is kept over the theme's, at start-up
    // and when the desktop changes its theme later.
    QApplication::setPalette(QApplication::style()->standardPalette());
}
