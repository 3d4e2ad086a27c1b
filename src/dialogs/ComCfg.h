#pragma once

#include "platform/Dialog.h"

#include <string>

constexpr int IDD_COMCFG = 134;
constexpr int IDC_COMPORT = 1015;

// The COM Port dialog: one combo box with the port text ("COM3").
class CComCfg : public CDialog
{
public:
    CComCfg();

    std::string m_strPort;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

const CDlgTemplate& ComCfgTemplate();

// The number n of a port text "COM<n>" into nPort; false, nPort unchanged, when the text
// yields no number.
bool PortNumberOfText(const std::string& strText, int& nPort);
