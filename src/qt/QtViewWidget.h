#pragma once

#include "platform/View.h"
#include "platform/ViewWindow.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <map>

// The window of a view: it keeps the picture in an off-screen image of the client size,
// shows that image when painted, and gives the view contexts that draw into it. A new size
// means a new image and a full repaint by the view.
class CQtViewWidget : public QWidget, public IViewWindow
{
    Q_OBJECT

public:
    explicit CQtViewWidget(CView* pView, QWidget* pParent = nullptr);
    ~CQtViewWidget() override;

    CRect GetClientRect() const override;
    std::unique_ptr<CDC> GetClientDC() override;
    int SetTimer(int nId, int nElapseMs) override;
    void KillTimer(int nId) override;
    void SetStatusText(const std::string& strText) override;
    void SetZeroIndicator(bool bHeld) override;
    void Invalidate() override;

    const QImage& Image() const { return m_image; }
    const std::string& StatusText() const { return m_strStatus; }
    // Where pane 0 texts go besides StatusText (the main window's status bar).
    std::function<void(const std::string&)> m_fnStatus;
    // Where the "ZERO" pane's state goes (the main window's status bar).
    std::function<void(bool)> m_fnZeroIndicator;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

private:
    CView* m_pView;
    QImage m_image;
    std::string m_strStatus;
    bool m_bInvalid = false;        // the view draws the whole image again at the next paint
    std::map<int, int> m_mapTimers; // the view's timer id -> Qt's
};
