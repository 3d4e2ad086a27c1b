#include "graph/xygraph.h"

int g_bMarkerShown = 0;
double g_dMarkerWind = EMPTY_SLOT;

namespace
{

constexpr COLORREF MARKER_COLOUR = 0x000080;

} // namespace

void xygraph::ShowSpeedMarker(CDC* pDC, double dWind, int bShow) const
{
    // The marker is drawn with exclusive-or: drawing it again at the same place removes it.
    if (g_bMarkerShown != 0)
    {
        if (g_dMarkerWind != EMPTY_SLOT && g_dMarkerWind != 0)
            DrawWindLine(pDC, g_dMarkerWind, R2_XORPEN, MARKER_COLOUR, PS_SOLID);
        g_dMarkerWind = EMPTY_SLOT;
    }
    if (bShow != 0 && dWind != 0)
    {
        DrawWindLine(pDC, dWind, R2_XORPEN, MARKER_COLOUR, PS_SOLID);
        g_dMarkerWind = dWind;
    }
    g_bMarkerShown = bShow;
}
