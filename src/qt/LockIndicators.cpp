#include "qt/LockIndicators.h"

#include <QDir>
#include <QFile>

CLockIndicators::CLockIndicators(QString strLedDir) : m_strLedDir(std::move(strLedDir)) {}

bool CLockIndicators::IsLit(const QString& strLed) const
{
    // Several keyboards each have their LED; the lock is on when any shows it.
    const QDir dir(m_strLedDir);
    for (const QString& strName : dir.entryList({"*::" + strLed}, QDir::Dirs | QDir::System))
    {
        QFile file(dir.filePath(strName + "/brightness"));
        if (file.open(QIODevice::ReadOnly) && file.readAll().trimmed().toInt() > 0)
            return true;
    }
    return false;
}
