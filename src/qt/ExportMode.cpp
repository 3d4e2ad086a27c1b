#include "qt/ExportMode.h"

#include "files/BatchExport.h"
#include "platform/Platform.h"
#include "qt/QtPictures.h"

#include <QFile>

#include <cstdio>

namespace
{

const QString EXPORT = QStringLiteral("export");
const QString SIZE = QStringLiteral("size");
const QString OVERLAY = QStringLiteral("overlay");
const QString CURVES = QStringLiteral("curves");
const QString SCALE = QStringLiteral("scale");

std::string PathOf(const QString& strPath)
{
    return QFile::encodeName(strPath).toStdString();
}

void AddExportOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {EXPORT,
         QStringLiteral("Writes OUT from FILE.ZRV without a window, in the format of OUT's "
                        "extension: .csv, .png, .svg or .pdf."),
         QStringLiteral("OUT")},
        {SIZE, QStringLiteral("Size of a PNG or SVG in pixels (default 1600x1000)."),
         QStringLiteral("WIDTHxHEIGHT")},
        {OVERLAY, QStringLiteral("Draws another test as the overlay."),
         QStringLiteral("OTHER.ZRV")},
        {CURVES, QStringLiteral("The curves shown (default lift,drag)."),
         QStringLiteral("lift,drag,cd,ld")},
        {SCALE,
         QStringLiteral("Scale indexes of the axes, as in the Axis dialog (default: the "
                        "smallest range that holds the data)."),
         QStringLiteral("wind=N,force=N,cd=N,ld=N")},
    });
}

bool ExportRequested(const QCommandLineParser& parser)
{
    return parser.isSet(EXPORT);
}

int RunExportMode(const QCommandLineParser& parser)
{
    const QStringList astrFiles = parser.positionalArguments();
    if (astrFiles.size() != 1)
    {
        ReportFailure("--" + EXPORT, QStringLiteral("needs one test file: --export OUT FILE.ZRV"));
        return 1;
    }
    CExportRequest request;
    request.m_strOut = PathOf(parser.value(EXPORT));
    request.m_strTest = PathOf(astrFiles.front());
    if (parser.isSet(OVERLAY))
        request.m_strOverlay = PathOf(parser.value(OVERLAY));
    const auto fnInto = [&request](std::string (*pfnParse)(const std::string&, CExportRequest&)) {
        return [&request, pfnParse](const std::string& strValue) {
            return pfnParse(strValue, request);
        };
    };
    QString strError;
    if (!ReadOptionValue(parser, SIZE, fnInto(ParseSize), strError) ||
        !ReadOptionValue(parser, CURVES, fnInto(ParseCurves), strError) ||
        !ReadOptionValue(parser, SCALE, fnInto(ParseScales), strError))
    {
        ReportLine(strError.toStdString());
        return 1;
    }

    CQtPictureMaker pictures;
    g_platform.m_pPictures = &pictures;
    const std::string strFailure = RunExport(request);
    g_platform.m_pPictures = nullptr;
    if (strFailure.empty())
        return 0;
    std::fprintf(stderr, "%s\n", strFailure.c_str());
    return 1;
}

} // namespace

CHeadlessMode ExportMode()
{
    return {AddExportOptions, ExportRequested, RunExportMode};
}
