#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

// What the program asks of the desktop: opening files and folders with their default handler,
// showing a file selected in the file manager, property sheets, the trash, a terminal. Paths are
// native bytes, so a name that is not valid UTF-8 still reaches the very file it names.
namespace Shell {

using NativePath = std::string;

// Opens a file or folder with the desktop's default handler, detached; the outcome is not reported.
void Open(const NativePath& path);
// Opens the file manager on the file's folder with the file selected; nothing for a missing path.
void ShowItemSelected(const NativePath& path);
// Shows the properties of a file or folder: the file manager's own sheet, or ours when none answers.
void ShowProperties(QWidget* owner, const NativePath& path);
// Moves files or folders to the trash after asking the user; shows progress when many go and names
// every item that could not go and why. True only when every item went and nothing was cancelled.
// Never deletes anything for good.
// `steps`, when given, is asked just before each item goes, once the user said yes: an empty
// answer lets it go, any other is why it stays (it is then neither moved nor a failure). It is told
// after each attempt where the item went in the trash (empty when it did not) and why not.
struct TrashSteps
{
    std::function<QString(size_t index)> before;
    std::function<void(size_t index, const NativePath& trashedAs, const std::string& error)> after;
};
bool SendToTrash(QWidget* owner, const std::vector<NativePath>& paths, const TrashSteps* steps = nullptr);
// A terminal whose working folder is `folder`.
void OpenTerminal(const NativePath& folder);
// The desktop's view of the trash.
void OpenTrashView();

// The file: URI of a path, made from its bytes: everything but letters, digits, "-._~" and "/" is
// percent-encoded, so a name that is not valid UTF-8 keeps its identity. Relative paths are taken
// from the current folder.
QString FileUri(const NativePath& path);

// Every program start goes through here, so tests can record launches instead of making them.
struct Launch
{
    std::string program;
    std::vector<std::string> arguments;
    std::string workingFolder;
};
using Launcher = std::function<bool(const Launch&)>;
void SetLauncher(Launcher launcher); // empty: really start programs again
bool StartDetached(const Launch& launch);

} // namespace Shell
