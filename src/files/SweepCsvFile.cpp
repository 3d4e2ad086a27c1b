#include "files/SweepCsvFile.h"

#include "files/SafeSave.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "run/SweepTable.h"

namespace
{
constexpr const char* CSV_EXT = "csv";
constexpr const char* CSV_NAME = "sweep.csv";
constexpr const char* CSV_FILTER = "CSV Files (*.csv) |*.csv| All Files (*.*) |*.*||";
} // namespace

std::string WriteSweepCsv(const std::string& strPath, const CSweepTable& table)
{
    switch (SaveReplacing(strPath, SweepCsv(table)))
    {
    case ESaveResult::Saved:
        return {};
    case ESaveResult::ReadOnly:
        return "The sweep results were not saved: " + strPath + " is read-only.";
    case ESaveResult::Failed:
        break;
    }
    return "The sweep results were not saved: " + strPath +
           " could not be written. A file already there is unchanged.";
}

void SaveSweepCsvAs(const CSweepTable& table)
{
    std::string strPath;
    if (g_platform.m_pUi->FileDialog(false, CSV_EXT, CSV_NAME,
                                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, CSV_FILTER,
                                     strPath) != IDOK)
        return;
    const std::string strProblem = WriteSweepCsv(strPath, table);
    if (!strProblem.empty())
        AfxMessageBox(strProblem, MB_ICONEXCLAMATION);
}
