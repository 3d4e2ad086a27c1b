#pragma once

#include "GraphTestSupport.h"
#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "files/TestFileFormat.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const fs::path& path, const std::string& strBytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << strBytes;
}

// A lift or drag value for slot k that the file's six decimals carry exactly: n / 10^6 is the
// double nearest to the decimal text of n millionths.
inline double MillionthsFor(int nSlot, int nSeed)
{
    return ((nSlot * 7919 + nSeed * 104729) % 4000001 - 2000000) / 1e6;
}

// The test view in a fake window, with a scratch directory for its files.
class FileViewTest : public GraphTest
{
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        const auto* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string strName = std::string(pInfo->test_suite_name()) + "-" + pInfo->name();
        for (char& ch : strName)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '-';
        m_dir =
            fs::temp_directory_path() / ("zrv-files-" + std::to_string(getpid()) + "-" + strName);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        fs::remove_all(m_dir);
        GraphTest::TearDown();
    }

    std::string PathOf(const std::string& strName) const { return (m_dir / strName).string(); }

    // The commands as the menu sends them, with the file dialog answering strPath.
    void Save(const std::string& strPath)
    {
        m_ui.m_astrPaths.push_back(strPath);
        ASSERT_TRUE(m_pView->OnCmdMsg(ID_FILE_SAVE));
    }
    void Open(const std::string& strPath)
    {
        m_ui.m_astrPaths.push_back(strPath);
        ASSERT_TRUE(m_pView->OnCmdMsg(ID_FILE_OPEN));
    }

    // Stores a sample with exactly representable lift and drag in each given slot.
    void FillSlots(int nFirst, int nLast, int nStep)
    {
        for (int k = nFirst; k <= nLast; k += nStep)
            Graph().StoreSample(k, MillionthsFor(k, 1), MillionthsFor(k, 2), k / 10.0);
    }

    fs::path m_dir;
};
