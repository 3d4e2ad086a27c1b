#pragma once

#include "app/ProgramExit.h"

#include <QObject>
#include <QTimer>

// The desktop side of ending the program: the main window's close, signals and the desktop
// session come here; CProgramExit decides, and this ends the event loop, after ticking the
// wind's wait when there is one.
class CQtProgramExit : public QObject
{
public:
    // Watches the desktop session's requests to save the program's data.
    CQtProgramExit();

    // The main window asks before it closes; true when it may close now.
    bool OnCloseRequest();
    void OnSignal(int nSignal);
    // The desktop session asks for the program's data: it may be about to end.
    void OnSessionEnding();
    // Runs the event loop and returns the exit status. A loop ended by anyone else (the
    // session manager) still brings the wind to rest before it returns.
    int Exec();

private:
    void Apply(EExitStep eStep);
    void OnTick();
    void End();

    CProgramExit m_exit;
    QTimer m_tickTimer;
    bool m_bEnded = false;
};
