#pragma once

#include <string>
#include <vector>

// The freedesktop desktop entries (*.desktop under the XDG data folders' applications/) and the MIME
// applications lists (mimeapps.list) that say which program opens which type of file.
namespace platform {

// What a desktop entry's [Desktop Entry] group says about launching its program.
struct DesktopEntry
{
    std::string id;   // the desktop file id: its path below applications/, "/" made "-"
    std::string path; // the file itself
    std::string type, name, icon, exec, tryExec;
    std::vector<std::string> mimeTypes, onlyShowIn, notShowIn;
    bool hidden = false;
    bool terminal = false;
};

// Reads the [Desktop Entry] group of the desktop file at `path` (unlocalised values, escapes
// resolved). False when the file cannot be read or has no such group.
bool ReadDesktopEntry(const std::string& path, DesktopEntry* entry);

// The command that opens `path` (with `uri`, its file: URI) in the entry's program: Exec split into
// arguments as the desktop entry rules say, its field codes filled in (%f %F the path, %u %U the
// URI, %i the icon, %c the name, %k the desktop file, %% a "%"; the deprecated ones dropped). A
// command without %f %F %u %U gets the path as its last argument. Empty when Exec is not valid.
std::vector<std::string> ExecCommand(const DesktopEntry& entry, const std::string& path,
                                     const std::string& uri);

// The programs that open files of `mimeType`, in the order of the MIME applications rules: the
// defaults named in the mimeapps.list files (the desktop's own lists first, the user's before the
// system's), then their added associations, then the entries whose MimeType lists the type, folder
// by folder in XDG precedence. Left out: associations removed in a list, entries that are hidden, not
// applications, shown only elsewhere or not here (XDG_CURRENT_DESKTOP), run in a terminal, or whose
// program (or TryExec) is not installed.
struct MimeHandlers
{
    std::vector<DesktopEntry> entries; // best first
    bool firstIsDefault = false;       // the first was named as the default in a mimeapps.list
};
MimeHandlers HandlersOf(const std::string& mimeType);

} // namespace platform
