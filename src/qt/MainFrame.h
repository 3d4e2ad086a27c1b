#pragma once

#include "qt/LockIndicators.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

class CQtViewWidget;
class CZRVView;
class QLabel;
class QPrinter;
class QToolBar;

// Child ids of the bars, kept as their object names ("id59392").
constexpr int AFX_IDW_TOOLBAR = 59392;
constexpr int AFX_IDW_STATUS_BAR = 59393;

// The program's one top-level window: the menu, the accelerators, the dockable toolbar and the
// status bar, all built from the program's tables, around the test view's window. The caption
// is always "Zorvantellique". Every command goes to the program first (the view, then the
// application); what it leaves, the frame takes: printing, the toolbar switch and Exit.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(std::unique_ptr<CZRVView> pView);
    ~CMainFrame() override;

    CZRVView& View() const { return *m_pView; }
    CQtViewWidget* ViewWidget() const { return m_pViewWidget; }
    QToolBar* ToolBar() const { return m_pToolBar; }
    // The action that runs a command from the menu or the toolbar; null for none.
    QAction* CommandAction(int nId) const;
    // The printer that Print, Print Preview and Print Setup share.
    QPrinter& Printer() const { return *m_pPrinter; }

    // Pane 0 of the status bar.
    void SetMessageText(const QString& strText);
    QString MessageText() const;
    // Reads the lock keys again into panes 1 to 3.
    void UpdateLockIndicators();
    // The "ZERO" pane, left of the lock keys: its text while zero offsets are held.
    QLabel* ZeroPane() const { return m_pZeroPane; }

    // Runs a command as a menu item, a button or a key would.
    void OnCommand(int nId);
    // Where the menu, the toolbar and the keys send their command; OnCommand unless replaced.
    std::function<void(int)> m_fnCommand;
    // Asked before the window closes (File Exit, the close button, the window manager); false
    // keeps it open. Unset: it always closes.
    std::function<bool()> m_fnCanClose;

    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnViewToolbar();

protected:
    bool event(QEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    // Closing the main window ends the program, whatever other window is still up.
    void closeEvent(QCloseEvent* pEvent) override;
    void keyReleaseEvent(QKeyEvent* pEvent) override;

private:
    // About 99 % of the screen, centred.
    void Place();
    void BuildMenu();
    void BuildAccelerators();
    void BuildToolBar();
    void BuildStatusBar();
    QAction* MakeCommandAction(int nId, const QString& strText);
    // The test view's page count is one: the dialogs offer no page range.
    void PreparePrinting();

    std::unique_ptr<CZRVView> m_pView;
    CQtViewWidget* m_pViewWidget = nullptr;
    QToolBar* m_pToolBar = nullptr;
    std::map<int, QAction*> m_mapActions;
    QLabel* m_apLockPanes[3] = {};
    QLabel* m_pZeroPane = nullptr;
    CLockIndicators m_locks;
    std::unique_ptr<QPrinter> m_pPrinter;
    bool m_bPlaced = false;
};
