// The receiver tool itself: how it ends, and its mode that takes keys and logs nothing.
// clang-format off
#include <gtest/gtest.h>  // before X11, whose None macro breaks it
// clang-format on

#include <X11/Xlib.h>

#include "ReceiverProcess.h"
#include "TestDesktop.h"
#include "X11Relay.h"
#include "relay/KeystrokeNotation.h"

namespace helmsway::x11::test {
namespace {

TEST(ReceiverTest, EndsCleanlyOnTermAndOnClose) {
    ReceiverProcess terminated;
    ASSERT_NE(terminated.window(), None);
    EXPECT_EQ(terminated.terminate(), 0);

    Display* display = testDisplay();
    ReceiverProcess closed;
    ASSERT_NE(closed.window(), None);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = closed.window();
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, closed.window(), False, NoEventMask, &event);
    XSync(display, False);
    EXPECT_EQ(closed.waitForExit(std::chrono::milliseconds(3000)), 0);
}

TEST(ReceiverTest, IgnoringReceiverLogsNothing) {
    ReceiverProcess ignoring({"--ignore", "--title", "Ultima Online - Deaf (Test)"});
    ASSERT_NE(ignoring.window(), None);
    ASSERT_TRUE(activateGameWindow(testDisplay(), None));
    ASSERT_TRUE(eventually([&] { return focusedTopLevel(testDisplay()) == ignoring.window(); }));
    sendKeys(testDisplay(), *parseKeystrokeText("Stop{ENTER}{ENTER}"));
    EXPECT_FALSE(ignoring.nextLine(std::chrono::milliseconds(400)));
}

}  // namespace
}  // namespace helmsway::x11::test
