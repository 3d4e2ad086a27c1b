#pragma once

#include "platform/Dialog.h"

#include <string>

constexpr int IDD_COMENTDLG = 148;
// The five edits, top to bottom.
constexpr int IDC_LINE1 = 1032;
constexpr int IDC_LINE2 = 1028;
constexpr int IDC_LINE3 = 1029;
constexpr int IDC_LINE4 = 1030;
constexpr int IDC_LINE5 = 1031;
// Characters a comment line may hold in the dialog.
constexpr int COMMENT_MAX_CHARS = 50;

// The Comments dialog: the first five comment lines of the test.
class CComentdlg : public CDialog
{
public:
    CComentdlg();

    std::string m_strLine1;
    std::string m_strLine2;
    std::string m_strLine3;
    std::string m_strLine4;
    std::string m_strLine5;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

const CDlgTemplate& ComentdlgTemplate();
