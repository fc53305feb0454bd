#include "view/Commands.h"

#include <QCoreApplication>

#include <array>

namespace Commands {
namespace {

constexpr std::array<Info, 30> kCommands = {{
    {CaptionBar, QT_TRANSLATE_NOOP("Commands", "Caption Bar"),
     QT_TRANSLATE_NOOP("Commands", "Show or hide the caption bar"),
     QT_TRANSLATE_NOOP("Commands", "Toggle Caption Bar"), true},
    {IgnoreWindowsFolder, QT_TRANSLATE_NOOP("Commands", "Windows"),
     QT_TRANSLATE_NOOP("Commands", "Ignore Windows Folder ( e.g C:\\Windows ) While Searching."),
     QT_TRANSLATE_NOOP("Commands", "Do Not Search in Files of Windows Folder"), true},
    {IgnoreProgramsFolder, QT_TRANSLATE_NOOP("Commands", "Programs"),
     QT_TRANSLATE_NOOP("Commands", "Ignore Programs Folder ( e.g C:\\Program Files ) While Searching."),
     QT_TRANSLATE_NOOP("Commands", "Do Not Search in Files of Program Files Folder"), true},
    {IgnoreHiddenFiles, QT_TRANSLATE_NOOP("Commands", "Hidden Files"),
     QT_TRANSLATE_NOOP("Commands", "Ignore all Hidden Files in Search."),
     QT_TRANSLATE_NOOP("Commands", "Skip Hidden Files when Searching."), true},
    {IgnoreReadOnlyFiles, QT_TRANSLATE_NOOP("Commands", "Read Only Files"),
     QT_TRANSLATE_NOOP("Commands", "Ignore all Read Only Files in Search."),
     QT_TRANSLATE_NOOP("Commands", "Skip Read Only Files in File Search."), true},
    {StartSearch, QT_TRANSLATE_NOOP("Commands", "Start"),
     QT_TRANSLATE_NOOP("Commands", "Start Searching of Files for the Selected Folder."),
     QT_TRANSLATE_NOOP("Commands", "Start File(s) Search."), false},
    {StopSearch, QT_TRANSLATE_NOOP("Commands", "Stop"),
     QT_TRANSLATE_NOOP("Commands", "Stop Searching of of Files for the Selected Folder."),
     QT_TRANSLATE_NOOP("Commands", "Stop Searching of File(s)."), false},
    {SearchSubFolders, QT_TRANSLATE_NOOP("Commands", "Search SubFolder(s)"),
     QT_TRANSLATE_NOOP("Commands", "Search File(s) in Sub Folder(s) of the Selected Folder."),
     QT_TRANSLATE_NOOP("Commands", "Search Files in Sub Folder(s)."), true},
    {ViewFilesCount, QT_TRANSLATE_NOOP("Commands", "Files Count"),
     QT_TRANSLATE_NOOP("Commands", "Display Number of Files Count in Every Folder when Loading Files."),
     QT_TRANSLATE_NOOP("Commands", "Display Files Count in Every Folder"), true},
    {LaunchExplorer, QT_TRANSLATE_NOOP("Commands", "Explorer"),
     QT_TRANSLATE_NOOP("Commands",
                       "Open Windows Explorer with Folder Selected in this Software's Folder Tree."),
     QT_TRANSLATE_NOOP("Commands", "Open Selected Folder in Explorer"), false},
    {LaunchCommandPrompt, QT_TRANSLATE_NOOP("Commands", "Command Prompt"),
     QT_TRANSLATE_NOOP("Commands",
                       "Open Command Prompt Window with Folder Selected in this Software's Folder Tree."),
     QT_TRANSLATE_NOOP("Commands", "Open Selected Folder in Command Prompt"), false},
    {LaunchRecycleBin, QT_TRANSLATE_NOOP("Commands", "Recycle Bin"),
     QT_TRANSLATE_NOOP("Commands", "Open Recycle Bin"), QT_TRANSLATE_NOOP("Commands", "Open Recycle Bin"),
     false},
    {ExportFileList, QT_TRANSLATE_NOOP("Commands", "Export File List"),
     QT_TRANSLATE_NOOP("Commands", "Export List of Files Visible in List to a Temporary file and Open It."),
     QT_TRANSLATE_NOOP("Commands", "Export List of Files to a Temporary File."), false},
    {IgnoreRecycleBinFolder, QT_TRANSLATE_NOOP("Commands", "Recycle Bin"),
     QT_TRANSLATE_NOOP("Commands", "Ignore Recycle Bin Folder(s) When Listing Files."),
     QT_TRANSLATE_NOOP("Commands", "Do Not Search for Files in Recycle Bin."), true},
    {AutoSearchAtStartup, QT_TRANSLATE_NOOP("Commands", "Auto Search Last Folder"),
     QT_TRANSLATE_NOOP("Commands", "Automatically Run the Last Search at Application Startup."),
     QT_TRANSLATE_NOOP("Commands", "Auto Search File(s) at Startup"), true},
    {IgnoreLocalAppDataFolder, QT_TRANSLATE_NOOP("Commands", "AppData"),
     QT_TRANSLATE_NOOP("Commands", "Ignore App Data Folders when Searching Files in the Selected Folder."),
     QT_TRANSLATE_NOOP("Commands", "Do Not Search File(s) in Application Data Folders."), true},
    {IgnoreHiddenFolders, QT_TRANSLATE_NOOP("Commands", "Hidden"),
     QT_TRANSLATE_NOOP("Commands", "Do Not Search File(s) in Hidden Folders."),
     QT_TRANSLATE_NOOP("Commands", "Ignore Hidden Folders."), true},
    {DisplayFileList, QT_TRANSLATE_NOOP("Commands", "Display File List"),
     QT_TRANSLATE_NOOP("Commands", "Display List of Files as they are found. This will require extra time to "
                                   "parse the selected folder."),
     QT_TRANSLATE_NOOP("Commands", "Display File List in Upper List."), true},
    {DuplicateFiles, QT_TRANSLATE_NOOP("Commands", "Duplicate Files"),
     QT_TRANSLATE_NOOP("Commands", "Search Duplicate Files from the List by Comparing File Size"),
     QT_TRANSLATE_NOOP("Commands", "Duplicate Files of Same Size"), false},
    {WebPage, QT_TRANSLATE_NOOP("Commands", "User Guide"),
     QT_TRANSLATE_NOOP("Commands", "Open the Tresmolo User Guide"),
     QT_TRANSLATE_NOOP("Commands", "Tresmolo User Guide"), false},
    {OpenFileFolder, QT_TRANSLATE_NOOP("Commands", "Open File's Folder"),
     QT_TRANSLATE_NOOP("Commands", "Open Folder of Selected File"),
     QT_TRANSLATE_NOOP("Commands", "Display Selected File's Folder in Windows Explorer"), false},
    {ViewSizeColumn, QT_TRANSLATE_NOOP("Commands", "Size Column"),
     QT_TRANSLATE_NOOP("Commands", "Show the size of every found file in the file list."),
     QT_TRANSLATE_NOOP("Commands", "Show or Hide the Size Column"), true},
    {ViewModifiedColumn, QT_TRANSLATE_NOOP("Commands", "Modified Column"),
     QT_TRANSLATE_NOOP("Commands", "Show when every found file was last modified in the file list."),
     QT_TRANSLATE_NOOP("Commands", "Show or Hide the Modified Column"), true},
    {EditCopy, QT_TRANSLATE_NOOP("Commands", "&Copy\tCtrl+C"),
     QT_TRANSLATE_NOOP("Commands", "Copy the selection and put it on the Clipboard"),
     QT_TRANSLATE_NOOP("Commands", "Copy"), false},
    {EditCut, QT_TRANSLATE_NOOP("Commands", "Cu&t\tCtrl+X"),
     QT_TRANSLATE_NOOP("Commands", "Cut the selection and put it on the Clipboard"),
     QT_TRANSLATE_NOOP("Commands", "Cut"), false},
    {EditPaste, QT_TRANSLATE_NOOP("Commands", "&Paste\tCtrl+V"),
     QT_TRANSLATE_NOOP("Commands", "Insert Clipboard contents"), QT_TRANSLATE_NOOP("Commands", "Paste"),
     false},
    {EditUndo, QT_TRANSLATE_NOOP("Commands", "&Undo\tCtrl+Z"),
     QT_TRANSLATE_NOOP("Commands", "Undo the last action"), QT_TRANSLATE_NOOP("Commands", "Undo"), false},
    {AppAbout, QT_TRANSLATE_NOOP("Commands", "&About Tresmolo..."),
     QT_TRANSLATE_NOOP("Commands", "Display program information, version number and copyright"),
     QT_TRANSLATE_NOOP("Commands", "About"), false},
    {AppExit, QT_TRANSLATE_NOOP("Commands", "E&xit"), QT_TRANSLATE_NOOP("Commands", "Quit the application"),
     QT_TRANSLATE_NOOP("Commands", "Exit"), false},
    {StatusBar, QT_TRANSLATE_NOOP("Commands", "Status Bar"),
     QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar"),
     QT_TRANSLATE_NOOP("Commands", "Toggle Status Bar"), true},
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
    return info ? QCoreApplication::translate("Commands", info->label) : QString();
}

QString Description(int id)
{
    const Info* info = Find(id);
    return info ? QCoreApplication::translate("Commands", info->description) : QString();
}

QString Tooltip(int id)
{
    const Info* info = Find(id);
    return info ? QCoreApplication::translate("Commands", info->tooltip) : QString();
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
