#include "app/CommandIds.h"
#include "graph/CZRVView.h"
#include "graph/ViewCommands.h"

std::span<const CViewCommand> DialogCommands()
{
    static const CViewCommand aCommands[] = {
        {ID_CONFIGURE, &CZRVView::OnConfigure},
        {ID_AXIS, &CZRVView::OnAxis},
        {ID_AIR_DENSITY, &CZRVView::OnAirDensity},
        {ID_COM_PORT, &CZRVView::OnComPort},
    };
    return aCommands;
}
