#pragma once
// The names of the windows' controls and menu items, as a shell and the handlers refer to
// them. A control array element is a name plus its 16-bit index; single controls use index -1.
#include <cstdint>

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

}  // namespace helmsway
