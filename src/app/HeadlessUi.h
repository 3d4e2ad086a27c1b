#pragma once

#include "platform/UserInterface.h"
#include "platform/ViewWindow.h"

#include <cstdio>
#include <set>

// The user interface of a run without a display: every message goes to a stream (standard
// error) as one line and is answered as the cautious choice (Cancel, No, OK); dialogs are
// cancelled, no window is made and no help is shown.
class CHeadlessUserInterface : public IUserInterface
{
public:
    explicit CHeadlessUserInterface(std::FILE* pStream) : m_pStream(pStream) {}

    int MessageBox(const std::string& strText, unsigned nType) override;
    int RunModal(CDialog& dlg) override;
    CZRVView* CreateMainWindow() override { return nullptr; }
    std::unique_ptr<ISplashWindow> CreateSplash() override { return nullptr; }
    int FileDialog(bool bOpen, const std::string& strDefExt, const std::string& strFileName,
                   unsigned nFlags, const std::string& strFilter, std::string& strPath,
                   int* pnFilterIndex) override;
    void ShowHelp() override {}
    void ShowSweepResults(const CSweepTable&) override {}

private:
    std::FILE* m_pStream;
};

// The test view's window when there is none: contexts draw nowhere, timers are only
// remembered (the caller ticks the view while one runs), status texts are dropped.
class CHeadlessViewWindow : public IViewWindow
{
public:
    CRect GetClientRect() const override { return {0, 0, WIDTH, HEIGHT}; }
    std::unique_ptr<CDC> GetClientDC() override;
    int SetTimer(int nId, int nElapseMs) override;
    void KillTimer(int nId) override { m_setRunning.erase(nId); }
    void SetStatusText(const std::string&) override {}
    void SetZeroIndicator(bool) override {}
    void Invalidate() override {}

    bool IsTimerRunning(int nId) const { return m_setRunning.count(nId) != 0; }

private:
    // The size of the page the view lays its graph out on; nothing is shown.
    static constexpr int WIDTH = 1000;
    static constexpr int HEIGHT = 800;
    std::set<int> m_setRunning;
};
