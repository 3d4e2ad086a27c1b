// Text in the real dialogs, typed and pasted the way the window system delivers it: limits,
// line breaks, the single-byte characters of test files, and combo boxes that keep what is
// typed.
#include "../unit/GraphTestSupport.h"

#include "FakeViewWindow.h"
#include "HostControls.h"
#include "MainFrameKeys.h"
#include "ModalDriver.h"

#include "dialogs/AdConfig.h"
#include "dialogs/AirDensity.h"
#include "dialogs/AxisDlg.h"
#include "dialogs/ComCfg.h"
#include "files/Comentdlg.h"
#include "graph/FixedFormat.h"
#include "qt/QtDC.h"
#include "qt/QtDialogHost.h"
#include "qt/QtUserInterface.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <fstream>
#include <sstream>

namespace
{

// Types each character of the text into the focused control of the active window.
void TypeText(QWidget* pWidget, const QString& strText)
{
    QWindow* pWindow = pWidget->window()->windowHandle();
    for (QChar ch : strText)
    {
        // A printable key's code is its upper-case character.
        const int nKey = ch.toUpper().unicode();
        qt_handleKeyEvent(pWindow, QEvent::KeyPress, nKey, Qt::NoModifier, QString(ch), false, 1);
        qt_handleKeyEvent(pWindow, QEvent::KeyRelease, nKey, Qt::NoModifier, QString(ch), false, 1);
    }
}

// Focuses a field by clicking into it as a user would before typing, caret at the end.
void ClickToEnd(QLineEdit* pEdit)
{
    pEdit->setFocus(Qt::MouseFocusReason);
    TypeKey(pEdit, Qt::Key_End);
}

// Presses Enter (the default button, OK) in the dialog; returns the text of a message box
// that came up in answer, after closing it, or an empty text.
QString PressEnter(QWidget* pDialog)
{
    QString strBox;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (pBox != nullptr && pBox->isVisible())
        {
            strBox = pBox->text();
            pBox->button(QMessageBox::Ok)->click();
        }
    });
    timer.start(5);
    TypeKey(pDialog, Qt::Key_Return);
    return strBox;
}

std::string ReadBytes(const QString& strPath)
{
    std::ifstream file(strPath.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The lines of a test file, without their CR LF.
std::vector<std::string> FileLines(const std::string& strBytes)
{
    std::vector<std::string> astrLines;
    size_t nStart = 0;
    for (size_t nEnd; (nEnd = strBytes.find("\r\n", nStart)) != std::string::npos;
         nStart = nEnd + 2)
        astrLines.push_back(strBytes.substr(nStart, nEnd - nStart));
    return astrLines;
}

// The Qt desktop with file dialogs that answer from a list.
class CScriptedFilesUi : public CQtUserInterface
{
public:
    int FileDialog(bool, const std::string&, const std::string&, unsigned, const std::string&,
                   std::string& strPath, int* = nullptr) override
    {
        if (m_astrPaths.empty())
            return IDCANCEL;
        strPath = m_astrPaths.front();
        m_astrPaths.pop_front();
        return IDOK;
    }
    std::deque<std::string> m_astrPaths;
};

// The test view in a fake window, its dialogs and message boxes on the Qt desktop.
class DialogTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldPlatform = g_platform;
        g_platform.m_pUi = &m_ui;
        theApp.m_nUnits = 1;
        m_pView = std::make_unique<CTestView>();
        m_pView->m_pWnd = &m_wnd;
        m_pView->OnInitialUpdate();
        ASSERT_TRUE(m_dir.isValid());
    }
    void TearDown() override { g_platform = m_oldPlatform; }

    std::string PathOf(const char* pszName) const { return m_dir.filePath(pszName).toStdString(); }
    // Runs the Comments dialog with fnAct playing the user.
    void EnterComments(std::function<void(QWidget*)> fnAct)
    {
        WhenModal([fnAct](QWidget* pDialog) {
            ASSERT_TRUE(Activate(pDialog));
            fnAct(pDialog);
        });
        m_pView->OnEnterComments();
    }
    void Save(const std::string& strPath)
    {
        m_ui.m_astrPaths = {strPath};
        m_pView->OnFileSave();
    }
    void Open(const std::string& strPath)
    {
        m_ui.m_astrPaths = {strPath};
        m_pView->OnFileOpen();
    }
    std::string* Comments() { return m_pView->Graph().m_astrComment; }

    CPlatform m_oldPlatform;
    CScriptedFilesUi m_ui;
    CFakeViewWindow m_wnd;
    std::unique_ptr<CTestView> m_pView;
    QTemporaryDir m_dir;
};

// A test file with its first comment line as given.
std::string FileWithComment(const std::string& strComment)
{
    return "ZRV\r\nUnits= English\r\nCd Area = 1.000000 sq.in.\r\nComment Text=\r\n[\r\n" +
           strComment +
           "\r\n\r\n\r\n\r\n\r\ncarried\r\n\r\n\r\n\r\n\r\n]\r\nWind, Lift, Drag=\r\n[\r\n" +
           "+0, +0.000000, +0.000000\r\n+12.3, +0.250000, +0.125000\r\n]\r\n";
}

TEST_F(DialogTextTest, LongCommentFromAFileIsShownWholeAndRefusedOnOk)
{
    const std::string strLong(60, 'x');
    Comments()[1] = strLong;
    EnterComments([&](QWidget* pDialog) {
        auto* pLine2 = Control<QLineEdit>(pDialog, IDC_LINE2);
        EXPECT_EQ(pLine2->text().toStdString(), strLong);
        // Over the limit the field takes no more characters, but lets the user shorten it.
        ClickToEnd(pLine2);
        TypeText(pDialog, "yy");
        EXPECT_EQ(pLine2->text().toStdString(), strLong);
        EXPECT_EQ(PressEnter(pDialog), "Enter no more than 50 characters.");
        EXPECT_TRUE(pDialog->isVisible());
        EXPECT_EQ(pDialog->focusWidget(), pLine2);
        ClickToEnd(pLine2);
        for (int i = 0; i < 10; ++i)
            TypeKey(pLine2, Qt::Key_Backspace);
        EXPECT_EQ(PressEnter(pDialog), "");
    });
    EXPECT_EQ(Comments()[1], std::string(50, 'x'));
}

TEST_F(DialogTextTest, TypingStopsAtTheLimit)
{
    EnterComments([](QWidget* pDialog) {
        auto* pLine1 = Control<QLineEdit>(pDialog, IDC_LINE1);
        ClickToEnd(pLine1);
        TypeText(pDialog, QString(48, 'a') + "bcde");
        EXPECT_EQ(pLine1->text(), QString(48, 'a') + "bc");
        // A paste that would pass the limit is refused whole.
        QGuiApplication::clipboard()->setText("zz");
        TypeKey(pLine1, Qt::Key_Backspace);
        TypeKey(pLine1, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(pLine1->text(), QString(48, 'a') + "b");
        EXPECT_EQ(PressEnter(pDialog), "");
    });
    EXPECT_EQ(Comments()[0], std::string(48, 'a') + "b");
}

TEST_F(DialogTextTest, CalculatedDensityTooLongForItsFieldIsShownWholeAndRefused)
{
    CadConfig dlg;
    dlg.m_bMetric = 0;
    dlg.m_strAltitude = "0";
    dlg.m_strTemperature = "70.0";
    dlg.m_strHumidity = "50";
    dlg.m_strPressure = "29.92";
    const std::string strDensity = FormatFixed(AirDensity(1, 0, 70, 50, 9999999999.0), 0, 6);
    ASSERT_GT(strDensity.size(), 10u);
    WhenModal([&](QWidget* pDialog) {
        ASSERT_TRUE(Activate(pDialog));
        auto* pPressure = Control<QLineEdit>(pDialog, IDC_AD_PRESSURE);
        pPressure->setFocus(Qt::MouseFocusReason);
        pPressure->selectAll();
        TypeText(pDialog, "9999999999");
        Control<QPushButton>(pDialog, IDC_AD_CALC)->click();
        EXPECT_EQ(Control<QLineEdit>(pDialog, IDC_AD_DENSITY)->text().toStdString(), strDensity);
        EXPECT_EQ(PressEnter(pDialog), "Enter no more than 10 characters.");
        EXPECT_TRUE(pDialog->isVisible());
        Control<QPushButton>(pDialog, IDCANCEL)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(DialogTextTest, PastedLineBreaksBecomeSpacesAndTheFileKeepsItsLines)
{
    EnterComments([](QWidget* pDialog) {
        auto* pLine1 = Control<QLineEdit>(pDialog, IDC_LINE1);
        ClickToEnd(pLine1);
        QGuiApplication::clipboard()->setText("Wing A\r\nflap 10\tdeg\n");
        TypeKey(pLine1, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(PressEnter(pDialog), "");
    });
    EXPECT_EQ(Comments()[0], "Wing A  flap 10 deg ");

    const std::string strPath = PathOf("run.ZRV");
    Save(strPath);
    const std::vector<std::string> astrLines =
        FileLines(ReadBytes(QString::fromStdString(strPath)));
    ASSERT_GE(astrLines.size(), 17u);
    EXPECT_EQ(astrLines[5], "Wing A  flap 10 deg ");
    EXPECT_EQ(astrLines[15], "]");
    EXPECT_EQ(astrLines[16], "Wind, Lift, Drag=");
}

struct CByteCase
{
    const char* m_pszName;
    std::string m_strBytes;
    QString m_strShown;
};

// Comment bytes written on Windows come back unchanged through open, OK in the Comments
// dialog and save, and the dialog shows the characters they stand for. The five bytes
// Windows-1252 leaves undefined stand for the control characters of the same number.
TEST_F(DialogTextTest, SingleByteCommentsComeBackUnchanged)
{
    const CByteCase aCases[] = {
        {"ASCII", "Wing A, 5 deg", "Wing A, 5 deg"},
        {"degree", "5\xB0 AoA", QString::fromUtf8("5\u00B0 AoA")},
        {"e acute", "caf\xE9", QString::fromUtf8("caf\u00E9")},
        {"euro", "\x80 100", QString::fromUtf8("\u20AC 100")},
        {"Y diaeresis", "\x9F", QString::fromUtf8("\u0178")},
        {"undefined", "\x81\x8D\x8F\x90\x9D",
         QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")},
        {"fifty accented", std::string(50, '\xE9'), QString(50, QChar(0xE9))},
    };
    for (const CByteCase& testCase : aCases)
    {
        SCOPED_TRACE(testCase.m_pszName);
        const std::string strOriginal = PathOf("windows.ZRV");
        std::ofstream(strOriginal, std::ios::binary) << FileWithComment(testCase.m_strBytes);
        Open(strOriginal);
        EnterComments([&](QWidget* pDialog) {
            EXPECT_EQ(Control<QLineEdit>(pDialog, IDC_LINE1)->text(), testCase.m_strShown);
            EXPECT_EQ(PressEnter(pDialog), "");
        });
        const std::string strSaved = PathOf("saved.ZRV");
        Save(strSaved);
        const std::vector<std::string> astrLines =
            FileLines(ReadBytes(QString::fromStdString(strSaved)));
        ASSERT_GT(astrLines.size(), 10u);
        EXPECT_EQ(astrLines[5], testCase.m_strBytes);
        EXPECT_EQ(astrLines[10], "carried");
    }
}

TEST_F(DialogTextTest, CharactersTestFilesCannotHoldAreRefusedAsTyped)
{
    EnterComments([](QWidget* pDialog) {
        auto* pLine1 = Control<QLineEdit>(pDialog, IDC_LINE1);
        ClickToEnd(pLine1);
        TypeText(pDialog, QString::fromUtf8("5\u00B0 \u03A9 \u20AC"));
        EXPECT_EQ(pLine1->text(), QString::fromUtf8("5\u00B0  \u20AC"));
        EXPECT_EQ(PressEnter(pDialog), "");
    });
    EXPECT_EQ(Comments()[0], "5\xB0  \x80");
}

// The comment is drawn with the characters its bytes stand for, on screen and on paper.
TEST_F(DialogTextTest, DrawnTextDecodesTheSameBytes)
{
    QImage drawn(200, 40, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        CQtDC dc(&drawn);
        CFont font;
        font.CreateFont(-20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        dc.SelectObject(&font);
        dc.TextOut(5, 5, "5\xB0 \x80\x9F");
    }
    QImage expected(200, 40, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QFont qfont(QStringLiteral("Arial"));
    qfont.setPixelSize(20);
    QPainter painter(&expected);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    painter.drawText(5, 5 + QFontMetrics(qfont).ascent(),
                     QString::fromUtf8("5\u00B0 \u20AC\u0178"));
    painter.end();
    EXPECT_EQ(drawn, expected);
}

struct CComboCase
{
    const char* m_pszName;
    std::function<CDialog*()> m_fnMake;
    int m_nCombo;
    const char* m_pszTyped;
    std::function<std::string(CDialog&)> m_fnResult;
};

// What is typed into an editable combo box stays as typed: no completion from the list.
TEST_F(DialogTextTest, CombosKeepWhatIsTyped)
{
    auto fnAxis = [] {
        auto* pDlg = new CSconfdlg;
        pDlg->m_strWind = "80";
        pDlg->m_strForce = "2";
        pDlg->m_strCd = "2";
        pDlg->m_strLD = "20";
        return pDlg;
    };
    const CComboCase aCases[] = {
        {"L/D", fnAxis, IDC_AXIS_LD, "2",
         [](CDialog& dlg) { return static_cast<CAxisDlg&>(dlg).m_strLD; }},
        {"wind", fnAxis, IDC_AXIS_WIND, "4",
         [](CDialog& dlg) { return static_cast<CAxisDlg&>(dlg).m_strWind; }},
        {"COM port", [] { return new CComCfg; }, IDC_COMPORT, "COM",
         [](CDialog& dlg) { return static_cast<CComCfg&>(dlg).m_strPort; }},
    };
    for (const CComboCase& testCase : aCases)
    {
        SCOPED_TRACE(testCase.m_pszName);
        std::unique_ptr<CDialog> pDlg(testCase.m_fnMake());
        WhenModal([&](QWidget* pDialog) {
            ASSERT_TRUE(Activate(pDialog));
            QLineEdit* pEdit = Control<QComboBox>(pDialog, testCase.m_nCombo)->lineEdit();
            pEdit->setFocus(Qt::MouseFocusReason);
            pEdit->selectAll();
            TypeText(pDialog, testCase.m_pszTyped);
            EXPECT_EQ(pEdit->text(), testCase.m_pszTyped);
            EXPECT_EQ(PressEnter(pDialog), "");
        });
        EXPECT_EQ(pDlg->DoModal(), IDOK);
        EXPECT_EQ(testCase.m_fnResult(*pDlg), testCase.m_pszTyped);
    }
}

} // namespace
