#pragma once

#include "qt/QtDialogHost.h"

#include <QWidget>
#include <gtest/gtest.h>

// The control with id nId of a dialog shown by CQtDialogHost.
template <typename T>
T* Control(QWidget* pDialog, int nId)
{
    T* pControl = pDialog->findChild<T*>(CQtDialogHost::ControlName(nId));
    EXPECT_NE(pControl, nullptr) << "control " << nId;
    return pControl;
}
