#pragma once

#include "platform/Mapping.h"

// Where the main window goes on a screen of cxScreen x cyScreen pixels: about 99 % of the
// screen, centred. The rectangle's right and bottom are left + width and top + height.
CRect FramePlacement(int cxScreen, int cyScreen);
