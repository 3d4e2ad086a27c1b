#include "GraphTestSupport.h"

#include "link/CommLink.h"

#include <clocale>

namespace
{

// The readout must not follow the process locale: run every case in "C" and in German.
class ReadoutTest : public GraphTest, public ::testing::WithParamInterface<const char*>
{
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        m_strOldLocale = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr) << GetParam();
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, m_strOldLocale.c_str());
        GraphTest::TearDown();
    }
    std::string Readout(double dWind, double dLift, double dDrag, double dCd, double dLD)
    {
        m_pView->ShowReadout(dWind, dLift, dDrag, dCd, dLD);
        return m_wnd.m_astrStatus.empty() ? "" : m_wnd.m_astrStatus.back();
    }

    std::string m_strOldLocale;
};

TEST_P(ReadoutTest, EnglishFirstModelWithCd)
{
    theCommLink.m_nModel = 1;
    Graph().m_curCd.m_bShow = 1;
    EXPECT_EQ(Readout(12.34, 0.1234, 0.05678, 0.45678, 3.0),
              "STOPPED - Wind Speed: 12.3 MPH., Lift: +0.123 lbs., Drag: 0.057 lbs., Cd: 0.4568");
}

TEST_P(ReadoutTest, MetricV6RunningWithUndefinedLD)
{
    MakeView(0);
    theCommLink.m_nModel = 2;
    theCommLink.m_bRunning = 1;
    Graph().m_curLD.m_bShow = 1;
    EXPECT_EQ(Readout(5.0, -0.02, 0.0123, 0.5, 99999.9),
              "RUNNING - Wind Speed:  5.0 KPH., Lift: -0.0200 kg., Drag: 0.0123 kg., L/D: ******");
}

TEST_P(ReadoutTest, PlaceholderOfAFullRepaint)
{
    Graph().m_curCd.m_bShow = 1;
    Graph().m_curLD.m_bShow = 1;
    m_pView->OnPaint();
    ASSERT_FALSE(m_wnd.m_astrStatus.empty());
    EXPECT_EQ(m_wnd.m_astrStatus.back(), "STOPPED - Wind Speed:  0.0 MPH., Lift: +0.000 lbs., "
                                         "Drag: 0.000 lbs., Cd: 0.0000, L/D: ******");
}

TEST_P(ReadoutTest, HiddenRatiosEndAfterTheDragUnit)
{
    Graph().m_curCd.m_bShow = 0;
    Graph().m_curLD.m_bShow = 0;
    EXPECT_EQ(Readout(40.0, 1.5, 0.25, 0.3, 6.0),
              "STOPPED - Wind Speed: 40.0 MPH., Lift: +1.500 lbs., Drag: 0.250 lbs.");
}

TEST_P(ReadoutTest, AbsurdValuesStayWithinTheBuffer)
{
    Graph().m_curCd.m_bShow = 1;
    Graph().m_curLD.m_bShow = 1;
    std::string str = Readout(1e300, -1e300, 1e300, -1e300, -1e300);
    EXPECT_EQ(str.size(), size_t(STATUS_TEXT_SIZE - 1));
    EXPECT_EQ(str.rfind("STOPPED - Wind Speed: 1000000000", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Locales, ReadoutTest, ::testing::Values("C", "de_DE.UTF-8"));

} // namespace
