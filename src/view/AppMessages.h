#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// The program's own notices to the main frame. They are always posted, never sent, so the frame
// handles them later on the user-interface thread in the order posted; any thread may post them.
namespace AppMessages {

inline const QEvent::Type UWM_FOLDER_SELECTED =
    QEvent::Type(QEvent::User + 1); // the tree's selection changed
inline const QEvent::Type UWM_INFOBAR_CHANGED = QEvent::Type(QEvent::User + 2); // a run wrote a new report
inline const QEvent::Type UWM_NEXT_LOOK = QEvent::Type(QEvent::User + 3);       // step to the next style
inline const QEvent::Type UWM_REFRESH_TREE = QEvent::Type(QEvent::User + 4);    // rebuild the folder tree

// The window that takes the notices; set by the main frame when it is created.
QObject* MainWindow();
void SetMainWindow(QObject* window);

// Queues `type` for the main window; does nothing when there is none.
void Post(QEvent::Type type);

} // namespace AppMessages
