#include "qt/ComPortNames.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(ComPortNamesTest, ParsesOnlyComNumbers)
{
    struct CCase
    {
        const char* m_pszName;
        int m_nExpected;
    };
    const CCase aCases[] = {
        {"COM1", 1},    {"COM3:", 3}, {"COM12:", 12},
        {"COM99:", 99}, {"COM0", 0},  {"COM0:", 0},
        {"COMx", 0},    {"COM", 0},   {"COM:", 0},
        {"", 0},        {"com3", 0},  {"COM3::", 0},
        {"COM-3", 0},   {"COM+3", 0}, {"COM 3", 0},
        {"COM3x", 0},   {"LPT1", 0},  {"COM99999999999", 0},
    };
    for (const CCase& c : aCases)
        EXPECT_EQ(ParseComNumber(c.m_pszName), c.m_nExpected) << '"' << c.m_pszName << '"';
}

TEST(ComPortNamesTest, PortsDirectoryFollowsTheEnvironment)
{
    CPortEnvironment env;
    env.m_strHome = "/home/u";
    EXPECT_EQ(PortsDirectory(env), fs::path("/home/u/.config/zorvantellique/ports"));
    env.m_strConfigHome = "/cfg";
    EXPECT_EQ(PortsDirectory(env), fs::path("/cfg/zorvantellique/ports"));
    env.m_strPortsVar = "/ports";
    EXPECT_EQ(PortsDirectory(env), fs::path("/ports"));
}

namespace
{
// A private world: a fake /dev with a few serial devices, a default ports directory under a
// fake home and an explicit one for $ZRV_PORTS.
class ComPortResolveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        m_root = m_tmp.path().toStdString();
        fs::create_directories(m_root / "dev");
        // Created out of order and with a name that only looks like a port.
        for (const char* pszDev : {"ttyS1", "ttyUSB10", "ttyS0", "ttyACM0", "ttyUSB2", "ttyS10",
                                   "ttyS2", "ttyUSBx", "tty0", "ttySAC0", "pts"})
            std::ofstream(m_root / "dev" / pszDev);
        fs::create_directories(m_root / "home/.config/zorvantellique/ports");
        fs::create_directories(m_root / "ports");
        m_env.m_strHome = (m_root / "home").string();
        m_env.m_devDir = m_root / "dev";
    }

    void Link(const fs::path& dir, const char* pszName, const fs::path& target)
    {
        fs::create_symlink(target, dir / pszName);
    }
    fs::path DefaultPorts() const { return m_root / "home/.config/zorvantellique/ports"; }
    fs::path Dev(const char* pszName) const { return fs::canonical(m_root / "dev" / pszName); }

    QTemporaryDir m_tmp;
    fs::path m_root;
    CPortEnvironment m_env;
};
} // namespace

TEST_F(ComPortResolveTest, SerialDevicesInComOrder)
{
    const std::vector<fs::path> aExpected = {m_root / "dev/ttyUSB2", m_root / "dev/ttyUSB10",
                                             m_root / "dev/ttyACM0", m_root / "dev/ttyS0",
                                             m_root / "dev/ttyS1",   m_root / "dev/ttyS2",
                                             m_root / "dev/ttyS10"};
    EXPECT_EQ(SerialDevices(m_root / "dev"), aExpected);
    EXPECT_TRUE(SerialDevices(m_root / "nowhere").empty());
}

TEST_F(ComPortResolveTest, Resolution)
{
    Link(DefaultPorts(), "COM3", Dev("ttyS10"));
    Link(DefaultPorts(), "COM12", Dev("ttyACM0"));
    Link(DefaultPorts(), "COM5", m_root / "dev/gone"); // the device behind it went away
    Link(m_root / "ports", "COM4", Dev("ttyS2"));

    struct CCase
    {
        const char* m_pszName;
        bool m_bPortsVar;        // $ZRV_PORTS names m_root/ports
        const char* m_pszDevice; // expected device in the fake /dev, or null for no port
    };
    const CCase aCases[] = {
        {"COM3:", false, "ttyS10"}, // the link wins over the third device
        {"COM3", false, "ttyS10"},    {"COM12:", false, "ttyACM0"}, // numbers above 9 the same way
        {"COM1:", false, "ttyUSB2"}, // no link: the n-th device, USB adapters first
        {"COM2:", false, "ttyUSB10"}, {"COM4:", false, "ttyS0"},    {"COM7:", false, "ttyS10"},
        {"COM8:", false, nullptr}, // more ports than devices
        {"COM5:", false, nullptr}, // a dangling link is an absent port, not a fallback
        {"COM4:", true, "ttyS2"},  // $ZRV_PORTS: only its links count
        {"COM1:", true, nullptr},     {"COM3:", true, nullptr},     {"COM0:", false, nullptr},
        {"COMx", false, nullptr},     {"", false, nullptr},
    };
    for (const CCase& c : aCases)
    {
        CPortEnvironment env = m_env;
        if (c.m_bPortsVar)
            env.m_strPortsVar = (m_root / "ports").string();
        std::optional<fs::path> device = ResolveComName(c.m_pszName, env);
        const fs::path expected = c.m_pszDevice != nullptr ? Dev(c.m_pszDevice) : fs::path();
        EXPECT_EQ(device.value_or(fs::path()), expected) << '"' << c.m_pszName << '"';
    }
}
