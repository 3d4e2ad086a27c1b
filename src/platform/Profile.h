#pragma once

#include <string>

// The settings store: integers by section and key, written through at once.
class IProfile
{
public:
    virtual ~IProfile() = default;
    // The stored integer, or nDefault when the key is missing or not a number.
    virtual int GetProfileInt(const std::string& strSection, const std::string& strEntry,
                              int nDefault) = 0;
    virtual bool WriteProfileInt(const std::string& strSection, const std::string& strEntry,
                                 int nValue) = 0;
};
