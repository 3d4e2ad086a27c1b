#pragma once

#include "SimProcess.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <functional>

// This process's environment with no display of any kind: the program must do without one.
QProcessEnvironment WindowlessEnvironment();

// How a program run to its end went; m_nExit is -1 when it crashed or did not end in time.
struct CProgramRun
{
    int m_nExit = -1;
    QByteArray m_strOut;
    QByteArray m_strErr;
};

// Runs the zorvantellique program with the arguments to its end, waiting at most nMs; a program
// still running then fails the test and is ended. astrRunAs goes in front of the program, for a
// command that runs it as another account.
CProgramRun RunProgram(const QStringList& astrArgs, const QProcessEnvironment& env, int nMs,
                       const QStringList& astrRunAs = QStringList());

// The zorvantellique program, started as a user starts it; ended at the end of the test,
// whatever happened.
class CProgram
{
public:
    explicit CProgram(const QProcessEnvironment& env)
    {
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral(ZRV_APP_PATH), QStringList());
        m_process.waitForStarted(5000);
    }
    ~CProgram() { EndProcess(m_process); }

    // Polls fnDone while the program runs; false when it ended or the time ran out first.
    bool WaitFor(const std::function<bool()>& fnDone, int nMs = 20000)
    {
        QDeadlineTimer deadline(nMs);
        while (!fnDone())
            if (deadline.hasExpired() || m_process.waitForFinished(20))
                return false;
        return true;
    }

    QProcess m_process;
};
