#include "shell/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {
namespace {

// How much of a window must show on a screen for the user to reach it: a piece of its top edge,
// where the title bar is.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 40;

QRect CentredIn(const QRect& area, QSize size)
{
    QRect rect(QPoint(0, 0), size.boundedTo(area.size()));
    rect.moveCenter(area.center());
    return rect;
}

} // namespace

QRect FirstGeometry(const QRect& available, QSize minimum)
{
    const QSize share(int(available.width() * kFirstShare), int(available.height() * kFirstShare));
    return CentredIn(available, share.expandedTo(minimum));
}

QRect OntoScreens(const QRect& window, const QList<QRect>& screens, const QRect& fallback)
{
    if (window.isValid()) {
        const QRect top(window.topLeft(), QSize(window.width(), std::min(window.height(), kGrabHeight)));
        for (const QRect& screen : screens) {
            const QRect shown = top & screen;
            if (shown.width() >= std::min(window.width(), kGrabWidth) && shown.height() >= top.height())
                return window;
        }
    }
    return CentredIn(fallback, window.isValid() ? window.size() : FirstGeometry(fallback).size());
}

} // namespace WindowPlacement
