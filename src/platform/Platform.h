#pragma once

#include <cstdint>
#include <string>

class IProfile;
class ISerialLayer;
class IUserInterface;
class IClock;
class IPictureMaker;

// The desktop services the program reaches. The Qt program installs real ones at start;
// tests install fakes. Nothing here owns the services.
struct CPlatform
{
    IProfile* m_pProfile = nullptr;
    ISerialLayer* m_pSerial = nullptr;
    IUserInterface* m_pUi = nullptr;
    IClock* m_pClock = nullptr;
    IPictureMaker* m_pPictures = nullptr;
};

extern CPlatform g_platform;

// Message box button sets and icons, combined by value (53 = Retry/Cancel with exclamation).
constexpr unsigned MB_OK = 0;
constexpr unsigned MB_OKCANCEL = 1;
constexpr unsigned MB_YESNOCANCEL = 3;
constexpr unsigned MB_YESNO = 4;
constexpr unsigned MB_RETRYCANCEL = 5;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_TYPEMASK = 0x0F;
constexpr unsigned MB_ICONMASK = 0xF0;

// Message box and dialog results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a modal message box titled with the application title; returns the button pressed.
int AfxMessageBox(const std::string& strText, unsigned nType = MB_OK);

// Milliseconds since an arbitrary start; wraps at 2^32 like the tick counter it stands for.
uint32_t GetTickCount();

// The settings profile of the running program.
int GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault);
bool WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue);
