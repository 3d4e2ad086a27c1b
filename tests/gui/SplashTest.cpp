// The splash window: its picture, size, place and version line.
#include "qt/Artwork.h"
#include "qt/QtUserInterface.h"
#include "qt/SplashScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

TEST(SplashTest, PictureSizedAndCentredWithoutFrameAboveAll)
{
    CQtUserInterface ui;
    std::unique_ptr<ISplashWindow> pSplash = ui.CreateSplash();
    auto* pWindow = dynamic_cast<CSplashScreen*>(pSplash.get());
    ASSERT_NE(pWindow, nullptr);
    EXPECT_EQ(SplashPicture().size(), QSize(518, 302));
    EXPECT_EQ(pWindow->size(), QSize(518, 302));
    const QRect rcScreen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(pWindow->pos(), QPoint((rcScreen.width() - 518) / 2, (rcScreen.height() - 302) / 2));
    EXPECT_EQ(pWindow->windowType(), Qt::SplashScreen);
    EXPECT_TRUE(pWindow->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(pWindow->windowFlags() & Qt::WindowStaysOnTopHint);

    EXPECT_FALSE(pWindow->isVisible());
    pSplash->ShowWindow();
    pSplash->UpdateWindow();
    EXPECT_TRUE(pWindow->isVisible());
    pSplash->DestroyWindow();
    EXPECT_FALSE(pWindow->isVisible());
}

TEST(SplashTest, VersionLineIsTheOnlyThingDrawnOverThePicture)
{
    CSplashScreen splash;
    const QImage shown = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = SplashPicture().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), picture.size());
    QRect rcChanged;
    int nDark = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != picture.pixel(x, y))
            {
                rcChanged |= QRect(x, y, 1, 1);
                nDark += qGray(shown.pixel(x, y)) < 64;
            }
    // Black text of 17 pixels whose cell starts at (345, 177).
    ASSERT_FALSE(rcChanged.isEmpty());
    EXPECT_GE(rcChanged.left(), 345);
    EXPECT_LE(rcChanged.left(), 348);
    EXPECT_GE(rcChanged.top(), 177);
    EXPECT_LE(rcChanged.bottom(), 177 + 17 + 4);
    EXPECT_GT(rcChanged.width(), 60) << "\"Version 4.01\" in a 17-pixel face";
    EXPECT_LT(rcChanged.width(), 120);
    EXPECT_GT(nDark, 50);
}
