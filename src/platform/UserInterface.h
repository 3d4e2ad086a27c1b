#pragma once

#include "platform/Dialog.h"

#include <memory>
#include <string>

class CZRVView;
struct CSweepTable;

// The splash window over the main window at start-up: shown once, destroyed once.
class ISplashWindow
{
public:
    virtual ~ISplashWindow() = default;
    virtual void ShowWindow() = 0;
    // Paints it now, before the program goes on.
    virtual void UpdateWindow() = 0;
    virtual void DestroyWindow() = 0;
};

// User interaction the program asks of the desktop.
class IUserInterface : public IDialogHost
{
public:
    // A modal message box with the application title; nType combines a button set and an
    // icon (MB_RETRYCANCEL | MB_ICONEXCLAMATION). Returns IDOK, IDCANCEL, IDRETRY, IDYES or IDNO.
    virtual int MessageBox(const std::string& strText, unsigned nType) = 0;
    // Builds and shows the main window with its test view, which it owns; returns the view
    // (null where the desktop shows none). The view has its window and its OnInitialUpdate.
    virtual CZRVView* CreateMainWindow() = 0;
    // Creates the splash window, centred on the screen and not yet shown.
    virtual std::unique_ptr<ISplashWindow> CreateSplash() = 0;
    // A file dialog, open or save. strFilter is pairs of "description|pattern|" ending in an
    // empty pair ("ZRV Files (*.ZRV) |*.ZRV| All Files (*.*) |*.*||"); strDefExt is added to
    // a name typed without an extension; OFN_OVERWRITEPROMPT asks before replacing a file.
    // Returns IDOK with the chosen path in strPath, or IDCANCEL. With pnFilterIndex, the pair
    // shown first (1 for the first) goes in and the one chosen comes out, and strDefExt follows
    // the chosen pair's pattern.
    virtual int FileDialog(bool bOpen, const std::string& strDefExt, const std::string& strFileName,
                           unsigned nFlags, const std::string& strFilter, std::string& strPath,
                           int* pnFilterIndex = nullptr) = 0;
    // Shows the program's manual in its help window at the first page, or raises the window
    // when it is already open.
    virtual void ShowHelp() = 0;
    // Shows the "Sweep Results" window with this table (a copy), or brings it up to date and
    // to the front; it does not wait for the window to close.
    virtual void ShowSweepResults(const CSweepTable& table) = 0;
};

constexpr unsigned OFN_OVERWRITEPROMPT = 0x2;
constexpr unsigned OFN_HIDEREADONLY = 0x4;
