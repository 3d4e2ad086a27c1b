#include "qt/QtSignalWatcher.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace
{
// The pipe of the one watcher: [0] read in the event loop, [1] written by the handler.
int g_afdSignalPipe[2] = {-1, -1};

void OnSignalCaught(int nSignal)
{
    const int nSavedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(nSignal);
    // A full pipe drops the signal: dozens are already waiting to be read.
    [[maybe_unused]] ssize_t nWritten = write(g_afdSignalPipe[1], &byte, 1);
    errno = nSavedErrno;
}
} // namespace

CQtSignalWatcher::CQtSignalWatcher(std::initializer_list<int> anSignals, QObject* pParent)
    : QObject(pParent)
{
    Q_ASSERT(g_afdSignalPipe[0] < 0);
    if (pipe2(g_afdSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
    {
        g_afdSignalPipe[0] = g_afdSignalPipe[1] = -1;
        return; // the signals keep their default actions
    }
    m_pNotifier = new QSocketNotifier(g_afdSignalPipe[0], QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CQtSignalWatcher::OnReadable);

    struct sigaction action = {};
    action.sa_handler = OnSignalCaught;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int nSignal : anSignals)
    {
        struct sigaction old = {};
        if (sigaction(nSignal, &action, &old) == 0)
            m_aOldActions.emplace_back(nSignal, old);
    }
}

CQtSignalWatcher::~CQtSignalWatcher()
{
    for (const auto& [nSignal, old] : m_aOldActions)
        sigaction(nSignal, &old, nullptr);
    delete m_pNotifier;
    for (int& fd : g_afdSignalPipe)
    {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

void CQtSignalWatcher::OnReadable()
{
    unsigned char abSignals[64];
    ssize_t nRead = 0;
    while ((nRead = read(g_afdSignalPipe[0], abSignals, sizeof abSignals)) > 0)
        for (ssize_t i = 0; i < nRead; ++i)
            if (m_fnSignal)
                m_fnSignal(abSignals[i]);
}
