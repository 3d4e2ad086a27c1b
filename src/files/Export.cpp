#include "files/Export.h"

#include "files/CsvWriter.h"
#include "graph/CZRVView.h"
#include "platform/Picture.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace
{

constexpr CExportFormat FORMATS[] = {
    {EExportFormat::Csv, "csv", "CSV (*.csv)"},
    {EExportFormat::Png, "png", "PNG image (*.png)"},
    {EExportFormat::Svg, "svg", "SVG image (*.svg)"},
    {EExportFormat::Pdf, "pdf", "PDF document (*.pdf)"},
};

bool EndsWithNoCase(const std::string& str, const std::string& strEnd)
{
    return str.size() >= strEnd.size() &&
           std::equal(strEnd.begin(), strEnd.end(), str.end() - long(strEnd.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string DotExtension(const CExportFormat& format)
{
    return std::string(".") + format.m_pszExtension;
}

EPictureFormat PictureFormat(EExportFormat eFormat)
{
    switch (eFormat)
    {
    case EExportFormat::Svg:
        return EPictureFormat::Svg;
    case EExportFormat::Pdf:
        return EPictureFormat::Pdf;
    default:
        return EPictureFormat::Png;
    }
}

// The speed marker and the status line belong to the window. A picture drawn elsewhere
// starts with no marker to erase and says nothing on the status line; the window's marker
// state and its view are as they were afterwards.
class CWindowKept
{
public:
    explicit CWindowKept(IViewWindow*& pWnd)
        : m_pWndSlot(pWnd), m_pWnd(std::exchange(pWnd, nullptr)),
          m_bShown(std::exchange(g_bMarkerShown, 0)),
          m_dWind(std::exchange(g_dMarkerWind, EMPTY_SLOT))
    {
    }
    ~CWindowKept()
    {
        m_pWndSlot = m_pWnd;
        g_bMarkerShown = m_bShown;
        g_dMarkerWind = m_dWind;
    }
    CWindowKept(const CWindowKept&) = delete;
    CWindowKept& operator=(const CWindowKept&) = delete;

private:
    IViewWindow*& m_pWndSlot;
    IViewWindow* m_pWnd;
    int m_bShown;
    double m_dWind;
};

} // namespace

std::span<const CExportFormat> ExportFormats()
{
    return FORMATS;
}

std::optional<EExportFormat> ExportFormatOfPath(const std::string& strPath)
{
    for (const CExportFormat& format : FORMATS)
        if (EndsWithNoCase(strPath, DotExtension(format)))
            return format.m_eFormat;
    return std::nullopt;
}

std::string WithExportExtension(const std::string& strPath, EExportFormat eFormat)
{
    for (const CExportFormat& format : FORMATS)
        if (format.m_eFormat == eFormat && !EndsWithNoCase(strPath, DotExtension(format)))
            return strPath + DotExtension(format);
    return strPath;
}

std::string CZRVView::ExportBytes(EExportFormat eFormat, int nWidth, int nHeight)
{
    if (eFormat == EExportFormat::Csv)
        return FormatCsv(*this);
    if (g_platform.m_pPictures == nullptr)
        return {};
    std::unique_ptr<IPicture> pPicture =
        g_platform.m_pPictures->CreatePicture(PictureFormat(eFormat), nWidth, nHeight);
    if (pPicture == nullptr)
        return {};
    CWindowKept window(m_pWnd);
    // The page of a context is its whole size, as for the printer.
    OnPrint(pPicture->DC());
    return pPicture->Finish();
}
