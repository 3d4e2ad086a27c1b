// The test view in the real main window: keys reaching the view's commands, its timer, and
// timer ticks inside the modal loop of the link's failure message.
#include "FakeClock.h"
#include "FakeProfile.h"
#include "FakeSerial.h"
#include "FakeUserInterface.h"
#include "HostControls.h"
#include "MainFrameKeys.h"
#include "ModalDriver.h"

#include "app/CommandIds.h"
#include "app/ZRVApp.h"
#include "dialogs/SweepDlg.h"
#include "graph/CZRVView.h"
#include "link/CommLink.h"
#include "platform/Platform.h"
#include "qt/MainFrame.h"
#include "qt/QtUserInterface.h"
#include "qt/QtViewWidget.h"
#include "run/RunTable.h"
#include "run/WindSpeed.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{
// The test view with its run table reachable and its timer ticks counted.
class CCountingView : public CZRVView
{
public:
    void OnTimer(int nIdEvent) override
    {
        ++m_nTicks;
        CZRVView::OnTimer(nIdEvent);
    }
    void OnLButtonDblClk(CPoint /*point*/) override { ++m_nDoubleClicks; }
    double LiftAt(int nSlot) const { return m_curLift.m_adRun[nSlot]; }
    using CZRVView::m_astrComment;
    int m_nTicks = 0;
    int m_nDoubleClicks = 0;
};

// Runs the event loop for nMs milliseconds.
void RunEvents(int nMs)
{
    QEventLoop loop;
    QTimer::singleShot(nMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// The real frame and view, the program's own routing, message boxes from the Qt desktop and
// the "V6" instrument on a fake COM3, communications enabled, wind stopped.
class MainFrameViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldPlatform = g_platform;
        g_platform = {&m_profile, &m_serial, &m_ui, &m_clock};
        m_pDevice = &m_serial.Add(3);
        m_pDevice->m_fnRespond = CFakeInstrument{};
        theCommLink = CCommLink();
        theCommLink.m_nPort = 3;
        ASSERT_EQ(theCommLink.OpenPort(), 1);
        theCommLink.m_bAlive = 1;
        theCommLink.m_nModel = 2;

        auto pView = std::make_unique<CCountingView>();
        m_pView = pView.get();
        m_pFrame = std::make_unique<CMainFrame>(std::move(pView));
        ASSERT_TRUE(Activate(m_pFrame.get()));
        m_pView->OnInitialUpdate();
        theApp.m_pView = m_pView;
    }
    void TearDown() override
    {
        theApp.m_pView = nullptr;
        m_pFrame.reset();
        theCommLink = CCommLink();
        g_platform = m_oldPlatform;
    }

    // The run was never saved: File New asks first (Yes the default); No lets it go.
    void LetTheRunGoWhenAsked()
    {
        WhenModal(
            [](QWidget* pModal) {
                auto* pBox = qobject_cast<QMessageBox*>(pModal);
                ASSERT_NE(pBox, nullptr);
                EXPECT_EQ(pBox->text(), "The test has not been saved. Save it first?");
                EXPECT_EQ(pBox->standardButton(pBox->defaultButton()), QMessageBox::Yes);
                pBox->button(QMessageBox::No)->click();
            },
            m_pFrame.get());
    }

    void RecordAt10Mph()
    {
        auto pDC = m_pFrame->ViewWidget()->GetClientDC();
        m_pView->RecordSample(pDC.get(), 0.5, 0.25, 10.0, SAMPLE_RECORD);
        ASSERT_NE(m_pView->LiftAt(100), EMPTY_SLOT);
    }

    CPlatform m_oldPlatform;
    CFakeProfile m_profile;
    CFakeSerialLayer m_serial;
    CFakeDevice* m_pDevice = nullptr;
    CQtUserInterface m_ui;
    CFakeClock m_clock;
    std::unique_ptr<CMainFrame> m_pFrame;
    CCountingView* m_pView = nullptr;
};
} // namespace

TEST_F(MainFrameViewTest, FileNewAndClearGraphKeysClearTheRun)
{
    for (auto [nKey, modifiers] : {std::pair{Qt::Key_N, Qt::KeyboardModifiers(Qt::ControlModifier)},
                                   std::pair{Qt::Key_C, Qt::KeyboardModifiers(Qt::NoModifier)}})
    {
        RecordAt10Mph();
        ASSERT_TRUE(Activate(m_pFrame.get())); // again, after the question's box
        if (nKey == Qt::Key_N)
            LetTheRunGoWhenAsked();
        TypeKey(m_pFrame.get(), nKey, modifiers);
        EXPECT_EQ(m_pView->LiftAt(100), EMPTY_SLOT) << nKey;
    }
    EXPECT_EQ(m_pDevice->TakeWritten(), "") << "neither talks to the instrument";
}

TEST_F(MainFrameViewTest, OnlyALeftDoubleClickChoosesASpeed)
{
    const QPoint ptMiddle = m_pFrame->ViewWidget()->rect().center();
    for (auto [button, nExpected] : {std::pair{Qt::LeftButton, 1}, std::pair{Qt::RightButton, 0},
                                     std::pair{Qt::MiddleButton, 0}})
    {
        m_pView->m_nDoubleClicks = 0;
        ClickMouse(m_pFrame->ViewWidget(), ptMiddle, button, 2);
        EXPECT_EQ(m_pView->m_nDoubleClicks, nExpected) << button;
    }
}

TEST_F(MainFrameViewTest, FileNewShowsTheEmptyTestAtOnce)
{
    CQtViewWidget* pWnd = m_pFrame->ViewWidget();
    const QImage empty = pWnd->grab().toImage();
    // A curve from 10 to 30 mph and a comment line: a test to throw away.
    auto pDC = pWnd->GetClientDC();
    for (double dWind : {10.0, 20.0, 30.0})
        m_pView->RecordSample(pDC.get(), dWind / 20, dWind / 40, dWind, SAMPLE_RECORD);
    m_pView->m_astrComment[0] = "Flat plate";
    m_pView->Repaint(pDC.get());
    pDC.reset();
    QApplication::processEvents();
    ASSERT_NE(pWnd->grab().toImage(), empty);

    LetTheRunGoWhenAsked();
    TypeKey(m_pFrame.get(), Qt::Key_N, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(pWnd->Image(), empty) << "the discarded test still shows";
}

TEST_F(MainFrameViewTest, StartingTheTimerAgainRestartsIt)
{
    // Generous periods: a late tick on a loaded machine cannot turn the result around.
    constexpr int PERIOD_MS = 400;
    CQtViewWidget* pWnd = m_pFrame->ViewWidget();
    theCommLink.m_bAlive = 0; // ticks that do nothing
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(pWnd->SetTimer(SAMPLE_TIMER_ID, PERIOD_MS), SAMPLE_TIMER_ID);
    RunEvents(PERIOD_MS / 2);
    EXPECT_EQ(pWnd->SetTimer(SAMPLE_TIMER_ID, PERIOD_MS), SAMPLE_TIMER_ID);
    const qint64 nRestart = clock.elapsed();
    QDeadlineTimer deadline(10 * PERIOD_MS);
    while (m_pView->m_nTicks == 0 && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    ASSERT_EQ(m_pView->m_nTicks, 1);
    // Not reset, the tick would come half a period after the restart; reset, a whole period
    // (Qt's coarse timers may fire up to 5 % early). Midway between tells them apart.
    EXPECT_GE(clock.elapsed() - nRestart, PERIOD_MS * 3 / 4) << "the first period was not reset";

    pWnd->KillTimer(SAMPLE_TIMER_ID);
    RunEvents(PERIOD_MS * 2);
    EXPECT_EQ(m_pView->m_nTicks, 1) << "no tick after KillTimer";
}

TEST_F(MainFrameViewTest, SavingAndOpeningATestKeepTheCaption)
{
    CFakeUserInterface files;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string strPath = dir.filePath("run.ZRV").toStdString();
    files.m_astrPaths = {strPath, strPath};
    g_platform.m_pUi = &files;
    RecordAt10Mph();
    TypeKey(m_pFrame.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(dir.filePath("run.ZRV")));
    EXPECT_EQ(m_pFrame->windowTitle(), "Zorvantellique");
    TypeKey(m_pFrame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_pFrame->windowTitle(), "Zorvantellique");
    EXPECT_EQ(files.m_aFileRequests.size(), 2u);
    EXPECT_TRUE(files.m_aBoxes.empty());
    g_platform.m_pUi = &m_ui;
}

// Plays the user in front of the link's failure message: while the box is up, watches the
// ticks and the line for a second, then presses Cancel.
struct CBoxWatch
{
    int m_nBoxes = 0;
    int m_nTicks = 0;
    std::string m_strWrittenBefore;
    std::string m_strWrittenDuring;
    bool m_bSeen = false;
};

void WatchFailureBox(CBoxWatch& watch, CCountingView& view, CFakeDevice& device, QWidget* pBelow)
{
    WhenModal(
        [&](QWidget* pModal) {
            auto* pBox = qobject_cast<QMessageBox*>(pModal);
            ASSERT_NE(pBox, nullptr);
            EXPECT_TRUE(pBox->text().startsWith("Communications Error!"));
            EXPECT_EQ(theCommLink.m_bAlive, 0);
            watch.m_bSeen = true;
            watch.m_strWrittenBefore = device.TakeWritten();
            const int nTicks = view.m_nTicks;
            RunEvents(1000);
            watch.m_nTicks = view.m_nTicks - nTicks;
            for (QWidget* pWidget : QApplication::topLevelWidgets())
                watch.m_nBoxes +=
                    qobject_cast<QMessageBox*>(pWidget) != nullptr && pWidget->isVisible();
            watch.m_strWrittenDuring = device.TakeWritten();
            pBox->button(QMessageBox::Cancel)->click();
        },
        pBelow);
}

TEST_F(MainFrameViewTest, TicksDuringACommandsFailureMessageDoNothing)
{
    m_pFrame->ViewWidget()->SetTimer(SAMPLE_TIMER_ID, 150);
    m_pDevice->m_bReadError = true; // the next exchange fails: "Communications Error!"
    CBoxWatch watch;
    WatchFailureBox(watch, *m_pView, *m_pDevice, m_pFrame.get());
    TypeKey(m_pFrame.get(), Qt::Key_S); // Stop Wind polls the status first
    EXPECT_TRUE(watch.m_bSeen);
    EXPECT_EQ(watch.m_strWrittenBefore, "S");
    EXPECT_GE(watch.m_nTicks, 3) << "the timer goes on inside the box's loop";
    EXPECT_EQ(watch.m_strWrittenDuring, "") << "a tick talked to the instrument";
    EXPECT_EQ(watch.m_nBoxes, 1) << "exchanges nested";

    // Cancelled: communications stay disabled and the ticks that follow stay silent.
    RunEvents(500);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    EXPECT_EQ(m_pDevice->TakeWritten(), "");
    m_pFrame->ViewWidget()->KillTimer(SAMPLE_TIMER_ID);
}

TEST_F(MainFrameViewTest, ATicksOwnFailureMessageIsNotEnteredAgain)
{
    m_pFrame->ViewWidget()->SetTimer(SAMPLE_TIMER_ID, 150);
    m_pDevice->m_bReadError = true;
    CBoxWatch watch;
    WatchFailureBox(watch, *m_pView, *m_pDevice, m_pFrame.get());
    QDeadlineTimer deadline(10000);
    while (!watch.m_bSeen && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    ASSERT_TRUE(watch.m_bSeen);
    EXPECT_EQ(watch.m_strWrittenBefore, "S");
    // The box belongs to a tick still running: its timer waits until the tick returns.
    EXPECT_EQ(watch.m_nTicks, 0);
    EXPECT_EQ(watch.m_strWrittenDuring, "");
    EXPECT_EQ(watch.m_nBoxes, 1);
    RunEvents(1000);
    EXPECT_GE(m_pView->m_nTicks, 3) << "ticks resume after the box";
    EXPECT_EQ(m_pDevice->TakeWritten(), "");
    m_pFrame->ViewWidget()->KillTimer(SAMPLE_TIMER_ID);
}

TEST_F(MainFrameViewTest, F5SweepsOnTheViewsTimerAndEscapeEndsItWithStopWind)
{
    // The sweep dialog, filled in and confirmed from the keyboard.
    WhenModal(
        [](QWidget* pModal) {
            Control<QLineEdit>(pModal, IDC_SWEEP_FROM)->setText("5");
            Control<QLineEdit>(pModal, IDC_SWEEP_TO)->setText("10");
            Control<QLineEdit>(pModal, IDC_SWEEP_STEP)->setText("5");
            TypeKey(pModal, Qt::Key_Return);
        },
        m_pFrame.get());
    TypeKey(m_pFrame.get(), Qt::Key_F5);
    ASSERT_TRUE(m_pView->IsSweeping());
    // The view's own 150 ms timer ramps towards the first point.
    RunEvents(500);
    EXPECT_GE(m_pView->m_nTicks, 2);
    EXPECT_EQ(m_pDevice->TakeWritten().substr(0, 5), "SW5\rH");
    EXPECT_EQ(m_pFrame->MessageText().left(33), "Sweep point 1 of 2: 5.0 MPH, ramp");

    // The instrument now reports its wind running: Escape stops it.
    CFakeInstrument running;
    running.m_nStatus = 0;
    m_pDevice->m_fnRespond = running;
    ASSERT_TRUE(Activate(m_pFrame.get())); // back from the dialog, as the desktop does it
    TypeKey(m_pFrame.get(), Qt::Key_Escape);
    EXPECT_FALSE(m_pView->IsSweeping());
    EXPECT_TRUE(m_pDevice->TakeWritten().ends_with("SCO"));
}

TEST_F(MainFrameViewTest, ZZeroesTheForcesAndTheZeroPaneComesOn)
{
    EXPECT_EQ(m_pFrame->ZeroPane()->text(), "");
    TypeKey(m_pFrame.get(), Qt::Key_Z);
    ASSERT_TRUE(m_pView->IsZeroing());
    // Two seconds of the program's clock, over the view's real ticks.
    QDeadlineTimer deadline(10000);
    while (m_pView->IsZeroing() && !deadline.hasExpired())
    {
        m_clock.Advance(SAMPLE_PERIOD_MS);
        RunEvents(SAMPLE_PERIOD_MS);
    }
    EXPECT_FALSE(m_pView->IsZeroing());
    EXPECT_EQ(m_pFrame->ZeroPane()->text(), "ZERO");
    // The fake instrument reads lift -0.1 and drag 0.25 with no wind.
    EXPECT_NEAR(m_pView->ForceZero().Lift(), -0.1, 1e-9);
    EXPECT_NEAR(m_pView->ForceZero().Drag(), 0.25, 1e-9);
}
