#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>

namespace WindowPlacement {
namespace {

// How much of a window must show on a screen for the user to reach it: a piece of its top edge,
// where the title bar is.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 40;

std::optional<bool> g_compositorPlaces;

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

bool CompositorPlaces()
{
    if (g_compositorPlaces)
        return *g_compositorPlaces;
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetCompositorPlaces(std::optional<bool> places)
{
    g_compositorPlaces = places;
}

std::optional<Stored> Read(const QByteArray& stored)
{
    // A widget that is never shown reads the bytes as QWidget does; it asks nothing of the windowing
    // system.
    QWidget probe;
    if (stored.isEmpty() || !probe.restoreGeometry(stored))
        return std::nullopt;
    return Stored{probe.normalGeometry(), probe.isMaximized()};
}

QByteArray WithSizeAndState(const QByteArray& stored, QSize size, bool maximized, const QRect& fallback)
{
    const std::optional<Stored> before = Read(stored);
    QRect normal = CentredIn(fallback, size);
    if (before && before->normal.isValid())
        normal.moveTopLeft(before->normal.topLeft());
    QWidget probe;
    probe.setGeometry(normal);
    if (maximized)
        probe.setWindowState(Qt::WindowMaximized);
    return probe.saveGeometry();
}

} // namespace WindowPlacement
