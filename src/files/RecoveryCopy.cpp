#include "files/RecoveryCopy.h"

#include "files/SafeSave.h"
#include "files/TestFileWriter.h"
#include "graph/CZRVView.h"
#include "platform/BackgroundThread.h"

#include <cstdio>
#include <filesystem>

CRecoveryCopy* g_pRecoveryCopy = nullptr;

CRecoveryCopy::CRecoveryCopy(std::string strPath) : m_strPath(std::move(strPath))
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_strPath).parent_path(), ec);
}

CRecoveryCopy::~CRecoveryCopy()
{
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_cv.notify_all();
    if (m_writer.joinable())
        m_writer.join();
}

bool CRecoveryCopy::Changed(const CZRVView& view) const
{
    return view.IsUnsaved() && (!m_bCopied || view.RunRevision() != m_nCopiedRevision);
}

void CRecoveryCopy::Update(const CZRVView& view, uint32_t dwNow)
{
    // The check that follows this one would come after RECOVERY_INTERVAL_MS: copy now.
    if (!Changed(view) ||
        (m_bCopied && dwNow - m_dwLastCopy + RECOVERY_CHECK_MS <= RECOVERY_INTERVAL_MS))
        return;
    // A plain copy of the test's arrays: microseconds, whatever the disk does.
    auto pSnapshot = std::make_unique<xygraph>(view.Graph());
    {
        // The writer holds the lock only for moments, but it may be preempted in one of
        // them: the tick never waits for it, the next check tries again.
        std::unique_lock lock(m_mutex, std::try_to_lock);
        if (!lock.owns_lock())
            return;
        m_pPending.swap(pSnapshot);
        if (!m_writer.joinable())
            m_writer = std::thread(&CRecoveryCopy::WriterLoop, this);
    }
    m_cv.notify_all();
    m_bCopied = true;
    m_nCopiedRevision = view.RunRevision();
    m_dwLastCopy = dwNow;
}

void CRecoveryCopy::Flush(const CZRVView& view)
{
    if (!Changed(view))
        return;
    WaitIdle();
    SaveReplacing(m_strPath, FormatTestFile(view.Graph()));
    m_bCopied = true;
    m_nCopiedRevision = view.RunRevision();
}

void CRecoveryCopy::Remove()
{
    std::unique_lock lock(m_mutex);
    m_pPending.reset();
    m_cv.wait(lock, [this] { return !m_bWriting; });
    std::remove(m_strPath.c_str());
    m_bCopied = false;
}

void CRecoveryCopy::WaitIdle()
{
    std::unique_lock lock(m_mutex);
    m_cv.wait(lock, [this] { return !m_pPending && !m_bWriting; });
}

void CRecoveryCopy::WriterLoop()
{
    RunInBackground();
    std::unique_lock lock(m_mutex);
    for (;;)
    {
        m_cv.wait(lock, [this] { return m_bStop || m_pPending; });
        if (!m_pPending) // stopping with nothing left to write
            return;
        std::unique_ptr<xygraph> pGraph = std::move(m_pPending);
        m_bWriting = true;
        lock.unlock();
        SaveReplacing(m_strPath, FormatTestFile(*pGraph));
        lock.lock();
        m_bWriting = false;
        m_cv.notify_all();
    }
}
