#pragma once

#include <QObject>
#include <QTimer>

class QInputEvent;

// Gives the application object what a desktop message loop gives it: every input message
// before it is dispatched (PreTranslateMessage) and idle time while it asks for more
// (OnIdle). Input starts a new round of idle calls, as a message does.
class CQtAppEvents : public QObject
{
public:
    static constexpr int kIdleMs = 20; // between idle calls while the application wants them

    CQtAppEvents();
    // Starts a round of idle calls; they go on while OnIdle returns true.
    void StartIdle();

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void OnIdleTimer();

    QTimer m_idleTimer;
    int m_nIdleCount = 0;
    // An input event passes the filter once for each object it propagates through, and a key
    // comes as the shortcut map's query and then as a key press; each is handed on once.
    unsigned m_nLastMessage = 0;
    unsigned long long m_nLastTimestamp = 0;
};
