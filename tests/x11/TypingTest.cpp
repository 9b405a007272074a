// Keys typed through XTest into the real receiver window, read back from its log. The suite
// runs once per keyboard layout (us, de, fr), so every case checks that the live map is used.
// clang-format off
#include <gtest/gtest.h>  // before X11, whose None macro breaks it
// clang-format on

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
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

// The layout with-desktop set, as setxkbmap reports it.
std::string currentLayout() {
    std::string layout;
    if (FILE* query = popen("setxkbmap -query", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, query))
            if (std::sscanf(line, "layout: %255s", line) == 1) layout = line;
        pclose(query);
    }
    return layout;
}

bool switchLayout(const std::string& layout) {
    return std::system(("setxkbmap " + layout).c_str()) == 0;
}

// Counts the keyboard map changes the server announces, on a connection of its own.
class MapChangeWatcher {
public:
    MapChangeWatcher() : display_(XOpenDisplay(nullptr)) {
        int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        XkbQueryExtension(display_, &opcode, &xkbEvent_, &error, &major, &minor);
        XkbSelectEvents(display_, XkbUseCoreKbd, XkbMapNotifyMask, XkbMapNotifyMask);
        XSync(display_, False);
    }
    ~MapChangeWatcher() { XCloseDisplay(display_); }
    MapChangeWatcher(const MapChangeWatcher&) = delete;
    MapChangeWatcher& operator=(const MapChangeWatcher&) = delete;

    // The changes announced since the last call. The server sends every event caused by
    // requests it handled before this round trip ahead of its reply.
    int count() {
        XSync(testDisplay(), False);
        XSync(display_, False);
        int changes = 0;
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MappingNotify || event.type == xkbEvent_ + XkbEventCode) ++changes;
        }
        return changes;
    }

private:
    Display* display_;
    int xkbEvent_ = 0;
};

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

// Borrowed keys stay bound after the typing, for a receiver that reads its keys late, until the
// program gives them back: then the map is the one found before the first borrowing.
TEST_F(TypingTest, ReleaseLeavesTheMapAsFound) {
    Display* display = testDisplay();
    releaseSpareKeys(display);  // whatever the cases before borrowed
    const auto before = keyboardMapping(display);
    for (const char* text : {"Set Name ⛵ Łóź", "Set Name Ł 😀"}) {
        EXPECT_EQ(typeLine(text), text);
        EXPECT_NE(keyboardMapping(display), before) << "nothing borrowed for " << text;
    }
    releaseSpareKeys(display);
    EXPECT_EQ(keyboardMapping(display), before);
    releaseSpareKeys(display);  // nothing left to give back
    EXPECT_EQ(keyboardMapping(display), before);
}

// Every map change makes every client on the display reload its keyboard: a character that is
// bound already must cost none. Emoji are on no layout.
TEST_F(TypingTest, BorrowedCharactersAreBoundOnce) {
    Display* display = testDisplay();
    MapChangeWatcher watcher;
    releaseSpareKeys(display);
    watcher.count();
    const struct {
        const char* text;
        bool changesTheMap;
    } steps[] = {
        {"Set Name 😀", true},    // bound
        {"Set Name 😀", false},   // still bound
        {"Stop 😀😀", false},      // twice in one text
        {"Stop", false},         // nothing borrowed: nothing given back either
        {"Set Name 😀 ⛵", true},  // the new one only
        {"Set Name ⛵😀", false},  // both bound, in another order
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text);
        EXPECT_EQ(typeLine(step.text), step.text);
        EXPECT_EQ(watcher.count() > 0, step.changesTheMap);
    }
}

// A game reads its input once per frame, long after the server handled the keys. Borrowed
// keys must still mean their character when it finally looks them up, however late that is.
TEST_F(TypingTest, SlowReceiverStillSeesBorrowedKeys) {
    for (const char* lag : {"60", "400"}) {
        SCOPED_TRACE(lag);
        releaseSpareKeys(testDisplay());  // as after a pause: every spare key free
        ReceiverProcess slow({"--lag", lag});
        // Both receivers carry the game's title; passing the usual one as the helm's own
        // window leaves the slow one as the only candidate.
        activate(slow.window(), receiver_->window());
        for (const char* text : {"Set Name é€ Łódź 😀 Æ", "Set Name Ł Æ ⛵"}) {
            sendKeys(testDisplay(), line(text));
            EXPECT_EQ(slow.nextLine(), text);
        }
    }
}

// The user may switch layouts between two texts, which takes back every borrowed key; even
// switching to the same layout does. Nothing may then be typed on a key thought still bound.
TEST_F(TypingTest, LayoutSwitchBetweenTextsStillTypesExactly) {
    Display* display = testDisplay();
    const std::string original = currentLayout();
    ASSERT_FALSE(original.empty());
    const std::string text = "Set Name é Ł ß € ñ Qz";
    std::vector<KeySym> found;
    for (const std::string& layout :
         {original, original, std::string("de"), std::string("fr"), std::string("us"), original}) {
        SCOPED_TRACE(layout);
        ASSERT_TRUE(switchLayout(layout));
        found = keyboardMapping(display);
        EXPECT_EQ(typeLine(text), text);
        EXPECT_EQ(typeLine(text), text);
    }
    releaseSpareKeys(display);
    EXPECT_EQ(keyboardMapping(display), found);
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
