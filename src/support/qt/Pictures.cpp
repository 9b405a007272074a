#include "support/qt/Pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include "app/MainWindowLayout.h"
#include "helm/BitmapCheck.h"

namespace helmsway::qt {
namespace {

QString resourcePath(std::string_view name) {
    return QStringLiteral(":/laid-out/") + QString::fromUtf8(name.data(), qsizetype(name.size()));
}

bool isIcon(std::string_view name) { return name.ends_with(".ico"); }

}  // namespace

QIcon programIcon() {
    // Every image the icon file holds, so the window manager can pick the size it shows.
    QIcon icon;
    QImageReader reader(resourcePath(kProgramIcon));
    do {
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    return icon;
}

QPixmap laidOutPicture(std::string_view name, PixelSize size) {
    if (isIcon(name)) return programIcon().pixmap(QSize(size.width, size.height));
    return QPixmap(resourcePath(name));
}

std::optional<QPixmap> loadRuntimePicture(std::string_view file) {
    QFile source(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                 QString::fromUtf8(file.data(), qsizetype(file.size())));
    if (!source.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = source.readAll();
    if (!isCompleteBitmap(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
        return std::nullopt;
    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.isNull()) return std::nullopt;
    return QPixmap::fromImage(image);
}

}  // namespace helmsway::qt
