#pragma once

#include "platform/Profile.h"

#include <map>
#include <string>

// An in-memory settings profile: "Section/Key" -> value.
class CFakeProfile : public IProfile
{
public:
    int GetProfileInt(const std::string& strSection, const std::string& strEntry,
                      int nDefault) override
    {
        auto it = m_mapValues.find(strSection + "/" + strEntry);
        return it != m_mapValues.end() ? it->second : nDefault;
    }
    bool WriteProfileInt(const std::string& strSection, const std::string& strEntry,
                         int nValue) override
    {
        m_mapValues[strSection + "/" + strEntry] = nValue;
        ++m_nWrites;
        return true;
    }
    bool Has(const std::string& strKey) const { return m_mapValues.count(strKey) != 0; }

    std::map<std::string, int> m_mapValues;
    int m_nWrites = 0;
};
