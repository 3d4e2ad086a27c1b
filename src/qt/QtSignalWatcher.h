#pragma once

#include <QObject>
#include <csignal>
#include <functional>
#include <initializer_list>
#include <vector>

class QSocketNotifier;

// Delivers POSIX signals into the Qt event loop. The handler does nothing but write the
// signal's number to a pipe (async-signal-safe); a socket notifier reads it in the loop's
// thread and calls m_fnSignal there, where anything may be done. One watcher at a time; the
// previous handlers come back when it goes.
class CQtSignalWatcher : public QObject
{
public:
    explicit CQtSignalWatcher(std::initializer_list<int> anSignals, QObject* pParent = nullptr);
    ~CQtSignalWatcher() override;
    CQtSignalWatcher(const CQtSignalWatcher&) = delete;
    CQtSignalWatcher& operator=(const CQtSignalWatcher&) = delete;

    // Called in the event loop once for every signal caught, in order.
    std::function<void(int nSignal)> m_fnSignal;

private:
    void OnReadable();

    QSocketNotifier* m_pNotifier = nullptr;
    std::vector<std::pair<int, struct sigaction>> m_aOldActions;
};
