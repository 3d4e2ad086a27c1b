#pragma once

#include "platform/DC.h"
#include "platform/ViewWindow.h"

// The framework side of a view: the window it is shown in and the messages it receives.
class CView
{
public:
    virtual ~CView() = default;

    // Called once the window exists, before it is first shown, and at every File New.
    virtual void OnInitialUpdate() {}
    // The paint message: the whole client area is drawn again.
    virtual void OnPaint() {}
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnTimer(int /*nIdEvent*/) {}
    virtual void OnLButtonDblClk(CPoint /*point*/) {}

    IViewWindow* m_pWnd = nullptr;
};
