#pragma once

#include <string>
#include <string_view>

// The record of what the duplicates window did to files: one line per file before each step (its
// intent) and one after (its outcome), appended to $XDG_STATE_HOME/tresmolo/actions.log
// (~/.local/state/tresmolo/actions.log when that is unset or not absolute), so a user can see later
// what happened to a file and where it went. A line is
//     time <TAB> action <TAB> path <TAB> file that stays <TAB> result
// with the local time as 2024-05-01T14:03:59+0200, the paths' exact bytes (backslash, tab, control
// characters and bytes that are not UTF-8 written as \xHH) and "-" for no file that stays.
namespace platform {

class ActionLog
{
public:
    ActionLog();
    explicit ActionLog(std::string path);
    ~ActionLog();
    ActionLog(const ActionLog&) = delete;
    ActionLog& operator=(const ActionLog&) = delete;

    static std::string DefaultPath();
    // A path's bytes as the log writes them.
    static std::string Escape(std::string_view bytes);

    // Appends one line, made on first use with its folders (0700) and the file (0600). A line that
    // cannot be written whole is taken back. False on failure; the first failure is kept.
    bool Write(std::string_view action, std::string_view path, std::string_view kept,
               std::string_view result);

    bool Failed() const { return m_error != 0; }
    int Error() const { return m_error; } // errno of the first failure
    const std::string& Path() const { return m_path; }

private:
    bool OpenFile();
    std::string m_path;
    int m_fd = -1;
    int m_error = 0;
};

} // namespace platform
