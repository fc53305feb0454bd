#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the main window goes: the first window fits the screen, and a remembered place that no
// screen shows any more is brought back.
namespace WindowPlacement {

// The smallest main window that still shows every part usefully.
constexpr QSize kMinimumSize(640, 480);
// The first window takes at most this share of the screen's available area, in each direction.
constexpr double kFirstShare = 0.9;

// The first window on a screen whose available area is `available`: 90% of it (but no smaller than
// `minimum`, nor larger than the area itself), centred.
QRect FirstGeometry(const QRect& available, QSize minimum = kMinimumSize);

// `window` when a part of it the user can grab shows on one of `screens` (their available areas);
// otherwise the window with its size kept within `fallback`, centred on `fallback`.
QRect OntoScreens(const QRect& window, const QList<QRect>& screens, const QRect& fallback);

} // namespace WindowPlacement
