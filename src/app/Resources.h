#pragma once

#include <span>

// The main window's menu, accelerators, toolbar and command prompts, as data. The desktop
// builds its widgets from these tables; the command ids are those of CommandIds.h.

struct CMenuItem
{
    int m_nId;             // 0 for a separator
    const char* m_pszText; // '&' marks the mnemonic; the text after a tab is the key shown
};

struct CMenuPopup
{
    const char* m_pszTitle;
    std::span<const CMenuItem> m_aItems;
};

// Menu 128, left to right.
std::span<const CMenuPopup> MainMenu();

// Virtual-key codes of the accelerator table.
constexpr int VK_BACK = 0x08;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_PRIOR = 0x21; // Page Up
constexpr int VK_NEXT = 0x22;  // Page Down
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_F1 = 0x70;
constexpr int VK_F5 = 0x74;
constexpr int VK_F6 = 0x75;

constexpr unsigned FSHIFT = 0x04;
constexpr unsigned FCONTROL = 0x08;
constexpr unsigned FALT = 0x10;

struct CAccelerator
{
    int m_nKey;            // virtual-key code; letters are their capital ASCII code
    unsigned m_nModifiers; // FSHIFT, FCONTROL, FALT; 0 for a bare key
    int m_nId;
};

// Accelerator table 128.
std::span<const CAccelerator> Accelerators();

// Toolbar buttons left to right; 0 is a separator. The ten non-separator entries take the
// ten 50 x 50 images of the toolbar strip in this order.
std::span<const int> ToolbarButtons();

// The status-line prompt of a command, and its tooltip; null where the command has none.
const char* CommandPrompt(int nId);
const char* CommandTip(int nId);

// The application title and the idle text of the status line.
constexpr const char* APP_TITLE = "Zorvantellique";
constexpr const char* READY_TEXT = "Ready";
