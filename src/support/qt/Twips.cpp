#include "support/qt/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace helmsway::qt {

int screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

int px(int twips) { return twipsToPixels(twips, screenDpi()); }

QRect px(const TwipsRect& place) {
    return {px(place.left), px(place.top), px(place.width), px(place.height)};
}

}  // namespace helmsway::qt
