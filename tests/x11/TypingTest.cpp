// Keys typed through XTest into the real receiver window, read back from its log. The suite
// runs once per keyboard layout (us, de, fr), so every case checks that the live map is used.
// clang-format off
#include <gtest/gtest.h>  // before X11, whose None macro breaks it
// clang-format on

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Processes.h"
#include "TestDesktop.h"
#include "relay/KeystrokeNotation.h"
#include "relay/x11/X11Relay.h"
#include "support/Uncopyable.h"

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

// What a shell command prints, line by line.
std::vector<std::string> output(const std::string& command) {
    std::vector<std::string> lines;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, pipe))
            lines.emplace_back(line, std::strcspn(line, "\n"));
        pclose(pipe);
    }
    return lines;
}

// The layout with-desktop set, as setxkbmap reports it.
std::string currentLayout() {
    const auto layout = output("setxkbmap -query | sed -n 's/^layout: *//p'");
    return layout.empty() ? "" : layout[0];
}

bool switchLayout(const std::string& layout) {
    return std::system(("setxkbmap " + layout + " 2>/dev/null").c_str()) == 0;
}

// Selects a group of a layout of several, as the user's layout switch does.
void lockGroup(int group) {
    XkbLockGroup(testDisplay(), XkbUseCoreKbd, static_cast<unsigned>(group));
    XSync(testDisplay(), False);
}

// The locked group and modifiers.
XkbStateRec keyboardState() {
    XkbStateRec state{};
    XkbGetState(testDisplay(), XkbUseCoreKbd, &state);
    return state;
}

// Commands and ship names with what layouts disagree about: every letter in both cases, digits,
// all of ASCII's punctuation, the accented Latin of French and German, a Cyrillic, a Greek and a
// CJK word, and emoji (U+1F600, U+26F5). No line needs more spare keys than a layout without
// AltGr and without Latin letters has.
const char* const kSample[] = {
    "Slow Forward Left 0123456789",
    "Set Name The quick brown fox jumps over a lazy dog",
    "Set Name SPHINX OF BLACK QUARTZ, JUDGE MY VOW",
    R"(Set Name @"/\_{}+^%~()[]<>|'` Sea Wolf ;:,.?!=-*#$&)",
    "Set Name Ærø Zürich façade naïve ß €",
    "Set Name àâäèêëîïôöùûüÿçœæ ÀÉÈÇ µ²³§° £",
    "Set Name Пётр Ωμέγα 海龍 ⛵😀",
};

// Every keycode's keysyms: xkbcomp's listing would merge the keys without a name, which most
// spare keys are.
std::vector<std::string> keyboardMap() { return output("xmodmap -pke"); }

// Another helm: a process with a connection and spare keys of its own, which types `keys` each
// time it is started, and gives its keys back and ends when this object goes.
class OtherHelm : Uncopyable {
public:
    explicit OtherHelm(const KeySequence& keys) {
        int ends[2];
        if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ends[0]);
            for (const int other : open_) close(other);  // the other helms' ends are theirs
            Display* display = XOpenDisplay(nullptr);
            {
                SpareKeys spare(display);
                for (char byte = 0; read(ends[1], &byte, 1) == 1;) {
                    sendKeys(display, spare, keys);
                    if (write(ends[1], "", 1) != 1) break;
                }
            }
            XCloseDisplay(display);
            _exit(0);
        }
        close(ends[1]);
        end_ = ends[0];
        open_.insert(end_);
    }
    ~OtherHelm() {
        open_.erase(end_);
        close(end_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }

    bool start() const { return write(end_, "", 1) == 1; }
    // Whether its text has been typed since it was started, within a generous ceiling.
    bool typed() const {
        pollfd done{end_, POLLIN, 0};
        char byte = 0;
        return poll(&done, 1, 30000) == 1 && read(end_, &byte, 1) == 1;
    }

private:
    static inline std::set<int> open_;
    pid_t pid_ = -1;
    int end_ = -1;
};

class TypingTest : public ::testing::Test {
protected:
    // The helm's window, the game's, and the keys the helm borrows, for the whole suite.
    struct Desk {
        TestWindow helm{testDisplay(), "Helmsway"};
        ReceiverProcess receiver;
        SpareKeys spare{testDisplay()};
    };
    static void SetUpTestSuite() { desk_ = std::make_unique<Desk>(); }
    static void TearDownTestSuite() { desk_.reset(); }

    // Brings the game window to the front as the helm does, and waits until it has the focus.
    static void activate(Window expected, Window own = None) {
        Display* display = testDisplay();
        ASSERT_NE(expected, None) << "the receiver did not start";
        ASSERT_TRUE(
            activateGameWindow(display, own != None ? own : desk_->helm.id(), serverTime(display)));
        ASSERT_TRUE(eventually([&] { return focusedTopLevel(display) == expected; }))
            << "focus on 0x" << std::hex << focusedTopLevel(display) << ", active 0x"
            << activeWindow(display) << ", expected 0x" << expected;
    }

    static void type(const KeySequence& keys) { sendKeys(testDisplay(), desk_->spare, keys); }

    // Types into the receiver, brought to the front first; the line it logged.
    static std::optional<std::string> typeInto(const KeySequence& keys) {
        activate(desk_->receiver.window());
        type(keys);
        return desk_->receiver.nextLine();
    }
    static std::optional<std::string> typeLine(std::string_view literal) {
        return typeInto(line(literal));
    }

    static inline std::unique_ptr<Desk> desk_;
};

TEST_F(TypingTest, BackspaceIsAKeyNotACharacter) {
    EXPECT_EQ(typeInto(keysFor("Stoq{BACKSPACE}p{ENTER}")), "Stop");
}

// Whatever the user holds or has locked while the tick types, the text arrives as it is, and the
// user's keys are still down, Caps Lock still on, afterwards.
TEST_F(TypingTest, TheUsersModifiersDoNotChangeTheText) {
    Display* display = testDisplay();
    for (KeySym user :
         {XK_Shift_L, XK_Shift_R, XK_Control_L, XK_Alt_L, XK_ISO_Level3_Shift, XK_Caps_Lock}) {
        const KeyCode keycode = XKeysymToKeycode(display, user);
        if (keycode == 0) continue;  // not on this layout (no AltGr key on every map)
        SCOPED_TRACE(XKeysymToString(user));
        const bool capsLock = user == XK_Caps_Lock;
        auto set = [&](bool on) {
            if (capsLock)
                XkbLockModifiers(display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
            else
                XTestFakeKeyEvent(display, keycode, on, CurrentTime);
            XSync(display, False);
        };
        set(true);
        const std::string text = R"(Set Name Sam @"/\_ é ß Æ Qx 9)";
        EXPECT_EQ(typeLine(text), text);
        EXPECT_TRUE(capsLock ? keyboardState().locked_mods & LockMask
                             : keyIsDown(display, keycode));
        set(false);
    }
}

// Every map change makes every client on the display reload its keyboard: a character bound
// already must cost none. When new characters need the room, the ones used longest ago give it
// up, so a name the player keeps sending stays bound however many other names come between
// (twenty-five CJK characters a name, eight names: more than the spare keys hold at once).
TEST_F(TypingTest, OnlyCharactersNotBoundYetChangeTheMap) {
    std::vector<std::pair<std::string, bool>> steps = {
        {"Set Name 😀", true},    // bound
        {"Set Name 😀", false},   // still bound
        {"Stop 😀😀", false},      // twice in one text
        {"Stop", false},         // nothing borrowed: nothing given back either
        {"Set Name 😀 ⛵", true},  // the new one only
        {"Set Name ⛵😀", false},  // both bound, in another order
    };
    auto name = [](char32_t first) {
        std::u32string text = U"Set Name ";
        for (char32_t c = first; c < first + 25; ++c) text += c;
        return encodeUtf8(text);
    };
    steps.emplace_back(name(0x4E00), true);
    for (char32_t other = 0x4E20; other < 0x4E20 + 7 * 0x20; other += 0x20) {
        steps.emplace_back(name(other), true);
        steps.emplace_back(name(0x4E00), false);  // the name sent last but one
    }
    desk_->spare.release();
    for (const auto& [text, changesTheMap] : steps) {
        SCOPED_TRACE(text);
        const auto before = keyboardMap();
        EXPECT_EQ(typeLine(text), text);
        EXPECT_EQ(keyboardMap() != before, changesTheMap);
    }
}

// A text that cannot be typed whole is not typed at all, rather than typed half or wrong, and the
// next command is typed as usual: more characters off the map than the spare keys can hold at
// once, or a control character (behind an Enter that must not be typed either).
TEST_F(TypingTest, TextThatCannotBeTypedWholeTypesNothing) {
    std::u32string huge = U"Set Name ";
    for (char32_t c = 0x5000; c < 0x5000 + 600; ++c) huge += c;
    for (const KeySequence& rejected :
         {line(encodeUtf8(huge)),
          KeySequence{{NamedKey::Enter, 0}, {NamedKey::Character, 7}, {NamedKey::Enter, 0}}}) {
        activate(desk_->receiver.window());
        type(rejected);
        EXPECT_EQ(typeLine("Stop"), "Stop");
    }
}

// Keys another helm borrowed are never typed on: that helm may rebind them, or give them back
// for others to bind, while a game that stopped reading still has our keys on them unread. So a
// second helm binds the same character on a key of its own, and keeps it when the first ends.
TEST_F(TypingTest, KeysAnotherHelmBorrowedAreNeverTypedOn) {
    const std::string text = "Set Name Ψ";
    const auto keysForPsi = [] {
        const auto map = keyboardMap();
        return std::count_if(map.begin(), map.end(), [](const std::string& key) {
            return key.find(" U03A8 ") != std::string::npos;
        });
    };
    desk_->spare.release();  // room for the second helm
    EXPECT_EQ(typeLine(text), text);
    const OtherHelm other(line(text));
    ASSERT_TRUE(other.start());
    EXPECT_EQ(desk_->receiver.nextLine(), text);
    ASSERT_TRUE(other.typed());
    EXPECT_EQ(keysForPsi(), 2);
    desk_->spare.release();
    EXPECT_EQ(keysForPsi(), 1);
}

// On a layout of one group and no Latin letters, a name that mixes everything a player may write
// (phrases, punctuation, accented Latin, Greek, Cyrillic, Hebrew, CJK, emoji), with more distinct
// characters off the layout than the spare keys hold (76 there): nothing of it arrives, and the
// next command as usual.
TEST_F(TypingTest, TextPastTheRoomArrivesNotAtAll) {
    const std::string original = currentLayout();
    const std::string text =
        "Set Name Forward Left, Turn Around & Raise Anchor! \"Sea Wolf\" (42) @ [#7] {~} ^_^ "
        "Ærø Zürich façade naïve ß € àâäèêëîïôöùûüÿçœ ÀÉÈÇ Łódź Čeřť Ψυχή Ωμέγα θάλασσα Ξ "
        "Пётр Жёлтый Щука Эхо Юнга שלום ים ספינה 海龍 船長 風帆 北斗星 ⛵😀★ Tortuga Bay; "
        "Isle of Dread: 100% sure? Nord-Nord-West, then Goto 3.";
    for (const char* layout : {"ru", "gr"}) {
        SCOPED_TRACE(layout);
        ASSERT_TRUE(switchLayout(layout));
        activate(desk_->receiver.window());
        type(line(text));
        EXPECT_EQ(typeLine("Stop"), "Stop");
    }
    ASSERT_TRUE(switchLayout(original));
}

// A game stops reading its input for seconds while it loads, mid-text. The text typed meanwhile
// and the next one, on the same borrowed characters, must still mean what they meant when
// typed: nothing is unbound or rebound behind the game's back.
TEST_F(TypingTest, StalledReceiverStillReadsEveryCharacter) {
    ReceiverProcess stalled({"--stall", "3500"});
    // Both receivers carry the game's title; passing the usual one as the helm's own window
    // leaves the stalled one as the only candidate.
    activate(stalled.window(), desk_->receiver.window());
    const char* const texts[] = {"Set Name é€ Łódź 😀 Æ ⛵ 海 Ωμέγα", "Set Name Ωμέγα ⛵ Ł"};
    for (const char* text : texts) type(line(text));
    for (const char* text : texts) EXPECT_EQ(stalled.nextLine(std::chrono::seconds(15)), text);
}

// Two helms typing at the same moment, each on a connection and with spare keys of its own, and
// each needing new bindings at first: every line arrives whole, round after round. The suite's
// own keys are given back first: each helm needs spare keys that no other one holds.
TEST_F(TypingTest, TwoHelmsTypingAtOnceNeverInterleave) {
    constexpr int kRounds = 100;
    desk_->spare.release();
    const std::string texts[] = {
        "Set Name Čeřť Пётр Ωμέγα ◆ Sea Dog Ж 9876543210 Čeřť Пётр",
        "Set Name Ψυχή Ωμέγα ▲★ Sea Wolf Ξ 0123456789 Ψυχή Ωμέγα ▲★"};  // as sorted
    activate(desk_->receiver.window());
    const OtherHelm helms[] = {OtherHelm(line(texts[0])), OtherHelm(line(texts[1]))};
    for (int round = 0; round < kRounds; ++round) {
        for (const OtherHelm& helm : helms) ASSERT_TRUE(helm.start());
        std::vector<std::string> got;
        for (int i = 0; i < 2; ++i) got.push_back(desk_->receiver.nextLine().value_or("(none)"));
        for (const OtherHelm& helm : helms) ASSERT_TRUE(helm.typed());
        std::sort(got.begin(), got.end());
        ASSERT_EQ(got, std::vector<std::string>(std::begin(texts), std::end(texts)))
            << "round " << round;
    }
}

// Every layout xkeyboard-config ships, and the usual two-group setups with either group
// active: the sample arrives exactly on each, in the other group where that group has it, its ^ ` ~
// ' " too where the layout has them only as dead keys (us(intl), de, fr), and the user's group is
// selected again afterwards, also where the text's last character was the other group's. A layout
// the server cannot load is reported. Every switch takes back the borrowed keys, even one to the
// layout in force (each pair comes twice in a row): nothing may be typed on a key thought still
// bound. Given back at the end, the borrowed keys leave the map the last switch made, and a second
// release has nothing left to give back.
TEST_F(TypingTest, EveryShippedLayout) {
    const std::string original = currentLayout();
    std::vector<std::pair<std::string, int>> setups;
    for (const std::string& layout :
         output("awk '/^!/ { on = $2 == \"layout\"; next } on && NF { print $1 }' "
                "/usr/share/X11/xkb/rules/evdev.lst"))
        setups.emplace_back(layout, 0);
    ASSERT_GT(setups.size(), 50u);
    for (const char* pair :
         {"us,ru", "ru,us", "us,gr", "us,ara", "de,ru", "-layout us,de -variant intl,"})
        for (int group : {0, 1}) setups.emplace_back(pair, group);
    std::vector<std::string> unloadable;
    for (const auto& [layouts, group] : setups) {
        if (!switchLayout(layouts)) {
            unloadable.push_back(layouts);
            continue;
        }
        lockGroup(group);
        const auto before = keyboardMap();
        for (const char* text : kSample) {
            EXPECT_EQ(typeLine(text), text) << layouts << " group " << group;
            // Beside a Latin group, the first line's letters and digits are that group's own:
            // nothing borrowed, whichever group is selected.
            const bool ownGroup = text == kSample[0] && layouts.find(',') != std::string::npos;
            EXPECT_TRUE(!ownGroup || keyboardMap() == before) << layouts << " group " << group;
        }
        EXPECT_EQ(int{keyboardState().locked_group}, group) << layouts;
    }
    for (const std::string& layout : unloadable) std::printf("not loadable: %s\n", layout.c_str());
    EXPECT_LE(unloadable.size(), 1u);  // "custom", a placeholder for a user's own
    ASSERT_TRUE(switchLayout(original));
    const auto found = keyboardMap();
    EXPECT_EQ(typeLine(kSample[6]), kSample[6]);
    for (int release = 0; release < 2; ++release) {
        desk_->spare.release();
        EXPECT_EQ(keyboardMap(), found);
    }
}

}  // namespace
}  // namespace helmsway::x11::test
