#pragma once

#include "FakeClock.h"
#include "FakeProfile.h"
#include "FakeSerial.h"
#include "FakeUserInterface.h"

#include "platform/Platform.h"

#include <gtest/gtest.h>

// Installs fresh fakes into g_platform and a fresh serial link for each test; checks at the
// end that every scripted answer was used.
class CFakePlatformTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CFakeProfile m_profile;
    CFakeSerialLayer m_serial;
    CFakeUserInterface m_ui;
    CFakeClock m_clock;
};

// The fakes with an instrument on COM3 answering as m_instrument says, the port open and the
// link marked alive.
class CLinkedPlatformTest : public CFakePlatformTest
{
protected:
    void SetUp() override;

    CFakeInstrument m_instrument;
    CFakeDevice* m_pDevice = nullptr;
};
