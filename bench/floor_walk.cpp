// floor-walk: the least work one thread can do to walk a tree on Linux, as the yardstick for the
// engine's walk. It reads each folder with getdents64 into a large buffer, opens sub-folders
// relative to their parent, skips every entry whose name starts with "." (files and folders),
// never follows a symbolic link and only counts: no paths are built, nothing is kept.
//
//   floor-walk FOLDER [--runs N] [--sizes] [--text T]
//
// The last line of the output is "floor files=<n> folders=<n> seconds=<median>", where folders
// counts the folders entered, FOLDER included. With --sizes it also reads every file's size with
// fstatat and groups the sizes (the yardstick for the duplicates scan): the line then ends with
// "rows=<files whose size occurs more than once>". With --text it also reads every regular file
// (never through a link) in 128 KB blocks and looks for T with memmem, case-sensitive, stopping at
// the first match (the yardstick for the text search): the line then ends with "matches=<files>".

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kBufferSize = size_t(1) << 17; // per level: a whole folder in one call, nearly always
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

struct Counts
{
    unsigned long long files = 0;
    unsigned long long folders = 0;
    unsigned long long rows = 0;    // with sizes: files whose size occurs more than once
    unsigned long long matches = 0; // with a text: files that hold it
};

class FloorWalker
{
public:
    FloorWalker(bool sizes, const char* text) : m_withSizes(sizes), m_text(text ? text : "") {}

    Counts Walk(int fd)
    {
        m_counts = Counts();
        m_sizes.clear();
        WalkFolder(fd, 0);
        if (m_withSizes) {
            std::sort(m_sizes.begin(), m_sizes.end());
            for (size_t i = 0; i < m_sizes.size();) {
                size_t j = i;
                while (j < m_sizes.size() && m_sizes[j] == m_sizes[i])
                    ++j;
                if (j - i > 1)
                    m_counts.rows += j - i;
                i = j;
            }
        }
        return m_counts;
    }

private:
    char* Buffer(size_t depth)
    {
        while (m_buffers.size() <= depth)
            m_buffers.push_back(std::make_unique<char[]>(kBufferSize));
        return m_buffers[depth].get();
    }

    void WalkFolder(int fd, size_t depth)
    {
        ++m_counts.folders;
        char* buffer = Buffer(depth);
        for (;;) {
            const long got = ::syscall(SYS_getdents64, fd, buffer, kBufferSize);
            if (got <= 0)
                return; // the end, or an error: what was read is counted
            for (long offset = 0; offset < got;) {
                const auto* entry = reinterpret_cast<const struct dirent64*>(buffer + offset);
                offset += entry->d_reclen;
                if (entry->d_name[0] == '.')
                    continue; // ".", ".." and hidden entries
                bool folder = entry->d_type == DT_DIR;
                if (entry->d_type == DT_UNKNOWN) {
                    struct stat st;
                    folder =
                        ::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
                }
                if (!folder) {
                    ++m_counts.files;
                    if (!m_text.empty() && entry->d_type == DT_REG && HoldsText(fd, entry->d_name))
                        ++m_counts.matches;
                    struct stat st;
                    if (m_withSizes && ::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                        S_ISREG(st.st_mode))
                        m_sizes.push_back(st.st_size);
                    continue;
                }
                const int child = ::openat(fd, entry->d_name, kFolderFlags);
                if (child >= 0) {
                    WalkFolder(child, depth + 1);
                    ::close(child);
                }
            }
        }
    }

    bool HoldsText(int folder, const char* name)
    {
        const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return false;
        const size_t keep = m_text.size() - 1;
        m_block.resize(kBufferSize + keep);
        size_t have = 0;
        bool found = false;
        for (;;) {
            const ssize_t got = ::read(fd, m_block.data() + have, kBufferSize);
            if (got <= 0)
                break;
            const size_t size = have + size_t(got);
            if (::memmem(m_block.data(), size, m_text.data(), m_text.size())) {
                found = true;
                break;
            }
            have = std::min(keep, size);
            std::memmove(m_block.data(), m_block.data() + size - have, have);
        }
        ::close(fd);
        return found;
    }

    bool m_withSizes;
    std::string m_text;
    std::vector<char> m_block;
    Counts m_counts;
    std::vector<long long> m_sizes;
    std::vector<std::unique_ptr<char[]>> m_buffers;
};

double Now()
{
    timespec ts;
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

int Usage()
{
    std::fputs("usage: floor-walk FOLDER [--runs N] [--sizes] [--text T]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = nullptr;
    long runs = 5;
    bool sizes = false;
    const char* text = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sizes") == 0) {
            sizes = true;
        } else if (std::strcmp(argv[i], "--text") == 0 && i + 1 < argc && argv[i + 1][0] != '\0') {
            text = argv[++i];
        } else if (std::strcmp(argv[i], "--runs") == 0 || std::strncmp(argv[i], "--runs=", 7) == 0) {
            const char* text = argv[i][6] == '=' ? argv[i] + 7 : (i + 1 < argc ? argv[++i] : nullptr);
            char* end = nullptr;
            runs = text ? std::strtol(text, &end, 10) : 0;
            if (!text || *text == '\0' || *end != '\0' || runs < 1)
                return Usage();
        } else if (folder == nullptr && argv[i][0] != '-') {
            folder = argv[i];
        } else {
            return Usage();
        }
    }
    if (folder == nullptr)
        return Usage();

    FloorWalker walker(sizes, text);
    std::vector<double> times;
    Counts first;
    bool steady = true;
    for (long run = 1; run <= runs; ++run) {
        const double start = Now();
        const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            std::fprintf(stderr, "floor-walk: cannot open %s: %s\n", folder, std::strerror(errno));
            return 2;
        }
        const Counts counts = walker.Walk(fd);
        ::close(fd);
        const double seconds = Now() - start;
        if (run == 1)
            first = counts;
        else if (counts.files != first.files || counts.folders != first.folders)
            steady = false;
        times.push_back(seconds);
        std::printf("run %ld/%ld files=%llu folders=%llu seconds=%.4f\n", run, runs, counts.files,
                    counts.folders, seconds);
    }
    if (!steady)
        std::fputs("floor-walk: the counts changed between runs; the tree is changing\n", stderr);
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    const double median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    if (sizes)
        std::printf("floor files=%llu folders=%llu seconds=%.4f rows=%llu\n", first.files, first.folders,
                    median, first.rows);
    else if (text)
        std::printf("floor files=%llu folders=%llu seconds=%.4f matches=%llu\n", first.files, first.folders,
                    median, first.matches);
    else
        std::printf("floor files=%llu folders=%llu seconds=%.4f\n", first.files, first.folders, median);
    return steady ? 0 : 1;
}
