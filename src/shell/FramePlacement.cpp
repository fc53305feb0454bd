// The main window's place and size: restored at start and kept at close.
#include "shell/MainFrame.h"

#include "platform/SettingsStore.h"
#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The workspace values that keep the window's place.
const QString kWorkspace = QStringLiteral("Workspace");
const QString kWindowGeometry = QStringLiteral("WindowGeometry");
const QString kWindowState = QStringLiteral("WindowState");

QByteArray ReadWorkspaceBytes(const QString& key)
{
    return QByteArray::fromBase64(platform::GetProfileString(kWorkspace, key, QString()).toLatin1());
}

void WriteWorkspaceBytes(const QString& key, const QByteArray& bytes)
{
    platform::WriteProfileString(kWorkspace, key, QString::fromLatin1(bytes.toBase64()));
}

} // namespace

void CMainFrame::RestorePlacement()
{
    setMinimumSize(WindowPlacement::kMinimumSize);
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect fallback = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);
    if (WindowPlacement::CompositorPlaces()) {
        // The compositor decides where the window goes: only its size and maximised state come back.
        const std::optional<WindowPlacement::Stored> stored =
            WindowPlacement::Read(ReadWorkspaceBytes(kWindowGeometry));
        const QSize first = WindowPlacement::FirstGeometry(fallback).size();
        resize(stored && stored->normal.isValid() ? stored->normal.size().boundedTo(fallback.size()) : first);
        if (stored)
            restoreState(ReadWorkspaceBytes(kWindowState));
        if (stored && stored->maximized)
            setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    if (!restoreGeometry(ReadWorkspaceBytes(kWindowGeometry))) {
        setGeometry(WindowPlacement::FirstGeometry(fallback));
        return;
    }
    restoreState(ReadWorkspaceBytes(kWindowState));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    const QRect placed = WindowPlacement::OntoScreens(normal, screens, fallback);
    if (placed != normal) {
        if (isMaximized() || isFullScreen())
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        setGeometry(placed);
    }
}

void CMainFrame::SavePlacement() const
{
    if (WindowPlacement::CompositorPlaces()) {
        // The program never learns where the compositor put the window: the size and the maximised
        // state are kept, with the place stored before. While the window is maximised its normal
        // size is kept, not the size of the screen.
        const bool maximized = isMaximized() || isFullScreen();
        const QRect normal = maximized ? normalGeometry() : geometry();
        const QByteArray stored = ReadWorkspaceBytes(kWindowGeometry);
        const std::optional<WindowPlacement::Stored> before = WindowPlacement::Read(stored);
        QSize size = normal.size();
        if (maximized && !normal.isValid() && before)
            size = before->normal.size();
        const QScreen* primary = QGuiApplication::primaryScreen();
        WriteWorkspaceBytes(kWindowGeometry,
                            WindowPlacement::WithSizeAndState(stored, size, maximized,
                                                              primary ? primary->availableGeometry()
                                                                      : QRect(0, 0, 1024, 768)));
        WriteWorkspaceBytes(kWindowState, saveState());
        return;
    }
    WriteWorkspaceBytes(kWindowGeometry, saveGeometry());
    WriteWorkspaceBytes(kWindowState, saveState());
}
