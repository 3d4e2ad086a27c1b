#include "app/Resources.h"

#include "app/CommandIds.h"

namespace
{
constexpr CMenuItem FILE_MENU[] = {
    {ID_FILE_OPEN, "&Open...\tCtrl+O"},
    {ID_FILE_SAVE, "&Save As\tCtrl+S"},
    {ID_FILE_EXPORT, "&Export...\tCtrl+E"},
    {0, nullptr},
    {ID_FILE_PRINT, "&Print...\tCtrl+P"},
    {ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
    {ID_FILE_PRINT_SETUP, "P&rint Setup..."},
    {0, nullptr},
    {ID_APP_EXIT, "E&xit"},
};
constexpr CMenuItem SYSTEM_MENU[] = {
    {ID_COM_PORT, "&COM Port"},
    {ID_AXIS, "&Axis\tA"},
};
constexpr CMenuItem TEST_MENU[] = {
    {ID_STOP_WIND, "&Stop Wind\tS"},
    {0, nullptr},
    {ID_SET_WIND_SPEED, "S&et Wind speed\tW"},
    {ID_WIND_UP_5, "&Increment Wind Speed\tPage Up"},
    {ID_WIND_DOWN_5, "&Decrement Wind Speed\tPage Down"},
    {ID_ENTER_COMMENTS, "&Enter Comments\tE"},
    {ID_CLEAR_GRAPH, "&Clear Graph\tC"},
    {ID_CONFIGURE, "C&onfigure"},
    {ID_AIR_DENSITY, "Air &Density Calculator\tD"},
    {0, nullptr},
    {ID_ZERO_FORCES, "&Zero Forces\tZ"},
    {ID_SWEEP, "S&weep...\tF5"},
    {ID_SWEEP_RESULTS, "Sweep &Results"},
};
constexpr CMenuItem OVERLAY_MENU[] = {
    {ID_OVERLAY_SET, "&Set\tO"},
    {ID_OVERLAY_CLEAR, "&Clear"},
};
constexpr CMenuItem VIEW_MENU[] = {
    {ID_VIEW_TOOLBAR, "&Toolbar"},
};
constexpr CMenuItem HELP_MENU[] = {
    {ID_MENU_HELP, "Help"},
    {ID_MENU_ABOUT, "About"},
};
constexpr CMenuPopup MENU[] = {
    {"&File", FILE_MENU},       {"&System", SYSTEM_MENU}, {"&Test", TEST_MENU},
    {"&Overlay", OVERLAY_MENU}, {"&View", VIEW_MENU},     {"Help", HELP_MENU},
};

constexpr CAccelerator ACCELERATORS[] = {
    {VK_F1, 0, ID_HELP_CONTENTS},
    {'N', FCONTROL, ID_FILE_NEW},
    {'O', FCONTROL, ID_FILE_OPEN},
    {'S', FCONTROL, ID_FILE_SAVE},
    {'E', FCONTROL, ID_FILE_EXPORT},
    {'P', FCONTROL, ID_FILE_PRINT},
    {'A', 0, ID_AXIS},
    {'C', 0, ID_CLEAR_GRAPH},
    {'D', 0, ID_AIR_DENSITY},
    {'E', 0, ID_ENTER_COMMENTS},
    {'O', 0, ID_OVERLAY_SET},
    {'S', 0, ID_STOP_WIND},
    {VK_HOME, 0, ID_STOP_WIND},
    {'W', 0, ID_SET_WIND_SPEED},
    {VK_PRIOR, 0, ID_WIND_UP_5},
    {VK_NEXT, 0, ID_WIND_DOWN_5},
    {VK_UP, 0, ID_WIND_UP_1},
    {VK_RIGHT, 0, ID_WIND_UP_1},
    {VK_DOWN, 0, ID_WIND_DOWN_1},
    {VK_LEFT, 0, ID_WIND_DOWN_1},
    {'C', FCONTROL, ID_EDIT_COPY},
    {VK_INSERT, FCONTROL, ID_EDIT_COPY},
    {'X', FCONTROL, ID_EDIT_CUT},
    {VK_DELETE, FSHIFT, ID_EDIT_CUT},
    {'V', FCONTROL, ID_EDIT_PASTE},
    {VK_INSERT, FSHIFT, ID_EDIT_PASTE},
    {'Z', FCONTROL, ID_EDIT_UNDO},
    {VK_BACK, FALT, ID_EDIT_UNDO},
    {VK_F6, 0, ID_NEXT_PANE},
    {VK_F6, FSHIFT, ID_PREV_PANE},
    {'Z', 0, ID_ZERO_FORCES},
    {VK_F5, 0, ID_SWEEP},
    {VK_ESCAPE, 0, ID_SWEEP_ESCAPE},
};

constexpr int TOOLBAR[] = {
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    ID_FILE_PRINT,
    0,
    ID_SET_WIND_SPEED,
    ID_STOP_WIND,
    0,
    ID_WIND_UP_5,
    ID_WIND_DOWN_5,
    0,
    ID_CLEAR_GRAPH,
    ID_AXIS,
    ID_HELP_CONTENTS,
};

struct CPrompt
{
    int m_nId;
    const char* m_pszPrompt;
    const char* m_pszTip;
};

constexpr CPrompt PROMPTS[] = {
    {ID_SET_WIND_SPEED, "Set Wind to desired speed", "Set Wind Speed"},
    {ID_CLEAR_GRAPH, "Clear graph results", "Clear Graph"},
    {ID_CONFIGURE, "Configure options", "Configure"},
    {ID_COM_PORT, "Select the serial COM Port", nullptr},
    {ID_AXIS, "Change Axis scale", "Configure Axis"},
    {ID_OVERLAY_SET, "Set Overlay", nullptr},
    {ID_OVERLAY_CLEAR, "Clear Overlay", nullptr},
    {ID_STOP_WIND, "Return Wind speed to Zero", "Stop"},
    {ID_HELP_CONTENTS, "Display On line Help Contents", "Help"},
    {ID_ENTER_COMMENTS, "Enter comments on graph", nullptr},
    {ID_WIND_UP_5, "Increase Wind speed", "Increase Speed"},
    {ID_WIND_DOWN_5, "Decrease Wind Speed", "Decrease Speed"},
    {ID_AIR_DENSITY, "Air Density Calculator", "Air Density"},
    {ID_ZERO_FORCES, "Zero lift and drag with the wind off", "Zero Forces"},
    {ID_SWEEP, "Run a sweep of steady wind speeds and average each point", "Sweep"},
    {ID_SWEEP_RESULTS, "Show the results of the last sweep", "Sweep Results"},
    {ID_FILE_OPEN, "Open an existing document", "Open"},
    {ID_FILE_SAVE, "Save the active document", "Save"},
    {ID_FILE_EXPORT, "Export the test as CSV, PNG, SVG or PDF", "Export"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options", "Print Setup"},
    {ID_FILE_PRINT, "Print the active document", "Print Graph"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages", "Print Preview"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents", "Exit"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar", "Toggle ToolBar"},
};

const CPrompt* FindPrompt(int nId)
{
    for (const CPrompt& prompt : PROMPTS)
        if (prompt.m_nId == nId)
            return &prompt;
    return nullptr;
}
} // namespace

std::span<const CMenuPopup> MainMenu()
{
    return MENU;
}

std::span<const CAccelerator> Accelerators()
{
    return ACCELERATORS;
}

std::span<const int> ToolbarButtons()
{
    return TOOLBAR;
}

const char* CommandPrompt(int nId)
{
    const CPrompt* pPrompt = FindPrompt(nId);
    return pPrompt != nullptr ? pPrompt->m_pszPrompt : nullptr;
}

const char* CommandTip(int nId)
{
    const CPrompt* pPrompt = FindPrompt(nId);
    return pPrompt != nullptr ? pPrompt->m_pszTip : nullptr;
}
