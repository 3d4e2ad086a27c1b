#pragma once

#include "platform/UserInterface.h"

#include <QString>
#include <memory>

class CHelpWindow;
class CMainFrame;
class CSweepResultsWindow;

// The desktop side of the program's user interaction: message boxes, the main window, the
// splash, file dialogs and modal dialogs built from their templates.
class CQtUserInterface : public IUserInterface
{
public:
    CQtUserInterface();
    ~CQtUserInterface() override;

    int MessageBox(const std::string& strText, unsigned nType) override;
    // Builds and shows the main frame with its test view; returns the view.
    CZRVView* CreateMainWindow() override;
    std::unique_ptr<ISplashWindow> CreateSplash() override;
    int RunModal(CDialog& dlg) override;
    int FileDialog(bool bOpen, const std::string& strDefExt, const std::string& strFileName,
                   unsigned nFlags, const std::string& strFilter, std::string& strPath,
                   int* pnFilterIndex = nullptr) override;
    void ShowHelp() override;
    void ShowSweepResults(const CSweepTable& table) override;

    // Shows a text in the main window's status bar; nothing before the window exists.
    void SetStatusText(const QString& strText);
    CMainFrame* MainWindow() const { return m_pMainWindow.get(); }
    // The help window once Help has been asked for, else null.
    CHelpWindow* HelpWindow() const { return m_pHelpWindow.get(); }
    // Null until a sweep's results were first shown.
    CSweepResultsWindow* SweepResultsWindow() const { return m_pSweepResults.get(); }

private:
    std::unique_ptr<CMainFrame> m_pMainWindow;
    std::unique_ptr<CHelpWindow> m_pHelpWindow;
    // Above the main window; it goes first, so the main window never deletes it twice.
    std::unique_ptr<CSweepResultsWindow> m_pSweepResults;
};
