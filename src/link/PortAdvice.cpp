#include "link/PortAdvice.h"

#include <algorithm>

namespace
{
// Named devices before "and N more": a scan can meet dozens of ports that fail alike.
constexpr size_t MAX_NAMED = 3;

struct CFaultAdvice
{
    EPortFault m_eFault;
    const char* m_pszWord;
    const char* m_pszWhatToDo;
};

constexpr CFaultAdvice ADVICE[] = {
    {EPortFault::PermissionDenied, "permission denied",
     "Add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in "
     "again."},
    {EPortFault::Busy, "busy",
     "Another program holds the port: close it. ModemManager and brltty take USB serial "
     "adapters as they are plugged in (sudo systemctl stop ModemManager, sudo apt remove "
     "brltty), then unplug the instrument and plug it in again."},
    {EPortFault::Missing, "missing",
     "The device is gone: plug the instrument in again, or link the port to its new device "
     "(zorvantellique --link-port COMn DEVICE; zorvantellique --list-ports shows the ports)."},
};

// "/dev/ttyUSB0, /dev/ttyS0 and 2 more"
std::string DeviceList(const std::vector<std::string>& astrDevices)
{
    std::string strList;
    const size_t nNamed = std::min(astrDevices.size(), MAX_NAMED);
    for (size_t i = 0; i < nNamed; ++i)
        strList += (i == 0 ? "" : ", ") + astrDevices[i];
    if (astrDevices.size() > nNamed)
        strList += " and " + std::to_string(astrDevices.size() - nNamed) + " more";
    return strList;
}
} // namespace

std::string PortStateWord(const CPortFault& fault)
{
    if (fault.m_eFault == EPortFault::None)
        return "ok";
    for (const CFaultAdvice& advice : ADVICE)
        if (advice.m_eFault == fault.m_eFault)
            return advice.m_pszWord;
    return "error: " + fault.m_strDetail;
}

std::string PortFaultAdvice(const std::vector<CPortFault>& aFaults)
{
    std::string strAdvice;
    for (const CFaultAdvice& advice : ADVICE)
    {
        std::vector<std::string> astrDevices;
        for (const CPortFault& fault : aFaults)
            if (fault.m_eFault == advice.m_eFault &&
                std::find(astrDevices.begin(), astrDevices.end(), fault.m_strDevice) ==
                    astrDevices.end())
                astrDevices.push_back(fault.m_strDevice);
        if (astrDevices.empty())
            continue;
        if (!strAdvice.empty())
            strAdvice += "\n\n";
        strAdvice +=
            DeviceList(astrDevices) + ": " + advice.m_pszWord + ". " + advice.m_pszWhatToDo;
    }
    return strAdvice;
}

std::string WithPortAdvice(const std::string& strText, const std::vector<CPortFault>& aFaults)
{
    const std::string strAdvice = PortFaultAdvice(aFaults);
    return strAdvice.empty() ? strText : strText + "\n\n" + strAdvice;
}
