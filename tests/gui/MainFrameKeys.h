#pragma once

#include <QApplication>
#include <QWidget>
#include <QWindow>

// Qt's own entry for a key the window system reports: it goes through the shortcut map
// first and then to the focus widget, exactly as a real key press does.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* pWindow, QEvent::Type type, int nKey,
                                    Qt::KeyboardModifiers modifiers, const QString& strText,
                                    bool bAutoRepeat, ushort nCount);
// The same for the mouse: Qt makes double-clicks, activation and focus from these.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* pWindow, const QPointF& ptLocal,
                                      const QPointF& ptGlobal, Qt::MouseButtons state,
                                      Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers modifiers, int nTimestamp);

// Makes the widget's window the active one, as a click on it would.
inline bool Activate(QWidget* pWidget)
{
    pWidget->show();
    pWidget->activateWindow();
    QApplication::setActiveWindow(pWidget->window());
    QApplication::processEvents();
    return QApplication::activeWindow() == pWidget->window();
}

// Presses and releases a key on the window as the user would.
inline void TypeKey(QWidget* pWidget, int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWindow* pWindow = pWidget->window()->windowHandle();
    // The text a plain key types: letters in lower case unless shifted, digits, Enter.
    QString strText;
    const bool bPlain = (modifiers & ~Qt::ShiftModifier) == 0;
    if (bPlain && nKey >= Qt::Key_A && nKey <= Qt::Key_Z)
        strText = QChar(modifiers & Qt::ShiftModifier ? nKey : nKey + ('a' - 'A'));
    else if (bPlain && nKey >= Qt::Key_Space && nKey <= Qt::Key_AsciiTilde)
        strText = QChar(nKey);
    else if (nKey == Qt::Key_Return)
        strText = QStringLiteral("\r");
    qt_handleKeyEvent(pWindow, QEvent::KeyPress, nKey, modifiers, strText, false, 1);
    qt_handleKeyEvent(pWindow, QEvent::KeyRelease, nKey, modifiers, strText, false, 1);
}

// Presses and releases a mouse button at pt of the widget, nClicks times in quick succession
// (2: a double-click), as the window system reports it.
inline void ClickMouse(QWidget* pWidget, QPoint pt, Qt::MouseButton button, int nClicks = 1)
{
    // Qt tells a double-click from two clicks by the time between them: every call starts
    // well after the last one ended.
    static int s_nTimestamp = 0;
    s_nTimestamp += 100000;
    QWindow* pWindow = pWidget->window()->windowHandle();
    const QPointF ptLocal = pWidget->mapTo(pWidget->window(), pt);
    const QPointF ptGlobal = pWidget->mapToGlobal(pt);
    for (int i = 0; i < nClicks; ++i)
    {
        qt_handleMouseEvent(pWindow, ptLocal, ptGlobal, button, button, QEvent::MouseButtonPress,
                            Qt::NoModifier, ++s_nTimestamp);
        qt_handleMouseEvent(pWindow, ptLocal, ptGlobal, Qt::NoButton, button,
                            QEvent::MouseButtonRelease, Qt::NoModifier, ++s_nTimestamp);
    }
}
