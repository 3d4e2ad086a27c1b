#include "qt/QtAppEvents.h"

#include "app/ZRVApp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace
{
// The input message an event stands for, or 0 for events that are no such input.
unsigned InputMessage(const QEvent* pEvent)
{
    switch (pEvent->type())
    {
    // Qt offers a key to the shortcut map before it becomes a key press, and an accelerator
    // never becomes one: the override query is the first sight of every key pressed.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        return static_cast<const QKeyEvent*>(pEvent)->modifiers() & Qt::AltModifier ? WM_SYSKEYDOWN
                                                                                    : WM_KEYDOWN;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: {
        const bool bClient = pEvent->type() == QEvent::MouseButtonPress;
        switch (static_cast<const QMouseEvent*>(pEvent)->button())
        {
        case Qt::LeftButton:
            return bClient ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
        case Qt::RightButton:
            return bClient ? WM_RBUTTONDOWN : WM_NCRBUTTONDOWN;
        case Qt::MiddleButton:
            return bClient ? WM_MBUTTONDOWN : WM_NCMBUTTONDOWN;
        default:
            return 0;
        }
    }
    default:
        return 0;
    }
}
} // namespace

CQtAppEvents::CQtAppEvents()
{
    m_idleTimer.setInterval(kIdleMs);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { OnIdleTimer(); });
    qApp->installEventFilter(this);
}

void CQtAppEvents::StartIdle()
{
    m_nIdleCount = 0;
    m_idleTimer.start();
}

void CQtAppEvents::OnIdleTimer()
{
    if (!theApp.OnIdle(m_nIdleCount++))
        m_idleTimer.stop();
}

bool CQtAppEvents::eventFilter(QObject* pObject, QEvent* pEvent)
{
    const unsigned nMessage = InputMessage(pEvent);
    auto* pWidget = qobject_cast<QWidget*>(pObject);
    if (nMessage == 0 || pWidget == nullptr)
        return false;
    const auto nTimestamp = static_cast<const QInputEvent*>(pEvent)->timestamp();
    if (nMessage == m_nLastMessage && nTimestamp == m_nLastTimestamp)
        return false;
    m_nLastMessage = nMessage;
    m_nLastTimestamp = nTimestamp;
    theApp.PreTranslateMessage(nMessage, pWidget->window()->windowType() == Qt::SplashScreen);
    StartIdle();
    return false;
}
