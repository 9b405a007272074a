#pragma once
// The window system's time of the user's latest press or release of a mouse button or key in
// any of the program's windows: a helm picture, a menu item, the Ship Name prompt's OK or its
// Enter. A request to bring the game forward carries it, so that a window manager preventing
// focus stealing sees the click that asked for it rather than the program acting on its own.
#include <QObject>

namespace helmsway::qt {

class UserInputTime final : public QObject {
public:
    UserInputTime();  // watches every window of the application from now on

    // 0 before the first input; every command follows one.
    unsigned long latest() const { return latest_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    unsigned long latest_ = 0;
};

}  // namespace helmsway::qt
