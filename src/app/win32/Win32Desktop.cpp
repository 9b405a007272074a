// What the core asks of the desktop, carried out on the main window.
#include "app/win32/Win32Desktop.h"

#include <cstdint>
#include <optional>
#include <string>

#include "about/win32/AboutWindow.h"
#include "app/win32/NamePrompt.h"
#include "pictures/BitmapCheck.h"
#include "relay/win32/Win32Relay.h"
#include "support/win32/PictureElement.h"
#include "support/win32/WideText.h"

namespace helmsway::win32 {
namespace {

std::wstring directoryOfThisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The whole file, or nothing when it cannot be read or holds more than `limit` bytes. Read
// with the file API rather than a stream: iostreams would more than treble the size of the
// program.
std::optional<std::string> readFile(const std::wstring& path, std::size_t limit) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && static_cast<std::uint64_t>(size.QuadPart) <= limit) {
        bytes.emplace(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &read, nullptr))
            bytes->resize(read);
        else
            bytes.reset();
    }
    CloseHandle(file);
    return bytes;
}

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE instance)
    : instance_(instance),
      programDirectory_(directoryOfThisProgram()),
      window_(instance, {
                            .click = [this](ControlId id) { form_->click(id); },
                            .menu = [this](Menu item) { form_->menuClick(item); },
                            .timer1 = [this] { form_->Timer1_Timer(); },
                            .closing = [this] { form_->Form_Unload(); },
                            .activated = [this](bool byClick) { form_->Form_Activate(byClick); },
                        }) {}

bool Win32Desktop::create(frmHelmsway& form) {
    form_ = &form;
    return window_.create();
}

bool Win32Desktop::showPicture(ControlId element, std::string_view file) {
    // Loaded anew from the program's directory each time, as the user may have replaced the
    // file; a missing or broken file leaves the element with what it showed. The bitmap is
    // made from the bytes the core checked: a second read could meet a file replaced since.
    const auto read = [this](std::string_view name, std::size_t limit) {
        return readFile(programDirectory_ + widen(name), limit);
    };
    const std::optional<std::string> bytes = readPictureFile(file, read);
    const HBITMAP bitmap = bytes ? bitmapFromFile(*bytes) : nullptr;
    return bitmap != nullptr && window_.setPicture(element, bitmap);
}

bool Win32Desktop::isChecked(Menu item) const { return window_.isChecked(item); }

void Win32Desktop::setChecked(Menu item, bool checked) { window_.setChecked(item, checked); }

void Win32Desktop::setClientHeight(int twips) { window_.setClientHeight(twips); }

void Win32Desktop::setTopmost(bool topmost) { window_.setTopmost(topmost); }

std::string Win32Desktop::inputBox(std::string_view prompt, std::string_view title) {
    return narrow(showNamePrompt(instance_, window_.handle(), widen(prompt), widen(title)));
}

void Win32Desktop::showAbout() { showAboutWindow(instance_, window_.handle()); }

void Win32Desktop::closeMainWindow() { window_.close(); }

void Win32Desktop::setTimerEnabled(bool enabled) { window_.setTimer1(enabled); }

bool Win32Desktop::activateGameWindow() { return win32::activateGameWindow(); }

void Win32Desktop::sendKeys(const KeySequence& keys) { win32::sendKeys(keys); }

}  // namespace helmsway::win32
