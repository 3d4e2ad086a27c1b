#include "SimProcess.h"

#include <QDeadlineTimer>
#include <signal.h>

void EndProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
    {
        process.kill();
        process.waitForFinished(5000);
    }
}

CSimProcess::~CSimProcess()
{
    Stop();
}

bool CSimProcess::Start(const QStringList& astrOptions)
{
    m_strOutput.clear();
    m_nSeen = 0;
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral(ZRV_SIM_PATH), astrOptions);
    return m_process.waitForStarted(5000) && WaitForOutput(QStringLiteral(" -> "));
}

bool CSimProcess::WaitForOutput(const QString& strText, int nMs)
{
    QDeadlineTimer deadline(nMs);
    for (;;)
    {
        m_strOutput += QString::fromLocal8Bit(m_process.readAll());
        const qsizetype nFound = m_strOutput.indexOf(strText, m_nSeen);
        if (nFound >= 0)
        {
            m_nSeen = nFound + strText.size();
            return true;
        }
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return false;
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
}

void CSimProcess::Signal(int nSignal)
{
    if (m_process.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(m_process.processId()), nSignal);
}

std::vector<std::string> Commands(const std::string& strBytes)
{
    std::vector<std::string> astrCommands;
    for (size_t i = 0; i < strBytes.size(); ++i)
    {
        if (strBytes[i] != 'W')
        {
            astrCommands.emplace_back(1, strBytes[i]);
            continue;
        }
        const size_t nEnd = strBytes.find('\r', i);
        astrCommands.push_back(strBytes.substr(i, nEnd - i));
        i = nEnd == std::string::npos ? strBytes.size() : nEnd;
    }
    return astrCommands;
}
