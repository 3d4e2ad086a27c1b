#include "app/CommandIds.h"
#include "graph/CZRVView.h"
#include "graph/ViewCommands.h"

std::span<const CViewCommand> GraphCommands()
{
    static const CViewCommand aCommands[] = {
        {ID_CLEAR_GRAPH, &CZRVView::OnClearGraph},
    };
    return aCommands;
}
