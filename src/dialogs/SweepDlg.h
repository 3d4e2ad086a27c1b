#pragma once

#include "platform/Dialog.h"
#include "run/Sweep.h"

constexpr int IDD_SWEEP = 180;
constexpr int IDC_SWEEP_FROM = 1060;
constexpr int IDC_SWEEP_TO = 1061;
constexpr int IDC_SWEEP_STEP = 1062;
constexpr int IDC_SWEEP_SETTLE = 1063;
constexpr int IDC_SWEEP_AVERAGE = 1064;
constexpr int IDC_SWEEP_LENGTH = 1065;
constexpr int IDC_SWEEP_FROM_UNIT = 1066;
constexpr int IDC_SWEEP_TO_UNIT = 1067;
constexpr int IDC_SWEEP_STEP_UNIT = 1068;
constexpr int IDC_SWEEP_LENGTH_UNIT = 1069;

// The Sweep dialog: the speeds in the view's units, the waits in seconds and the model's
// reference length in inches or centimetres. OK passes only settings that make a sweep.
class CSweepDlg : public CDialog
{
public:
    CSweepDlg();

    // Labels the speeds "MPH" or "KPH" and the length "in" or "cm" after m_nUnits.
    bool OnInitDialog() override;

    CSweepSettings m_settings;
    int m_nUnits = 1;         // 1 English, 0 metric
    double m_dMaxSpeed = 0.0; // the highest speed a point may have, in the view's units

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

const CDlgTemplate& SweepDlgTemplate();
