#pragma once

#include "platform/Dialog.h"

#include <string>

constexpr int IDD_CONFIG = 130;
constexpr int IDC_CFG_ENGLISH = 1003;
constexpr int IDC_CFG_MAX_SPEED = 1004;
constexpr int IDC_CFG_METRIC = 1005;
constexpr int IDC_CFG_CD_AREA = 1027;
constexpr int IDC_CFG_AREA_UNIT = 1033;
constexpr int IDC_CFG_SPEED_UNIT = 1034;

// Radio index of the units: the English button comes first.
constexpr int UNITS_RADIO_ENGLISH = 0;
constexpr int UNITS_RADIO_METRIC = 1;

// The maximum speed a units button puts in, in that button's units.
constexpr unsigned ENGLISH_DEFAULT_MAX_SPEED = 80;
constexpr unsigned METRIC_DEFAULT_MAX_SPEED = 130;

// The Test Configuration dialog: units, maximum speed and Cd area, in the units selected.
class CConfigDlg : public CDialog
{
public:
    CConfigDlg();

    // Labels the speed and area units after the selected button.
    bool OnInitDialog() override;
    void OnCommand(int nId) override;
    // A units button was clicked: its labels and its default maximum speed. The area is left
    // as typed; it is read in the units selected when OK is pressed.
    void OnEnglish();
    void OnMetric();

    int m_nUnitsRadio = -1;
    unsigned m_nMaxSpeed = 0;
    std::string m_strCdArea;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void SetUnitLabels(bool bMetric);
};

const CDlgTemplate& ConfigDlgTemplate();
