#include "FileTestSupport.h"

#include "files/SafeSave.h"

#include <vector>

namespace
{

constexpr const char* OLD_BYTES = "ZRV\r\nUnits= Metric\r\n";

struct CLink
{
    const char* m_pszLink;   // relative to the scratch directory
    const char* m_pszTarget; // as stored in the link; "@" stands for the scratch directory
};

struct CLinkCase
{
    const char* m_pszName;
    std::vector<CLink> m_aLinks;
    const char* m_pszSavedTo;
    const char* m_pszWritten; // the file the test must land in; null when the save must fail
    bool m_bTargetThere;      // the file the links end at exists before the save
};

void PrintTo(const CLinkCase& testCase, std::ostream* pStream)
{
    *pStream << testCase.m_pszName;
}

class SaveThroughLinkTest : public FileViewTest, public ::testing::WithParamInterface<CLinkCase>
{
protected:
    std::string Stored(const char* pszTarget) const
    {
        std::string strTarget = pszTarget;
        if (strTarget.starts_with("@"))
            strTarget = m_dir.string() + strTarget.substr(1);
        return strTarget;
    }
};

// Saving to a symbolic link writes the file it leads to and keeps the link, as a direct write
// through the link would.
TEST_P(SaveThroughLinkTest, LinkStaysAndItsTargetGetsTheTest)
{
    const CLinkCase& testCase = GetParam();
    fs::create_directories(m_dir / "data");
    fs::create_directories(m_dir / "links");
    if (testCase.m_bTargetThere)
        WriteBytes(m_dir / "data/run.ZRV", OLD_BYTES);
    for (const CLink& link : testCase.m_aLinks)
        fs::create_symlink(Stored(link.m_pszTarget), m_dir / link.m_pszLink);

    const std::string strSavedTo = PathOf(testCase.m_pszSavedTo);
    if (testCase.m_pszWritten == nullptr)
        m_ui.m_anAnswers = {IDOK};
    Save(strSavedTo);

    for (const CLink& link : testCase.m_aLinks)
    {
        ASSERT_TRUE(fs::is_symlink(m_dir / link.m_pszLink)) << link.m_pszLink;
        EXPECT_EQ(fs::read_symlink(m_dir / link.m_pszLink), Stored(link.m_pszTarget));
    }
    if (testCase.m_pszWritten == nullptr)
    {
        ASSERT_EQ(m_ui.m_aBoxes.size(), 1u);
        EXPECT_EQ(m_ui.m_aBoxes[0].m_strText,
                  "The test was not saved: " + strSavedTo +
                      " could not be written. A file already there is unchanged.");
        return;
    }
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
    EXPECT_EQ(ReadBytes(m_dir / testCase.m_pszWritten).substr(0, 16), "ZRV\r\nUnits= Engl");
    EXPECT_EQ(ReadBytes(strSavedTo), ReadBytes(m_dir / testCase.m_pszWritten));
    for (const auto& entry : fs::recursive_directory_iterator(m_dir))
        EXPECT_FALSE(entry.path().string().ends_with(SaveTempPath(""))) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(
    Links, SaveThroughLinkTest,
    ::testing::Values(
        CLinkCase{"Absolute", {{"link.ZRV", "@/data/run.ZRV"}}, "link.ZRV", "data/run.ZRV", true},
        CLinkCase{"RelativeToTheLinksFolder",
                  {{"links/run.ZRV", "../data/run.ZRV"}},
                  "links/run.ZRV",
                  "data/run.ZRV",
                  true},
        CLinkCase{"Chain",
                  {{"links/first.ZRV", "second.ZRV"}, {"links/second.ZRV", "../data/run.ZRV"}},
                  "links/first.ZRV",
                  "data/run.ZRV",
                  true},
        CLinkCase{"Dangling", {{"link.ZRV", "data/run.ZRV"}}, "link.ZRV", "data/run.ZRV", false},
        CLinkCase{"Loop", {{"a.ZRV", "b.ZRV"}, {"b.ZRV", "a.ZRV"}}, "a.ZRV", nullptr, false}),
    [](const auto& info) { return std::string(info.param.m_pszName); });

} // namespace
