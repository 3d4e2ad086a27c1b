#pragma once

#include <QApplication>
#include <QWidget>
#include <QWindow>

// Qt's own entry for a key the window system reports: it goes through the shortcut map
// first and then to the focus widget, exactly as a real key press does.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* pWindow, QEvent::Type type, int nKey,
                                    Qt::KeyboardModifiers modifiers, const QString& strText,
                                    bool bAutoRepeat, ushort nCount);

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
