// floor-walk: the least work one thread can do to walk a tree on Linux, as the yardstick for the
// engine's walk. It reads each folder with getdents64 into a large buffer, opens sub-folders
// relative to their parent, skips every entry whose name starts with "." (files and folders),
// never follows a symbolic link and only counts: no paths are built, nothing is kept.
//
//   floor-walk FOLDER [--runs N] [--sizes]
//
// The last line of the output is "floor files=<n> folders=<n> seconds=<median>", where folders
// counts the folders entered, FOLDER included. With --sizes it also reads every file's size with
// fstatat and groups the sizes (the yardstick for the duplicates scan): the line then ends with
// "rows=<files whose size occurs more than once>".

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
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
    unsigned long long rows = 0; // with sizes: files whose size occurs more than once
};

class FloorWalker
{
public:
    explicit FloorWalker(bool sizes) : m_withSizes(sizes) {}

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

    bool m_withSizes;
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
    std::fputs("usage: floor-walk FOLDER [--runs N] [--sizes]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = nullptr;
    long runs = 5;
    bool sizes = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sizes") == 0) {
            sizes = true;
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

    FloorWalker walker(sizes);
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
    else
        std::printf("floor files=%llu folders=%llu seconds=%.4f\n", first.files, first.folders, median);
    return steady ? 0 : 1;
}
