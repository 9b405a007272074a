// Keys typed through XTest into the real receiver window, read back from its log. The suite
// runs once per keyboard layout (us, de, fr), so every case checks that the live map is used.
// clang-format off
#include <gtest/gtest.h>  // before X11, whose None macro breaks it
// clang-format on

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <memory>
#include <random>
#include <vector>

#include "ReceiverProcess.h"
#include "TestDesktop.h"
#include "X11Relay.h"
#include "relay/KeystrokeNotation.h"

namespace helmsway::x11::test {
namespace {

KeySequence keysFor(std::string_view keystrokeText) {
    auto keys = parseKeystrokeText(keystrokeText);
    EXPECT_TRUE(keys.has_value()) << keystrokeText;
    return keys.value_or(KeySequence{});
}

// The literal text followed by one Enter, as a ship name reaches the typing.
KeySequence line(std::string_view literal) {
    return keysFor(escapeKeystrokeText(literal) + "{ENTER}");
}

std::vector<KeySym> keyboardMapping(Display* display) {
    int min = 0, max = 0, perKey = 0;
    XDisplayKeycodes(display, &min, &max);
    KeySym* syms = XGetKeyboardMapping(display, static_cast<KeyCode>(min), max - min + 1, &perKey);
    std::vector<KeySym> all(syms, syms + (max - min + 1) * perKey);
    XFree(syms);
    return all;
}

class TypingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        helm_ = new TestWindow(testDisplay(), "Helmsway");
        receiver_ = new ReceiverProcess();
    }
    static void TearDownTestSuite() {
        delete receiver_;
        delete helm_;
    }

    // Brings the game window to the front as the helm does, and waits until it has the focus.
    static void activate(Window expected, Window own = None) {
        Display* display = testDisplay();
        ASSERT_NE(expected, None) << "the receiver did not start";
        ASSERT_TRUE(activateGameWindow(display, own != None ? own : helm_->id()));
        ASSERT_TRUE(eventually([&] { return focusedTopLevel(display) == expected; }))
            << "focus on 0x" << std::hex << focusedTopLevel(display) << ", active 0x"
            << activeWindow(display) << ", expected 0x" << expected;
    }

    static std::optional<std::string> typeLine(std::string_view literal) {
        activate(receiver_->window());
        sendKeys(testDisplay(), line(literal));
        return receiver_->nextLine();
    }

    static TestWindow* helm_;
    static ReceiverProcess* receiver_;
};
TestWindow* TypingTest::helm_ = nullptr;
ReceiverProcess* TypingTest::receiver_ = nullptr;

TEST_F(TypingTest, FixedPhrasesArriveExactly) {
    for (const char* phrase : {"Stop", "Raise Anchor", "Drop Anchor", "Goto 3", "Slow Forward left",
                               "Forward Right", "Back Left", "One Turn Left", "Turn Around",
                               "Sueacron", "Doracron", "Nav", "Start", "Continue", "Goto 9"})
        EXPECT_EQ(typeLine(phrase), phrase);
}

TEST_F(TypingTest, TickAddsTheSecondEnter) {
    activate(receiver_->window());
    sendKeys(testDisplay(), keysFor("Stop{ENTER}"));  // the pending text...
    sendKeys(testDisplay(), keysFor("{ENTER}"));      // ...and the tick's own Enter
    EXPECT_EQ(receiver_->nextLine(), "Stop");
    EXPECT_EQ(receiver_->nextLine(), "");
}

TEST_F(TypingTest, ShipNamesArriveExactly) {
    for (const char* name : {
             R"(Sam @"/\_~{}[]+^%() end)",
             "ß é Æ ü ç €",
             "Ærø Łódź Ωmega Пётр",
             "àâäèêëîïôöùûüÿçœæ ÀÉÈÇ µ²³§°",
             "sailing \xF0\x9F\x98\x80 \xE2\x9B\xB5 away",  // emoji: grinning face, sailboat
             "'`|<>;:,.?!=-*#$&",
             "Zürich ~ Yvonne ^ Qi",
         }) {
        const std::string text = std::string("Set Name ") + name;
        EXPECT_EQ(typeLine(text), text);
    }
}

TEST_F(TypingTest, BackspaceIsAKeyNotACharacter) {
    activate(receiver_->window());
    sendKeys(testDisplay(), keysFor("Stoq{BACKSPACE}p{ENTER}"));
    EXPECT_EQ(receiver_->nextLine(), "Stop");
}

TEST_F(TypingTest, RandomTextsArriveExactly) {
    const std::u32string alphabet =
        U" abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
        U"!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~äöüÄÖÜßéèêàçÆæ€£µ";
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 4; ++round) {
        std::u32string text;
        for (int i = 0; i < 150; ++i) text += alphabet[pick(random)];
        const std::string utf8 = encodeUtf8(text);
        EXPECT_EQ(typeLine(utf8), utf8);
    }
}

// Xlib reads the notice that a borrowed key was given back ahead of keys still queued, so the
// binding must stand until the receiver has drawn every key typed after it.
TEST_F(TypingTest, LongTextKeepsItsBorrowedCharactersToTheEnd) {
    std::string text = "\xC5\x81";  // Ł, on none of the layouts
    for (int i = 0; i < 150; ++i) text += "Slow Forward";
    text += "\xC5\x81";
    EXPECT_EQ(typeLine(text), text);
}

// Whatever the user holds while the tick types, the text arrives as it is, and the user's keys
// are still down afterwards.
TEST_F(TypingTest, HeldModifiersDoNotChangeTheText) {
    Display* display = testDisplay();
    for (KeySym held : {XK_Shift_L, XK_Shift_R, XK_Control_L, XK_Alt_L, XK_ISO_Level3_Shift}) {
        const KeyCode keycode = keycodeOf(display, held);
        if (keycode == 0) continue;  // not on this layout (no AltGr key on every map)
        SCOPED_TRACE(XKeysymToString(held));
        activate(receiver_->window());
        XTestFakeKeyEvent(display, keycode, True, CurrentTime);
        XSync(display, False);
        const std::string text = R"(Set Name Sam @"/\_ é Q)";
        sendKeys(display, line(text));
        EXPECT_EQ(receiver_->nextLine(), text);
        EXPECT_TRUE(keyIsDown(display, keycode));
        XTestFakeKeyEvent(display, keycode, False, CurrentTime);
        XSync(display, False);
    }
}

TEST_F(TypingTest, CapsLockDoesNotChangeTheTextAndStaysOn) {
    Display* display = testDisplay();
    activate(receiver_->window());
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    XSync(display, False);
    const std::string text = "Raise Anchor ß é Æ Qx 9";
    sendKeys(display, line(text));
    EXPECT_EQ(receiver_->nextLine(), text);
    EXPECT_TRUE(lockedModifiers(display) & LockMask);
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
    XSync(display, False);
}

TEST_F(TypingTest, KeyboardMapIsRestoredAfterBorrowingKeys) {
    Display* display = testDisplay();
    const auto before = keyboardMapping(display);
    ASSERT_EQ(typeLine("Set Name \xE2\x9B\xB5 \xC5\x81\xC3\xB3\xC5\xBA"), "Set Name ⛵ Łóź");
    EXPECT_EQ(keyboardMapping(display), before);
}

// A game reads its input once per frame, long after the server handled the keys. Borrowed
// keys must still mean their character when it finally looks them up.
TEST_F(TypingTest, SlowReceiverStillSeesBorrowedKeys) {
    ReceiverProcess slow({"--lag", "60"});
    // Both receivers carry the game's title; passing the usual one as the helm's own window
    // leaves the slow one as the only candidate.
    activate(slow.window(), receiver_->window());
    const std::string text = "Set Name é€ Łódź \xF0\x9F\x98\x80 Æ";
    sendKeys(testDisplay(), line(text));
    EXPECT_EQ(slow.nextLine(), text);
}

TEST_F(TypingTest, TextWithAControlCharacterTypesNothing) {
    activate(receiver_->window());
    sendKeys(testDisplay(),
             KeySequence{
                 {NamedKey::Enter, 0}, {KeySequence::value_type{}.key, 7}, {NamedKey::Enter, 0}});
    sendKeys(testDisplay(), line("Stop"));
    EXPECT_EQ(receiver_->nextLine(), "Stop");
}

}  // namespace
}  // namespace helmsway::x11::test
