#include "platform/Platform.h"

#include "platform/Clock.h"
#include "platform/Profile.h"
#include "platform/UserInterface.h"

CPlatform g_platform;

int AfxMessageBox(const std::string& strText, unsigned nType)
{
    return g_platform.m_pUi->MessageBox(strText, nType);
}

uint32_t GetTickCount()
{
    return g_platform.m_pClock->GetTickCount();
}

int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault)
{
    return g_platform.m_pProfile->GetProfileInt(strSection, strEntry, nDefault);
}

bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue)
{
    return g_platform.m_pProfile->WriteProfileInt(strSection, strEntry, nValue);
}
