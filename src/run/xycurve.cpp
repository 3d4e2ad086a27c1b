#include "run/xycurve.h"

#include <algorithm>

xycurve::xycurve()
{
    std::fill(std::begin(m_adRun), std::end(m_adRun), EMPTY_SLOT);
    std::fill(std::begin(m_adOverlay), std::end(m_adOverlay), EMPTY_SLOT);
}

void xycurve::ClearOverlay()
{
    std::fill(std::begin(m_adOverlay), std::end(m_adOverlay), EMPTY_SLOT);
}
