#include "qt/QtProgramExit.h"

#include "app/ZRVApp.h"
#include "platform/Platform.h"
#include "run/WindSpeed.h"

#include <QApplication>
#include <QSessionManager>

CQtProgramExit::CQtProgramExit()
{
    m_tickTimer.setInterval(SAMPLE_PERIOD_MS);
    connect(&m_tickTimer, &QTimer::timeout, this, &CQtProgramExit::OnTick);
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { OnSessionEnding(); });
}

bool CQtProgramExit::OnCloseRequest()
{
    const EExitStep eStep = m_exit.OnClose(theApp.m_pView, GetTickCount());
    if (eStep == EExitStep::Exit)
    {
        m_bEnded = true; // the window closes and the loop ends with status 0
        return true;
    }
    Apply(eStep);
    return false;
}

void CQtProgramExit::OnSignal(int nSignal)
{
    Apply(m_exit.OnSignal(nSignal, theApp.m_pView, GetTickCount()));
}

void CQtProgramExit::OnSessionEnding()
{
    m_exit.OnSessionEnding(theApp.m_pView);
}

int CQtProgramExit::Exec()
{
    const int nStatus = QApplication::exec();
    if (m_bEnded)
        return nStatus;
    Apply(m_exit.OnSessionEnd(theApp.m_pView, GetTickCount()));
    if (m_exit.IsWaiting())
        QApplication::exec();
    return m_exit.ExitCode();
}

void CQtProgramExit::Apply(EExitStep eStep)
{
    switch (eStep)
    {
    case EExitStep::Wait:
        if (!m_tickTimer.isActive())
            m_tickTimer.start();
        break;
    case EExitStep::Exit:
        End();
        break;
    case EExitStep::Stay:
        break;
    }
}

void CQtProgramExit::OnTick()
{
    if (m_exit.Tick(GetTickCount()))
        End();
}

void CQtProgramExit::End()
{
    m_tickTimer.stop();
    m_bEnded = true;
    QCoreApplication::exit(m_exit.ExitCode());
}
