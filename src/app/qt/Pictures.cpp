#include "app/qt/Pictures.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include "app/MainWindowLayout.h"

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
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                         QString::fromUtf8(file.data(), qsizetype(file.size()));
    QImage image;
    if (!image.load(path) || image.isNull()) return std::nullopt;
    return QPixmap::fromImage(image);
}

}  // namespace helmsway::qt
