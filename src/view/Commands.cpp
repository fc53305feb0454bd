#include "view/Commands.h"

#include <array>

namespace Commands {
namespace {

constexpr std::array<Info, 28> kCommands = {{
    {CaptionBar, "Caption Bar", "Show or hide the caption bar", "Toggle Caption Bar", true},
    {IgnoreWindowsFolder, "Windows", "Ignore Windows Folder ( e.g C:\\Windows ) While Searching.",
     "Do Not Search in Files of Windows Folder", true},
    {IgnoreProgramsFolder, "Programs", "Ignore Programs Folder ( e.g C:\\Program Files ) While Searching.",
     "Do Not Search in Files of Program Files Folder", true},
    {IgnoreHiddenFiles, "Hidden Files", "Ignore all Hidden Files in Search.",
     "Skip Hidden Files when Searching.", true},
    {IgnoreReadOnlyFiles, "Read Only Files", "Ignore all Read Only Files in Search.",
     "Skip Read Only Files in File Search.", true},
    {StartSearch, "Start", "Start Searching of Files for the Selected Folder.", "Start File(s) Search.",
     false},
    {StopSearch, "Stop", "Stop Searching of of Files for the Selected Folder.", "Stop Searching of File(s).",
     false},
    {SearchSubFolders, "Search SubFolder(s)", "Search File(s) in Sub Folder(s) of the Selected Folder.",
     "Search Files in Sub Folder(s).", true},
    {ViewFilesCount, "Files Count", "Display Number of Files Count in Every Folder when Loading Files.",
     "Display Files Count in Every Folder", true},
    {LaunchExplorer, "Explorer", "Open Windows Explorer with Folder Selected in this Software's Folder Tree.",
     "Open Selected Folder in Explorer", false},
    {LaunchCommandPrompt, "Command Prompt",
     "Open Command Prompt Window with Folder Selected in this Software's Folder Tree.",
     "Open Selected Folder in Command Prompt", false},
    {LaunchRecycleBin, "Recycle Bin", "Open Recycle Bin", "Open Recycle Bin", false},
    {ExportFileList, "Export File List",
     "Export List of Files Visible in List to a Temporary file and Open It.",
     "Export List of Files to a Temporary File.", false},
    {IgnoreRecycleBinFolder, "Recycle Bin", "Ignore Recycle Bin Folder(s) When Listing Files.",
     "Do Not Search for Files in Recycle Bin.", true},
    {AutoSearchAtStartup, "Auto Search Last Folder",
     "Automatically Run the Last Search at Application Startup.", "Auto Search File(s) at Startup", true},
    {IgnoreLocalAppDataFolder, "AppData",
     "Ignore App Data Folders when Searching Files in the Selected Folder.",
     "Do Not Search File(s) in Application Data Folders.", true},
    {IgnoreHiddenFolders, "Hidden", "Do Not Search File(s) in Hidden Folders.", "Ignore Hidden Folders.",
     true},
    {DisplayFileList, "Display File List",
     "Display List of Files as they are found. This will require extra time to parse the selected folder.",
     "Display File List in Upper List.", true},
    {DuplicateFiles, "Duplicate Files", "Search Duplicate Files from the List by Comparing File Size",
     "Duplicate Files of Same Size", false},
    {WebPage, "User Guide", "Open the Tresmolo User Guide", "Tresmolo User Guide", false},
    {OpenFileFolder, "Open File's Folder", "Open Folder of Selected File",
     "Display Selected File's Folder in Windows Explorer", false},
    {EditCopy, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard", "Copy", false},
    {EditCut, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard", "Cut", false},
    {EditPaste, "&Paste\tCtrl+V", "Insert Clipboard contents", "Paste", false},
    {EditUndo, "&Undo\tCtrl+Z", "Undo the last action", "Undo", false},
    {AppAbout, "&About Tresmolo...", "Display program information, version number and copyright", "About",
     false},
    {AppExit, "E&xit", "Quit the application", "Exit", false},
    {StatusBar, "Status Bar", "Show or hide the status bar", "Toggle Status Bar", true},
}};

} // namespace

const Info* Find(int id)
{
    for (const Info& info : kCommands)
        if (info.id == id)
            return &info;
    return nullptr;
}

QString Label(int id)
{
    const Info* info = Find(id);
    return info ? QString::fromUtf8(info->label) : QString();
}

QString Description(int id)
{
    const Info* info = Find(id);
    return info ? QString::fromUtf8(info->description) : QString();
}

QString Tooltip(int id)
{
    const Info* info = Find(id);
    return info ? QString::fromUtf8(info->tooltip) : QString();
}

} // namespace Commands

bool CommandRoute::Execute(int id) const
{
    for (const CCmdTarget* target : m_targets) {
        if (target && target->HasCommand(id)) {
            target->Execute(id);
            return true;
        }
    }
    return false;
}

CCmdUI CommandRoute::State(int id) const
{
    CCmdUI ui(id);
    for (const CCmdTarget* target : m_targets) {
        if (target && target->HasUpdate(id)) {
            target->Update(ui);
            return ui;
        }
    }
    bool handled = false;
    for (const CCmdTarget* target : m_targets)
        handled = handled || (target && target->HasCommand(id));
    ui.Enable(handled);
    return ui;
}
