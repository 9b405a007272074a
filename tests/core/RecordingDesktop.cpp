#include "RecordingDesktop.h"

#include "relay/KeystrokeNotation.h"

namespace helmsway::testing {

// Characters as themselves, named keys as symbols no phrase holds: "Stop⏎⏎".
std::string describe(const KeySequence& keys) {
    std::string out;
    for (const KeyAction& key : keys) {
        switch (key.key) {
        case NamedKey::Character: out += encodeUtf8(std::u32string(1, key.character)); break;
        case NamedKey::Enter: out += "⏎"; break;
        case NamedKey::Tab: out += "⇥"; break;
        case NamedKey::Escape: out += "⎋"; break;
        case NamedKey::Backspace: out += "⌫"; break;
        }
    }
    return out;
}

bool RecordingDesktop::showPicture(ControlId element, std::string_view file) {
    calls.push_back("picture " + std::string(controlName(element.name)) + "(" +
                    std::to_string(element.index) + ") " + std::string(file));
    return !missingFiles.contains(std::string(file));
}

bool RecordingDesktop::isChecked(Menu item) const {
    const auto it = checks.find(item);
    return it != checks.end() && it->second;
}

void RecordingDesktop::setChecked(Menu item, bool checked) {
    calls.push_back("check " + std::string(menuName(item)) + (checked ? " on" : " off"));
    checks[item] = checked;
}

void RecordingDesktop::setClientHeight(int twips) {
    calls.push_back("height " + std::to_string(twips));
}

void RecordingDesktop::setTopmost(bool on) { calls.push_back(on ? "topmost on" : "topmost off"); }

std::string RecordingDesktop::inputBox(std::string_view prompt, std::string_view title) {
    calls.push_back("input " + std::string(prompt) + " | " + std::string(title));
    return inputAnswer;
}

void RecordingDesktop::showAbout() { calls.emplace_back("about"); }
void RecordingDesktop::closeMainWindow() { calls.emplace_back("close"); }

void RecordingDesktop::setTimerEnabled(bool enabled) {
    calls.push_back(enabled ? "timer on" : "timer off");
    timerEnabled = enabled;
}

bool RecordingDesktop::activateGameWindow() {
    calls.emplace_back("activate");
    return gameWindowPresent;
}

void RecordingDesktop::sendKeys(const KeySequence& keys) {
    calls.push_back("keys " + describe(keys));
    typed.push_back(describe(keys));
}

Calls RecordingDesktop::take() {
    Calls out;
    out.swap(calls);
    return out;
}

}  // namespace helmsway::testing
