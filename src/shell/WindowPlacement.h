#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

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

// Whether the windowing system places the windows itself, as a Wayland compositor does: a program
// may ask for a size and the maximised state there, never for a place. Tests may decide it
// (std::nullopt: ask the running platform again).
bool CompositorPlaces();
void SetCompositorPlaces(std::optional<bool> places);

// What a stored place (QWidget::saveGeometry) holds: the window's normal geometry and whether it
// was maximised. Nothing when `stored` is not a place.
struct Stored
{
    QRect normal;
    bool maximized = false;
};
std::optional<Stored> Read(const QByteArray& stored);
// A stored place with the normal size `size` and the maximised state `maximized`, where a compositor
// decides the place: the normal place kept in `stored` stays (a window placed on a screen that no
// longer shows it is still brought back by OntoScreens), or, with none, the window is centred on
// `fallback`.
QByteArray WithSizeAndState(const QByteArray& stored, QSize size, bool maximized, const QRect& fallback);

} // namespace WindowPlacement
