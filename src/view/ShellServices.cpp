#include "view/ShellServices.h"

#include "BuildInfo.h"
#include "platform/DesktopEntries.h"
#include "platform/Paths.h"
#include "platform/Spawn.h"
#include "platform/Trash.h"
#include "view/PropertiesDialog.h"
#include "view/Seams.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QPointer>
#include <QProgressDialog>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace Shell {
namespace {

// The desktop's file manager, as freedesktop.org describes its D-Bus service.
constexpr auto kFileManagerService = "org.freedesktop.FileManager1";
constexpr auto kFileManagerPath = "/org/freedesktop/FileManager1";
constexpr auto kFileManagerInterface = "org.freedesktop.FileManager1";
// Long enough for a file manager that has to be started first.
constexpr int kFileManagerTimeoutMs = 15000;

// Up to this many items go to the trash without a progress window.
constexpr size_t kQuietTrashCount = 20;
// The error box names at most this many items.
constexpr int kListedFailures = 15;

Launcher& CurrentLauncher()
{
    static Launcher launcher;
    return launcher;
}

bool Exists(const NativePath& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// `path` from the current folder when it is relative.
NativePath Absolute(const NativePath& path)
{
    if (!path.empty() && path.front() == '/')
        return path;
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer))
        return path;
    return platform::JoinNativePath(buffer, path);
}

// The absolute path without trailing "/": the form in which an entry is named.
NativePath Entry(const NativePath& path)
{
    NativePath entry = Absolute(path);
    while (entry.size() > 1 && entry.back() == '/')
        entry.pop_back();
    return entry;
}

NativePath ParentFolder(const NativePath& entry)
{
    const size_t slash = entry.rfind('/');
    return slash == 0 || slash == NativePath::npos ? NativePath("/") : entry.substr(0, slash);
}

QString Quoted(const NativePath& path)
{
    return QLatin1Char('"') + platform::DisplayText(path) + QLatin1Char('"');
}

// xdg-open, or GLib's gio where xdg-utils is not installed.
void OpenWithDefaultHandler(const std::string& target)
{
    if (platform::FindProgram("xdg-open").empty() && !platform::FindProgram("gio").empty())
        StartDetached({"gio", {"open", target}, {}});
    else
        StartDetached({"xdg-open", {target}, {}});
}

bool IsFolder(const NativePath& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Whether a desktop entry would start this program: our own entry, or one whose program is this very
// executable under another name.
bool IsOwnEntry(const platform::DesktopEntry& entry)
{
    if (entry.id == TRESMOLO_APP_ID ".desktop")
        return true;
    const std::vector<std::string> command = platform::ExecCommand(entry, "/", "file:///");
    const std::string program = command.empty() ? std::string() : platform::FindProgram(command.front());
    struct stat theirs, ours;
    return !program.empty() && ::stat(program.c_str(), &theirs) == 0 &&
           ::stat("/proc/self/exe", &ours) == 0 && theirs.st_dev == ours.st_dev &&
           theirs.st_ino == ours.st_ino;
}

// Opens a folder in a file manager, never in this program: where our desktop entry would be chosen
// for folders (it lists inode/directory, so it may be the default, or the first of several), the next
// program that opens folders is started instead, or the user is told that there is none.
void OpenFolder(const NativePath& folder)
{
    const platform::MimeHandlers handlers = platform::HandlersOf("inode/directory");
    const std::vector<platform::DesktopEntry>& entries = handlers.entries;
    const bool ownIsCandidate = std::any_of(entries.begin(), entries.end(), IsOwnEntry);
    if (!ownIsCandidate || (handlers.firstIsDefault && !IsOwnEntry(entries.front()))) {
        OpenWithDefaultHandler(folder);
        return;
    }
    for (const platform::DesktopEntry& entry : entries) {
        if (IsOwnEntry(entry))
            continue;
        std::vector<std::string> command =
            platform::ExecCommand(entry, folder, FileUri(folder).toStdString());
        const std::string program = command.front();
        command.erase(command.begin());
        StartDetached({program, command, {}});
        return;
    }
    Seams::MessageBox(nullptr,
                      QCoreApplication::translate("Shell", "No file manager was found to open the folder %1. "
                                                           "Install one to open folders from here.")
                          .arg(Quoted(folder)),
                      QString(), QMessageBox::Warning);
}

// Asks the desktop's file manager to do `method` for the entry; `fallback` runs instead when there
// is no session bus, or no file manager on it answers. The answer is awaited without blocking.
void AskFileManager(const char* method, const NativePath& entry, std::function<void()> fallback)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fallback();
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(kFileManagerService), QLatin1String(kFileManagerPath),
                                       QLatin1String(kFileManagerInterface), QLatin1String(method));
    call << QStringList{FileUri(entry)} << QString(); // no start-up notification id
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kFileManagerTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [fallback = std::move(fallback)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         if (finished->isError())
                             fallback();
                     });
}

void ShowOwnProperties(QWidget* owner, const NativePath& entry)
{
    auto* dialog = new PropertiesDialog(entry, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// Whether a folder above `entry` went to the trash in this round, taking `entry` along.
bool WentWithItsFolder(NativePath entry, const std::set<NativePath>& moved)
{
    while (entry.size() > 1) {
        entry = ParentFolder(entry);
        if (moved.count(entry))
            return true;
    }
    return false;
}

QString FailureText(const QStringList& failures)
{
    if (failures.size() == 1)
        return QCoreApplication::translate("Shell",
                                           "%1 could not be moved to the trash and stays where it is.")
            .arg(failures.front());
    QStringList shown = failures.mid(0, kListedFailures);
    if (failures.size() > kListedFailures)
        shown << QCoreApplication::translate("Shell", "and %1 more").arg(failures.size() - kListedFailures);
    return QCoreApplication::translate(
               "Shell", "These %1 items could not be moved to the trash and stay where they are:\n\n")
               .arg(failures.size()) +
           shown.join(QLatin1Char('\n'));
}

} // namespace

QString FileUri(const NativePath& path)
{
    const QByteArray bytes = QByteArray::fromStdString(Absolute(path));
    return QStringLiteral("file://") + QString::fromLatin1(bytes.toPercentEncoding("/"));
}

void Open(const NativePath& path)
{
    if (IsFolder(path))
        OpenFolder(Absolute(path));
    else
        OpenWithDefaultHandler(Absolute(path));
}

void ShowItemSelected(const NativePath& path)
{
    if (!Exists(path))
        return;
    const NativePath entry = Entry(path);
    AskFileManager("ShowItems", entry, [entry] { OpenFolder(ParentFolder(entry)); });
}

void ShowProperties(QWidget* owner, const NativePath& path)
{
    if (!Exists(path))
        return;
    const NativePath entry = Entry(path);
    AskFileManager("ShowItemProperties", entry,
                   [owner = QPointer<QWidget>(owner), entry] { ShowOwnProperties(owner, entry); });
}

bool SendToTrash(QWidget* owner, const std::vector<NativePath>& paths, const TrashSteps* steps)
{
    if (paths.empty())
        return false;
    const QString question =
        paths.size() == 1
            ? QCoreApplication::translate("Shell", "Do you want to move %1 to the trash?")
                  .arg(Quoted(NativePath(platform::LastComponent(paths.front()))))
            : QCoreApplication::translate("Shell", "Do you want to move these %1 items to the trash?")
                  .arg(paths.size());
    if (Seams::MessageBox(owner, question, QString(), QMessageBox::Question,
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;

    std::unique_ptr<QProgressDialog> progress;
    if (paths.size() > kQuietTrashCount) {
        progress = std::make_unique<QProgressDialog>(
            QString(), QCoreApplication::translate("Shell", "Cancel"), 0, int(paths.size()), owner);
        progress->setWindowTitle(QCoreApplication::applicationName());
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAutoClose(false);
        progress->show();
    }

    std::set<NativePath> moved;
    QStringList failures;
    bool cancelled = false;
    for (size_t i = 0; i < paths.size(); ++i) {
        const NativePath entry = Entry(paths[i]);
        if (progress) {
            progress->setValue(int(i));
            progress->setLabelText(QCoreApplication::translate("Shell", "Moving %1 to the trash")
                                       .arg(Quoted(NativePath(platform::LastComponent(entry)))));
            QCoreApplication::processEvents();
            if (progress->wasCanceled()) {
                cancelled = true;
                break;
            }
        }
        if (steps && steps->before && !steps->before(i).isEmpty())
            continue;
        std::string error, trashedAs;
        if (platform::MoveToTrash(entry, &error, &trashedAs))
            moved.insert(entry);
        else if (Exists(entry) || !WentWithItsFolder(entry, moved))
            failures << Quoted(entry) + QStringLiteral(": ") + QString::fromStdString(error);
        if (steps && steps->after)
            steps->after(i, trashedAs, error);
    }
    progress.reset();

    if (!failures.isEmpty())
        Seams::MessageBox(owner, FailureText(failures), QString(), QMessageBox::Warning);
    return !cancelled && failures.isEmpty();
}

void OpenTerminal(const NativePath& folder)
{
    std::vector<std::string> candidates;
    if (const char* chosen = std::getenv("TERMINAL"); chosen && *chosen)
        candidates.emplace_back(chosen);
    for (const char* known : {"x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "xterm"})
        candidates.emplace_back(known);
    for (const std::string& program : candidates) {
        if (!platform::FindProgram(program).empty()) {
            StartDetached({program, {}, Absolute(folder)});
            return;
        }
    }
    Seams::MessageBox(nullptr,
                      QCoreApplication::translate(
                          "Shell", "No terminal program was found. Install one, or name yours in the "
                                   "TERMINAL environment variable."),
                      QString(), QMessageBox::Warning);
}

void OpenTrashView()
{
    OpenWithDefaultHandler("trash:///");
}

void SetLauncher(Launcher launcher)
{
    CurrentLauncher() = std::move(launcher);
}

bool StartDetached(const Launch& launch)
{
    if (CurrentLauncher())
        return CurrentLauncher()(launch);
    std::string error;
    if (platform::SpawnDetached(launch.program, launch.arguments, launch.workingFolder, &error))
        return true;
    qWarning("cannot start %s: %s", launch.program.c_str(), error.c_str());
    return false;
}

} // namespace Shell
