#include "qt/SplashScreen.h"

#include "qt/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

CSplashScreen::CSplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bmSplash(SplashPicture())
{
    // The window takes the picture's size; on a smaller screen it starts off the edges.
    const int w = m_bmSplash.width();
    const int h = m_bmSplash.height();
    const QRect rcScreen = QGuiApplication::primaryScreen()->geometry();
    setFixedSize(w, h);
    move(rcScreen.left() + (rcScreen.width() - w) / 2,
         rcScreen.top() + (rcScreen.height() - h) / 2);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSplashScreen::ShowWindow()
{
    show();
}

void CSplashScreen::UpdateWindow()
{
    repaint();
}

void CSplashScreen::DestroyWindow()
{
    hide();
}

void CSplashScreen::paintEvent(QPaintEvent* /*pEvent*/)
{
    // The whole picture at every paint, whatever was invalidated.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bmSplash);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(VERSION_PIXELS);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(VERSION_POS, size()), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Version 4.01"));
}
