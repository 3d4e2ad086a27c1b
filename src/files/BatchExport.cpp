#include "files/BatchExport.h"

#include "files/Export.h"
#include "files/SafeSave.h"
#include "files/TestFileReader.h"
#include "graph/CZRVView.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace
{

constexpr int MIN_PICTURE_SIDE = 16;
constexpr int MAX_PICTURE_SIDE = 8000;

constexpr const char* CURVE_NAMES[SERIES_COUNT] = {"lift", "drag", "cd", "ld"};
constexpr const char* AXIS_NAMES[SERIES_COUNT] = {"wind", "force", "cd", "ld"};
// The highest index of each axis's step table (wind, force, Cd, L/D).
constexpr int MAX_INDEX[SERIES_COUNT] = {5, 6, 6, 6};

std::string Failure(const std::string& strPath, const char* pszReason)
{
    return "zorvantellique: " + strPath + ": " + pszReason;
}

// Splits "a,b,c" into its items; empty items stay.
std::vector<std::string_view> Items(std::string_view sv)
{
    std::vector<std::string_view> aItems;
    for (size_t nComma; (nComma = sv.find(',')) != std::string_view::npos;
         sv.remove_prefix(nComma + 1))
        aItems.push_back(sv.substr(0, nComma));
    aItems.push_back(sv);
    return aItems;
}

// A whole decimal integer in [nMin, nMax], nothing before or after it.
std::optional<int> IntIn(std::string_view sv, int nMin, int nMax)
{
    if (sv.empty() || sv.size() > 6 ||
        !std::all_of(sv.begin(), sv.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    int n = 0;
    for (char ch : sv)
        n = n * 10 + (ch - '0');
    if (n < nMin || n > nMax)
        return std::nullopt;
    return n;
}

int IndexOfName(const char* const (&apszNames)[SERIES_COUNT], std::string_view sv)
{
    for (int i = 0; i < SERIES_COUNT; ++i)
        if (sv == apszNames[i])
            return i;
    return -1;
}

// The test view with a test read from a file, for drawing without a window.
class CBatchView : public CZRVView
{
public:
    // Reads the test; null on success, else the reason.
    const char* Load(const std::string& strPath)
    {
        std::error_code ec;
        if (!fs::exists(strPath, ec))
            return "not found";
        if (fs::is_directory(strPath, ec))
            return "cannot be read";
        std::ifstream file(strPath, std::ios::binary);
        if (!file)
            return "cannot be read";
        EReadResult eResult = ReadTestFile(file, *this);
        if (eResult == EReadResult::Read && !HasStandardDensity())
        {
            // Cd depends on the density of the units the file is in: read it again with it.
            g_dAirDensity = StandardDensity();
            file.clear();
            file.seekg(0);
            eResult = ReadTestFile(file, *this);
        }
        if (eResult == EReadResult::NotTestFile)
            return "not a test file";
        return eResult == EReadResult::Read ? nullptr : "cannot be read";
    }

    // The run becomes the overlay, as Set Overlay leaves it.
    void RunToOverlay() { MoveRunToOverlay(); }

    void Show(const int (&abShow)[SERIES_COUNT])
    {
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            Series(nSeries).m_bShow = abShow[nSeries];
    }

    // The given indexes; for 0 the smallest range of the axis's table that holds the data.
    void Scale(const int (&anScale)[SERIES_COUNT])
    {
        ApplyUnitRanges();
        void (xygraph::*apfnSet[SERIES_COUNT])(int) = {&xygraph::SetWindScale,
                                                       &xygraph::SetForceScale,
                                                       &xygraph::SetCdScale, &xygraph::SetLDScale};
        const xyaxis* apAxis[SERIES_COUNT] = {&m_axWind, &m_axForce, &m_axCd, &m_axLD};
        const double adTop[SERIES_COUNT] = {TopWind(), std::max(Top(0), Top(1)), Top(2), Top(3)};
        for (int i = 0; i < SERIES_COUNT; ++i)
        {
            int nIndex = anScale[i];
            if (nIndex == 0)
            {
                nIndex = 1;
                while (nIndex < MAX_INDEX[i] && adTop[i] <= apAxis[i]->m_dMax / (2 << (nIndex - 1)))
                    ++nIndex;
            }
            (this->*apfnSet[i])(nIndex);
        }
    }

private:
    double StandardDensity() const
    {
        return m_nUnits != 0 ? STANDARD_AIR_DENSITY : STANDARD_AIR_DENSITY / KGM3_TO_LBFT3;
    }
    bool HasStandardDensity() const { return g_dAirDensity == StandardDensity(); }

    // Each filled slot of a shown curve, run and overlay.
    template <class TFn>
    void ForShownSlots(int nSeries, TFn fn) const
    {
        const xycurve& curve = Series(nSeries);
        if (curve.m_bShow == 0)
            return;
        for (int k = 0; k < RUN_SLOTS; ++k)
            for (double dValue : {curve.m_adRun[k], curve.m_adOverlay[k]})
                if (dValue != EMPTY_SLOT)
                    fn(k, dValue);
    }
    // The largest magnitude a series shows (curves are drawn mirrored), 0 for none.
    double Top(int nSeries) const
    {
        double dTop = 0.0;
        ForShownSlots(nSeries,
                      [&](int, double dValue) { dTop = std::max(dTop, std::fabs(dValue)); });
        return dTop;
    }
    double TopWind() const
    {
        int nLast = 0;
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            ForShownSlots(nSeries, [&](int k, double) { nLast = std::max(nLast, k); });
        return nLast / 10.0;
    }
};

} // namespace

std::string ParseSize(const std::string& strValue, CExportRequest& request)
{
    size_t nX = strValue.find('x');
    std::optional<int> nWidth, nHeight;
    if (nX != std::string::npos)
    {
        nWidth =
            IntIn(std::string_view(strValue).substr(0, nX), MIN_PICTURE_SIDE, MAX_PICTURE_SIDE);
        nHeight =
            IntIn(std::string_view(strValue).substr(nX + 1), MIN_PICTURE_SIDE, MAX_PICTURE_SIDE);
    }
    if (!nWidth || !nHeight)
        return "not WIDTHxHEIGHT with each side 16 to 8000 pixels";
    request.m_nWidth = *nWidth;
    request.m_nHeight = *nHeight;
    return {};
}

std::string ParseCurves(const std::string& strValue, CExportRequest& request)
{
    int abShow[SERIES_COUNT] = {};
    for (std::string_view svItem : Items(strValue))
    {
        int i = IndexOfName(CURVE_NAMES, svItem);
        if (i < 0)
            return "not a list of lift, drag, cd and ld";
        abShow[i] = 1;
    }
    std::copy(std::begin(abShow), std::end(abShow), request.m_abShow);
    return {};
}

std::string ParseScales(const std::string& strValue, CExportRequest& request)
{
    int anScale[SERIES_COUNT];
    std::copy(std::begin(request.m_anScale), std::end(request.m_anScale), anScale);
    for (std::string_view svItem : Items(strValue))
    {
        size_t nEquals = svItem.find('=');
        int i = nEquals == std::string_view::npos
                    ? -1
                    : IndexOfName(AXIS_NAMES, svItem.substr(0, nEquals));
        std::optional<int> nIndex;
        if (i >= 0)
            nIndex = IntIn(svItem.substr(nEquals + 1), 1, MAX_INDEX[i]);
        if (!nIndex)
            return "not a list of wind=1..5, force=1..6, cd=1..6 and ld=1..6";
        anScale[i] = *nIndex;
    }
    std::copy(std::begin(anScale), std::end(anScale), request.m_anScale);
    return {};
}

std::string RunExport(const CExportRequest& request)
{
    std::optional<EExportFormat> eFormat = ExportFormatOfPath(request.m_strOut);
    if (!eFormat)
        return Failure(request.m_strOut, "unknown format");
    CBatchView view;
    if (!request.m_strOverlay.empty())
    {
        if (const char* pszReason = view.Load(request.m_strOverlay))
            return Failure(request.m_strOverlay, pszReason);
        view.RunToOverlay();
    }
    if (const char* pszReason = view.Load(request.m_strTest))
        return Failure(request.m_strTest, pszReason);
    view.Show(request.m_abShow);
    view.Scale(request.m_anScale);
    std::string strBytes =
        view.ExportBytes(*eFormat, request.m_nWidth > 0 ? request.m_nWidth : DEFAULT_PICTURE_WIDTH,
                         request.m_nHeight > 0 ? request.m_nHeight : DEFAULT_PICTURE_HEIGHT);
    if (strBytes.empty() || SaveReplacing(request.m_strOut, strBytes) != ESaveResult::Saved)
        return Failure(request.m_strOut, "cannot write");
    return {};
}
