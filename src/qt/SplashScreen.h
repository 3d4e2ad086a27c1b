#pragma once

#include "platform/UserInterface.h"

#include <QPixmap>
#include <QWidget>

// The splash window: the splash picture with the version line, centred on the screen, without
// caption or border, above every other window while it exists. It never keeps the focus: keys
// pressed while it shows go to the main window. It takes no input of its own; the application
// object removes it.
class CSplashScreen : public QWidget, public ISplashWindow
{
    Q_OBJECT

public:
    // pKeysTo, when given, is the window that takes the activation back should the window
    // system activate the splash all the same.
    explicit CSplashScreen(QWidget* pKeysTo = nullptr);

    void ShowWindow() override;
    void UpdateWindow() override;
    void DestroyWindow() override;

    // Where the version line's text cell starts, in window pixels.
    static constexpr QPoint VERSION_POS{345, 177};
    static constexpr int VERSION_PIXELS = 17;

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QWidget* m_pKeysTo;
    QPixmap m_bmSplash;
};
