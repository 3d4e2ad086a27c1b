#include "link/PortAdvice.h"

#include <gtest/gtest.h>

namespace
{
constexpr const char* DIALOUT =
    "permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER), "
    "then log out and in again.";

CPortFault Fault(const char* pszDevice, EPortFault eFault, const char* pszDetail = "")
{
    return {"COM1", pszDevice, eFault, pszDetail};
}

TEST(PortAdviceTest, StateWords)
{
    const struct
    {
        CPortFault fault;
        const char* pszWord;
    } aCases[] = {
        {Fault("/dev/ttyUSB0", EPortFault::None), "ok"},
        {Fault("/dev/ttyUSB0", EPortFault::PermissionDenied), "permission denied"},
        {Fault("/dev/ttyUSB0", EPortFault::Busy), "busy"},
        {Fault("/dev/ttyUSB0", EPortFault::Missing), "missing"},
        {Fault("/dev/ttyS3", EPortFault::Other, "Input/output error"), "error: Input/output error"},
    };
    for (const auto& c : aCases)
        EXPECT_EQ(PortStateWord(c.fault), c.pszWord);
}

TEST(PortAdviceTest, OneParagraphForEachKindNamingEachDeviceOnce)
{
    const struct
    {
        const char* pszName;
        std::vector<CPortFault> aFaults;
        std::string strAdvice;
    } aCases[] = {
        {"none", {}, ""},
        {"unknown reasons say nothing", {Fault("/dev/ttyS0", EPortFault::Other, "EIO")}, ""},
        {"permission",
         {Fault("/dev/ttyUSB0", EPortFault::PermissionDenied)},
         std::string("/dev/ttyUSB0: ") + DIALOUT},
        {"the same device twice (open, then the scan)",
         {Fault("/dev/ttyUSB0", EPortFault::PermissionDenied),
          Fault("/dev/ttyUSB0", EPortFault::PermissionDenied)},
         std::string("/dev/ttyUSB0: ") + DIALOUT},
        {"a scan over many ports names three",
         {Fault("/dev/ttyUSB0", EPortFault::PermissionDenied),
          Fault("/dev/ttyS0", EPortFault::PermissionDenied),
          Fault("/dev/ttyS1", EPortFault::PermissionDenied),
          Fault("/dev/ttyS2", EPortFault::PermissionDenied),
          Fault("/dev/ttyS3", EPortFault::PermissionDenied)},
         std::string("/dev/ttyUSB0, /dev/ttyS0, /dev/ttyS1 and 2 more: ") + DIALOUT},
        {"kinds in a fixed order, a blank line between",
         {Fault("/dev/serial/by-id/usb-X-if00-port0", EPortFault::Missing),
          Fault("/dev/ttyACM0", EPortFault::Busy)},
         "/dev/ttyACM0: busy. Another program holds the port: close it. ModemManager and brltty "
         "take USB serial adapters as they are plugged in (sudo systemctl stop ModemManager, "
         "sudo apt remove brltty), then unplug the instrument and plug it in again.\n\n"
         "/dev/serial/by-id/usb-X-if00-port0: missing. The device is gone: plug the instrument "
         "in again, or link the port to its new device (zorvantellique --link-port COMn DEVICE; "
         "zorvantellique --list-ports shows the ports)."},
    };
    for (const auto& c : aCases)
        EXPECT_EQ(PortFaultAdvice(c.aFaults), c.strAdvice) << c.pszName;
}

TEST(PortAdviceTest, TheMessageComesFirstUnchanged)
{
    EXPECT_EQ(WithPortAdvice("Cable is disconnected!", {}), "Cable is disconnected!");
    EXPECT_EQ(WithPortAdvice("A\rB", {Fault("/dev/ttyUSB0", EPortFault::PermissionDenied)}),
              std::string("A\rB\n\n/dev/ttyUSB0: ") + DIALOUT);
}
} // namespace
