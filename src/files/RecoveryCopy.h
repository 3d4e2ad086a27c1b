#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class CZRVView;
class xygraph;

// An unsaved test is copied at most this often, in milliseconds, and looked at this often.
constexpr uint32_t RECOVERY_INTERVAL_MS = 5000;
constexpr uint32_t RECOVERY_CHECK_MS = 250;

// The recovery copy of an unsaved test: a test file (comment lines and units included) that
// replaces the previous copy atomically, so that a crash loses at most RECOVERY_INTERVAL_MS
// of a run. The caller's thread only copies the test's memory; formatting and writing happen
// on a writer thread of this object, so a sampling tick is never held up by the disk.
class CRecoveryCopy
{
public:
    explicit CRecoveryCopy(std::string strPath);
    // Lets a write under way finish.
    ~CRecoveryCopy();
    CRecoveryCopy(const CRecoveryCopy&) = delete;
    CRecoveryCopy& operator=(const CRecoveryCopy&) = delete;

    // Called every RECOVERY_CHECK_MS: an unsaved test that changed since its last copy is
    // handed to the writer once the last copy is about RECOVERY_INTERVAL_MS old.
    void Update(const CZRVView& view, uint32_t dwNow);
    // Writes an unsaved, changed test now, in the caller's thread (the program is ending).
    void Flush(const CZRVView& view);
    // Removes the copy (the test was saved, or the user let it go); a write under way
    // finishes first and a pending one is dropped.
    void Remove();
    // Waits until no write is pending or under way.
    void WaitIdle();

    const std::string& Path() const { return m_strPath; }

private:
    bool Changed(const CZRVView& view) const;
    void WriterLoop();

    std::string m_strPath;
    bool m_bCopied = false; // the copy on disk (or pending) holds m_nCopiedRevision
    uint32_t m_nCopiedRevision = 0;
    uint32_t m_dwLastCopy = 0;

    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::unique_ptr<xygraph> m_pPending; // the snapshot waiting for the writer
    bool m_bWriting = false;
    bool m_bStop = false;
    std::thread m_writer; // started with the first copy
};

// The program's recovery copy; null where the program keeps none (the unit tests).
extern CRecoveryCopy* g_pRecoveryCopy;
