#include "platform/ActionLog.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The length of the valid UTF-8 sequence of a printable character at the start of `bytes`; 0 when
// the first byte is to be escaped.
size_t PrintableSequence(std::string_view bytes)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return lead >= 0x20 && lead != 0x7f && lead != '\\' ? 1 : 0;
    size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        code = lead & 0x1f;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        code = lead & 0x0f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3f);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    const bool control = code >= 0x80 && code <= 0x9f;
    return overlong || surrogate || control || code > 0x10ffff ? 0 : length;
}

std::string Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[40];
    const size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    return std::string(text, n);
}

// Makes every missing folder of `folder` (0700), as `mkdir -p` would.
bool MakeFolders(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace

ActionLog::ActionLog() : m_path(DefaultPath()) {}

ActionLog::ActionLog(std::string path) : m_path(std::move(path)) {}

ActionLog::~ActionLog()
{
    if (m_fd >= 0) {
        ::fdatasync(m_fd);
        ::close(m_fd);
    }
}

std::string ActionLog::DefaultPath()
{
    // A relative XDG_STATE_HOME is ignored, as the XDG rules ask.
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string folder;
    if (state && state[0] == '/') {
        folder = state;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* entry = ::getpwuid(::getuid());
            home = entry ? entry->pw_dir : "/";
        }
        folder = std::string(home) + "/.local/state";
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder + "/tresmolo/actions.log";
}

std::string ActionLog::Escape(std::string_view bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const size_t length = PrintableSequence(bytes);
        if (length > 0) {
            text.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
            continue;
        }
        const auto byte = static_cast<unsigned char>(bytes.front());
        text += "\\x";
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
        bytes.remove_prefix(1);
    }
    return text;
}

bool ActionLog::OpenFile()
{
    if (m_fd >= 0)
        return true;
    const size_t slash = m_path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(m_path.substr(0, slash)))
        return false;
    m_fd = ::open(m_path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    return m_fd >= 0;
}

bool ActionLog::Write(std::string_view action, std::string_view path, std::string_view kept,
                      std::string_view result)
{
    std::string line = Now();
    line += '\t';
    line += action;
    line += '\t';
    line += Escape(path);
    line += '\t';
    line += kept.empty() ? std::string("-") : Escape(kept);
    line += '\t';
    line += Escape(result);
    line += '\n';

    int code = 0;
    if (!OpenFile()) {
        code = errno;
    } else {
        const off_t end = ::lseek(m_fd, 0, SEEK_END);
        size_t done = 0;
        while (done < line.size()) {
            const ssize_t written = ::write(m_fd, line.data() + done, line.size() - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                code = written == 0 ? ENOSPC : errno;
                break;
            }
            done += size_t(written);
        }
        // Half a line would read as a line of its own: it is taken back.
        if (code != 0 && done > 0 && end >= 0) {
            [[maybe_unused]] const int cut = ::ftruncate(m_fd, end);
        }
    }
    if (code != 0 && m_error == 0)
        m_error = code;
    return code == 0;
}

} // namespace platform
