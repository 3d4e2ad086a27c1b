#pragma once

#include <string>
#include <vector>

// A dialog described as data: the generic host builds the window from this.
// Positions and sizes are in dialog units of the template's font.

enum class EControlKind
{
    Static,
    Icon,
    GroupBox,
    Edit,
    ComboDropDown, // editable field with a list
    ComboDropList, // list only
    PushButton,
    DefPushButton,
    RadioButton,
    CheckBox,
};

// Control style flags.
constexpr unsigned CTL_RIGHT = 1u << 0;    // text right-aligned (statics)
constexpr unsigned CTL_CENTER = 1u << 1;   // text centred (statics)
constexpr unsigned CTL_GROUP = 1u << 2;    // starts a group (radio buttons, tab order)
constexpr unsigned CTL_TABSTOP = 1u << 3;  // reachable with Tab
constexpr unsigned CTL_SORT = 1u << 4;     // list kept sorted
constexpr unsigned CTL_VSCROLL = 1u << 5;  // vertical scroll bar
constexpr unsigned CTL_DISABLED = 1u << 6; // starts disabled
constexpr unsigned CTL_READONLY = 1u << 7; // edit shows text the user cannot change
constexpr unsigned CTL_AUTOHSCROLL = 1u << 8;

constexpr int IDC_STATIC = -1;

struct CDlgControl
{
    int m_nId = IDC_STATIC;
    EControlKind m_eKind = EControlKind::Static;
    std::string m_strText;
    int m_nX = 0;
    int m_nY = 0;
    int m_nCx = 0;
    int m_nCy = 0;
    unsigned m_nStyle = 0;
    std::vector<std::string> m_astrItems; // initial list of a combo box, in list order
};

struct CDlgTemplate
{
    int m_nId = 0;
    std::string m_strCaption;
    std::string m_strFont = "MS Sans Serif";
    int m_nPointSize = 8;
    int m_nX = 0;
    int m_nY = 0;
    int m_nCx = 0;
    int m_nCy = 0;
    std::vector<CDlgControl> m_aControls; // in tab order
};
