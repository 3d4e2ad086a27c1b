// The "Sweep Results" window with the real widgets; its buttons pressed with keys the window
// system delivers. With ZRV_SCREENSHOT_DIR set, the window is saved there as sweep-results.png.
#include "MainFrameKeys.h"

#include "FakePlatform.h"

#include "qt/QtUserInterface.h"
#include "qt/SweepResultsWindow.h"
#include "run/Coefficients.h"
#include "run/RunTable.h"

#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

CSweepTable EightPoints()
{
    CSweepTable table;
    const CAirConditions air{1, STANDARD_AIR_DENSITY, 1.0, 1.0, STANDARD_AIR_KELVIN};
    for (int nPoint = 1; nPoint <= 8; ++nPoint)
    {
        CSteadyStats stats;
        const double dWind = 5.0 * nPoint;
        for (double dNoise : {-0.01, 0.0, 0.01})
        {
            stats.m_wind.Add(dWind + dNoise);
            stats.m_lift.Add(0.001 * dWind * dWind * (1 + dNoise));
            stats.m_drag.Add(0.002 * dWind * dWind * (1 - dNoise));
        }
        table.m_aRows.push_back(MakeSweepRow(nPoint, dWind, stats, air));
    }
    return table;
}

class SweepResultsWindowTest : public CFakePlatformTest
{
protected:
    void SetUp() override
    {
        CFakePlatformTest::SetUp();
        m_table = EightPoints();
        m_window.SetTable(m_table);
        ASSERT_TRUE(Activate(&m_window));
    }

    // Presses the button the way a user does from the keyboard: focus, then Space.
    void Press(const QString& strText)
    {
        for (QPushButton* pButton : m_window.findChildren<QPushButton*>())
        {
            if (pButton->text() == strText)
            {
                pButton->setFocus();
                TypeKey(&m_window, Qt::Key_Space);
                return;
            }
        }
        ADD_FAILURE() << "no button " << strText.toStdString();
    }

    CSweepTable m_table;
    CSweepResultsWindow m_window;
};

TEST_F(SweepResultsWindowTest, ShowsEveryPointWithSpreadsBesideTheirMeans)
{
    EXPECT_EQ(m_window.windowTitle(), "Sweep Results");
    EXPECT_FALSE(m_window.isModal());
    QTableWidget* pTable = m_window.Table();
    ASSERT_EQ(pTable->rowCount(), 8);
    const std::vector<std::string> astrHeadings = SweepWindowHeadings(1);
    ASSERT_EQ(pTable->columnCount(), static_cast<int>(astrHeadings.size()));
    for (int nColumn = 0; nColumn < pTable->columnCount(); ++nColumn)
        EXPECT_EQ(pTable->horizontalHeaderItem(nColumn)->text().toStdString(),
                  astrHeadings[size_t(nColumn)]);
    for (int nRow = 0; nRow < 8; ++nRow)
    {
        const std::vector<std::string> astrTexts = SweepWindowTexts(m_table.m_aRows[size_t(nRow)]);
        for (int nColumn = 0; nColumn < pTable->columnCount(); ++nColumn)
            EXPECT_EQ(pTable->item(nRow, nColumn)->text().toStdString(),
                      astrTexts[size_t(nColumn)]);
    }
    EXPECT_TRUE(pTable->item(1, 3)->text().contains(QStringLiteral("\u00b1")));
    // Every column and row shows without scrolling, as far as the screen has room.
    const QSize sizeRoom = m_window.screen()->availableSize() * 0.8;
    EXPECT_GE(pTable->width(), std::min(pTable->horizontalHeader()->length(), sizeRoom.width()));
    EXPECT_GE(pTable->height(), std::min(pTable->verticalHeader()->length(), sizeRoom.height()));
    if (const QString strDir = qEnvironmentVariable("ZRV_SCREENSHOT_DIR"); !strDir.isEmpty())
        m_window.grab().save(strDir + "/sweep-results.png");
}

TEST_F(SweepResultsWindowTest, CopyPutsTheTableOnTheClipboardForASpreadsheet)
{
    QGuiApplication::clipboard()->clear();
    Press("Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), SweepTabText(m_table));
}

TEST_F(SweepResultsWindowTest, SaveCsvWritesTheChosenFile)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath("lab.csv");
    m_ui.m_astrPaths = {strPath.toStdString()};
    Press("Save CSV...");
    ASSERT_EQ(m_ui.m_aFileRequests.size(), 1u);
    EXPECT_FALSE(m_ui.m_aFileRequests[0].m_bOpen);
    EXPECT_EQ(m_ui.m_aFileRequests[0].m_strDefExt, "csv");
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), SweepCsv(m_table));
}

TEST_F(SweepResultsWindowTest, SaveCsvIntoAFolderThatIsNotThereSaysSo)
{
    m_ui.m_astrPaths = {"/nonexistent-folder/lab.csv"};
    m_ui.m_anAnswers = {IDOK};
    Press("Save CSV...");
    ASSERT_EQ(m_ui.Texts().size(), 1u);
    EXPECT_EQ(m_ui.Texts()[0], "The sweep results were not saved: /nonexistent-folder/lab.csv "
                               "could not be written. A file already there is unchanged.");
}

TEST_F(SweepResultsWindowTest, CloseHidesTheWindow)
{
    Press("Close");
    EXPECT_FALSE(m_window.isVisible());
}

} // namespace

namespace
{
TEST(SweepResultsShowTest, OneWindowShowsTheLatestTable)
{
    CQtUserInterface ui;
    EXPECT_EQ(ui.SweepResultsWindow(), nullptr);
    CSweepTable table = EightPoints();
    ui.ShowSweepResults(table);
    CSweepResultsWindow* pWindow = ui.SweepResultsWindow();
    ASSERT_NE(pWindow, nullptr);
    EXPECT_TRUE(pWindow->isVisible());
    EXPECT_EQ(pWindow->Table()->rowCount(), 8);
    // The next sweep's results replace the table in the same window, brought back if closed.
    pWindow->close();
    table.m_aRows.resize(2);
    ui.ShowSweepResults(table);
    EXPECT_EQ(ui.SweepResultsWindow(), pWindow);
    EXPECT_TRUE(pWindow->isVisible());
    EXPECT_EQ(pWindow->Table()->rowCount(), 2);
}
} // namespace
