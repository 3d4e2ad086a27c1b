#pragma once

#include "platform/Dialog.h"

#include <span>
#include <string>

constexpr int IDD_AXIS = 132;
constexpr int IDD_METRIC_AXIS = 142;
constexpr int IDC_AXIS_FORCE = 1006;
constexpr int IDC_AXIS_LD_ON = 1018;
constexpr int IDC_AXIS_DRAG_ON = 1020;
constexpr int IDC_AXIS_LD = 1022;
constexpr int IDC_AXIS_WIND = 1024;
constexpr int IDC_AXIS_LIFT_ON = 1025;
constexpr int IDC_AXIS_CD_ON = 1037;
constexpr int IDC_AXIS_CD = 1038;

// The Axis dialogs: the top of each axis as text (combo boxes with the usual tops) and the
// curve switches. The English and the metric dialog differ in their lists, labels and layout.
class CAxisDlg : public CDialog
{
public:
    std::string m_strWind;
    std::string m_strForce;
    std::string m_strCd;
    std::string m_strLD;
    int m_bLift = 0;
    int m_bDrag = 0;
    int m_bCd = 0;
    int m_bLD = 0;

protected:
    // anExchangeOrder: the control ids in the order their members are exchanged.
    CAxisDlg(const CDlgTemplate& dlgTemplate, std::span<const int> anExchangeOrder);
    void DoDataExchange(CDataExchange* pDX) override;

private:
    std::span<const int> m_anExchangeOrder;
};

// Dialog 132, "Axis": mph and lbs.
class CSconfdlg : public CAxisDlg
{
public:
    CSconfdlg();
};

// Dialog 142, "Metric Axis": kph and kg.
class CMSconfdlg : public CAxisDlg
{
public:
    CMSconfdlg();
};

const CDlgTemplate& SconfdlgTemplate();
const CDlgTemplate& MSconfdlgTemplate();
