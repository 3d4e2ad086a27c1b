#include "qt/MainFrame.h"

#include "app/CommandIds.h"
#include "app/FramePlacement.h"
#include "app/Resources.h"
#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "qt/Artwork.h"
#include "qt/QtDialogHost.h"
#include "qt/QtViewWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace
{
const QString kTitle = QString::fromLatin1(APP_TITLE);
constexpr int PRINT_DPI = 300;

// The accelerator table's virtual-key codes as Qt keys; letters and digits are the same.
int QtKey(int nKey)
{
    switch (nKey)
    {
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_PRIOR:
        return Qt::Key_PageUp;
    case VK_NEXT:
        return Qt::Key_PageDown;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_UP:
        return Qt::Key_Up;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_INSERT:
        return Qt::Key_Insert;
    case VK_DELETE:
        return Qt::Key_Delete;
    default:
        if (nKey >= VK_F1 && nKey < VK_F1 + 24)
            return Qt::Key_F1 + (nKey - VK_F1);
        return nKey;
    }
}

QKeySequence KeyOf(const CAccelerator& accel)
{
    Qt::KeyboardModifiers modifiers;
    if (accel.m_nModifiers & FSHIFT)
        modifiers |= Qt::ShiftModifier;
    if (accel.m_nModifiers & FCONTROL)
        modifiers |= Qt::ControlModifier;
    if (accel.m_nModifiers & FALT)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(QtKey(accel.m_nKey))));
}

QString Latin1(const char* psz)
{
    return psz != nullptr ? QString::fromLatin1(psz) : QString();
}
} // namespace

CMainFrame::CMainFrame(std::unique_ptr<CZRVView> pView)
    : m_pView(std::move(pView)), m_pPrinter(std::make_unique<QPrinter>())
{
    m_fnCommand = [this](int nId) { OnCommand(nId); };
    // Fine enough for one-pixel lines, small enough for a page image (A4: 2480 x 3508).
    m_pPrinter->setResolution(PRINT_DPI);
    setWindowTitle(kTitle);
    setWindowIcon(AppIcon());
    m_pViewWidget = new CQtViewWidget(m_pView.get(), this);
    m_pViewWidget->m_fnStatus = [this](const std::string& strText) {
        SetMessageText(QString::fromStdString(strText));
    };
    m_pViewWidget->m_fnZeroIndicator = [this](bool bHeld) {
        m_pZeroPane->setText(bHeld ? m_pZeroPane->objectName() : QString());
    };
    setCentralWidget(m_pViewWidget);
    BuildMenu();
    BuildToolBar();
    BuildAccelerators();
    BuildStatusBar();
    Place();
}

CMainFrame::~CMainFrame()
{
    // The view's window goes before the view it shows.
    delete m_pViewWidget;
}

void CMainFrame::Place()
{
    // The placement is for the whole window, caption and borders included; their size is
    // known once the window is shown, so this runs again then.
    const QRect rcScreen = QGuiApplication::primaryScreen()->geometry();
    const CRect rc = FramePlacement(rcScreen.width(), rcScreen.height());
    const QSize sizeBorders = frameGeometry().size() - geometry().size();
    move(rcScreen.left() + rc.left, rcScreen.top() + rc.top);
    resize(rc.Width() - sizeBorders.width(), rc.Height() - sizeBorders.height());
}

void CMainFrame::showEvent(QShowEvent* pEvent)
{
    QMainWindow::showEvent(pEvent);
    if (!m_bPlaced)
    {
        m_bPlaced = true;
        Place();
        UpdateLockIndicators();
    }
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_fnCanClose && !m_fnCanClose())
    {
        pEvent->ignore();
        return;
    }
    QMainWindow::closeEvent(pEvent);
    if (pEvent->isAccepted())
        QCoreApplication::quit();
}

QAction* CMainFrame::MakeCommandAction(int nId, const QString& strText)
{
    auto* pAction = new QAction(strText, this);
    pAction->setObjectName(CQtDialogHost::ControlName(nId));
    pAction->setStatusTip(Latin1(CommandPrompt(nId)));
    pAction->setToolTip(Latin1(CommandTip(nId)));
    pAction->setIconVisibleInMenu(false);
    connect(pAction, &QAction::triggered, this, [this, nId] { m_fnCommand(nId); });
    m_mapActions[nId] = pAction;
    return pAction;
}

QAction* CMainFrame::CommandAction(int nId) const
{
    auto it = m_mapActions.find(nId);
    return it != m_mapActions.end() ? it->second : nullptr;
}

void CMainFrame::BuildMenu()
{
    for (const CMenuPopup& popup : MainMenu())
    {
        QMenu* pMenu = menuBar()->addMenu(Latin1(popup.m_pszTitle));
        // Closing a menu leaves the idle text, as pointing away from an item does.
        connect(pMenu, &QMenu::aboutToHide, this, [this] { SetMessageText(READY_TEXT); });
        for (const CMenuItem& item : popup.m_aItems)
        {
            if (item.m_nId == 0)
                pMenu->addSeparator();
            else
                pMenu->addAction(MakeCommandAction(item.m_nId, Latin1(item.m_pszText)));
        }
    }
    QAction* pToolbarSwitch = CommandAction(ID_VIEW_TOOLBAR);
    pToolbarSwitch->setCheckable(true);
    pToolbarSwitch->setChecked(true);
}

void CMainFrame::BuildToolBar()
{
    m_pToolBar = new QToolBar(this);
    m_pToolBar->setObjectName(CQtDialogHost::ControlName(AFX_IDW_TOOLBAR));
    m_pToolBar->setIconSize(QSize(TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    int nImage = 0;
    for (int nId : ToolbarButtons())
    {
        if (nId == 0)
        {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* pAction = CommandAction(nId);
        if (pAction == nullptr) // a button with no menu item (Help contents)
            pAction = MakeCommandAction(nId, Latin1(CommandTip(nId)));
        pAction->setIcon(QIcon(ToolbarImage(nImage++)));
        m_pToolBar->addAction(pAction);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    connect(m_pToolBar, &QToolBar::visibilityChanged, this,
            [this](bool bVisible) { CommandAction(ID_VIEW_TOOLBAR)->setChecked(bVisible); });
}

void CMainFrame::BuildAccelerators()
{
    // Keys of the whole main window, not of a dialog above it: a bare letter typed into a
    // dialog's field stays a letter.
    for (const CAccelerator& accel : Accelerators())
    {
        auto* pAction = new QAction(this);
        pAction->setShortcut(KeyOf(accel));
        pAction->setShortcutContext(Qt::WindowShortcut);
        pAction->setObjectName(QStringLiteral("key%1").arg(accel.m_nId));
        const int nId = accel.m_nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { m_fnCommand(nId); });
        addAction(pAction);
    }
}

void CMainFrame::BuildStatusBar()
{
    QStatusBar* pStatusBar = statusBar();
    pStatusBar->setObjectName(CQtDialogHost::ControlName(AFX_IDW_STATUS_BAR));
    // Each pane is named after the text it shows when on, and is wide enough for it.
    auto fnAddPane = [this, pStatusBar](const QString& strName) {
        auto* pPane = new QLabel(this);
        pPane->setObjectName(strName);
        pPane->setAlignment(Qt::AlignCenter);
        pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(strName + "  "));
        pPane->setFrameShape(QFrame::Panel);
        pPane->setFrameShadow(QFrame::Sunken);
        pStatusBar->addPermanentWidget(pPane);
        return pPane;
    };
    m_pZeroPane = fnAddPane(QStringLiteral("ZERO"));
    const QString astrPanes[] = {QStringLiteral("CAP"), QStringLiteral("NUM"),
                                 QStringLiteral("SCRL")};
    for (int i = 0; i < 3; ++i)
        m_apLockPanes[i] = fnAddPane(astrPanes[i]);
    SetMessageText(READY_TEXT);
}

void CMainFrame::UpdateLockIndicators()
{
    const bool abOn[] = {m_locks.CapsLock(), m_locks.NumLock(), m_locks.ScrollLock()};
    for (int i = 0; i < 3; ++i)
        m_apLockPanes[i]->setText(abOn[i] ? m_apLockPanes[i]->objectName() : QString());
}

void CMainFrame::keyReleaseEvent(QKeyEvent* pEvent)
{
    switch (pEvent->key())
    {
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        UpdateLockIndicators();
        break;
    default:
        break;
    }
    QMainWindow::keyReleaseEvent(pEvent);
}

void CMainFrame::SetMessageText(const QString& strText)
{
    statusBar()->showMessage(strText);
}

QString CMainFrame::MessageText() const
{
    return statusBar()->currentMessage();
}

bool CMainFrame::event(QEvent* pEvent)
{
    switch (pEvent->type())
    {
    case QEvent::StatusTip: {
        // The prompt of the item or button under the pointer; none there means idle.
        const QString strTip = static_cast<QStatusTipEvent*>(pEvent)->tip();
        SetMessageText(strTip.isEmpty() ? QString::fromLatin1(READY_TEXT) : strTip);
        return true;
    }
    case QEvent::WindowActivate:
        UpdateLockIndicators();
        break;
    default:
        break;
    }
    return QMainWindow::event(pEvent);
}

void CMainFrame::OnCommand(int nId)
{
    if (theApp.OnCmdMsg(nId))
        return;
    switch (nId)
    {
    case ID_FILE_PRINT:
        OnFilePrint();
        break;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        break;
    case ID_FILE_PRINT_SETUP:
        OnFilePrintSetup();
        break;
    case ID_VIEW_TOOLBAR:
        OnViewToolbar();
        break;
    case ID_APP_EXIT:
        close();
        break;
    default: // the edit and pane keys: no handler anywhere
        break;
    }
}

void CMainFrame::OnViewToolbar()
{
    m_pToolBar->setVisible(!m_pToolBar->isVisible());
    CommandAction(ID_VIEW_TOOLBAR)->setChecked(m_pToolBar->isVisible());
}
