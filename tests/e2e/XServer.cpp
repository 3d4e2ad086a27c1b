#include "XServer.h"

#include "SimProcess.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

// Xlib last: its macros (None, Status, Bool) would clash with Qt's names.
#include <X11/Xlib.h>

CXServer::~CXServer()
{
    EndProcess(m_xvfb);
}

bool CXServer::Start()
{
    // Xvfb picks a free display and writes its number to the descriptor given.
    m_xvfb.start(QStringLiteral("Xvfb"),
                 {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!m_xvfb.waitForStarted(5000))
        return false;
    QByteArray number;
    QDeadlineTimer deadline(10000);
    while (!number.contains('\n') && !deadline.hasExpired() && m_xvfb.state() == QProcess::Running)
    {
        m_xvfb.waitForReadyRead(100);
        number += m_xvfb.readAllStandardOutput();
    }
    if (!number.contains('\n'))
        return false;
    m_strDisplay = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    return true;
}

QString CXServer::XDoTool(const QStringList& astrArguments, int nMs) const
{
    QProcess xdotool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_strDisplay);
    xdotool.setProcessEnvironment(env);
    xdotool.start(QStringLiteral("xdotool"), astrArguments);
    if (!xdotool.waitForFinished(nMs))
        EndProcess(xdotool);
    return QString::fromLocal8Bit(xdotool.readAllStandardOutput());
}

unsigned long CXServer::WindowNamed(const QString& strPattern, int nCount, int nMs) const
{
    QDeadlineTimer deadline(nMs);
    do
    {
        const QStringList astrIds = XDoTool({"search", "--onlyvisible", "--name", strPattern})
                                        .split('\n', Qt::SkipEmptyParts);
        if (astrIds.size() >= nCount)
        {
            unsigned long nNewest = 0;
            for (const QString& strId : astrIds)
                nNewest = std::max(nNewest, strId.toULong());
            return nNewest;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return 0;
}

bool CXServer::TypeKeys(unsigned long nWindow, const QStringList& astrKeys) const
{
    if (nWindow == 0)
        return false;
    XDoTool({"windowfocus", "--sync", QString::number(nWindow)});
    XDoTool(QStringList{"key", "--delay", "50"} + astrKeys);
    return true;
}

bool CXServer::Close(unsigned long nWindow) const
{
    ::Display* pDisplay = XOpenDisplay(m_strDisplay.toLocal8Bit().constData());
    if (pDisplay == nullptr)
        return false;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = nWindow;
    event.xclient.message_type = XInternAtom(pDisplay, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(pDisplay, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool bSent = XSendEvent(pDisplay, nWindow, False, NoEventMask, &event) != 0;
    XSync(pDisplay, False);
    XCloseDisplay(pDisplay);
    return bSent;
}
