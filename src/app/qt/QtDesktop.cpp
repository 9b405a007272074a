#include "app/qt/QtDesktop.h"

#include <QInputDialog>

#include "about/qt/AboutWindow.h"
#include "app/MainWindowLayout.h"
#include "support/qt/LayoutWidgets.h"
#include "support/qt/PictureElement.h"
#include "support/qt/Pictures.h"
#include "support/qt/Twips.h"
#include "relay/qt/GameDesktop.h"
#include "support/qt/Stacking.h"

namespace helmsway::qt {

QtDesktop::QtDesktop() {
    window_ = std::make_unique<HelmWindow>(HelmWindow::Events{
        .click = [this](ControlId id) { form_.click(id); },
        .menu = [this](Menu item) { form_.menuClick(item); },
        .closing = [this] { form_.Form_Unload(); },
        .activated = [this](bool byClick) { form_.Form_Activate(byClick); },
    });
    timer1_.setObjectName("Timer1");
    timer1_.setInterval(kTimer1IntervalMs);
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setSingleShot(true);
    QObject::connect(&timer1_, &QTimer::timeout, [this] { form_.Timer1_Timer(); });
}

QtDesktop::~QtDesktop() = default;

bool QtDesktop::showPicture(ControlId element, std::string_view file) {
    PictureElement* target = window_->picture(element);
    if (!target) return false;
    const std::optional<QPixmap> picture = loadRuntimePicture(file);
    if (!picture) return false;
    target->setPicture(*picture);
    return true;
}

bool QtDesktop::isChecked(Menu item) const { return window_->isChecked(item); }

void QtDesktop::setChecked(Menu item, bool checked) { window_->setChecked(item, checked); }

// The window manager draws the title bar and borders outside the window; the menu bar keeps
// its own height above the panel.
void QtDesktop::setClientHeight(int twips) { window_->setPanelHeight(px(twips)); }

void QtDesktop::setTopmost(bool topmost) { keepOnTop(*window_, topmost); }

std::string QtDesktop::inputBox(std::string_view prompt, std::string_view title) {
    QInputDialog dialog(window_.get());
    dialog.setObjectName("InputBox");
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(qstr(title));
    dialog.setLabelText(qstr(prompt));
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

void QtDesktop::showAbout() { showAboutWindow(); }

// The window's closing goes to Form_Unload, as a close by its title bar does.
void QtDesktop::closeMainWindow() { window_->close(); }

void QtDesktop::setTimerEnabled(bool enabled) {
    if (enabled)
        timer1_.start();  // restarts a running count
    else
        timer1_.stop();
}

bool QtDesktop::activateGameWindow() {
    return qt::activateGameWindow(*window_, userInputTime_.latest());
}

void QtDesktop::sendKeys(const KeySequence& keys) { qt::sendKeys(keys); }

}  // namespace helmsway::qt
