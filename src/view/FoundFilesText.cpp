#include "view/FoundFilesText.h"

#include <mutex>

namespace FoundFiles {
namespace {

std::mutex g_lock;
QString g_foundFilesText; // guarded by g_lock: the worker writes while the frame reads

} // namespace

QString Text()
{
    std::lock_guard locker(g_lock);
    return g_foundFilesText;
}

void SetText(const QString& text)
{
    std::lock_guard locker(g_lock);
    g_foundFilesText = text;
}

} // namespace FoundFiles
