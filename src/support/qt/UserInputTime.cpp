#include "support/qt/UserInputTime.h"

#include <QCoreApplication>
#include <QInputEvent>

namespace helmsway::qt {

UserInputTime::UserInputTime() { QCoreApplication::instance()->installEventFilter(this); }

bool UserInputTime::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // On X11 this is the server's time of the event; events Qt makes up itself carry 0.
        const auto time = static_cast<const QInputEvent*>(event)->timestamp();
        if (time != 0) latest_ = static_cast<unsigned long>(time);
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace helmsway::qt
