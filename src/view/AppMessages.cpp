#include "view/AppMessages.h"

#include <atomic>

namespace AppMessages {
namespace {

std::atomic<QObject*> g_mainWindow{nullptr};

} // namespace

QObject* MainWindow()
{
    return g_mainWindow.load();
}

void SetMainWindow(QObject* window)
{
    g_mainWindow.store(window);
}

void Post(QEvent::Type type)
{
    // postEvent is safe from any thread; the frame clears the pointer before it goes away.
    if (QObject* window = g_mainWindow.load())
        QCoreApplication::postEvent(window, new QEvent(type));
}

} // namespace AppMessages
