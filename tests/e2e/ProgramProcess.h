#pragma once

#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <functional>

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
