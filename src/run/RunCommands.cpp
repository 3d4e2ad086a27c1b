#include "app/CommandIds.h"
#include "graph/CZRVView.h"
#include "graph/ViewCommands.h"

std::span<const CViewCommand> RunCommands()
{
    static const CViewCommand aCommands[] = {
        {ID_SET_WIND_SPEED, &CZRVView::OnSetWindSpeed}, {ID_WIND_UP_1, &CZRVView::OnWindUp1},
        {ID_WIND_UP_5, &CZRVView::OnWindUp5},           {ID_WIND_DOWN_5, &CZRVView::OnWindDown5},
        {ID_WIND_DOWN_1, &CZRVView::OnWindDown1},       {ID_STOP_WIND, &CZRVView::OnStopWind},
        {ID_ZERO_FORCES, &CZRVView::OnZeroForces},      {ID_SWEEP, &CZRVView::OnSweep},
        {ID_SWEEP_RESULTS, &CZRVView::OnSweepResults},  {ID_SWEEP_ESCAPE, &CZRVView::OnEscape},
    };
    return aCommands;
}
