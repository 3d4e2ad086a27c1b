// A run whose link failed (the user cancelled "Communications Error!") stays on screen and in
// memory, and can still be saved: nothing of it is lost with the instrument.
#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "app/ProgramExit.h"
#include "files/TestFileReader.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace
{

using LostLinkRunTest = RunViewTest;

TEST_F(LostLinkRunTest, TheRunSurvivesACancelledLinkAndCanBeSaved)
{
    SetWindRunning(true);
    Graph().m_dTargetSpeed = 12.5;
    Graph().m_dRampSpeed = 12.5;
    StartSamplingTimer(&m_wnd);
    Tick(20);
    const auto pRecorded = std::make_unique<xygraph>(Graph());
    const int nSlot = g_nLastSlot;
    ASSERT_GT(nSlot, 0);
    ASSERT_NE(LiftAt(nSlot), EMPTY_SLOT);

    // The cable is pulled: the next exchange fails and the user gives up on it.
    m_pDevice->m_fnRespond = nullptr;
    m_ui.m_anAnswers = {IDCANCEL};
    Tick(3);
    EXPECT_EQ(theCommLink.m_bAlive, 0);
    for (int k = 0; k < RUN_SLOTS; ++k)
        ASSERT_EQ(LiftAt(k), pRecorded->m_curLift.m_adRun[k]) << k;
    EXPECT_TRUE(m_pView->IsUnsaved());

    // Closing now asks, and Yes saves the whole run.
    const std::string strPath = std::filesystem::temp_directory_path() /
                                ("zrv-lost-link-" + std::to_string(getpid()) + ".ZRV");
    m_ui.m_anAnswers = {IDYES};
    m_ui.m_astrPaths = {strPath};
    EXPECT_EQ(CProgramExit().OnClose(m_pView.get(), 0), EExitStep::Exit)
        << "communications are disabled: nothing to stop";
    auto pSaved = std::make_unique<xygraph>();
    std::ifstream file(strPath, std::ios::binary);
    ASSERT_EQ(ReadTestFile(file, *pSaved), EReadResult::Read);
    std::filesystem::remove(strPath);
    for (int k = 1; k < RUN_SLOTS; ++k)
        EXPECT_EQ(pSaved->m_curLift.m_adRun[k] != EMPTY_SLOT, LiftAt(k) != EMPTY_SLOT) << k;
    EXPECT_EQ(Sent().find('O'), std::string::npos);
}

} // namespace
