#pragma once
// The receiver's window: titled like the game's, it decodes every key through an input
// method, so the keyboard layout live at that moment decides the character, as it would for
// the game.
#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "LineLog.h"
#include "Options.h"

namespace receiver {

class ReceiverWindow {
public:
    ReceiverWindow(Display* display, const Options& options, LineLog& log);
    ~ReceiverWindow();
    ReceiverWindow(const ReceiverWindow&) = delete;
    ReceiverWindow& operator=(const ReceiverWindow&) = delete;

    // Handles one event; false once the window has been asked to close.
    bool handle(XEvent& event);
    // Whether a key has come in since the window was made.
    bool keyPressed() const { return keyPressed_; }

private:
    void key(XKeyEvent& event);
    void draw();

    Display* display_;
    const Options& options_;
    LineLog& log_;
    Window window_ = 0;
    GC gc_ = nullptr;
    XIM im_ = nullptr;
    XIC ic_ = nullptr;
    XFontSet fonts_ = nullptr;
    Atom deleteWindow_ = 0;
    bool announced_ = false;
    bool keyPressed_ = false;
    std::string current_;
    std::vector<std::string> lines_;
};

}  // namespace receiver
