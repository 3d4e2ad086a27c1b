#pragma once

#include "platform/UserInterface.h"

#include <QPixmap>
#include <QWidget>

// The splash window: the splash picture with the version line, centred on the screen, without
// caption or border, above every other window while it exists. It takes no input of its own;
// the application object removes it.
class CSplashScreen : public QWidget, public ISplashWindow
{
    Q_OBJECT

public:
    CSplashScreen();

    void ShowWindow() override;
    void UpdateWindow() override;
    void DestroyWindow() override;

    // Where the version line's text cell starts, in window pixels.
    static constexpr QPoint VERSION_POS{345, 177};
    static constexpr int VERSION_PIXELS = 17;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QPixmap m_bmSplash;
};
