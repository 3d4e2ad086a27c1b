#pragma once

#include <cstdint>

class CSplashScreen;

// The application object: reads the settings, builds the main window, finds the instrument.
class CZRVApp
{
public:
    // Always true: start-up goes on without an instrument, with communications disabled.
    bool InitInstance();

    int m_nUnits = 1;          // 1 English, 0 metric, as read from the settings at start
    double m_dMaxSpeed = 80.0; // mph, as read from the settings at start
    CSplashScreen* m_pSplash = nullptr;
    uint32_t m_dwSplashStart = 0;

private:
    void ReadSettings();
    void FindInstrument();
};

extern CZRVApp theApp;
