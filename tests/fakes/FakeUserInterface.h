#pragma once

#include "platform/UserInterface.h"
#include "run/SweepTable.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Control state of a dialog shown by the fake host.
class CFakeDialogControls : public IDialogControls
{
public:
    explicit CFakeDialogControls(const CDlgTemplate& dlgTemplate) : m_template(dlgTemplate) {}

    std::string GetText(int nId) override { return m_mapText[nId]; }
    void SetText(int nId, const std::string& strText) override { m_mapText[nId] = strText; }
    int GetCheck(int nId) override { return m_mapCheck[nId]; }
    void SetCheck(int nId, int nCheck) override { m_mapCheck[nId] = nCheck; }
    void SetCurSel(int nId, int nIndex) override;
    void SetLimitText(int nId, int nMax) override { m_mapLimit[nId] = nMax; }
    void SetFocus(int nId) override { m_nFocus = nId; }

    const CDlgTemplate& m_template;
    std::map<int, std::string> m_mapText;
    std::map<int, int> m_mapCheck;
    std::map<int, int> m_mapCurSel;
    std::map<int, int> m_mapLimit;
    int m_nFocus = 0;
};

// Plays one dialog: sees the controls after OnInitDialog, acts on them (typing, pressing
// buttons through dlg.OnCommand) and must end the dialog.
using DialogScript = std::function<void(CDialog& dlg, CFakeDialogControls& controls)>;

// A splash window that only records what it is asked to do: "show", "update", "destroy".
class CFakeSplash : public ISplashWindow
{
public:
    explicit CFakeSplash(std::vector<std::string>& astrCalls) : m_astrCalls(astrCalls) {}
    void ShowWindow() override { m_astrCalls.push_back("show"); }
    void UpdateWindow() override { m_astrCalls.push_back("update"); }
    void DestroyWindow() override { m_astrCalls.push_back("destroy"); }

private:
    std::vector<std::string>& m_astrCalls;
};

// Message boxes answered from a script; every box shown is recorded.
class CFakeUserInterface : public IUserInterface
{
public:
    struct CBox
    {
        std::string m_strText;
        unsigned m_nType;
    };

    int MessageBox(const std::string& strText, unsigned nType) override;
    int RunModal(CDialog& dlg) override;
    // Counts the windows; the program then runs without a view.
    CZRVView* CreateMainWindow() override
    {
        ++m_nMainWindows;
        return nullptr;
    }
    std::unique_ptr<ISplashWindow> CreateSplash() override
    {
        ++m_nSplashes;
        return std::make_unique<CFakeSplash>(m_astrSplashCalls);
    }
    // Answers with the next scripted path; an empty path is Cancel. A dialog asked for its
    // filter answers the next scripted filter index, or leaves the one it was given.
    int FileDialog(bool bOpen, const std::string& strDefExt, const std::string& strFileName,
                   unsigned nFlags, const std::string& strFilter, std::string& strPath,
                   int* pnFilterIndex = nullptr) override;
    void ShowHelp() override { ++m_nHelpShown; }
    void ShowSweepResults(const CSweepTable& table) override { m_aSweepResults.push_back(table); }

    // Texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;

    std::deque<int> m_anAnswers;           // answers to the next boxes, in order
    std::vector<CBox> m_aBoxes;            // every box shown
    std::deque<DialogScript> m_afnDialogs; // scripts for the next dialogs, in order
    std::vector<int> m_anDialogIds;        // template ids of the dialogs shown
    // Runs as a box is shown, before it is answered (to plug the instrument back in, say).
    std::function<void(const std::string& strText)> m_fnOnBox;
    int m_nMainWindows = 0;
    int m_nSplashes = 0;
    std::vector<std::string> m_astrSplashCalls; // every call on every splash, in order

    struct CFileRequest
    {
        bool m_bOpen;
        std::string m_strDefExt;
        std::string m_strFileName;
        unsigned m_nFlags;
        std::string m_strFilter;
    };
    std::deque<std::string> m_astrPaths;       // answers to the next file dialogs
    std::deque<int> m_anFilterIndexes;         // filters chosen in the next file dialogs
    std::vector<CFileRequest> m_aFileRequests; // every file dialog shown
    int m_nHelpShown = 0;                      // how often the manual was asked for
    std::vector<CSweepTable> m_aSweepResults;  // every results table shown
};

// Presses a button of the dialog.
DialogScript Press(int nId);
// Types a text into a control, then presses a button.
DialogScript TypeAndPress(int nControl, const std::string& strText, int nButton);
