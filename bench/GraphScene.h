#pragma once

#include "graph/CZRVView.h"
#include "platform/Platform.h"
#include "qt/QtClock.h"

#include <QGuiApplication>
#include <QImage>

#include <cmath>

// A test view with its graph reachable and a way to fill it with a plausible test.
class CSceneView : public CZRVView
{
public:
    xygraph& Graph() { return *this; }

    void ShowAllCurves()
    {
        for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            Series(nSeries).m_bShow = 1;
    }

    // Lift and drag grow with the square of the wind; the overlay is a slightly weaker
    // model. Cd and L/D follow from them as when recording. Slots from nFirst to nLast.
    void FillRun(int nFirst, int nLast, double dScale, bool bOverlay)
    {
        for (int k = nFirst; k <= nLast; ++k)
        {
            double dWind = k / 10.0;
            double dLift = dScale * 0.00024 * dWind * dWind * (1 + 0.05 * std::sin(k / 40.0));
            double dDrag = dScale * 0.00009 * dWind * dWind + 0.002;
            double dCd = dWind < 5.0 ? 0.0 : ComputeCd(dWind, dDrag);
            double dLD = dWind < 5.0 ? 0.0 : ComputeLD(dLift, dDrag);
            double adValue[SERIES_COUNT] = {dLift, dDrag, dCd, dLD};
            for (int nSeries = 0; nSeries < SERIES_COUNT; ++nSeries)
            {
                xycurve& curve = Series(nSeries);
                (bOverlay ? curve.m_adOverlay : curve.m_adRun)[k] = adValue[nSeries];
            }
        }
    }
};

// What the tools need of the platform: a clock for the readout throttle.
inline void InstallToolPlatform()
{
    static CQtClock s_clock;
    g_platform.m_pClock = &s_clock;
}

inline QImage NewScreenImage(int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
