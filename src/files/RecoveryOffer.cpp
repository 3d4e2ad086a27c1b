// At start-up, the recovery copy a crash or a signal left behind is offered back.
#include "app/ZRVApp.h"
#include "files/RecoveryCopy.h"
#include "files/TestFileReader.h"
#include "graph/CZRVView.h"
#include "platform/Platform.h"
#include "platform/StateFiles.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace
{
bool Readable(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    auto pProbe = std::make_unique<xygraph>();
    return file && ReadTestFile(file, *pProbe) == EReadResult::Read;
}

// A copy that cannot be read is never deleted: it goes beside the next copy under a name of
// its own ("recovery-2026-12-11-154012.ZRV", with a number added while that is taken).
void KeepAside(const std::string& strPath)
{
    const fs::path dir = fs::path(strPath).parent_path();
    const std::string strStem = "recovery-" + FileTimeStamp(strPath);
    fs::path kept = dir / (strStem + ".ZRV");
    std::error_code ec;
    for (int n = 2; fs::exists(kept, ec); ++n)
        kept = dir / (strStem + "-" + std::to_string(n) + ".ZRV");
    fs::rename(strPath, kept, ec);
    if (ec)
        AfxMessageBox("A recovery copy of a test was found but cannot be read: " + strPath +
                          ". It was left where it is.",
                      MB_ICONEXCLAMATION);
    else
        AfxMessageBox("A recovery copy of a test was found but cannot be read. It was kept as " +
                          kept.string() + ".",
                      MB_ICONEXCLAMATION);
}
} // namespace

void CZRVApp::OfferRecovery()
{
    if (m_bRecoveryOffered || g_pRecoveryCopy == nullptr || m_pView == nullptr)
        return;
    m_bRecoveryOffered = true; // the question's own event loop may bring idle time again
    const std::string& strPath = g_pRecoveryCopy->Path();
    std::error_code ec;
    if (!fs::exists(strPath, ec))
        return;
    if (!Readable(strPath))
    {
        KeepAside(strPath);
        return;
    }
    const std::string strText =
        "A test that was not saved was recovered from " + FileTimeText(strPath) + ". Open it?";
    if (AfxMessageBox(strText, MB_YESNO | MB_ICONQUESTION) != IDYES)
    {
        g_pRecoveryCopy->Remove();
        return;
    }
    if (m_pView->OpenTestFile(strPath))
        m_pView->MarkUnsaved();
}
