#include "ProgramProcess.h"

#include <gtest/gtest.h>

QProcessEnvironment WindowlessEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(pszName);
    return env;
}

CProgramRun RunProgram(const QStringList& astrArgs, const QProcessEnvironment& env, int nMs,
                       const QStringList& astrRunAs)
{
    QProcess process;
    process.setProcessEnvironment(env);
    const QString strApp = QStringLiteral(ZRV_APP_PATH);
    if (astrRunAs.isEmpty())
        process.start(strApp, astrArgs);
    else
        process.start(astrRunAs.front(), astrRunAs.mid(1) + QStringList{strApp} + astrArgs);
    CProgramRun run;
    if (!process.waitForFinished(nMs))
    {
        EndProcess(process);
        ADD_FAILURE() << "still running";
        return run;
    }
    run.m_nExit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.m_strOut = process.readAllStandardOutput();
    run.m_strErr = process.readAllStandardError();
    return run;
}
