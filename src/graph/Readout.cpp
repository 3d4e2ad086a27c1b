#include "graph/CZRVView.h"
#include "graph/FixedFormat.h"
#include "link/CommLink.h"

namespace
{

// Cd and L/D at or above this have no value to show.
constexpr double UNDEFINED_RATIO = 99999.9;

void AppendRatio(CBoundedText<STATUS_TEXT_SIZE>& text, const char* pszLabel, double dValue)
{
    text.Append(pszLabel);
    text.Append(dValue < UNDEFINED_RATIO ? FormatFixed(dValue, 4, 4) : "******");
}

} // namespace

void CZRVView::ShowReadout(double dWind, double dLift, double dDrag, double dCd, double dLD)
{
    // The "V6" instrument resolves a tenth of a milli-unit more.
    int nPrecision = theCommLink.m_nModel == 2 ? 4 : 3;
    bool bEnglish = m_nUnits != 0;
    CBoundedText<STATUS_TEXT_SIZE> text;
    text.Append(theCommLink.m_bRunning != 0 ? "RUNNING - " : "STOPPED - ");
    text.Append("Wind Speed: ");
    text.Append(FormatFixed(dWind, 4, 1));
    text.Append(bEnglish ? " MPH., Lift: " : " KPH., Lift: ");
    text.Append(FormatFixed(dLift, 4, nPrecision, true));
    text.Append(bEnglish ? " lbs., Drag: " : " kg., Drag: ");
    text.Append(FormatFixed(dDrag, 4, nPrecision));
    text.Append(bEnglish ? " lbs." : " kg.");
    if (m_curCd.m_bShow != 0)
        AppendRatio(text, ", Cd: ", dCd);
    if (m_curLD.m_bShow != 0)
        AppendRatio(text, ", L/D: ", dLD);
    SetStatusText(text.c_str());
}

void CZRVView::SetStatusText(const std::string& strText)
{
    if (m_pWnd != nullptr)
        m_pWnd->SetStatusText(strText);
}
