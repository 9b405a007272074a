#include "ReceiverWindow.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <cstring>

namespace receiver {
namespace {

constexpr unsigned kWidth = 420;
constexpr unsigned kHeight = 200;
constexpr std::size_t kShownLines = 8;

void eraseLastCharacter(std::string& text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xc0) != 0x80) break;  // stop after the lead byte
    }
}

// The end of a line, as much as the window shows: drawing all of a 10,000-character line after
// every key would make the receiver, not the typing, the slow part.
std::string tail(const std::string& text) {
    constexpr std::size_t kShownBytes = 240;
    if (text.size() <= kShownBytes) return text;
    std::size_t start = text.size() - kShownBytes;
    while (start < text.size() && (static_cast<unsigned char>(text[start]) & 0xc0) == 0x80) ++start;
    return text.substr(start);
}

}  // namespace

ReceiverWindow::ReceiverWindow(Display* display, const Options& options, LineLog& log)
    : display_(display), options_(options), log_(log) {
    const int screen = DefaultScreen(display_);
    window_ = XCreateSimpleWindow(display_, RootWindow(display_, screen), 100, 100, kWidth, kHeight,
                                  1, BlackPixel(display_, screen), WhitePixel(display_, screen));

    // Both title properties: EWMH readers take the UTF-8 one, older ones WM_NAME.
    Xutf8SetWMProperties(display_, window_, options_.title.c_str(), options_.title.c_str(), nullptr,
                         0, nullptr, nullptr, nullptr);
    XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_NAME", False),
                    XInternAtom(display_, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(options_.title.data()),
                    static_cast<int>(options_.title.size()));
    const long pid = getpid();
    XChangeProperty(display_, window_, XInternAtom(display_, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(display_, window_, &hints);
    XClassHint classHint{const_cast<char*>("helmsway-receiver"),
                         const_cast<char*>(options_.windowClass.c_str())};
    XSetClassHint(display_, window_, &classHint);
    deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, window_, &deleteWindow_, 1);

    // A local input method: the layout decides, not an input method server of the session.
    XSetLocaleModifiers("@im=none");
    im_ = XOpenIM(display_, nullptr, nullptr, nullptr);
    long imEvents = 0;
    if (im_) {
        ic_ = XCreateIC(im_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                        window_, XNFocusWindow, window_, nullptr);
        if (ic_) XGetICValues(ic_, XNFilterEvents, &imEvents, nullptr);
    }
    XSelectInput(display_, window_,
                 ExposureMask | KeyPressMask | KeyReleaseMask | FocusChangeMask |
                     StructureNotifyMask | imEvents);

    char** missing = nullptr;
    int missingCount = 0;
    char* fallback = nullptr;
    fonts_ = XCreateFontSet(display_, "-*-*-medium-r-*-*-*-140-*-*-*-*-*-*,fixed", &missing,
                            &missingCount, &fallback);
    if (missing) XFreeStringList(missing);
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    XSetForeground(display_, gc_, BlackPixel(display_, screen));
    XMapWindow(display_, window_);
    XFlush(display_);
}

ReceiverWindow::~ReceiverWindow() {
    if (ic_) XDestroyIC(ic_);
    if (im_) XCloseIM(im_);
    if (fonts_) XFreeFontSet(display_, fonts_);
    if (gc_) XFreeGC(display_, gc_);
    XDestroyWindow(display_, window_);
    XFlush(display_);
}

bool ReceiverWindow::handle(XEvent& event) {
    if (XFilterEvent(&event, None)) return true;
    switch (event.type) {
    case Expose:
        if (!announced_) {
            announced_ = true;
            log_.ready(window_);
        }
        if (event.xexpose.count == 0) draw();
        break;
    case FocusIn:
        if (ic_) XSetICFocus(ic_);
        break;
    case FocusOut:
        if (ic_) XUnsetICFocus(ic_);
        break;
    case MappingNotify:
        // As every Xlib program must: mark the cached map stale so the next lookup refetches.
        XRefreshKeyboardMapping(&event.xmapping);
        break;
    case KeyPress:
        key(event.xkey);
        keyPressed_ = true;
        break;
    case ClientMessage:
        if (static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_) return false;
        break;
    default: break;
    }
    return true;
}

void ReceiverWindow::key(XKeyEvent& event) {
    char buffer[64];
    std::string text;
    KeySym keysym = NoSymbol;
    if (ic_) {
        Status status = 0;
        int length = Xutf8LookupString(ic_, &event, buffer, sizeof buffer, &keysym, &status);
        if (status == XBufferOverflow) {
            std::string big(static_cast<std::size_t>(length), '\0');
            length = Xutf8LookupString(ic_, &event, big.data(), length, &keysym, &status);
            text.assign(big.data(), static_cast<std::size_t>(length));
        } else if (status == XLookupChars || status == XLookupBoth) {
            text.assign(buffer, static_cast<std::size_t>(length));
        }
        if (status == XLookupChars) keysym = NoSymbol;
    } else {
        const int length = XLookupString(&event, buffer, sizeof buffer, &keysym, nullptr);
        text.assign(buffer, static_cast<std::size_t>(length));
    }

    if (keysym == XK_Return || keysym == XK_KP_Enter) {
        log_.line(current_);
        lines_.push_back(current_);
        current_.clear();
    } else if (keysym == XK_BackSpace) {
        eraseLastCharacter(current_);
    } else if (!text.empty() && static_cast<unsigned char>(text[0]) >= 0x20 && text[0] != 0x7f) {
        current_ += text;
    }
    draw();
}

void ReceiverWindow::draw() {
    XClearWindow(display_, window_);
    const std::size_t first = lines_.size() > kShownLines ? lines_.size() - kShownLines : 0;
    int y = 20;
    auto show = [&](const std::string& text) {
        const int length = static_cast<int>(text.size());
        if (fonts_)
            Xutf8DrawString(display_, window_, fonts_, gc_, 8, y, text.c_str(), length);
        else
            XDrawString(display_, window_, gc_, 8, y, text.c_str(), length);
        y += 18;
    };
    for (std::size_t i = first; i < lines_.size(); ++i) show(tail(lines_[i]));
    show("> " + tail(current_));
    XFlush(display_);
}

}  // namespace receiver
