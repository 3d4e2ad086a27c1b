// The real main window, built from the program's tables: menu, keys, toolbar, status bar,
// caption and placement.
#include "MainFrameKeys.h"
#include "ModalDriver.h"

#include "app/CommandIds.h"
#include "app/FramePlacement.h"
#include "app/Resources.h"
#include "graph/CZRVView.h"
#include "qt/Artwork.h"
#include "qt/MainFrame.h"
#include "qt/QtViewWidget.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace
{
// The frame with every command it issues recorded instead of run.
class MainFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = std::make_unique<CMainFrame>(std::make_unique<CZRVView>());
        m_pFrame->m_fnCommand = [this](int nId) { m_anCommands.push_back(nId); };
        ASSERT_TRUE(Activate(m_pFrame.get()));
    }

    // Ids of the toolbar's entries left to right, 0 for a separator.
    std::vector<int> ToolbarIds() const
    {
        std::vector<int> anIds;
        for (QAction* pAction : m_pFrame->ToolBar()->actions())
            anIds.push_back(pAction->isSeparator() ? 0 : pAction->objectName().mid(2).toInt());
        return anIds;
    }

    std::unique_ptr<CMainFrame> m_pFrame;
    std::vector<int> m_anCommands;
};

Qt::KeyboardModifiers ModifiersOf(unsigned nModifiers)
{
    Qt::KeyboardModifiers modifiers;
    if (nModifiers & FSHIFT)
        modifiers |= Qt::ShiftModifier;
    if (nModifiers & FCONTROL)
        modifiers |= Qt::ControlModifier;
    if (nModifiers & FALT)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

// The accelerator table's keys as Qt names them, written out here on their own so that a
// wrong mapping in the frame shows.
int QtKeyOf(int nKey)
{
    const std::map<int, int> mapKeys = {
        {VK_BACK, Qt::Key_Backspace}, {VK_PRIOR, Qt::Key_PageUp},  {VK_NEXT, Qt::Key_PageDown},
        {VK_HOME, Qt::Key_Home},      {VK_LEFT, Qt::Key_Left},     {VK_UP, Qt::Key_Up},
        {VK_RIGHT, Qt::Key_Right},    {VK_DOWN, Qt::Key_Down},     {VK_INSERT, Qt::Key_Insert},
        {VK_DELETE, Qt::Key_Delete},  {VK_F1, Qt::Key_F1},         {VK_F6, Qt::Key_F6},
        {VK_F5, Qt::Key_F5},          {VK_ESCAPE, Qt::Key_Escape},
    };
    auto it = mapKeys.find(nKey);
    return it != mapKeys.end() ? it->second : nKey;
}
} // namespace

TEST_F(MainFrameTest, MenuHasEveryItemWithItsMnemonicAndKeyText)
{
    const QList<QAction*> apTitles = m_pFrame->menuBar()->actions();
    ASSERT_EQ(apTitles.size(), static_cast<qsizetype>(MainMenu().size()));
    for (size_t i = 0; i < MainMenu().size(); ++i)
    {
        const CMenuPopup& popup = MainMenu()[i];
        EXPECT_EQ(apTitles[i]->text(), popup.m_pszTitle);
        const QList<QAction*> apItems = apTitles[i]->menu()->actions();
        ASSERT_EQ(apItems.size(), static_cast<qsizetype>(popup.m_aItems.size()))
            << popup.m_pszTitle;
        for (size_t j = 0; j < popup.m_aItems.size(); ++j)
        {
            const CMenuItem& item = popup.m_aItems[j];
            if (item.m_nId == 0)
            {
                EXPECT_TRUE(apItems[j]->isSeparator()) << popup.m_pszTitle << " " << j;
                continue;
            }
            EXPECT_EQ(apItems[j]->text(), item.m_pszText);
            // The key text is only shown: the keys are the accelerator table's.
            EXPECT_TRUE(apItems[j]->shortcut().isEmpty()) << item.m_pszText;
            m_anCommands.clear();
            apItems[j]->trigger();
            EXPECT_EQ(m_anCommands, std::vector<int>{item.m_nId}) << item.m_pszText;
        }
    }
    // Spot checks against the table's own texts.
    EXPECT_EQ(apTitles[2]->menu()->actions()[2]->text(), "S&et Wind speed\tW");
    EXPECT_EQ(apTitles[5]->text(), "Help");
}

TEST_F(MainFrameTest, EveryAcceleratorReachesItsCommand)
{
    for (const CAccelerator& accel : Accelerators())
    {
        m_anCommands.clear();
        TypeKey(m_pFrame.get(), QtKeyOf(accel.m_nKey), ModifiersOf(accel.m_nModifiers));
        EXPECT_EQ(m_anCommands, std::vector<int>{accel.m_nId})
            << "key " << accel.m_nKey << " modifiers " << accel.m_nModifiers;
    }
}

TEST_F(MainFrameTest, SingleLettersWorkOverTheViewButNotInADialog)
{
    m_pFrame->ViewWidget()->setFocus();
    TypeKey(m_pFrame.get(), Qt::Key_W);
    EXPECT_EQ(m_anCommands, std::vector<int>{ID_SET_WIND_SPEED});

    m_anCommands.clear();
    QDialog dialog(m_pFrame.get());
    auto* pEdit = new QLineEdit(&dialog);
    WhenModal(
        [&](QWidget* pModal) {
            pEdit->setFocus();
            for (int nKey : {Qt::Key_W, Qt::Key_S, Qt::Key_C})
                TypeKey(pModal, nKey);
            pModal->close();
        },
        m_pFrame.get());
    dialog.exec();
    EXPECT_EQ(pEdit->text(), "wsc");
    EXPECT_TRUE(m_anCommands.empty());
}

TEST_F(MainFrameTest, ToolbarHasItsThirteenEntriesImagesTipsAndPrompts)
{
    const std::span<const int> anButtons = ToolbarButtons();
    EXPECT_EQ(ToolbarIds(), std::vector<int>(anButtons.begin(), anButtons.end()));
    QToolBar* pToolBar = m_pFrame->ToolBar();
    EXPECT_EQ(pToolBar->objectName(), "id59392");
    EXPECT_EQ(pToolBar->iconSize(), QSize(50, 50));
    EXPECT_TRUE(pToolBar->isMovable());
    EXPECT_TRUE(pToolBar->isFloatable());
    EXPECT_EQ(pToolBar->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(m_pFrame->toolBarArea(pToolBar), Qt::TopToolBarArea);

    const QImage strip = ToolbarStrip().toImage();
    EXPECT_EQ(strip.size(), QSize(500, 50));
    int nImage = 0;
    for (int nId : anButtons)
    {
        if (nId == 0)
            continue;
        QAction* pAction = m_pFrame->CommandAction(nId);
        ASSERT_NE(pAction, nullptr) << nId;
        EXPECT_EQ(pAction->toolTip(), CommandTip(nId));
        EXPECT_EQ(pAction->statusTip(), CommandPrompt(nId));
        EXPECT_EQ(pAction->icon().pixmap(50, 50).toImage().convertToFormat(strip.format()),
                  strip.copy(50 * nImage++, 0, 50, 50))
            << nId;
        m_anCommands.clear();
        qobject_cast<QToolButton*>(pToolBar->widgetForAction(pAction))->click();
        EXPECT_EQ(m_anCommands, std::vector<int>{nId});
    }
}

TEST_F(MainFrameTest, ViewToolbarHidesAndShowsWithItsCheckMark)
{
    m_pFrame->m_fnCommand = [this](int nId) { m_pFrame->OnCommand(nId); };
    QAction* pItem = m_pFrame->CommandAction(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(pItem->isChecked());
    pItem->trigger();
    EXPECT_FALSE(m_pFrame->ToolBar()->isVisible());
    EXPECT_FALSE(pItem->isChecked());
    pItem->trigger();
    EXPECT_TRUE(m_pFrame->ToolBar()->isVisible());
    EXPECT_TRUE(pItem->isChecked());
}

TEST_F(MainFrameTest, PromptsWhileOverAnItemAndReadyAfterwards)
{
    QStatusBar* pStatus = m_pFrame->statusBar();
    EXPECT_EQ(pStatus->objectName(), "id59393");
    m_pFrame->ViewWidget()->SetStatusText("Wind 12.0 mph");
    EXPECT_EQ(m_pFrame->MessageText(), "Wind 12.0 mph");

    m_pFrame->CommandAction(ID_STOP_WIND)->showStatusText(m_pFrame->ToolBar());
    EXPECT_EQ(m_pFrame->MessageText(), "Return Wind speed to Zero");
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(m_pFrame->ToolBar(), &leave);
    EXPECT_EQ(m_pFrame->MessageText(), "Ready");

    // Test, Clear Graph: opened from the menu bar, with the pointer on the item.
    QAction* pTitle = m_pFrame->menuBar()->actions()[2];
    m_pFrame->menuBar()->setActiveAction(pTitle);
    QMenu* pTest = pTitle->menu();
    ASSERT_TRUE(pTest->isVisible());
    pTest->setActiveAction(m_pFrame->CommandAction(ID_CLEAR_GRAPH));
    EXPECT_EQ(m_pFrame->MessageText(), "Clear graph results");
    pTest->hide();
    EXPECT_EQ(m_pFrame->MessageText(), "Ready");

    m_pFrame->ViewWidget()->SetStatusText("Wind speed is Zero");
    EXPECT_EQ(m_pFrame->MessageText(), "Wind speed is Zero");
}

TEST_F(MainFrameTest, StatusBarHasTheZeroAndTheThreeLockPanes)
{
    QStringList astrPanes;
    for (QLabel* pLabel : m_pFrame->statusBar()->findChildren<QLabel*>())
        if (!pLabel->objectName().isEmpty())
            astrPanes << pLabel->objectName();
    astrPanes.sort();
    EXPECT_EQ(astrPanes, (QStringList{"CAP", "NUM", "SCRL", "ZERO"}));
    // The zero pane is empty until the view reports offsets held.
    EXPECT_EQ(m_pFrame->ZeroPane()->text(), "");
    m_pFrame->ViewWidget()->SetZeroIndicator(true);
    EXPECT_EQ(m_pFrame->ZeroPane()->text(), "ZERO");
    m_pFrame->ViewWidget()->SetZeroIndicator(false);
    EXPECT_EQ(m_pFrame->ZeroPane()->text(), "");
}

TEST_F(MainFrameTest, CaptionStaysTheProgramName)
{
    EXPECT_EQ(m_pFrame->windowTitle(), "Zorvantellique");
    // Commands that open nothing modal, through the real routing.
    m_pFrame->m_fnCommand = [this](int nId) { m_pFrame->OnCommand(nId); };
    for (int nId : {ID_VIEW_TOOLBAR, ID_VIEW_TOOLBAR, ID_EDIT_COPY, ID_NEXT_PANE, ID_FILE_NEW,
                    ID_CLEAR_GRAPH})
    {
        m_pFrame->OnCommand(nId);
        EXPECT_EQ(m_pFrame->windowTitle(), "Zorvantellique") << nId;
    }
}

TEST_F(MainFrameTest, PlacedAtNinetyNinePercentOfTheScreenCentred)
{
    const QRect rcScreen = QGuiApplication::primaryScreen()->geometry();
    const CRect rc = FramePlacement(rcScreen.width(), rcScreen.height());
    EXPECT_EQ(m_pFrame->frameGeometry(), QRect(rc.left, rc.top, rc.Width(), rc.Height()));
}

TEST(LockIndicatorsTest, ReadsTheKeyboardLeds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto fnLed = [&](const QString& strName, const char* pszBrightness) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(strName));
        QFile file(dir.filePath(strName + "/brightness"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pszBrightness);
    };
    fnLed("input3::capslock", "1\n");
    fnLed("input3::numlock", "0\n");
    fnLed("input7::numlock", "0\n");
    fnLed("input3::scrolllock", "0\n");
    CLockIndicators locks(dir.path());
    EXPECT_TRUE(locks.CapsLock());
    EXPECT_FALSE(locks.NumLock());
    EXPECT_FALSE(locks.ScrollLock());
    fnLed("input7::numlock", "1\n"); // a second keyboard
    EXPECT_TRUE(locks.NumLock());

    CLockIndicators none(dir.filePath("missing"));
    EXPECT_FALSE(none.CapsLock());
}
