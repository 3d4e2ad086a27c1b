#include "app/FramePlacement.h"

CRect FramePlacement(int cxScreen, int cyScreen)
{
    // Each step truncates, in this order; the margins are what 1 % of the size gives back.
    const int cy = static_cast<int>(cyScreen / 1.01);
    const int cx = static_cast<int>(cxScreen / 1.01);
    const int y = static_cast<int>(cy * 1.01 - cy) / 2;
    const int x = static_cast<int>(cx * 1.01 - cx) / 2;
    return {x, y, x + cx, y + cy};
}
