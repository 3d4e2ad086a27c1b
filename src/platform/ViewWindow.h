#pragma once

#include "platform/DC.h"

#include <memory>
#include <string>

// The window a view lives in, as the view sees it.
class IViewWindow
{
public:
    virtual ~IViewWindow() = default;
    // The client rectangle in device pixels; left and top are 0.
    virtual CRect GetClientRect() const = 0;
    // A context on the client area, valid until released; what is drawn through it shows in
    // the window.
    virtual std::unique_ptr<CDC> GetClientDC() = 0;
    // Starts (or restarts) timer nId with a period in milliseconds; returns nId, 0 on failure.
    virtual int SetTimer(int nId, int nElapseMs) = 0;
    virtual void KillTimer(int nId) = 0;
    // Marks the whole client area as out of date: the view's OnPaint draws it again at the
    // next paint, after the current command.
    virtual void Invalidate() = 0;
    // Pane 0 of the main window's status bar.
    virtual void SetStatusText(const std::string& strText) = 0;
    // The status bar's "ZERO" pane: shown while the balance's zero offsets are held.
    virtual void SetZeroIndicator(bool bHeld) = 0;
};
