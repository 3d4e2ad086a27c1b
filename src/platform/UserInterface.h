#pragma once

#include "platform/Dialog.h"

#include <string>

// User interaction the program asks of the desktop.
class IUserInterface : public IDialogHost
{
public:
    // A modal message box with the application title; nType combines a button set and an
    // icon (MB_RETRYCANCEL | MB_ICONEXCLAMATION). Returns IDOK, IDCANCEL, IDRETRY, IDYES or IDNO.
    virtual int MessageBox(const std::string& strText, unsigned nType) = 0;
    // Builds and shows the main window with its test view.
    virtual void CreateMainWindow() = 0;
};
