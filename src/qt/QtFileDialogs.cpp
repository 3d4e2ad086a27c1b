// File dialogs and the desktop opener of the Qt user interface.
#include "qt/QtUserInterface.h"

#include <QFileDialog>
#include <QRegularExpression>
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

// "PNG image (*.png)" -> "png": the extension of a filter's first pattern.
QString SuffixOf(const QString& strFilter)
{
    const qsizetype nDot = strFilter.indexOf(QStringLiteral("*."));
    if (nDot < 0)
        return {};
    QString strSuffix = strFilter.mid(nDot + 2);
    const qsizetype nEnd = strSuffix.indexOf(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
    return nEnd < 0 ? strSuffix : strSuffix.left(nEnd);
}
} // namespace

int CQtUserInterface::FileDialog(bool bOpen, const std::string& strDefExt,
                                 const std::string& strFileName, unsigned nFlags,
                                 const std::string& strFilter, std::string& strPath,
                                 int* pnFilterIndex)
{
    QFileDialog dialog(nullptr);
    dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList astrFilters = QtFilter(strFilter).split(";;");
    dialog.setNameFilters(astrFilters);
    dialog.setDefaultSuffix(QString::fromStdString(strDefExt));
    if (pnFilterIndex != nullptr)
    {
        // The name typed gets the extension of the filter chosen, so that the overwrite
        // question is asked of the file that will be written.
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& strChosen) { dialog.setDefaultSuffix(SuffixOf(strChosen)); });
        const qsizetype nIndex = *pnFilterIndex - 1;
        if (nIndex >= 0 && nIndex < astrFilters.size())
        {
            dialog.selectNameFilter(astrFilters[nIndex]);
            dialog.setDefaultSuffix(SuffixOf(astrFilters[nIndex]));
        }
    }
    // A pattern such as "*.ZRV" is a filter, not a name to propose.
    if (!strFileName.empty() && strFileName.find('*') == std::string::npos)
        dialog.selectFile(QString::fromStdString(strFileName));
    if (!bOpen && (nFlags & OFN_OVERWRITEPROMPT) == 0)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    strPath = dialog.selectedFiles().front().toStdString();
    if (pnFilterIndex != nullptr)
        *pnFilterIndex = int(astrFilters.indexOf(dialog.selectedNameFilter())) + 1;
    return IDOK;
}
