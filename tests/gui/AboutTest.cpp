// The About box through the real dialog host.
#include "ModalDriver.h"

#include "app/CommandIds.h"
#include "app/ZRVApp.h"
#include "platform/Platform.h"
#include "qt/QtDialogHost.h"
#include "qt/QtUserInterface.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(AboutTest, ShowsIconProductAndVersionAndClosesWithOk)
{
    CQtUserInterface ui;
    const CPlatform oldPlatform = g_platform;
    g_platform.m_pUi = &ui;
    bool bSeen = false;
    for (int nId : {ID_APP_ABOUT, ID_MENU_ABOUT})
    {
        WhenModal([&](QWidget* pModal) {
            bSeen = true;
            EXPECT_EQ(pModal->windowTitle(), "About Zorvantellique");
            auto* pLine = pModal->findChild<QLabel*>(CQtDialogHost::ControlName(1035));
            ASSERT_NE(pLine, nullptr);
            EXPECT_EQ(pLine->text(), "Zorvantellique  Version 4.01");
            bool bIcon = false;
            for (QLabel* pLabel : pModal->findChildren<QLabel*>())
                bIcon |= !pLabel->pixmap().isNull();
            EXPECT_TRUE(bIcon) << "the application's icon";
            auto* pOk = pModal->findChild<QPushButton*>(CQtDialogHost::ControlName(IDOK));
            ASSERT_NE(pOk, nullptr);
            EXPECT_TRUE(pOk->isDefault());
            pOk->click();
        });
        EXPECT_TRUE(theApp.OnCmdMsg(nId));
        EXPECT_TRUE(bSeen) << nId;
        bSeen = false;
    }
    g_platform = oldPlatform;
}
