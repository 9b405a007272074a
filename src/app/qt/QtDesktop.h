#pragma once
// The Qt shell of the main window: carries out on the desktop what the core's handlers ask,
// and hands the window's clicks, menu choices and timer ticks to them.
#include <QTimer>
#include <memory>

#include "app/Desktop.h"
#include "app/frmHelmsway.h"
#include "app/qt/HelmWindow.h"
#include "support/qt/UserInputTime.h"

namespace helmsway::qt {

class QtDesktop final : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;

    frmHelmsway& form() { return form_; }
    HelmWindow& window() { return *window_; }
    const QTimer& timer1() const { return timer1_; }

    bool showPicture(ControlId element, std::string_view file) override;
    bool isChecked(Menu item) const override;
    void setChecked(Menu item, bool checked) override;
    void setClientHeight(int twips) override;
    void setTopmost(bool topmost) override;
    std::string inputBox(std::string_view prompt, std::string_view title) override;
    void showAbout() override;
    void closeMainWindow() override;
    void setTimerEnabled(bool enabled) override;
    bool activateGameWindow() override;
    void sendKeys(const KeySequence& keys) override;

private:
    UserInputTime userInputTime_;
    std::unique_ptr<HelmWindow> window_;
    QTimer timer1_;
    frmHelmsway form_{*this};
};

}  // namespace helmsway::qt
