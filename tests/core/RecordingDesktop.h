#pragma once
// A Desktop that records every call as one line of text, so a test can compare the exact
// order of a handler's steps, and that can be told to fail where a real desktop might.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/Desktop.h"
#include "app/frmHelmsway.h"

namespace helmsway::testing {

// A desktop's calls, or what it typed, in order.
using Calls = std::vector<std::string>;

std::string describe(const KeySequence& keys);

class RecordingDesktop : public Desktop {
public:
    // What the desktop is like.
    std::set<std::string> missingFiles;
    bool gameWindowPresent = true;
    std::string inputAnswer;
    std::map<Menu, bool> checks{{Menu::mnuSimple, true}};

    // What happened, in order.
    Calls calls;
    Calls typed;  // each sendKeys as readable text
    bool timerEnabled = false;

    bool showPicture(ControlId element, std::string_view file) override;
    bool isChecked(Menu item) const override;
    void setChecked(Menu item, bool checked) override;
    void setClientHeight(int twips) override;
    void setTopmost(bool on) override;
    std::string inputBox(std::string_view prompt, std::string_view title) override;
    void showAbout() override;
    void closeMainWindow() override;
    void setTimerEnabled(bool enabled) override;
    bool activateGameWindow() override;
    void sendKeys(const KeySequence& keys) override;

    // The calls since the last take.
    Calls take();
};

// The Simple and Advanced heights as the handlers hand them to the desktop.
inline const std::string kSimpleHeight = "height 2670";
inline const std::string kAdvancedHeight = "height 4395";

// A main window after its start-up, with the start-up's calls already taken.
struct StartedHelm {
    RecordingDesktop desktop;
    frmHelmsway form{desktop};
    StartedHelm() {
        form.Form_Load();
        desktop.take();
    }
};

}  // namespace helmsway::testing
