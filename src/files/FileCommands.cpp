#include "app/CommandIds.h"
#include "files/RecoveryCopy.h"
#include "files/SafeSave.h"
#include "files/TestFileReader.h"
#include "files/TestFileWriter.h"
#include "graph/CZRVView.h"
#include "graph/ViewCommands.h"
#include "platform/UserInterface.h"

#include <fstream>

namespace
{

constexpr const char* TEST_FILE_FILTER = "ZRV Files (*.ZRV) |*.ZRV| All Files (*.*) |*.*||";
constexpr const char* TEST_FILE_EXT = "ZRV";
constexpr const char* TEST_FILE_PATTERN = "*.ZRV";

std::string SaveFailureText(const std::string& strPath, ESaveResult eResult)
{
    if (eResult == ESaveResult::ReadOnly)
        return "The test was not saved: " + strPath + " is read-only.";
    return "The test was not saved: " + strPath +
           " could not be written. A file already there is unchanged.";
}

std::string OpenFailureText(const std::string& strPath, EReadResult eResult)
{
    if (eResult == EReadResult::Unreadable)
        return "The file was not opened: " + strPath + " cannot be read.";
    return "The file was not opened: " + strPath + " is not a test file.";
}

} // namespace

std::span<const CViewCommand> FileCommands()
{
    static const CViewCommand aCommands[] = {
        {ID_FILE_SAVE, &CZRVView::OnFileSave},
        {ID_FILE_OPEN, &CZRVView::OnFileOpen},
        {ID_FILE_EXPORT, &CZRVView::OnFileExport},
        {ID_OVERLAY_SET, &CZRVView::OnSetOverlay},
        {ID_OVERLAY_CLEAR, &CZRVView::OnClearOverlay},
        {ID_ENTER_COMMENTS, &CZRVView::OnEnterComments},
    };
    return aCommands;
}

void CZRVView::OnFileSave()
{
    SaveTest();
}

bool CZRVView::SaveTest()
{
    std::string strPath;
    if (g_platform.m_pUi->FileDialog(false, TEST_FILE_EXT, TEST_FILE_PATTERN,
                                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, TEST_FILE_FILTER,
                                     strPath) != IDOK)
        return false;
    ESaveResult eResult = SaveReplacing(strPath, FormatTestFile(*this));
    if (eResult != ESaveResult::Saved)
    {
        AfxMessageBox(SaveFailureText(strPath, eResult), MB_ICONEXCLAMATION);
        return false;
    }
    MarkKept();
    if (g_pRecoveryCopy != nullptr)
        g_pRecoveryCopy->Remove();
    return true;
}

void CZRVView::OnFileOpen()
{
    if (!SaveBeforeDiscard())
        return;
    std::string strPath;
    if (g_platform.m_pUi->FileDialog(true, TEST_FILE_EXT, TEST_FILE_PATTERN, 0, TEST_FILE_FILTER,
                                     strPath) != IDOK)
        return;
    if (OpenTestFile(strPath))
        MarkKept();
}

bool CZRVView::OpenTestFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    EReadResult eResult = file ? ReadTestFile(file, *this) : EReadResult::Unreadable;
    file.close();
    if (eResult != EReadResult::Read)
        AfxMessageBox(OpenFailureText(strPath, eResult), MB_ICONEXCLAMATION);

    // The tick steps of each scale index depend on the units mode the file may have changed.
    SetWindScale(m_axWind.m_nScale);
    SetForceScale(m_axForce.m_nScale);
    SetCdScale(m_axCd.m_nScale);
    SetLDScale(m_axLD.m_nScale);
    std::unique_ptr<CDC> pDC = m_pWnd->GetClientDC();
    Repaint(pDC.get());
    return eResult == EReadResult::Read;
}
