#pragma once

#include <QString>
#include <functional>
#include <unordered_map>
#include <vector>

// Command identifiers and their texts. A command's description is shown in its tooltip body and
// its tooltip title after it; the label is what the command panel writes on its element.
namespace Commands {

enum Id : int
{
    CaptionBar = 221,
    IgnoreWindowsFolder = 310,
    IgnoreProgramsFolder = 311,
    IgnoreHiddenFiles = 312,
    IgnoreReadOnlyFiles = 313,
    StartSearch = 314,
    StopSearch = 315,
    SearchSubFolders = 316,
    ViewFilesCount = 317,
    LaunchExplorer = 318,
    LaunchCommandPrompt = 319,
    LaunchRecycleBin = 320,
    ExportFileList = 321,
    IgnoreRecycleBinFolder = 322,
    AutoSearchAtStartup = 323,
    IgnoreLocalAppDataFolder = 324,
    IgnoreHiddenFolders = 325,
    DisplayFileList = 326,
    DuplicateFiles = 327,
    WebPage = 328,
    ViewSelectedFile = 32777,
    OpenFileFolder = 32779,
    OpenSelectedFolder = 32783,
    FileProperties = 32785,
    FileFolderProperties = 32787,
    FolderProperties = 32789,
    RecycleFile = 32792,
    RecycleFolder = 32795,
    LocateFile = 32797,
    CopyFilePath = 32800,
    CopyFolderPath = 32801,
    FilterResults = 32802,
    ViewSizeColumn = 32803,
    ViewModifiedColumn = 32804,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    AppAbout = 57664,
    AppExit = 57665,
    NextPane = 57680,
    PreviousPane = 57681,
    StatusBar = 59393,
};

struct Info
{
    int id;
    const char* label;       // the element's caption
    const char* description; // tooltip body / status prompt
    const char* tooltip;     // tooltip title
    bool checkable;
};

// The command's texts, untranslated (context "Commands"); nullptr for an unknown id.
const Info* Find(int id);
// The texts as the user sees them, translated; empty for an unknown id.
QString Label(int id);
QString Description(int id);
QString Tooltip(int id);

} // namespace Commands

// What an update handler sets on a command's elements.
class CCmdUI
{
public:
    explicit CCmdUI(int id) : m_nID(id) {}
    void Enable(bool on = true) { m_enabled = on; }
    void SetCheck(int check) { m_checked = check != 0; }
    void SetRadio(bool on = true) { m_checked = on; }

    int m_nID;
    bool m_enabled = true;
    bool m_checked = false;
};

// One object's command handlers and update handlers, looked up by command id.
class CCmdTarget
{
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    virtual ~CCmdTarget() = default;

    bool HasCommand(int id) const { return m_handlers.count(id) != 0; }
    bool HasUpdate(int id) const { return m_updates.count(id) != 0; }
    void Execute(int id) const { m_handlers.at(id)(); }
    void Update(CCmdUI& ui) const { m_updates.at(ui.m_nID)(ui); }

protected:
    void OnCommand(int id, Handler handler) { m_handlers[id] = std::move(handler); }
    void OnUpdate(int id, UpdateHandler handler) { m_updates[id] = std::move(handler); }

private:
    std::unordered_map<int, Handler> m_handlers;
    std::unordered_map<int, UpdateHandler> m_updates;
};

// Routes a command to the first target that handles it, in the order given (view, document, frame,
// application). A command that no target handles shows disabled.
class CommandRoute
{
public:
    void SetTargets(std::vector<const CCmdTarget*> targets) { m_targets = std::move(targets); }
    // Runs the command; false when no target handles it.
    bool Execute(int id) const;
    // The command's state: the first update handler decides; without one, enabled when a target
    // handles the command.
    CCmdUI State(int id) const;

private:
    std::vector<const CCmdTarget*> m_targets;
};
