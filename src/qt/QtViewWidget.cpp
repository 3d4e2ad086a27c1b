#include "qt/QtViewWidget.h"

#include "qt/QtDC.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimerEvent>

CQtViewWidget::CQtViewWidget(CView* pView, QWidget* pParent) : QWidget(pParent), m_pView(pView)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_pView->m_pWnd = this;
}

CQtViewWidget::~CQtViewWidget()
{
    if (m_pView->m_pWnd == this)
        m_pView->m_pWnd = nullptr;
}

CRect CQtViewWidget::GetClientRect() const
{
    return {0, 0, width(), height()};
}

std::unique_ptr<CDC> CQtViewWidget::GetClientDC()
{
    return std::make_unique<CQtDC>(&m_image, false, [this] { update(); });
}

int CQtViewWidget::SetTimer(int nId, int nElapseMs)
{
    KillTimer(nId);
    int nQtId = startTimer(nElapseMs);
    if (nQtId == 0)
        return 0;
    m_mapTimers[nId] = nQtId;
    return nId;
}

void CQtViewWidget::KillTimer(int nId)
{
    auto it = m_mapTimers.find(nId);
    if (it == m_mapTimers.end())
        return;
    killTimer(it->second);
    m_mapTimers.erase(it);
}

void CQtViewWidget::SetStatusText(const std::string& strText)
{
    m_strStatus = strText;
    if (m_fnStatus)
        m_fnStatus(strText);
}

void CQtViewWidget::SetZeroIndicator(bool bHeld)
{
    if (m_fnZeroIndicator)
        m_fnZeroIndicator(bHeld);
}

void CQtViewWidget::Invalidate()
{
    m_bInvalid = true;
    update();
}

void CQtViewWidget::paintEvent(QPaintEvent* pEvent)
{
    if (m_bInvalid)
    {
        // Cleared first: the view's drawing asks for an update of its own.
        m_bInvalid = false;
        m_pView->OnPaint();
    }
    QPainter painter(this);
    painter.drawImage(pEvent->rect(), m_image, pEvent->rect());
}

void CQtViewWidget::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_pView->OnPaint();
}

void CQtViewWidget::timerEvent(QTimerEvent* pEvent)
{
    for (const auto& [nId, nQtId] : m_mapTimers)
    {
        if (nQtId == pEvent->timerId())
        {
            m_pView->OnTimer(nId);
            return;
        }
    }
    QWidget::timerEvent(pEvent);
}

void CQtViewWidget::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    // The view chooses a speed with the left button only; a right double-click is someone
    // looking for a menu.
    if (pEvent->button() != Qt::LeftButton)
    {
        QWidget::mouseDoubleClickEvent(pEvent);
        return;
    }
    QPoint pt = pEvent->position().toPoint();
    m_pView->OnLButtonDblClk({pt.x(), pt.y()});
}
