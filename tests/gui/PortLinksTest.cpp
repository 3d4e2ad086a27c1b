#include "qt/PortLinks.h"
#include "qt/PortList.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
// A fake /dev with two USB adapters (one with a by-id name) and a serial port, a fake home.
class PortLinksTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        m_root = m_tmp.path().toStdString();
        fs::create_directories(m_root / "dev/serial/by-id");
        for (const char* pszDev : {"ttyUSB0", "ttyUSB1", "ttyS0"})
            std::ofstream(m_root / "dev" / pszDev);
        fs::create_symlink("../../ttyUSB1", m_root / "dev/serial/by-id" / BY_ID);
        m_env.m_strHome = (m_root / "home").string();
        m_env.m_devDir = m_root / "dev";
    }
    fs::path Entry(int nPort) const { return PortsEntry(m_env, nPort); }

    static constexpr const char* BY_ID = "usb-Maker_Tunnel_A1B2-if00-port0";
    QTemporaryDir m_tmp;
    fs::path m_root;
    CPortEnvironment m_env;
};

TEST_F(PortLinksTest, APlainTtyIsLinkedByItsStableNameWhenItHasOne)
{
    const fs::path byId = m_root / "dev/serial/by-id" / BY_ID;
    const struct
    {
        fs::path device;
        fs::path target;
    } aCases[] = {
        {m_root / "dev/ttyUSB1", byId},
        {byId, byId},
        {m_root / "dev/ttyUSB0", m_root / "dev/ttyUSB0"}, // no stable name
        {m_root / "ttyElsewhere", m_root / "ttyElsewhere"},
    };
    std::ofstream(m_root / "ttyElsewhere");
    for (const auto& c : aCases)
    {
        std::string strReport;
        ASSERT_TRUE(LinkPort(m_env, "COM3", c.device, strReport)) << strReport;
        EXPECT_EQ(fs::read_symlink(Entry(3)), c.target);
        EXPECT_EQ(strReport, "COM3 -> " + c.target.string());
    }
    EXPECT_TRUE(fs::is_directory(m_root / "home/.config/zorvantellique/ports"))
        << "the default ports directory is made when missing";
}

TEST_F(PortLinksTest, ListNamesPortsLikeTheProgramOpensThem)
{
    fs::create_directories(Entry(1).parent_path());
    fs::create_symlink(m_root / "dev/serial/by-id" / BY_ID, Entry(1));
    fs::create_symlink(m_root / "dev/ttyUSB7", Entry(9));
    fs::create_symlink(m_root / "dev/serial/by-id" / BY_ID, Entry(2)); // a second name
    std::ofstream(m_root / "dev/ttyAMA0");
    const std::vector<CSystemPort> aSystem = {
        {m_root / "dev/ttyUSB1", {"Tunnel", "Maker", "A1B2"}},
        {m_root / "dev/ttyAMA0", {"ttyAMA0", "", ""}}, // reported, but no COM name reaches it
    };
    const auto fnProbe = [](const fs::path& device) {
        return CPortFault{"", device.string(), EPortFault::None, ""};
    };
    std::vector<std::string> astrLines;
    for (const CPortListEntry& entry : ListPorts(m_env, aSystem, fnProbe))
        astrLines.push_back(FormatPortLine(entry));
    const std::string strDev = (m_root / "dev").string();
    EXPECT_EQ(astrLines,
              (std::vector<std::string>{
                  "COM1  " + strDev + "/ttyUSB1  by-id=" + strDev + "/serial/by-id/" + BY_ID +
                      "  \"Tunnel\"  \"Maker\"  \"A1B2\"  ok",
                  "COM2  " + strDev + "/ttyUSB1  by-id=" + strDev + "/serial/by-id/" + BY_ID +
                      "  \"Tunnel\"  \"Maker\"  \"A1B2\"  ok",
                  "COM9  " + strDev + "/ttyUSB7  -  -  -  -  missing",
                  // COM1 is taken by the ports directory: the first adapter has no COM name.
                  "-  " + strDev + "/ttyUSB0  -  -  -  -  ok",
                  "COM3  " + strDev + "/ttyS0  -  -  -  -  ok",
                  "-  " + strDev + "/ttyAMA0  -  \"ttyAMA0\"  -  -  ok",
              }));
}
} // namespace
