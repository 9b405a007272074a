// Typing a key sequence into the foreground window with SendInput.
#include <array>
#include <vector>

#include "relay/win32/Win32Relay.h"

namespace helmsway::win32 {
namespace {

// The high byte of VkKeyScanExW's result: the shift state the layout needs for a character.
// Only Shift is pressed for it. A character behind Ctrl+Alt (AltGr) goes as Unicode instead:
// Wine takes AltGr from the real keyboard's state, not from a Ctrl and Alt sent with the key,
// and the chord could be a shortcut in the game as well. Higher bits (Hankaku and other
// layout-specific states) cannot be pressed with plain modifiers at all.
constexpr unsigned kShiftBit = 1;

class InputBatch {
public:
    explicit InputBatch(HKL layout) : layout_(layout) {}

    void key(WORD virtualKey, bool up, bool extended = false) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        // Scan codes as well as virtual keys: games read one or the other.
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC, layout_));
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0u) | (extended ? KEYEVENTF_EXTENDEDKEY : 0u);
        inputs_.push_back(input);
    }

    void tap(WORD virtualKey) {
        key(virtualKey, false);
        key(virtualKey, true);
    }

    // One UTF-16 unit as a VK_PACKET: the window receives it as WM_CHAR whatever the layout.
    void unit(wchar_t codeUnit) {
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = codeUnit;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0u);
            inputs_.push_back(input);
        }
    }

    void character(char32_t c, bool capsLock) {
        if (c < 0x10000) {
            const wchar_t wide = static_cast<wchar_t>(c);
            const SHORT scan = VkKeyScanExW(wide, layout_);
            const unsigned vk = static_cast<unsigned>(scan) & 0xFFu;
            unsigned shift = (static_cast<unsigned>(scan) >> 8) & 0xFFu;
            if (scan != -1 && vk != 0xFF && (shift & ~kShiftBit) == 0) {
                // Caps Lock inverts Shift for the letters of the layout; without this an "S"
                // would arrive as "s" for a user with Caps Lock on.
                if (capsLock && IsCharAlphaW(wide) && (IsCharUpperW(wide) || IsCharLowerW(wide)))
                    shift ^= kShiftBit;
                if (shift & kShiftBit) key(VK_SHIFT, false);
                tap(static_cast<WORD>(vk));
                if (shift & kShiftBit) key(VK_SHIFT, true);
                return;
            }
            unit(wide);
            return;
        }
        // Outside the Basic Multilingual Plane: a surrogate pair, one packet per half.
        const char32_t offset = c - 0x10000;
        unit(static_cast<wchar_t>(0xD800 + (offset >> 10)));
        unit(static_cast<wchar_t>(0xDC00 + (offset & 0x3FF)));
    }

    void send() {
        if (!inputs_.empty())
            SendInput(static_cast<UINT>(inputs_.size()), inputs_.data(), sizeof(INPUT));
    }

private:
    HKL layout_;
    std::vector<INPUT> inputs_;
};

struct Modifier {
    WORD virtualKey;
    bool extended;
    bool masksMenu;  // a lone tap of it opens a menu
};

constexpr std::array<Modifier, 8> kModifiers{{
    {VK_LSHIFT, false, false},
    {VK_RSHIFT, false, false},
    {VK_LCONTROL, false, false},
    {VK_RCONTROL, true, false},
    {VK_LMENU, false, true},
    {VK_RMENU, true, true},
    {VK_LWIN, true, true},
    {VK_RWIN, true, true},
}};

// Caps Lock as the window that gets the keys sees it. A key's toggle belongs to the input
// state of the threads that have read it: Caps Lock pressed while the game had the focus has
// not reached ours, so the game's thread is asked, through its input state shared for a moment.
bool capsLockOf(DWORD thread) {
    const DWORD self = GetCurrentThreadId();
    const bool shared = thread != 0 && thread != self && AttachThreadInput(self, thread, TRUE);
    const bool on = (GetKeyState(VK_CAPITAL) & 1) != 0;
    if (shared) AttachThreadInput(self, thread, FALSE);
    return on;
}

WORD namedKey(NamedKey key) {
    switch (key) {
    case NamedKey::Enter: return VK_RETURN;
    case NamedKey::Tab: return VK_TAB;
    case NamedKey::Escape: return VK_ESCAPE;
    case NamedKey::Backspace: return VK_BACK;
    case NamedKey::Character: break;
    }
    return 0;
}

}  // namespace

void sendKeys(const KeySequence& keys) {
    const HWND foreground = GetForegroundWindow();
    const DWORD thread = foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    InputBatch batch(GetKeyboardLayout(thread));

    // A modifier the user still holds (Shift from a Shift-click, say) would turn "Stop" into
    // "STOP" or into shortcuts; it is released for the batch and pressed again after it, all
    // in the one SendInput call so no real key event can slip in between.
    std::vector<Modifier> held;
    for (const Modifier& modifier : kModifiers)
        if (GetAsyncKeyState(modifier.virtualKey) & 0x8000) held.push_back(modifier);
    bool masked = false;
    for (const Modifier& modifier : held) {
        if (modifier.masksMenu && !masked) {
            batch.tap(kUnassignedKey);
            masked = true;
        }
        batch.key(modifier.virtualKey, true, modifier.extended);
    }

    const bool capsLock = capsLockOf(thread);
    for (const KeyAction& action : keys) {
        if (action.key == NamedKey::Character)
            batch.character(action.character, capsLock);
        else
            batch.tap(namedKey(action.key));
    }

    for (const Modifier& modifier : held) batch.key(modifier.virtualKey, false, modifier.extended);
    batch.send();
}

}  // namespace helmsway::win32
