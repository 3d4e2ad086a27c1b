#pragma once

#include "platform/Dialog.h"

constexpr int IDD_ABOUTBOX = 100;
constexpr int IDC_VERSION_LINE = 1035;

// The product and version line of the About box.
constexpr const char* VERSION_LINE = "Zorvantellique  Version 4.01";
// The product and version as --version prints it and exported documents name their maker.
constexpr const char* VERSION_NAME = "Zorvantellique 4.01";

// The About box: the application's icon, the product and version line and OK.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    bool OnInitDialog() override;
};

const CDlgTemplate& AboutTemplate();
