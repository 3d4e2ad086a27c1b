#pragma once

#include "platform/UserInterface.h"

#include <cstdint>
#include <memory>

class CZRVView;

// Input messages that shorten or end the splash wait: mouse buttons pressed on a caption or
// border (non-client) or inside a window, and keys pressed (with Alt: system keys).
constexpr unsigned WM_KEYDOWN = 256;
constexpr unsigned WM_SYSKEYDOWN = 260;
constexpr unsigned WM_NCLBUTTONDOWN = 161;
constexpr unsigned WM_NCRBUTTONDOWN = 164;
constexpr unsigned WM_NCMBUTTONDOWN = 167;
constexpr unsigned WM_LBUTTONDOWN = 513;
constexpr unsigned WM_RBUTTONDOWN = 516;
constexpr unsigned WM_MBUTTONDOWN = 519;

// The splash stays this long unless the user shortens it, in milliseconds.
constexpr uint32_t SPLASH_MS = 3000;

// The application object: reads the settings, builds the main window, finds the instrument,
// shows and removes the splash, and takes the commands the test view leaves.
class CZRVApp
{
public:
    // Always true: start-up goes on without an instrument, with communications disabled.
    bool InitInstance();
    // Start-up without a window: the settings (the units replaced by nUnits unless it is
    // negative) and instrument discovery. True when an instrument was found.
    bool InitHeadless(int nUnits);
    // Called while the program has nothing else to do; true asks to be called again.
    bool OnIdle(int nCount);
    // Sees every input message before it is dispatched; never swallows one (returns false).
    bool PreTranslateMessage(unsigned nMessage, bool bToSplash);

    // A menu, toolbar or accelerator command: the test view first, then the application's
    // own. False when neither has a handler (the desktop's own commands, or none at all).
    bool OnCmdMsg(int nId);
    void OnAppAbout();
    void OnHelpContents();
    // A new, empty test in the same view.
    void OnFileNew();
    // Once, after the splash has gone: offers the test a recovery copy holds (src/files).
    void OfferRecovery();

    int m_nUnits = 1;            // 1 English, 0 metric, as read from the settings at start
    double m_dMaxSpeed = 80.0;   // mph, as read from the settings at start
    CZRVView* m_pView = nullptr; // owned by the main window
    std::unique_ptr<ISplashWindow> m_pSplash;
    uint32_t m_dwSplashStart = 0;
    bool m_bRecoveryOffered = false;

private:
    void ReadSettings();
    void FindInstrument();
    void ShowSplash();
    void RemoveSplash();
    // Has the serial layer report an instrument lost between exchanges (ports opened from now).
    void WatchForInstrumentLoss();
    void OnInstrumentLost();
};

extern CZRVApp theApp;
