// zorvantellique: the desktop program. Reads the command line (help, version and the modes
// that need no window end there), installs the Qt services into the platform, starts the
// application object (settings, main window, instrument discovery, splash), opens a test
// named on the command line and runs the event loop, which feeds the application object its
// input and idle time.
#include "app/ZRVApp.h"
#include "files/RecoveryCopy.h"
#include "link/CommLink.h"
#include "platform/Platform.h"
#include "platform/StateFiles.h"
#include "qt/CommandLine.h"
#include "qt/MainFrame.h"
#include "qt/QtAppEvents.h"
#include "qt/QtClock.h"
#include "qt/QtPictures.h"
#include "qt/QtProfile.h"
#include "qt/QtProgramExit.h"
#include "qt/QtSerialLayer.h"
#include "qt/QtSignalWatcher.h"
#include "qt/QtUserInterface.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace
{
bool HasValue(const char* pszName)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && *pszValue != '\0';
}

// QApplication aborts when it finds no display; say why in one line instead.
bool CanOpenDisplay()
{
    return HasValue("DISPLAY") || HasValue("WAYLAND_DISPLAY") || HasValue("QT_QPA_PLATFORM");
}

QString DiscoveryText()
{
    if (!theCommLink.m_bAlive)
        return QStringLiteral("Communications Disabled");
    const QString strModel = theCommLink.m_nModel == 2 ? QStringLiteral("Zorvantellique V6")
                                                       : QStringLiteral("Zorvantellique");
    return strModel + QStringLiteral(" found on COM") + QString::number(theCommLink.m_nPort);
}
} // namespace

int main(int argc, char* argv[])
{
    CCommandLine commandLine;
    if (std::optional<int> nExit = commandLine.RunWithoutWindow(argc, argv))
        return *nExit;
    if (!CanOpenDisplay())
    {
        std::fputs("zorvantellique: no display (set DISPLAY or QT_QPA_PLATFORM=offscreen)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvantellique"));

    CQtProfile profile;
    CQtSerialLayer serial;
    CQtUserInterface ui;
    CQtClock clock;
    CQtPictureMaker pictures;
    g_platform = {&profile, &serial, &ui, &clock, &pictures};
    CQtAppEvents events;
    // Signals are caught before the instrument is touched, so the wind is never left running.
    CQtProgramExit programExit;
    CQtSignalWatcher signalWatcher({SIGTERM, SIGINT, SIGHUP});
    signalWatcher.m_fnSignal = [&](int nSignal) { programExit.OnSignal(nSignal); };
    CRecoveryCopy recovery(StateDirectory() + "/recovery.ZRV");
    g_pRecoveryCopy = &recovery;

    theApp.InitInstance();
    ui.MainWindow()->m_fnCanClose = [&] { return programExit.OnCloseRequest(); };
    ui.SetStatusText(DiscoveryText());
    commandLine.OpenTestFile();
    QTimer recoveryTimer;
    QObject::connect(&recoveryTimer, &QTimer::timeout,
                     [&] { recovery.Update(*theApp.m_pView, GetTickCount()); });
    recoveryTimer.start(RECOVERY_CHECK_MS);
    events.StartIdle(); // the splash waits for idle time to go
    const int nStatus = programExit.Exec();
    g_pRecoveryCopy = nullptr;
    return nStatus;
}
