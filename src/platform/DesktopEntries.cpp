#include "platform/DesktopEntries.h"

#include "platform/Spawn.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string_view>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    while (!text.empty()) {
        const size_t end = text.find(separator);
        if (end != 0)
            parts.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return parts;
}

// An XDG base folder and its fall-back list: the user's own first.
std::vector<std::string> BaseFolders(const char* homeVariable, const char* homeDefault,
                                     const char* listVariable, const char* listDefault)
{
    std::string home = Environment(homeVariable);
    if (home.empty() || home.front() != '/')
        home = Environment("HOME") + homeDefault;
    std::vector<std::string> folders{home};
    std::string list = Environment(listVariable);
    if (list.empty())
        list = listDefault;
    for (const std::string& folder : Split(list, ':'))
        if (folder.front() == '/')
            folders.push_back(folder);
    return folders;
}

// The desktops named in XDG_CURRENT_DESKTOP, in lower case, as the desktop-specific lists are named.
std::vector<std::string> CurrentDesktops(bool lowerCase)
{
    std::vector<std::string> desktops = Split(Environment("XDG_CURRENT_DESKTOP"), ':');
    if (lowerCase)
        for (std::string& desktop : desktops)
            std::transform(desktop.begin(), desktop.end(), desktop.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
    return desktops;
}

// A desktop file's string value with its escapes resolved (\s \n \t \r \\).
std::string Unescape(std::string_view value)
{
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            text += ' ';
            break;
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case 'r':
            text += '\r';
            break;
        default:
            text += value[i];
            break; // "\\", and "\;" inside lists
        }
    }
    return text;
}

// A list value: parts separated by ";" (an escaped "\;" stays in its part).
std::vector<std::string> ListValue(std::string_view value)
{
    std::vector<std::string> parts;
    std::string part;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == ';') {
            part += ';';
            ++i;
        } else if (value[i] == ';') {
            if (!part.empty())
                parts.push_back(Unescape(part));
            part.clear();
        } else {
            part += value[i];
        }
    }
    if (!part.empty())
        parts.push_back(Unescape(part));
    return parts;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The keys of one group of a key file (desktop file or mimeapps.list), in file order. False when the
// file cannot be read.
bool ReadGroup(const std::string& path, std::string_view group,
               std::vector<std::pair<std::string, std::string>>* keys)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        const std::string_view text = Trimmed(line);
        if (text.empty() || text.front() == '#')
            continue;
        if (text.front() == '[') {
            inGroup = text == "[" + std::string(group) + "]";
            continue;
        }
        const size_t equals = text.find('=');
        if (inGroup && equals != std::string_view::npos)
            keys->emplace_back(Trimmed(text.substr(0, equals)), Trimmed(text.substr(equals + 1)));
    }
    return true;
}

// Every desktop file id under the applications folders, with the file that holds it: the first
// folder in precedence order that has the id wins. `order` lists the ids folder by folder.
struct EntryIndex
{
    std::map<std::string, std::string> files;
    std::vector<std::string> order;
};

EntryIndex IndexEntries(const std::vector<std::string>& applicationFolders)
{
    EntryIndex index;
    for (const std::string& folder : applicationFolders) {
        std::vector<std::string> ids;
        std::error_code error;
        for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            const fs::path& file = it->path();
            if (file.extension() != ".desktop" || !it->is_regular_file(error))
                continue;
            std::string id = file.lexically_relative(folder).native();
            std::replace(id.begin(), id.end(), '/', '-');
            if (index.files.emplace(id, file.native()).second)
                ids.push_back(id);
        }
        std::sort(ids.begin(), ids.end());
        index.order.insert(index.order.end(), ids.begin(), ids.end());
    }
    return index;
}

bool Contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

bool Usable(const DesktopEntry& entry)
{
    if (entry.type != "Application" || entry.hidden || entry.terminal || entry.exec.empty())
        return false;
    const std::vector<std::string> desktops = CurrentDesktops(false);
    if (!entry.onlyShowIn.empty() &&
        std::none_of(desktops.begin(), desktops.end(),
                     [&](const std::string& d) { return Contains(entry.onlyShowIn, d); }))
        return false;
    if (std::any_of(desktops.begin(), desktops.end(),
                    [&](const std::string& d) { return Contains(entry.notShowIn, d); }))
        return false;
    if (!entry.tryExec.empty() && FindProgram(entry.tryExec).empty())
        return false;
    const std::vector<std::string> command = ExecCommand(entry, "/", "file:///");
    return !command.empty() && !FindProgram(command.front()).empty();
}

// Exec split into arguments: spaces separate, double quotes group, and inside quotes a backslash
// keeps the next of " ` $ \ as it is. Empty when a quote is left open.
std::vector<std::string> SplitExec(std::string_view exec)
{
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, started = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '\\' && i + 1 < exec.size() &&
                std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos)
                current += exec[++i];
            else if (c == '"')
                quoted = false;
            else
                current += c;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (started)
                arguments.push_back(current);
            current.clear();
            started = false;
        } else {
            started = true;
            if (c == '"')
                quoted = true;
            else
                current += c;
        }
    }
    if (quoted)
        return {};
    if (started)
        arguments.push_back(current);
    return arguments;
}

} // namespace

bool ReadDesktopEntry(const std::string& path, DesktopEntry* entry)
{
    std::vector<std::pair<std::string, std::string>> keys;
    if (!ReadGroup(path, "Desktop Entry", &keys) || keys.empty())
        return false;
    entry->path = path;
    for (const auto& [key, value] : keys) {
        if (key == "Type")
            entry->type = Unescape(value);
        else if (key == "Name")
            entry->name = Unescape(value);
        else if (key == "Icon")
            entry->icon = Unescape(value);
        else if (key == "Exec")
            entry->exec = Unescape(value);
        else if (key == "TryExec")
            entry->tryExec = Unescape(value);
        else if (key == "MimeType")
            entry->mimeTypes = ListValue(value);
        else if (key == "OnlyShowIn")
            entry->onlyShowIn = ListValue(value);
        else if (key == "NotShowIn")
            entry->notShowIn = ListValue(value);
        else if (key == "Hidden")
            entry->hidden = value == "true";
        else if (key == "Terminal")
            entry->terminal = value == "true";
    }
    return true;
}

std::vector<std::string> ExecCommand(const DesktopEntry& entry, const std::string& path,
                                     const std::string& uri)
{
    std::vector<std::string> command;
    bool tookTarget = false;
    for (const std::string& argument : SplitExec(entry.exec)) {
        if (argument == "%f" || argument == "%F" || argument == "%u" || argument == "%U") {
            command.push_back(argument == "%f" || argument == "%F" ? path : uri);
            tookTarget = true;
            continue;
        }
        if (argument == "%i") {
            if (!entry.icon.empty())
                command.insert(command.end(), {"--icon", entry.icon});
            continue;
        }
        std::string filled;
        for (size_t i = 0; i < argument.size(); ++i) {
            if (argument[i] != '%' || i + 1 == argument.size()) {
                filled += argument[i];
                continue;
            }
            switch (argument[++i]) {
            case '%':
                filled += '%';
                break;
            case 'c':
                filled += entry.name;
                break;
            case 'k':
                filled += entry.path;
                break;
            default:
                break; // deprecated or unknown field codes are dropped
            }
        }
        if (!filled.empty() || argument.find('%') == std::string::npos)
            command.push_back(filled);
    }
    if (command.empty())
        return {};
    if (!tookTarget)
        command.push_back(path);
    return command;
}

MimeHandlers HandlersOf(const std::string& mimeType)
{
    const std::vector<std::string> config =
        BaseFolders("XDG_CONFIG_HOME", "/.config", "XDG_CONFIG_DIRS", "/etc/xdg");
    const std::vector<std::string> data =
        BaseFolders("XDG_DATA_HOME", "/.local/share", "XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    std::vector<std::string> applicationFolders, lists;
    for (const std::string& folder : data)
        applicationFolders.push_back(folder + "/applications");
    const std::vector<std::string> desktops = CurrentDesktops(true);
    for (const std::vector<std::string>& folders : {config, applicationFolders}) {
        for (const std::string& folder : folders) {
            for (const std::string& desktop : desktops)
                lists.push_back(folder + "/" + desktop + "-mimeapps.list");
            lists.push_back(folder + "/mimeapps.list");
        }
    }

    std::vector<std::string> defaults, added;
    std::set<std::string> removed;
    for (const std::string& list : lists) {
        for (const char* group : {"Default Applications", "Added Associations", "Removed Associations"}) {
            std::vector<std::pair<std::string, std::string>> keys;
            ReadGroup(list, group, &keys);
            for (const auto& [key, value] : keys) {
                if (key != mimeType)
                    continue;
                for (const std::string& id : ListValue(value)) {
                    if (group[0] == 'D')
                        defaults.push_back(id);
                    else if (group[0] == 'A' && !removed.count(id))
                        added.push_back(id);
                    else if (group[0] == 'R')
                        removed.insert(id);
                }
            }
        }
    }

    const EntryIndex index = IndexEntries(applicationFolders);
    MimeHandlers handlers;
    std::set<std::string> seen;
    const auto consider = [&](const std::string& id, bool isDefault) {
        const auto file = index.files.find(id);
        if (file == index.files.end() || !seen.insert(id).second)
            return;
        DesktopEntry entry;
        if (!ReadDesktopEntry(file->second, &entry))
            return;
        if ((!isDefault && !Contains(added, id) && !Contains(entry.mimeTypes, mimeType)) || !Usable(entry))
            return;
        entry.id = id;
        if (handlers.entries.empty())
            handlers.firstIsDefault = isDefault;
        handlers.entries.push_back(std::move(entry));
    };
    for (const std::string& id : defaults)
        consider(id, true);
    for (const std::string& id : added)
        consider(id, false);
    for (const std::string& id : index.order)
        if (!removed.count(id))
            consider(id, false);
    return handlers;
}

} // namespace platform
