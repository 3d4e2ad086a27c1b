#include "RunViewFixture.h"

#include "app/CommandIds.h"
#include "dialogs/AdConfig.h"
#include "dialogs/AirDensity.h"

#include <cmath>
#include <vector>

namespace
{

constexpr const char* UPDATE = "Update Wind Tunnel Air Density?";

// The figures a user checks against a reference table.
TEST(AirDensityFormulaTest, KnownAtmospheres)
{
    // Dry air at sea level, 15 C and 1013.25 mbar; and 59 F at 29.92 in.Hg (1013.21 mbar).
    EXPECT_NEAR(AirDensity(0, 0, 15, 0, 1013.25), 1.224978, 5e-7);
    EXPECT_NEAR(AirDensity(1, 0, 59, 0, 29.92), 0.076470, 5e-7);
    // Humid air is lighter; altitude thins it.
    EXPECT_NEAR(AirDensity(1, 0, 70, 50, 29.92), 0.07453, 5e-6);
    EXPECT_NEAR(AirDensity(1, 5000, 70, 50, 29.92), 0.06239, 5e-6);
    EXPECT_NEAR(DewPoint(1, 50, 70), 50.5, 0.05);
    EXPECT_NEAR(DewPoint(0, 50, FahrenheitToCelsius(70)), 10.3, 0.05);
    // No humidity: the logarithm is taken of 1e-6 % instead.
    EXPECT_NEAR(DewPoint(1, 0, 70), -182.9, 0.05);
}

TEST(AirDensityFormulaTest, ConversionsAndStationPressure)
{
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(212), 100);
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(-40), -40);
    EXPECT_DOUBLE_EQ(CelsiusToKelvin(0), 273.15);
    EXPECT_NEAR(InHgToMbar(29.92), 1013.21, 0.005);
    EXPECT_DOUBLE_EQ(MbarToInHg(InHgToMbar(29.5)), 29.5);
    EXPECT_NEAR(FeetToMetres(5000), 1524.0, 1e-6);
    EXPECT_DOUBLE_EQ(MetresToFeet(FeetToMetres(123)), 123);
    EXPECT_DOUBLE_EQ(LbFt3ToKgM3(KgM3ToLbFt3(1.2)), 1.2);
    EXPECT_DOUBLE_EQ(StationPressure(0, 101325, 15), 101325);
    // About 12 % less at 1000 m.
    EXPECT_NEAR(StationPressure(1000, 101325, 15) / 101325, 0.8883, 0.0005);
}

TEST(AirDensityFormulaTest, AbsurdInputsGiveTheMinimumDensity)
{
    // Humidity that outweighs the air, absolute zero, a pressure beyond any range.
    EXPECT_EQ(AirDensity(0, 0, 20, 100000, 1013.25), 0.0001);
    EXPECT_EQ(AirDensity(0, 0, -273.15, 50, 1013.25), 0.0001);
    EXPECT_EQ(AirDensity(0, 0, 15, 0, 1e308), 0.0001);
    EXPECT_DOUBLE_EQ(AirDensity(1, 0, 20, 100000, 29.92), KgM3ToLbFt3(0.0001));
}

// A view on a "V6" instrument that answers "I" with m_strAirReply; the calculator's inputs
// as at program start.
class AirDensityTest : public RunViewTest
{
protected:
    void SetUp() override
    {
        RunViewTest::SetUp();
        g_dAltitude = g_dTemperature = g_dPressure = g_dHumidity = 0.0;
        g_bAirFirstUse = 1;
        m_pDevice->m_fnRespond = [this](const std::string& strRequest) -> std::string {
            if (strRequest == "I")
                return m_strAirReply;
            return strRequest.starts_with("A") ? "" : m_instrument(strRequest);
        };
    }

    void AirDensityCommand(DialogScript fnScript)
    {
        m_ui.m_afnDialogs = {std::move(fnScript)};
        EXPECT_TRUE(m_pView->OnCmdMsg(ID_AIR_DENSITY));
    }

    std::string m_strAirReply = "1,1000,70.0,29.92,50\r";
};

struct CShown
{
    std::string m_strAltitude;
    std::string m_strTemperature;
    std::string m_strPressure;
    std::string m_strHumidity;
    std::string m_strDensity;
    std::string m_strDewPoint;
};

// Checks the fields the dialog opens with, then presses nButton.
DialogScript ExpectShown(const CShown& shown, int nButton)
{
    return [=](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AD_ALTITUDE), shown.m_strAltitude);
        EXPECT_EQ(controls.GetText(IDC_AD_TEMPERATURE), shown.m_strTemperature);
        EXPECT_EQ(controls.GetText(IDC_AD_PRESSURE), shown.m_strPressure);
        EXPECT_EQ(controls.GetText(IDC_AD_HUMIDITY), shown.m_strHumidity);
        EXPECT_EQ(controls.GetText(IDC_AD_DENSITY), shown.m_strDensity);
        EXPECT_EQ(controls.GetText(IDC_AD_DEWPOINT), shown.m_strDewPoint);
        EXPECT_EQ(controls.m_mapLimit[IDC_AD_ALTITUDE], AD_FIELD_CHARS);
        dlg.OnCommand(nButton);
    };
}

// The four inputs as typed; an empty one is left as shown.
struct CTyped
{
    std::string m_strAltitude;
    std::string m_strTemperature;
    std::string m_strPressure;
    std::string m_strHumidity;
};

// Types the inputs and presses nButton.
DialogScript Enter(const CTyped& typed, int nButton)
{
    return [=](CDialog& dlg, CFakeDialogControls& controls) {
        const std::pair<int, std::string> aFields[] = {{IDC_AD_ALTITUDE, typed.m_strAltitude},
                                                       {IDC_AD_TEMPERATURE, typed.m_strTemperature},
                                                       {IDC_AD_PRESSURE, typed.m_strPressure},
                                                       {IDC_AD_HUMIDITY, typed.m_strHumidity}};
        for (const auto& [nId, strText] : aFields)
            if (!strText.empty())
                controls.SetText(nId, strText);
        dlg.OnCommand(nButton);
    };
}

TEST_F(AirDensityTest, FirstUseEnglishSetsTheDensityEvenWhenCancelled)
{
    theCommLink.m_nModel = 1;
    AirDensityCommand([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AD_ALTITUDE_UNIT), "ft.");
        EXPECT_EQ(controls.GetText(IDC_AD_TEMPERATURE_UNIT), "F");
        EXPECT_EQ(controls.GetText(IDC_AD_PRESSURE_UNIT), "in.Hg");
        EXPECT_EQ(controls.GetText(IDC_AD_DENSITY_UNIT), "lb/ft^3");
        EXPECT_EQ(controls.GetText(IDC_AD_DEWPOINT_UNIT), "F");
        ExpectShown({"0", "70.0", "29.92", "50", "0.07453", "50.5"}, IDCANCEL)(dlg, controls);
    });
    EXPECT_EQ(m_ui.m_anDialogIds, std::vector<int>{IDD_ADCONFIG});
    EXPECT_NEAR(g_dAirDensity, 0.07453, 5e-6);
    EXPECT_EQ(Sent(), "") << "the first model is not asked";
    EXPECT_TRUE(m_ui.m_aBoxes.empty());
}

TEST_F(AirDensityTest, FirstUseMetric)
{
    theCommLink.m_nModel = 1;
    MakeView(0);
    AirDensityCommand([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AD_ALTITUDE_UNIT), "m");
        EXPECT_EQ(controls.GetText(IDC_AD_TEMPERATURE_UNIT), "C");
        EXPECT_EQ(controls.GetText(IDC_AD_PRESSURE_UNIT), "mbar");
        EXPECT_EQ(controls.GetText(IDC_AD_DENSITY_UNIT), "kg/m^3");
        EXPECT_EQ(controls.GetText(IDC_AD_DEWPOINT_UNIT), "C");
        ExpectShown({"0", "21.1", "1013.2", "50", "1.19389", "10.3"}, IDCANCEL)(dlg, controls);
    });
    EXPECT_NEAR(g_dAirDensity, 1.19389, 5e-6);
}

TEST_F(AirDensityTest, CalcShowsTheFiguresAndChangesNoProgramValue)
{
    theCommLink.m_nModel = 1;
    CGermanLocale german;
    ASSERT_TRUE(german.m_bSet);
    MakeView(0);
    AirDensityCommand([](CDialog& dlg, CFakeDialogControls& controls) {
        Enter({"0", "15", "1013.25", "0"}, IDC_AD_CALC)(dlg, controls);
        EXPECT_EQ(controls.GetText(IDC_AD_DENSITY), "1.224978");
        EXPECT_EQ(controls.GetText(IDC_AD_DEWPOINT), "-120.7");
        // A field without a number counts as 0.
        Enter({"x", "", "", "abc"}, IDC_AD_CALC)(dlg, controls);
        EXPECT_EQ(controls.GetText(IDC_AD_DENSITY), "1.224978");
        EXPECT_FALSE(dlg.IsEnded());
        dlg.OnCommand(IDCANCEL);
    });
    EXPECT_NEAR(g_dAirDensity, 1.19389, 5e-6) << "the density computed when the dialog opened";
    // The held inputs are metric numbers now: nothing converts them to the new units.
    MakeView(1);
    AirDensityCommand([](CDialog& dlg, CFakeDialogControls& controls) {
        EXPECT_EQ(controls.GetText(IDC_AD_PRESSURE), "1013.21");
        Enter({"", "59", "29.92", "0"}, IDC_AD_CALC)(dlg, controls);
        EXPECT_EQ(controls.GetText(IDC_AD_DENSITY), "0.076470");
        dlg.OnCommand(IDCANCEL);
    });
}

// The air confirmed with OK is the air Cd is computed with; the next use starts again from
// altitude 0 and 50 % but keeps temperature and pressure.
TEST_F(AirDensityTest, OkSetsTheDensityFromTheConfirmedAir)
{
    theCommLink.m_nModel = 1;
    AirDensityCommand(Enter({"5000", "", "", ""}, IDOK));
    EXPECT_EQ(g_dAltitude, 5000);
    EXPECT_NEAR(g_dAirDensity, AirDensity(1, 5000, 70, 50, 29.92), 1e-12);
    AirDensityCommand(Enter({"", "60.5", "", "20"}, IDOK));
    AirDensityCommand(ExpectShown({"0", "60.5", "29.92", "50", "0.07599", "41.8"}, IDCANCEL));
    EXPECT_EQ(Sent(), "");
}

TEST_F(AirDensityTest, FieldOfMoreThanTenCharactersKeepsTheDialogOpen)
{
    theCommLink.m_nModel = 1;
    m_ui.m_anAnswers = {IDOK};
    AirDensityCommand([](CDialog& dlg, CFakeDialogControls& controls) {
        Enter({"", "", "1013.25000001", ""}, IDOK)(dlg, controls);
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(controls.m_nFocus, IDC_AD_PRESSURE);
        dlg.OnCommand(IDCANCEL);
    });
    EXPECT_EQ(m_ui.Texts(), std::vector<std::string>{"Enter no more than 10 characters."});
    EXPECT_EQ(g_dPressure, 29.92);
}

TEST_F(AirDensityTest, V6EnglishValuesShownMetricAndSentBackMetricOnYes)
{
    MakeView(0);
    m_strAirReply = "1,5000,68.0,29.50,40\r";
    m_ui.m_anAnswers = {IDYES};
    AirDensityCommand(ExpectShown({"1524", "20.0", "999.0", "40", "0.98975", "6.0"}, IDOK));
    EXPECT_EQ(Sent(), "IA0,1524,20.0,999.00,40\r");
    ASSERT_EQ(m_ui.m_aBoxes.size(), 1u);
    EXPECT_EQ(m_ui.m_aBoxes[0].m_strText, UPDATE);
    EXPECT_EQ(m_ui.m_aBoxes[0].m_nType, MB_YESNO | MB_ICONEXCLAMATION);
}

TEST_F(AirDensityTest, V6MetricValuesShownEnglishAndNoKeepsTheInstrumentAsItIs)
{
    m_strAirReply = "0,1000,20.0,1013.2,55\r";
    m_ui.m_anAnswers = {IDNO};
    AirDensityCommand(ExpectShown({"3281", "68.0", "29.92", "55", "0.06654", "51.2"}, IDOK));
    EXPECT_EQ(Sent(), "I");
    EXPECT_EQ(g_dAltitude, 3281);
}

TEST_F(AirDensityTest, V6ReplyWithoutAllFiveFieldsIsIgnored)
{
    MakeView(0);
    m_strAirReply = "1,5000,68.0\r";
    m_ui.m_anAnswers = {IDYES};
    AirDensityCommand(ExpectShown({"0", "21.1", "1013.2", "50", "1.19389", "10.3"}, IDOK));
    EXPECT_EQ(Sent(), "IA0,0,21.1,1013.20,50\r");
}

} // namespace
