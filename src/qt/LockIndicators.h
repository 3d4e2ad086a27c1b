#pragma once

#include <QString>

// The keyboard's lock states as the system's keyboard LEDs show them. Qt offers no portable
// way to read them; Linux publishes each LED as a directory "<device>::capslock" (numlock,
// scrolllock) holding "brightness", non-zero while the LED is lit. Where there is no such LED
// (a virtual display, another system) a lock reads as off.
class CLockIndicators
{
public:
    explicit CLockIndicators(QString strLedDir = QStringLiteral("/sys/class/leds"));

    bool CapsLock() const { return IsLit(QStringLiteral("capslock")); }
    bool NumLock() const { return IsLit(QStringLiteral("numlock")); }
    bool ScrollLock() const { return IsLit(QStringLiteral("scrolllock")); }

private:
    bool IsLit(const QString& strLed) const;

    QString m_strLedDir;
};
