#include "support/qt/Pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include "pictures/BitmapCheck.h"

namespace helmsway::qt {
namespace {

QString resourcePath(std::string_view name) {
    return QStringLiteral(":/laid-out/") + QString::fromUtf8(name.data(), qsizetype(name.size()));
}

bool isIcon(std::string_view name) { return name.ends_with(".ico"); }

std::optional<std::string> readProgramFile(std::string_view file, std::size_t limit) {
    QFile source(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                 QString::fromUtf8(file.data(), qsizetype(file.size())));
    if (!source.open(QIODevice::ReadOnly)) return std::nullopt;
    // One byte past the limit tells a file that is too long, whatever its size claims.
    const QByteArray bytes = source.read(qint64(limit) + 1);
    if (bytes.size() > qsizetype(limit)) return std::nullopt;
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace

QIcon iconPicture(std::string_view name) {
    // Every image the icon file holds, so the window manager can pick the size it shows.
    QIcon icon;
    QImageReader reader(resourcePath(name));
    do {
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    return icon;
}

QPixmap laidOutPicture(std::string_view name, PixelSize size) {
    if (isIcon(name)) return iconPicture(name).pixmap(QSize(size.width, size.height));
    return QPixmap(resourcePath(name));
}

std::optional<QPixmap> loadRuntimePicture(std::string_view file) {
    const std::optional<std::string> bytes = readPictureFile(file, readProgramFile);
    if (!bytes) return std::nullopt;
    QImage image;
    if (!image.loadFromData(QByteArray::fromRawData(bytes->data(), qsizetype(bytes->size())),
                            "BMP") ||
        image.isNull())
        return std::nullopt;
    return QPixmap::fromImage(image);
}

}  // namespace helmsway::qt
