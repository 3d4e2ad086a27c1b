#include "qt/SplashScreen.h"

#include "qt/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

CSplashScreen::CSplashScreen(QWidget* pKeysTo)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_pKeysTo(pKeysTo), m_bmSplash(SplashPicture())
{
    // Keys stay with the main window: a key pressed while the splash shows is meant for it.
    setAttribute(Qt::WA_ShowWithoutActivating);
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

bool CSplashScreen::event(QEvent* pEvent)
{
    // Some window systems activate a new window whatever it asks for; keys sent here would be
    // lost to the program.
    if (pEvent->type() == QEvent::WindowActivate && m_pKeysTo != nullptr)
        m_pKeysTo->activateWindow();
    return QWidget::event(pEvent);
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
