// File dialogs and the desktop opener of the Qt user interface.
#include "qt/QtUserInterface.h"

#include <QFileDialog>
#include <QStringList>

namespace
{
// "Text (*.x) |*.x| All (*.*) |*.*||" -> "Text (*.x);;All (*.*)". Qt reads the patterns from
// the parentheses of each description.
QString QtFilter(const std::string& strFilter)
{
    const QStringList astrParts = QString::fromStdString(strFilter).split('|');
    QStringList astrFilters;
    for (qsizetype i = 0; i + 1 < astrParts.size(); i += 2)
    {
        const QString strText = astrParts[i].trimmed();
        const QString strPattern = astrParts[i + 1].trimmed();
        if (strText.isEmpty())
            break;
        astrFilters << (strText.contains('(') ? strText : strText + " (" + strPattern + ")");
    }
    return astrFilters.join(";;");
}
} // namespace

int CQtUserInterface::FileDialog(bool bOpen, const std::string& strDefExt,
                                 const std::string& strFileName, unsigned nFlags,
                                 const std::string& strFilter, std::string& strPath)
{
    QFileDialog dialog(nullptr);
    dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(QtFilter(strFilter).split(";;"));
    dialog.setDefaultSuffix(QString::fromStdString(strDefExt));
    // A pattern such as "*.ZRV" is a filter, not a name to propose.
    if (!strFileName.empty() && strFileName.find('*') == std::string::npos)
        dialog.selectFile(QString::fromStdString(strFileName));
    if (!bOpen && (nFlags & OFN_OVERWRITEPROMPT) == 0)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    strPath = dialog.selectedFiles().front().toStdString();
    return IDOK;
}
