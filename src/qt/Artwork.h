#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, built into it (resources/, drawn by resources/MakeArtwork.cpp).

// Ten 50 x 50 toolbar images side by side, in the order of the toolbar's buttons.
QPixmap ToolbarStrip();
// The toolbar image of the nIndex-th button that is not a separator.
QPixmap ToolbarImage(int nIndex);
// The splash picture, 518 x 302.
QPixmap SplashPicture();
QIcon AppIcon();

constexpr int TOOLBAR_IMAGE_SIZE = 50;
