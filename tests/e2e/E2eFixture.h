#pragma once

#include "FakeProfile.h"
#include "SimProcess.h"

#include "link/CommLink.h"
#include "platform/Platform.h"
#include "qt/QtClock.h"
#include "qt/QtSerialLayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

// The real serial layer and clock with the ports of a scratch directory (ZRV_PORTS), a fresh
// link, the user interface TUserInterface and an in-memory profile; zrv-sim started on demand.
// Everything the test changed is put back at the end.
template <class TUserInterface>
class CSimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_strOldPorts = qgetenv("ZRV_PORTS");
        qputenv("ZRV_PORTS", m_dir.path().toLocal8Bit());
        m_oldPlatform = g_platform;
        g_platform = {&m_profile, &m_serial, &m_ui, &m_clock};
        theCommLink = CCommLink();
    }
    void TearDown() override
    {
        theCommLink = CCommLink(); // closes the port before the instrument goes
        m_sim.Stop();
        g_platform = m_oldPlatform;
        qputenv("ZRV_PORTS", m_strOldPorts);
    }

    // The instrument on COM3 of the test's own ports directory, its fan without lag, logging
    // what it receives.
    void StartSim(QStringList astrOptions = {})
    {
        astrOptions << "--ports-dir" << m_dir.path() << "--port"
                    << "3"
                    << "--lag"
                    << "0"
                    << "--log" << m_dir.filePath("received.log");
        ASSERT_TRUE(m_sim.Start(astrOptions));
    }
    // SetUp, then the "V6" instrument on COM3 whose fan follows at once, as start-up finds
    // it; false when either failed.
    bool SetUpWithV6()
    {
        CSimTest::SetUp();
        if (!HasFatalFailure())
            StartSim({"--model", "2"});
        return !HasFatalFailure();
    }
    // Every byte the instrument received.
    std::string ReceivedBytes() const
    {
        QFile file(m_dir.filePath("received.log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QTemporaryDir m_dir;
    QByteArray m_strOldPorts;
    CPlatform m_oldPlatform;
    CFakeProfile m_profile;
    CQtSerialLayer m_serial;
    TUserInterface m_ui;
    CQtClock m_clock;
    CSimProcess m_sim;
};
