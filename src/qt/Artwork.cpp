#include "qt/Artwork.h"

// The resources live in a static library: nothing would pull their registration into the
// program unless something calls it.
static void RegisterArtwork()
{
    static const bool bRegistered = [] {
        Q_INIT_RESOURCE(Artwork);
        return true;
    }();
    (void)bRegistered;
}

QPixmap ToolbarStrip()
{
    RegisterArtwork();
    return QPixmap(QStringLiteral(":/zrv/toolbar.png"));
}

QPixmap ToolbarImage(int nIndex)
{
    return ToolbarStrip().copy(nIndex * TOOLBAR_IMAGE_SIZE, 0, TOOLBAR_IMAGE_SIZE,
                               TOOLBAR_IMAGE_SIZE);
}

QPixmap SplashPicture()
{
    RegisterArtwork();
    return QPixmap(QStringLiteral(":/zrv/splash.png"));
}

QIcon AppIcon()
{
    RegisterArtwork();
    return QIcon(QStringLiteral(":/zrv/icon.png"));
}
