#include "pictureloader.h"

#include <QFileInfo>
#include <QImageReader>

namespace pictures {

std::optional<QImage> loadImage(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        // Some formats (icons, cursors) are only recognised by their suffix.
        QImageReader bySuffix(path);
        image = bySuffix.read();
    }
    if (image.isNull())
        return std::nullopt;
    return image;
}

QPixmap loadPixmap(const QString& path) {
    const std::optional<QImage> image = loadImage(path);
    return image ? QPixmap::fromImage(*image) : QPixmap();
}

} // namespace pictures
