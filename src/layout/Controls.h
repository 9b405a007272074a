#pragma once
// The names of the windows' controls and menu items, as a shell and the handlers refer to
// them. A control array element is a name plus its 16-bit index; single controls use index -1.
// The names are the windows' own, spelling and all: cmdTurnRght, cmdTurnArnd and the
// lower-case mnuspace2 are deliberate, so each name reads the same here, in the handlers'
// names (cmdTurnRght_Click) and in the widget names a shell and its tests look controls up by.
#include <cstdint>
#include <string_view>

namespace helmsway {

enum class Control {
    // frmHelmsway
    cmdSpeed,
    BlueGem,
    cmdDirection,
    cmdStop,
    cmdTurnLeft,
    cmdTurnRght,
    cmdTurnArnd,
    cmdAnchor,
    cmdPillar,
    Frame1,
    cmdNavigate,
    cmdStart,
    cmdContinue,
    cmdNav,
    // frmAbout
    cmdOK,
    picIcon,
    lblDescription,
    lblDisclaimer,
    lblTitle,
    lblVersion,
    Label1,
    Label2,
    Line1,
};

enum class Menu {
    mnuOptions,
    mnuOnTop,
    mnuSpace5,
    mnuName,
    mnuSpace4,
    mnuAbout,
    mnuspace2,
    mnuExit,
    mnuInterface,
    mnuSimple,
    mnuAdvanced,
};

inline constexpr std::int16_t kNoIndex = -1;

struct ControlId {
    Control name;
    std::int16_t index = kNoIndex;
    friend bool operator==(const ControlId&, const ControlId&) = default;
};

// The names as laid out, for shells that name their widgets after the controls (a widget's
// object name is the control's name followed by its index, if it has one).
constexpr std::string_view controlName(Control control) {
    switch (control) {
    case Control::cmdSpeed: return "cmdSpeed";
    case Control::BlueGem: return "BlueGem";
    case Control::cmdDirection: return "cmdDirection";
    case Control::cmdStop: return "cmdStop";
    case Control::cmdTurnLeft: return "cmdTurnLeft";
    case Control::cmdTurnRght: return "cmdTurnRght";
    case Control::cmdTurnArnd: return "cmdTurnArnd";
    case Control::cmdAnchor: return "cmdAnchor";
    case Control::cmdPillar: return "cmdPillar";
    case Control::Frame1: return "Frame1";
    case Control::cmdNavigate: return "cmdNavigate";
    case Control::cmdStart: return "cmdStart";
    case Control::cmdContinue: return "cmdContinue";
    case Control::cmdNav: return "cmdNav";
    case Control::cmdOK: return "cmdOK";
    case Control::picIcon: return "picIcon";
    case Control::lblDescription: return "lblDescription";
    case Control::lblDisclaimer: return "lblDisclaimer";
    case Control::lblTitle: return "lblTitle";
    case Control::lblVersion: return "lblVersion";
    case Control::Label1: return "Label1";
    case Control::Label2: return "Label2";
    case Control::Line1: return "Line1";
    }
    return {};
}

constexpr std::string_view menuName(Menu item) {
    switch (item) {
    case Menu::mnuOptions: return "mnuOptions";
    case Menu::mnuOnTop: return "mnuOnTop";
    case Menu::mnuSpace5: return "mnuSpace5";
    case Menu::mnuName: return "mnuName";
    case Menu::mnuSpace4: return "mnuSpace4";
    case Menu::mnuAbout: return "mnuAbout";
    case Menu::mnuspace2: return "mnuspace2";
    case Menu::mnuExit: return "mnuExit";
    case Menu::mnuInterface: return "mnuInterface";
    case Menu::mnuSimple: return "mnuSimple";
    case Menu::mnuAdvanced: return "mnuAdvanced";
    }
    return {};
}

}  // namespace helmsway
