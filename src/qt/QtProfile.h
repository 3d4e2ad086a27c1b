#pragma once

#include "platform/Profile.h"

#include <QString>

// The settings profile as an INI file: one [section] per profile section, integers as decimal
// text. Whatever the file holds, reading never fails: a missing, unreadable or garbled file,
// or a value that is not a decimal integer, gives the caller's default. Keys are written with
// their spaces escaped ("Max%20Speed"); a hand-written "Max Speed" reads back the same. Keys
// are case-sensitive.
class CQtProfile : public IProfile
{
public:
    explicit CQtProfile(const QString& strPath = DefaultPath());

    // $ZRV_PROFILE, else $XDG_CONFIG_HOME/zorvantellique/Zorvantellique.ini, else
    // ~/.config/zorvantellique/Zorvantellique.ini.
    static QString DefaultPath();

    int GetProfileInt(const std::string& strSection, const std::string& strEntry,
                      int nDefault) override;
    // Writes the file at once; false when it could not be written.
    bool WriteProfileInt(const std::string& strSection, const std::string& strEntry,
                         int nValue) override;

private:
    QString m_strPath;
};
