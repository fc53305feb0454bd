#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures. The small ones are drawings compiled in under ":/app/"; the splash
// picture is painted here. Every pixmap is made for the given device pixel ratio, so it keeps its
// logical size and stays sharp on high-density screens.
namespace Pictures {

// The application icon (a magnifier over a folder), drawn from its SVG at any size and pixel ratio.
QIcon AppIcon();

// The picture at the start of the information bar: an "i" in a circle, 20 x 20.
QPixmap InfoBarPicture(qreal dpr = 1.0);

// The face of the round application button, 26 x 26.
QPixmap AppButtonPicture(qreal dpr = 1.0);

// The picture shown while the program starts, 545 x 201.
QPixmap SplashPicture(qreal dpr = 1.0);

// The splash picture's logical size.
inline constexpr int kSplashWidth = 545;
inline constexpr int kSplashHeight = 201;

} // namespace Pictures
