#include "qt/QtUserInterface.h"

#include "graph/CZRVView.h"
#include "qt/Artwork.h"
#include "qt/HelpWindow.h"
#include "qt/MainFrame.h"
#include "qt/QtDialogHost.h"
#include "qt/SplashScreen.h"
#include "qt/SweepResultsWindow.h"

#include <QApplication>
#include <QMessageBox>

namespace
{
const QString kTitle = QStringLiteral("Zorvantellique");

struct CButtonSet
{
    QMessageBox::StandardButtons m_buttons;
    QMessageBox::StandardButton m_default; // the first button, as on the desktop it stands for
    QMessageBox::StandardButton m_escape;  // what Esc and closing the box answer
};

CButtonSet ButtonSet(unsigned nType)
{
    switch (nType & MB_TYPEMASK)
    {
    case MB_OKCANCEL:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MB_YESNOCANCEL:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                QMessageBox::Cancel};
    case MB_YESNO:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MB_RETRYCANCEL:
        return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Cancel};
    default:
        return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    }
}

QMessageBox::Icon Icon(unsigned nType)
{
    switch (nType & MB_ICONMASK)
    {
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

// Line breaks come as "\r", "\n" or both; a plain-text label breaks only at "\n".
QString DisplayText(const std::string& strText)
{
    QString str = QString::fromStdString(strText);
    str.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    str.replace('\r', '\n');
    return str;
}

int Result(int nButton)
{
    switch (nButton)
    {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Retry:
        return IDRETRY;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}
} // namespace

CQtUserInterface::CQtUserInterface()
{
    // Every window of the program, and the About box, shows the program's icon.
    QApplication::setWindowIcon(AppIcon());
}
CQtUserInterface::~CQtUserInterface() = default;

int CQtUserInterface::MessageBox(const std::string& strText, unsigned nType)
{
    const CButtonSet set = ButtonSet(nType);
    // Over the dialog that asks, if any, else over the main window.
    QWidget* pParent = QApplication::activeModalWidget();
    QMessageBox box(Icon(nType), kTitle, DisplayText(strText), set.m_buttons,
                    pParent != nullptr ? pParent : m_pMainWindow.get());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set.m_default);
    box.setEscapeButton(set.m_escape);
    return Result(box.exec());
}

CZRVView* CQtUserInterface::CreateMainWindow()
{
    m_pMainWindow = std::make_unique<CMainFrame>(std::make_unique<CZRVView>());
    m_pMainWindow->show();
    // The view's window has its size now; the view starts its first, empty test.
    m_pMainWindow->View().OnInitialUpdate();
    return &m_pMainWindow->View();
}

void CQtUserInterface::ShowHelp()
{
    if (!m_pHelpWindow)
        m_pHelpWindow = std::make_unique<CHelpWindow>();
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

std::unique_ptr<ISplashWindow> CQtUserInterface::CreateSplash()
{
    return std::make_unique<CSplashScreen>(m_pMainWindow.get());
}

int CQtUserInterface::RunModal(CDialog& dlg)
{
    CQtDialogHost host(dlg, m_pMainWindow.get());
    return host.Run();
}

void CQtUserInterface::SetStatusText(const QString& strText)
{
    if (m_pMainWindow)
        m_pMainWindow->SetMessageText(strText);
}

void CQtUserInterface::ShowSweepResults(const CSweepTable& table)
{
    if (m_pSweepResults == nullptr)
        m_pSweepResults = std::make_unique<CSweepResultsWindow>(m_pMainWindow.get());
    m_pSweepResults->SetTable(table);
    m_pSweepResults->show();
    m_pSweepResults->raise();
    m_pSweepResults->activateWindow();
}
