#include "app/FramePlacement.h"

#include <gtest/gtest.h>

TEST(PlacementTest, MainWindowCoversNinetyNinePercentCentred)
{
    const struct
    {
        int cxScreen, cyScreen;
        int x, y, cx, cy;
    } aCases[] = {
        {1920, 1080, 9, 5, 1900, 1069}, {1366, 768, 6, 3, 1352, 760}, {1024, 768, 5, 3, 1013, 760},
        {800, 600, 3, 2, 792, 594},     {101, 101, 0, 0, 100, 100},
    };
    for (const auto& c : aCases)
    {
        const CRect rc = FramePlacement(c.cxScreen, c.cyScreen);
        EXPECT_EQ(rc, (CRect{c.x, c.y, c.x + c.cx, c.y + c.cy}))
            << c.cxScreen << " x " << c.cyScreen << " gave " << rc.Width() << " x " << rc.Height()
            << " at (" << rc.left << ", " << rc.top << ")";
    }
}
