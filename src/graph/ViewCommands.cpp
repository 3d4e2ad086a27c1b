#include "graph/ViewCommands.h"

#include "graph/CZRVView.h"

bool CZRVView::OnCmdMsg(int nId)
{
    for (auto fnTable : {GraphCommands, RunCommands, FileCommands, DialogCommands})
    {
        for (const CViewCommand& command : fnTable())
        {
            if (command.m_nId == nId)
            {
                (this->*command.m_pfnHandler)();
                return true;
            }
        }
    }
    return false;
}
