#include "platform/Spawn.h"
#include "platform/FolderOpen.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

namespace platform {
namespace {

bool IsExecutableFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string ErrorText(int code)
{
    return std::generic_category().message(code);
}

// What a child tells the waiting parent when the start fails: the step that failed and errno.
enum class Step : int
{
    Fork,
    EnterFolder,
    Run
};
struct Failure
{
    Step step;
    int code;
};

// Called between fork and exec, so it uses nothing but write().
void ReportFromChild(int pipe, Step step, int code)
{
    const Failure failure{step, code};
    const char* bytes = reinterpret_cast<const char*>(&failure);
    size_t left = sizeof failure;
    while (left > 0) {
        const ssize_t written = ::write(pipe, bytes, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        bytes += written;
        left -= size_t(written);
    }
}

// The grandchild's part, between fork and exec: only async-signal-safe calls.
[[noreturn]] void RunGrandchild(const char* file, char* const* argv, const char* folder, int pipe)
{
    // Start with the defaults a fresh process would have: no blocked and no ignored signals.
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &standard, nullptr); // fails harmlessly for SIGKILL, SIGSTOP and reserved ones

    platform::RestoreOpenFileLimit(); // ours was raised for the walk
    // Descriptors we hold (sockets, files) are not the program's business.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    const int null = ::open("/dev/null", O_RDONLY);
    if (null > 0) {
        ::dup2(null, STDIN_FILENO);
        ::close(null);
    }
    if (folder && ::chdir(folder) != 0) {
        ReportFromChild(pipe, Step::EnterFolder, errno);
        ::_exit(127);
    }
    ::execv(file, argv); // the pipe closes on success, which tells the parent
    ReportFromChild(pipe, Step::Run, errno);
    ::_exit(127);
}

} // namespace

std::string FindProgram(const std::string& program)
{
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return IsExecutableFile(program) ? program : std::string();
    const char* variable = std::getenv("PATH");
    const std::string_view path = variable ? variable : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(':', start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view folder = path.substr(start, end - start);
        // An empty entry would mean the current folder; we never run programs from there.
        if (!folder.empty()) {
            std::string candidate(folder);
            if (candidate.back() != '/')
                candidate += '/';
            candidate += program;
            if (IsExecutableFile(candidate))
                return candidate;
        }
        start = end + 1;
    }
    return {};
}

bool SpawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                   const std::string& workingFolder, std::string* error)
{
    auto fail = [error](const std::string& text) {
        if (error)
            *error = text;
        return false;
    };
    const std::string file = FindProgram(program);
    if (file.empty())
        return fail("\"" + program + "\" was not found");

    // Everything the children need is made before fork: after it only async-signal-safe calls run.
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const char* folder = workingFolder.empty() ? nullptr : workingFolder.c_str();

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return fail(ErrorText(errno));

    const pid_t child = ::fork();
    if (child < 0) {
        const int code = errno;
        ::close(report[0]);
        ::close(report[1]);
        return fail(ErrorText(code));
    }
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0) {
            ReportFromChild(report[1], Step::Fork, errno);
            ::_exit(127);
        }
        if (grandchild > 0)
            ::_exit(0);
        RunGrandchild(file.c_str(), argv.data(), folder, report[1]);
    }

    ::close(report[1]);
    int status = 0;
    pid_t waited;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);

    // The write end closes when the program starts (close-on-exec) or when the grandchild gives up,
    // having written why.
    Failure failure = {};
    ssize_t got;
    do {
        got = ::read(report[0], &failure, sizeof failure);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);

    if (got == ssize_t(sizeof failure)) {
        if (failure.step == Step::EnterFolder)
            return fail("the folder " + workingFolder + " cannot be entered: " + ErrorText(failure.code));
        return fail(ErrorText(failure.code));
    }
    if (waited == child && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        return fail("the program could not be started");
    return true;
}

} // namespace platform
