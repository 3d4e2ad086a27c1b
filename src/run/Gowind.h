#pragma once

#include "platform/Dialog.h"

#include <string>

constexpr int IDD_GOWIND = 137;
constexpr int IDC_SPEED = 1016;
constexpr int IDC_SPEED_UNITS = 1036;

// The Set Wind speed dialog: the speed as typed, in the unit its label names.
class CGowind : public CDialog
{
public:
    CGowind();

    // Labels the speed "MPH" for English units (1), "KPH" otherwise.
    bool OnInitDialog() override;

    std::string m_strSpeed;
    int m_nUnits = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

const CDlgTemplate& GowindTemplate();
