#include "qt/CommandLine.h"

#include "app/AboutDlg.h"
#include "app/ZRVApp.h"
#include "graph/CZRVView.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace
{
QStringList Arguments(int argc, char* argv[])
{
    QStringList astrArgs;
    for (int i = 0; i < argc; ++i)
        astrArgs << QString::fromLocal8Bit(argv[i]);
    return astrArgs;
}

void DropQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

void Print(const QString& strText, FILE* pFile)
{
    std::fputs(strText.toLocal8Bit().constData(), pFile);
}
} // namespace

void ReportLine(const std::string& strLine)
{
    std::fprintf(stderr, "zorvantellique: %s\n", strLine.c_str());
    std::fflush(stderr);
}

void ReportFailure(const QString& strSubject, const QString& strReason)
{
    ReportLine((strSubject + QStringLiteral(": ") + strReason).toStdString());
}

bool ReadOptionValue(const QCommandLineParser& parser, const QString& strName,
                     const std::function<std::string(const std::string&)>& fnRead,
                     QString& strError)
{
    if (!parser.isSet(strName))
        return true;
    const QString strValue = parser.value(strName);
    const std::string strWhy = fnRead(strValue.toStdString());
    if (strWhy.empty())
        return true;
    strError = QStringLiteral("--%1 %2: %3").arg(strName, strValue, QString::fromStdString(strWhy));
    return false;
}

CCommandLine::CCommandLine()
{
    m_parser.setApplicationDescription(
        QStringLiteral("Records and plots wind-tunnel tests: lift, drag, Cd and L/D against "
                       "wind speed."));
    // Not addHelpOption: its --help-all lists Qt's own options, which this parser refuses.
    m_parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    m_parser.addVersionOption();
    m_parser.addPositionalArgument(QStringLiteral("FILE.ZRV"),
                                   QStringLiteral("A test to open after start-up."),
                                   QStringLiteral("[FILE.ZRV]"));
    for (const CHeadlessMode& mode : HeadlessModes())
        mode.m_pfnAddOptions(m_parser);
}

std::optional<int> CCommandLine::RunWithoutWindow(int& argc, char* argv[])
{
    if (!m_parser.parse(Arguments(argc, argv)))
    {
        ReportFailure(QStringLiteral("command line"), m_parser.errorText());
        return 1;
    }
    if (m_parser.isSet(QStringLiteral("help")))
    {
        // The usage line names the program as it was started.
        QCoreApplication app(argc, argv);
        Print(m_parser.helpText(), stdout);
        return 0;
    }
    if (m_parser.isSet(QStringLiteral("version")))
    {
        Print(QString::fromLatin1(VERSION_NAME) + '\n', stdout);
        return 0;
    }
    for (const CHeadlessMode& mode : HeadlessModes())
    {
        if (!mode.m_pfnRequested(m_parser))
            continue;
        // No display is needed or wanted, whatever the environment offers; what Qt would say
        // about its set-up is no concern of the caller, who reads one line on failure.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(DropQtMessage);
        QGuiApplication app(argc, argv);
        return mode.m_pfnRun(m_parser);
    }
    if (m_parser.positionalArguments().size() > 1)
    {
        ReportFailure(m_parser.positionalArguments()[1], QStringLiteral("one test file at most"));
        return 1;
    }
    return std::nullopt;
}

void CCommandLine::OpenTestFile() const
{
    const QStringList astrFiles = m_parser.positionalArguments();
    if (!astrFiles.isEmpty() && theApp.m_pView != nullptr)
        theApp.m_pView->OpenTestFile(QFile::encodeName(astrFiles.front()).toStdString());
}
