#include "qt/HeadlessSweepMain.h"

#include "app/HeadlessSweep.h"
#include "app/HeadlessUi.h"
#include "app/ZRVApp.h"
#include "graph/CZRVView.h"
#include "platform/Platform.h"
#include "qt/QtClock.h"
#include "qt/QtProfile.h"
#include "qt/QtSerialLayer.h"
#include "qt/QtSignalWatcher.h"
#include "qt/SweepCommandLine.h"
#include "run/WindSpeed.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <csignal>

int RunSweepMode(const QCommandLineParser& parser)
{
    CSweepJob job;
    QString strError;
    if (!ReadSweepJob(parser, job, strError))
    {
        ReportLine(strError.toStdString());
        return SWEEP_EXIT_FAILED;
    }

    // From here on an interrupt ends the sweep the orderly way: the wind stopped, the points
    // so far written. The watcher hands it to the event loop, between two ticks, never in the
    // middle of an exchange.
    CQtSignalWatcher watcher({SIGINT, SIGTERM});
    CQtProfile profile;
    CQtSerialLayer serial;
    CHeadlessUserInterface ui(stderr);
    CQtClock clock;
    g_platform = {&profile, &serial, &ui, &clock};
    theApp.InitHeadless(job.m_nUnits);

    CHeadlessViewWindow wnd;
    CZRVView view;
    view.m_pWnd = &wnd;
    view.OnInitialUpdate();
    CHeadlessSweep sweep(view, job);
    sweep.m_fnReport = ReportLine;
    sweep.Begin();
    if (sweep.IsDone())
        return sweep.ExitCode();

    // The view's sampling timer, ticked here while the view keeps it running.
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (wnd.IsTimerRunning(SAMPLE_TIMER_ID))
            view.OnTimer(SAMPLE_TIMER_ID);
        sweep.AfterTick(wnd.IsTimerRunning(SAMPLE_TIMER_ID));
        if (sweep.IsDone())
            QCoreApplication::exit(sweep.ExitCode());
    });
    // The wind may still be coming down; the ticks above watch it and end the program.
    watcher.m_fnSignal = [&](int nSignal) { sweep.Interrupt(nSignal); };
    timer.start(SAMPLE_PERIOD_MS);
    return QCoreApplication::exec();
}
