#include "FileTestSupport.h"

#include "files/Comentdlg.h"

#include <algorithm>

namespace
{

const int LINE_IDS[] = {IDC_LINE1, IDC_LINE2, IDC_LINE3, IDC_LINE4, IDC_LINE5};

class CommentTest : public FileViewTest
{
protected:
    void SetUp() override
    {
        FileViewTest::SetUp();
        for (int k = 0; k < COMMENT_LINES; ++k)
            Graph().m_astrComment[k] = "line " + std::to_string(k + 1);
        m_wnd.m_log.Clear();
    }
    bool Drawn(const std::string& strText) const
    {
        const auto& aTexts = m_wnd.m_log.m_aTexts;
        return std::any_of(aTexts.begin(), aTexts.end(),
                           [&](const CDrawnText& text) { return text.m_strText == strText; });
    }
};

TEST_F(CommentTest, DialogShowsTheFirstFiveLinesAndTakesThemBackOnOK)
{
    m_ui.m_afnDialogs.push_back([](CDialog& dlg, CFakeDialogControls& controls) {
        for (int k = 0; k < 5; ++k)
        {
            EXPECT_EQ(controls.m_mapText[LINE_IDS[k]], "line " + std::to_string(k + 1));
            EXPECT_EQ(controls.m_mapLimit[LINE_IDS[k]], 50);
        }
        controls.SetText(IDC_LINE3, "typed on line 3");
        controls.SetText(IDC_LINE5, "");
        dlg.OnCommand(IDOK);
    });
    ASSERT_TRUE(m_pView->OnCmdMsg(ID_ENTER_COMMENTS));
    EXPECT_EQ(m_ui.m_anDialogIds, std::vector<int>{IDD_COMENTDLG});
    EXPECT_EQ(Graph().m_astrComment[2], "typed on line 3");
    EXPECT_EQ(Graph().m_astrComment[4], "");
    for (int k = 5; k < COMMENT_LINES; ++k)
        EXPECT_EQ(Graph().m_astrComment[k], "line " + std::to_string(k + 1));
    EXPECT_TRUE(Drawn("typed on line 3"));
    EXPECT_TRUE(Drawn("line 10"));
    EXPECT_FALSE(Drawn("line 5"));
}

TEST_F(CommentTest, CancelChangesNothing)
{
    m_ui.m_afnDialogs.push_back(TypeAndPress(IDC_LINE1, "typed", IDCANCEL));
    m_pView->OnCmdMsg(ID_ENTER_COMMENTS);
    EXPECT_EQ(Graph().m_astrComment[0], "line 1");
    EXPECT_TRUE(m_wnd.m_log.m_aTexts.empty());
}

TEST_F(CommentTest, LineLongerThan50IsRefusedAndTheDialogStaysOpen)
{
    const std::string strLong(60, 'x');
    Graph().m_astrComment[1] = strLong;
    m_ui.m_anAnswers = {IDOK};
    m_ui.m_afnDialogs.push_back([&](CDialog& dlg, CFakeDialogControls& controls) {
        dlg.OnCommand(IDOK);
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(controls.m_nFocus, IDC_LINE2);
        controls.SetText(IDC_LINE2, strLong.substr(0, 50));
        dlg.OnCommand(IDOK);
    });
    m_pView->OnCmdMsg(ID_ENTER_COMMENTS);
    ASSERT_EQ(m_ui.m_aBoxes.size(), 1u);
    EXPECT_EQ(m_ui.m_aBoxes[0].m_strText, "Enter no more than 50 characters.");
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(Graph().m_astrComment[1], strLong.substr(0, 50));
}

TEST_F(CommentTest, TenLinesFromAFileAreDrawnAndSavedBack)
{
    std::string strComments;
    for (int k = 1; k <= COMMENT_LINES; ++k)
        strComments += "file " + std::to_string(k) + (k == 2 ? std::string(53, '-') : "") + "\r\n";
    const std::string strFile = "ZRV\r\nUnits= English\r\nCd Area = 1.000000 sq.in.\r\n"
                                "Comment Text=\r\n[\r\n" +
                                strComments + "]\r\nWind, Lift, Drag=\r\n[\r\n]\r\n";
    WriteBytes(PathOf("in.ZRV"), strFile);
    Open(PathOf("in.ZRV"));
    for (int k = 0; k < COMMENT_LINES; ++k)
        EXPECT_TRUE(Drawn(Graph().m_astrComment[k])) << k;
    EXPECT_EQ(Graph().m_astrComment[1].size(), 59u);

    Save(PathOf("out.ZRV"));
    EXPECT_EQ(ReadBytes(PathOf("out.ZRV")).substr(0, strFile.size() - 3),
              strFile.substr(0, strFile.size() - 3));
}

// A test file holds one comment per line: control characters, line breaks above all, become
// spaces wherever a comment enters the test, so a saved file keeps its ten lines.
TEST_F(CommentTest, ControlCharactersBecomeSpaces)
{
    const std::string strFile =
        "ZRV\r\nUnits= English\r\nCd Area = 1.000000 sq.in.\r\n"
        "Comment Text=\r\n[\r\ntab\there\r\nlone\r\rcr\r\n\x7F\x01"
        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n]\r\nWind, Lift, Drag=\r\n[\r\n]\r\n";
    WriteBytes(PathOf("in.ZRV"), strFile);
    Open(PathOf("in.ZRV"));
    EXPECT_EQ(Graph().m_astrComment[0], "tab here");
    EXPECT_EQ(Graph().m_astrComment[1], "lone cr");
    EXPECT_EQ(Graph().m_astrComment[2], "  ");

    m_ui.m_afnDialogs.push_back(TypeAndPress(IDC_LINE4, "two\r\nlines\n", IDOK));
    ASSERT_TRUE(m_pView->OnCmdMsg(ID_ENTER_COMMENTS));
    EXPECT_EQ(Graph().m_astrComment[3], "two  lines ");

    Save(PathOf("out.ZRV"));
    const std::string strSaved = ReadBytes(PathOf("out.ZRV"));
    EXPECT_EQ(strSaved.substr(0, strSaved.find("]\r\n")),
              "ZRV\r\nUnits= English\r\nCd Area = 1.000000 sq.in.\r\nComment Text=\r\n[\r\n"
              "tab here\r\nlone cr\r\n  \r\ntwo  lines \r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

} // namespace
