#pragma once

#include <QtGlobal>

class QScreen;

// Window positions in config.ini are in twips (1/1440 inch); the menu's
// controls are in pixels. The ratio depends on the screen's logical DPI:
// 15 twips to a pixel at 96 DPI, 10 at 144 DPI.
namespace twips {

constexpr int perInch = 1440;

qreal perPixel(qreal logicalDpi);

// The ratio for screen, or for the primary screen when screen is null;
// 15 when there is no screen at all.
qreal perPixel(const QScreen* screen = nullptr);

// Both round to the nearest whole unit, halves to even, as the platform's
// own conversion of stored numbers does.
int fromPixels(int pixels, qreal twipsPerPixel);
int toPixels(int twipsValue, qreal twipsPerPixel);

} // namespace twips
