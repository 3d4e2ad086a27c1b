#pragma once

#include <span>

class CZRVView;

// One entry of the view's message map: a command id and the handler that takes it.
struct CViewCommand
{
    int m_nId;
    void (CZRVView::*m_pfnHandler)();
};

// Each subsystem lists the view commands it handles, next to its handlers.
std::span<const CViewCommand> GraphCommands();  // src/graph
std::span<const CViewCommand> RunCommands();    // src/run
std::span<const CViewCommand> FileCommands();   // src/files
std::span<const CViewCommand> DialogCommands(); // src/dialogs
