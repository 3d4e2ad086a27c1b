#include "qt/QtProfile.h"

#include <QDir>
#include <QSettings>
#include <charconv>

namespace
{
QString Key(const std::string& strSection, const std::string& strEntry)
{
    return QString::fromStdString(strSection) + '/' + QString::fromStdString(strEntry);
}

// A decimal integer with optional sign and surrounding blanks, in range for int.
bool ParseInt(const QString& strText, int& nValue)
{
    const std::string strDigits = strText.trimmed().toStdString();
    const char* pBegin = strDigits.data();
    const char* pEnd = pBegin + strDigits.size();
    if (pBegin < pEnd && *pBegin == '+')
        ++pBegin;
    auto result = std::from_chars(pBegin, pEnd, nValue);
    return pBegin < pEnd && result.ec == std::errc() && result.ptr == pEnd;
}
} // namespace

CQtProfile::CQtProfile(const QString& strPath) : m_strPath(strPath) {}

QString CQtProfile::DefaultPath()
{
    QString strPath = qEnvironmentVariable("ZRV_PROFILE");
    if (!strPath.isEmpty())
        return strPath;
    QString strConfig = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (strConfig.isEmpty())
        strConfig = QDir::homePath() + "/.config";
    return strConfig + "/zorvantellique/Zorvantellique.ini";
}

int CQtProfile::GetProfileInt(const std::string& strSection, const std::string& strEntry,
                              int nDefault)
{
    // A QSettings per call, as in WriteProfileInt: no state outlives the call.
    const QSettings settings(m_strPath, QSettings::IniFormat);
    const QVariant value = settings.value(Key(strSection, strEntry));
    // A value with a comma reads back as a list, which is no integer either.
    if (value.typeId() != QMetaType::QString)
        return nDefault;
    int nValue = 0;
    return ParseInt(value.toString(), nValue) ? nValue : nDefault;
}

bool CQtProfile::WriteProfileInt(const std::string& strSection, const std::string& strEntry,
                                 int nValue)
{
    QSettings::Status status = QSettings::FormatError;
    // A garbled file reports its format error ahead of any write error. The first pass
    // rewrites it with what could be read; the second then tells whether writing works.
    for (int nPass = 0; nPass < 2 && status == QSettings::FormatError; ++nPass)
    {
        QSettings settings(m_strPath, QSettings::IniFormat);
        settings.setValue(Key(strSection, strEntry), QString::number(nValue));
        settings.sync();
        status = settings.status();
    }
    return status == QSettings::NoError;
}
