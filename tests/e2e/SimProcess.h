#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The instrument's received bytes as commands: one letter each, "W<n>" up to its CR.
std::vector<std::string> Commands(const std::string& strBytes);

// SIGTERM, then waits for the end (and kills the process if it will not end).
void EndProcess(QProcess& process);

// A running zrv-sim, the virtual instrument on a pseudo-terminal. Every wait is bounded.
class CSimProcess
{
public:
    ~CSimProcess();

    // Starts zrv-sim with the options and waits until its port link exists.
    bool Start(const QStringList& astrOptions);
    // Waits until the simulator has printed strText since the last text waited for.
    bool WaitForOutput(const QString& strText, int nMs = 5000);
    void Signal(int nSignal);
    void Stop() { EndProcess(m_process); }

private:
    QProcess m_process;
    QString m_strOutput;
    qsizetype m_nSeen = 0;
};
