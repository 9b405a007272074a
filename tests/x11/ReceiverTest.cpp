// The receiver's mode that takes keys and logs nothing, which the hardening tests' game window
// that ignores its keys relies on.
// clang-format off
#include <gtest/gtest.h>  // before X11, whose None macro breaks it
// clang-format on

#include "ReceiverProcess.h"
#include "TestDesktop.h"
#include "X11Relay.h"
#include "relay/KeystrokeNotation.h"

namespace helmsway::x11::test {
namespace {

TEST(ReceiverTest, IgnoringReceiverLogsNothing) {
    ReceiverProcess ignoring({"--ignore", "--title", "Ultima Online - Deaf (Test)"});
    ASSERT_NE(ignoring.window(), None);
    ASSERT_TRUE(activateGameWindow(testDisplay(), None));
    ASSERT_TRUE(eventually([&] { return focusedTopLevel(testDisplay()) == ignoring.window(); }));
    SpareKeys spare(testDisplay());
    sendKeys(testDisplay(), spare, *parseKeystrokeText("Stop{ENTER}{ENTER}"));
    EXPECT_FALSE(ignoring.nextLine(std::chrono::milliseconds(400)));
}

}  // namespace
}  // namespace helmsway::x11::test
