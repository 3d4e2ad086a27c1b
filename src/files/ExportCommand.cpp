#include "files/Export.h"
#include "files/SafeSave.h"
#include "graph/CZRVView.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"

namespace
{

// "CSV (*.csv)|*.csv|PNG image (*.png)|*.png|...||"
std::string ExportFilter()
{
    std::string strFilter;
    for (const CExportFormat& format : ExportFormats())
        strFilter = strFilter + format.m_pszFilter + "|*." + format.m_pszExtension + "|";
    return strFilter + "|";
}

std::string ExportFailureText(const std::string& strPath, ESaveResult eResult)
{
    if (eResult == ESaveResult::ReadOnly)
        return "The test was not exported: " + strPath + " is read-only.";
    return "The test was not exported: " + strPath +
           " could not be written. A file already there is unchanged.";
}

} // namespace

void CZRVView::OnFileExport()
{
    std::span<const CExportFormat> aFormats = ExportFormats();
    std::string strPath;
    int nFilter = 1;
    if (g_platform.m_pUi->FileDialog(false, aFormats[0].m_pszExtension, "",
                                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, ExportFilter(),
                                     strPath, &nFilter) != IDOK)
        return;
    // The format is the filter's; a dialog that reports none chosen means the first.
    EExportFormat eFormat =
        aFormats[nFilter >= 1 && size_t(nFilter) <= aFormats.size() ? nFilter - 1 : 0].m_eFormat;
    strPath = WithExportExtension(strPath, eFormat);
    std::string strBytes = ExportBytes(eFormat, DEFAULT_PICTURE_WIDTH, DEFAULT_PICTURE_HEIGHT);
    ESaveResult eResult = strBytes.empty() ? ESaveResult::Failed : SaveReplacing(strPath, strBytes);
    if (eResult != ESaveResult::Saved)
        AfxMessageBox(ExportFailureText(strPath, eResult), MB_ICONEXCLAMATION);
}
