#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

// Pictures named in config.ini and the fixed media files: bitmaps, GIF, JPEG,
// PNG, icons and cursors. The format is taken from the file's content when the
// extension does not fit, because discs often carry a JPEG named ".bmp".
namespace pictures {

// The first image of the file, or nothing when it is missing or unreadable;
// the caller then keeps the picture it had.
std::optional<QImage> loadImage(const QString& path);

// The same as a pixmap; null when the file does not load. Needs a GUI application.
QPixmap loadPixmap(const QString& path);

} // namespace pictures
