#include "support/qt/X11Display.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>

namespace helmsway::qt {

Display* x11Display() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

}  // namespace helmsway::qt
