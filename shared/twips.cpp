#include "twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace twips {

namespace {

constexpr qreal standardDpi = 96.0;

int roundHalfToEven(qreal value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

qreal perPixel(qreal logicalDpi) {
    if (!(logicalDpi > 0.0))
        logicalDpi = standardDpi;
    return perInch / logicalDpi;
}

qreal perPixel(const QScreen* screen) {
    if (!screen && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        screen = QGuiApplication::primaryScreen();
    return perPixel(screen ? screen->logicalDotsPerInch() : standardDpi);
}

int fromPixels(int pixels, qreal twipsPerPixel) {
    return roundHalfToEven(pixels * twipsPerPixel);
}

int toPixels(int twipsValue, qreal twipsPerPixel) {
    return roundHalfToEven(twipsValue / twipsPerPixel);
}

} // namespace twips
