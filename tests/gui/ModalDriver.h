#pragma once

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Plays the user of a modal window: once a modal window other than pBelow is up, fnAct runs
// inside its event loop. When none comes within the time limit, or fnAct leaves its window
// open, the window is closed and the test fails: nothing here can hang.
inline void WhenModal(std::function<void(QWidget*)> fnAct, QWidget* pBelow = nullptr)
{
    constexpr int kPollMs = 5;
    constexpr int kLimitMs = 10000;
    auto* pTimer = new QTimer;
    auto nWaited = std::make_shared<int>(0);
    QObject::connect(pTimer, &QTimer::timeout, [=] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal != nullptr && pModal != pBelow && pModal->isVisible())
        {
            pTimer->stop();
            pTimer->deleteLater();
            fnAct(pModal);
            if (pModal->isVisible() && QApplication::activeModalWidget() == pModal)
                QTimer::singleShot(kLimitMs, pModal, [pModal] {
                    ADD_FAILURE() << "modal window left open";
                    if (auto* pDialog = qobject_cast<QDialog*>(pModal))
                        pDialog->done(QDialog::Rejected);
                    else
                        pModal->close();
                });
            return;
        }
        if ((*nWaited += kPollMs) >= kLimitMs)
        {
            pTimer->stop();
            pTimer->deleteLater();
            ADD_FAILURE() << "no modal window came up";
        }
    });
    pTimer->start(kPollMs);
}

inline void PressKey(QWidget* pTarget, int nKey)
{
    QKeyEvent press(QEvent::KeyPress, nKey, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &press);
    QKeyEvent release(QEvent::KeyRelease, nKey, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &release);
}
