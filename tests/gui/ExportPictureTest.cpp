// The graph exported as pictures through the Qt devices: the PNG is the window's picture,
// the SVG and the PDF are vectors with their text as text; printing goes the same way; File,
// Export from the real window; a test named on the command line.
#include "../unit/GraphTestSupport.h"
#include "MainFrameKeys.h"
#include "ModalDriver.h"

#include "app/CommandIds.h"
#include "files/Export.h"
#include "qt/CommandLine.h"
#include "qt/MainFrame.h"
#include "qt/QtDC.h"
#include "qt/QtPictures.h"
#include "qt/QtPrintSurface.h"
#include "qt/QtUserInterface.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>

namespace
{

// A test of every curve with an overlay and a comment, at 1000 x 800 in the window.
class ExportPictureTest : public GraphTest
{
protected:
    void SetUp() override
    {
        GraphTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        g_platform.m_pPictures = &m_pictures;
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            Graph().Series(nSeries).m_bShow = 1;
        Graph().m_dCdArea = 12.0;
        Graph().m_astrComment[0] = "Wing section B";
        for (int k = 10; k <= 600; k += 10)
        {
            double dWind = k / 10.0;
            Graph().StoreSample(k, 0.0002 * dWind * dWind, 0.0001 * dWind * dWind + 0.01, dWind);
        }
        Graph().m_curLift.m_adOverlay[100] = 0.3;
        Graph().m_curLift.m_adOverlay[400] = 0.6;
    }
    std::string Export(EExportFormat eFormat, int nWidth = 1600, int nHeight = 1000)
    {
        return m_pView->ExportBytes(eFormat, nWidth, nHeight);
    }
    // The text pdftotext finds in a PDF.
    QString PdfText(const QString& strPdf)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {strPdf, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(20000)) << "pdftotext (poppler-utils) missing?";
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QString WriteFile(const QString& strName, const std::string& strBytes)
    {
        const QString strPath = m_dir.filePath(strName);
        QFile file(strPath);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(strBytes.data(), qint64(strBytes.size()));
        return strPath;
    }

    CQtPictureMaker m_pictures;
    QTemporaryDir m_dir;
};

const QStringList TITLES = {QStringLiteral("Wind Speed (MPH)"), QStringLiteral("Force (lbs)"),
                            QStringLiteral("Cd @ 12.00 sq. in."), QStringLiteral("Lift"),
                            QStringLiteral("Wing section B")};

// The texts and the element names of an SVG; false when it is no well-formed XML.
bool ReadSvg(const std::string& strSvg, QStringList& astrTexts, QStringList& astrElements)
{
    QXmlStreamReader xml(QByteArray::fromStdString(strSvg));
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        astrElements << xml.name().toString();
        if (xml.name() == QStringLiteral("text"))
            astrTexts << xml.readElementText().trimmed();
    }
    return !xml.hasError();
}

} // namespace

TEST_F(ExportPictureTest, PngIsTheWindowsPicture)
{
    Graph().m_rcClient = {0, 0, 1000, 800};
    QImage window(1000, 800, QImage::Format_RGB32);
    window.fill(Qt::white);
    CQtDC dc(&window);
    m_pView->OnDraw(&dc);

    const std::string strPng = Export(EExportFormat::Png, 1000, 800);
    ASSERT_EQ(strPng.rfind("\x89PNG\r\n", 0), 0u);
    QImage png = QImage::fromData(QByteArray::fromStdString(strPng), "PNG");
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), window);
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(Export(EExportFormat::Png))).size(),
              QSize(1600, 1000));
}

TEST_F(ExportPictureTest, SvgIsXmlWithPathsAndTheTitlesAsText)
{
    QStringList astrTexts;
    QStringList astrElements;
    ASSERT_TRUE(ReadSvg(Export(EExportFormat::Svg, 1200, 900), astrTexts, astrElements));
    for (const QString& strTitle : TITLES)
        EXPECT_TRUE(astrTexts.contains(strTitle)) << strTitle.toStdString();
    // Ticks, grid lines and outlines, and each curve as one path.
    EXPECT_GT(astrElements.count(QStringLiteral("polyline")), 100);
    EXPECT_FALSE(astrElements.contains(QStringLiteral("image")));
    EXPECT_NE(Export(EExportFormat::Svg, 1200, 900).find("viewBox=\"0 0 1200 900\""),
              std::string::npos);
}

TEST_F(ExportPictureTest, VectorsDrawWhatExclusiveOrShowsOverTheBackground)
{
    std::unique_ptr<IPicture> pPicture = m_pictures.CreatePicture(EPictureFormat::Svg, 100, 100);
    CDC* pDC = pPicture->DC();
    // The marker's pen is pre-mixed with the plot background; over it, it shows dark red.
    pDC->SetBkColor(SCREEN_BACKGROUND);
    CPen pen(PS_SOLID, 0, 0x000080 ^ SCREEN_BACKGROUND);
    pDC->SelectObject(&pen);
    pDC->SetROP2(R2_XORPEN);
    pDC->MoveTo(10, 10);
    pDC->LineTo(10, 90);
    pDC->SelectStockObject(BLACK_PEN);
    const std::string strSvg = pPicture->Finish();
    EXPECT_NE(strSvg.find("stroke=\"#800000\""), std::string::npos) << strSvg;
    EXPECT_EQ(strSvg.find("stroke=\"#40c0c0\""), std::string::npos);
}

TEST_F(ExportPictureTest, LinesThatContinueWithTheSamePenAreOnePath)
{
    std::unique_ptr<IPicture> pPicture = m_pictures.CreatePicture(EPictureFormat::Svg, 100, 100);
    CDC* pDC = pPicture->DC();
    CPen red(PS_SOLID, 0, 0x0000FF);
    CPen blue(PS_SOLID, 0, 0xFF0000);
    CPen dotted(PS_DOT, 0, 0x0000FF);
    pDC->SelectObject(&red);
    pDC->MoveTo(0, 0);
    pDC->LineTo(10, 10);
    pDC->LineTo(20, 10);
    pDC->LineTo(30, 40);
    pDC->SelectObject(&blue); // the same place, another pen
    pDC->LineTo(40, 40);
    pDC->SelectObject(&red);
    pDC->MoveTo(50, 50); // another place
    pDC->LineTo(60, 60);
    pDC->SelectObject(&dotted);
    pDC->LineTo(70, 60);
    pDC->LineTo(80, 60);
    pDC->SelectStockObject(BLACK_PEN);
    const QString strSvg = QString::fromStdString(pPicture->Finish());
    QStringList astrPoints;
    static const QRegularExpression rePoints(QStringLiteral("points=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& match : rePoints.globalMatch(strSvg))
        astrPoints << match.captured(1).trimmed();
    // A dotted line is drawn twice: its gaps in the background colour, then its dots.
    EXPECT_EQ(astrPoints,
              (QStringList{"0.5,0.5 10.5,10.5 20.5,10.5 30.5,40.5", "30.5,40.5 40.5,40.5",
                           "50.5,50.5 60.5,60.5", "60.5,60.5 70.5,60.5", "60.5,60.5 70.5,60.5",
                           "70.5,60.5 80.5,60.5", "70.5,60.5 80.5,60.5"}));
}

TEST_F(ExportPictureTest, PdfIsOnePageWithTheTitlesAsText)
{
    const std::string strPdf = Export(EExportFormat::Pdf);
    ASSERT_EQ(strPdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(strPdf.find("/Subtype /Image"), std::string::npos);
    const QString strPath = WriteFile(QStringLiteral("graph.pdf"), strPdf);
    const QString strText = PdfText(strPath);
    for (const QString& strTitle : TITLES)
        EXPECT_TRUE(strText.contains(strTitle)) << strTitle.toStdString();
    EXPECT_EQ(strText.count(QChar('\f')), 1) << "one page";
}

TEST_F(ExportPictureTest, PrintingPutsTextOnThePage)
{
    const QString strPdf = m_dir.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(strPdf);
    ASSERT_TRUE(PrintView(*m_pView, printer));
    const QString strText = PdfText(strPdf);
    for (const QString& strTitle : TITLES)
        EXPECT_TRUE(strText.contains(strTitle)) << strTitle.toStdString();
}

TEST_F(ExportPictureTest, MenuExportFollowsTheFilterChosen)
{
    CQtUserInterface ui;
    g_platform.m_pUi = &ui;
    CMainFrame frame(std::make_unique<CZRVView>());
    ASSERT_TRUE(Activate(&frame));
    theApp.m_pView = &frame.View();
    QStringList astrFilters;
    WhenModal(
        [&](QWidget* pModal) {
            auto* pDialog = qobject_cast<QFileDialog*>(pModal);
            ASSERT_NE(pDialog, nullptr);
            astrFilters = pDialog->nameFilters();
            // The user picks the third type from the list and types a bare name.
            auto* pTypes = pDialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            auto* pName = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_TRUE(pTypes != nullptr && pName != nullptr);
            pDialog->setDirectory(m_dir.path());
            pTypes->setFocus();
            TypeKey(pTypes, Qt::Key_Down);
            TypeKey(pTypes, Qt::Key_Down);
            pName->setFocus();
            pName->setText(QStringLiteral("graph"));
            TypeKey(pName, Qt::Key_Return);
        },
        &frame);
    TypeKey(&frame, Qt::Key_E, Qt::ControlModifier);
    theApp.m_pView = nullptr;
    g_platform.m_pUi = &m_ui;

    EXPECT_EQ(astrFilters, (QStringList{"CSV (*.csv)", "PNG image (*.png)", "SVG image (*.svg)",
                                        "PDF document (*.pdf)"}));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"graph.svg"});
    QFile svg(m_dir.filePath(QStringLiteral("graph.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
}

TEST_F(ExportPictureTest, ATestNamedOnTheCommandLineOpensAfterStartUp)
{
    m_ui.m_anAnswers.push_back(IDOK);
    const QString strTest = WriteFile(QStringLiteral("run.ZRV"), "ZRV\r\nUnits= Metric\r\n");
    const QString strMissing = m_dir.filePath(QStringLiteral("missing.ZRV"));
    theApp.m_pView = m_pView.get();
    for (const QString& strPath : {strTest, strMissing})
    {
        CCommandLine commandLine;
        QByteArray achPath = QFile::encodeName(strPath);
        char achName[] = "zorvantellique";
        char* apszArgs[] = {achName, achPath.data(), nullptr};
        int nArgs = 2;
        ASSERT_EQ(commandLine.RunWithoutWindow(nArgs, apszArgs), std::nullopt);
        commandLine.OpenTestFile();
    }
    theApp.m_pView = nullptr;
    EXPECT_EQ(Graph().m_nUnits, 0);
    EXPECT_EQ(Graph().m_curLift.m_adRun[100], EMPTY_SLOT);
    EXPECT_EQ(m_ui.Texts(),
              std::vector<std::string>{"The file was not opened: " + strMissing.toStdString() +
                                       " cannot be read."});
}
