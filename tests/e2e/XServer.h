#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A virtual X server (Xvfb) for the tests that need a real window system around the program:
// keys typed through XTEST by xdotool, and a window closed the way a window manager does it.
class CXServer
{
public:
    ~CXServer();

    // Starts Xvfb on a free display; false when it could not.
    bool Start();
    // ":N", for DISPLAY.
    const QString& Display() const { return m_strDisplay; }
    // Runs xdotool on this display; its standard output.
    QString XDoTool(const QStringList& astrArguments, int nMs = 10000) const;
    // The newest of at least nCount visible windows whose caption matches, waiting up to nMs
    // for them; 0 when they did not come. (A client numbers its windows upwards: a message box
    // comes after the main window below it.)
    unsigned long WindowNamed(const QString& strPattern, int nCount = 1, int nMs = 10000) const;
    // Types keys (xdotool names: "Prior", "Return", "n") into the window, focused first.
    bool TypeKeys(unsigned long nWindow, const QStringList& astrKeys) const;
    // What a window manager sends when its close button is pressed: WM_DELETE_WINDOW.
    bool Close(unsigned long nWindow) const;

private:
    QProcess m_xvfb;
    QString m_strDisplay;
};
