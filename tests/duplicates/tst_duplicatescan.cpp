// The duplicates scan without its window (QtCore only): the grouping steps on plain rows, and the
// reading of real files of every kind, in input order and in batches, with the stop flag.
#include "duplicates/scan/ContentsCheck.h"
#include "duplicates/scan/DuplicateScan.h"
#include "duplicates/scan/SizeGrouping.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

// Rows with these keys as sizes ("-" for a file that could not be opened), numbered in order.
std::vector<ResultRow> RowsOf(std::initializer_list<const char*> sizes)
{
    std::vector<ResultRow> rows;
    for (const char* size : sizes) {
        ResultRow row;
        row.number = int(rows.size()) + 1;
        row.name = "f" + std::to_string(row.number);
        row.opened = std::string_view(size) != "-";
        row.size = row.opened ? std::stoull(size) : 0;
        row.key = row.size;
        rows.push_back(row);
    }
    return rows;
}

// "name:key" of each row, for comparisons.
QStringList Keys(const std::vector<ResultRow>& rows)
{
    QStringList texts;
    for (const ResultRow& row : rows)
        texts << QString::fromStdString(row.name) + QLatin1Char(':') + QString::number(row.key);
    return texts;
}

QStringList Split(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The whole scan over a list of paths, gathered from all its batches.
struct Scanned
{
    ResultBatch all;
    int batches = 0;
};
// Paths that the folder walk saw as regular files, as the main view's file list gives them.
class WalkedInput : public NativePathsInput
{
public:
    using NativePathsInput::NativePathsInput;
    bool At(int index, ScanEntry& entry) const override
    {
        const bool named = NativePathsInput::At(index, entry);
        entry.knownRegular = true;
        return named;
    }
};

Scanned Scan(const std::vector<std::string>& paths, const std::atomic<bool>& stop)
{
    WalkedInput input(int(paths.size()), [&paths](int index) { return paths[size_t(index)]; });
    Scanned result;
    DuplicateScan(input, stop).Read([&result](ResultBatch& batch) {
        ++result.batches;
        for (ResultFolder& folder : batch.folders)
            result.all.folders.push_back(std::move(folder));
        for (ResultRow& row : batch.rows)
            result.all.rows.push_back(std::move(row));
    });
    return result;
}

std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// Notes every open of the entries it watches.
class OpenWatch
{
public:
    OpenWatch() : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~OpenWatch() { ::close(m_fd); }
    bool Watch(const std::string& path) { return ::inotify_add_watch(m_fd, path.c_str(), IN_OPEN) >= 0; }
    int Opens() const
    {
        alignas(inotify_event) char buffer[4096];
        int opens = 0;
        ssize_t n;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                opens += (event->mask & IN_OPEN) ? 1 : 0;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }

private:
    int m_fd;
};

// A file of the contents check, as the scan would have left it: one size group per size.
ContentsFile Candidate(const QString& path)
{
    ContentsFile file;
    const std::string native = Native(path);
    const size_t slash = native.rfind('/');
    file.folder = native.substr(0, slash + 1);
    file.name = native.substr(slash + 1);
    struct stat st;
    file.opened = ::stat(native.c_str(), &st) == 0;
    file.size = std::uint64_t(st.st_size);
    file.device = st.st_dev;
    file.inode = st.st_ino;
    file.modified = st.st_mtim.tv_sec;
    file.modifiedNanoseconds = std::int32_t(st.st_mtim.tv_nsec);
    file.sizeGroup = (long long)file.size;
    return file;
}

// "group" of each file, "u" for unreadable, "c" for changed, "hN" for a hard link of file N.
QStringList Outcomes(const ContentsCheck& check)
{
    QStringList texts;
    for (const ContentsOutcome& outcome : check.Outcomes()) {
        QString text = QString::number(outcome.group);
        if (outcome.unreadable)
            text += QLatin1Char('u');
        if (outcome.changed)
            text += QLatin1Char('c');
        if (outcome.hardLinkOf >= 0)
            text += QLatin1Char('h') + QString::number(outcome.hardLinkOf);
        texts << text;
    }
    return texts;
}

} // namespace

class TestDuplicateScan : public QObject
{
    Q_OBJECT
public:
    explicit TestDuplicateScan(const TestHome&) {}

private slots:
    void groupingSteps_data()
    {
        QTest::addColumn<QStringList>("sizes"); // in input order
        QTest::addColumn<QStringList>("kept");  // name:band of the rows left, top to bottom
        QTest::newRow("two groups and a single between")
            << Split("5 10 7 5 10") << Split("f2:0 f5:0 f1:1 f4:1");
        QTest::newRow("singles next to each other at the end") << Split("9 8 8 7 6") << Split("f2:0 f3:0");
        QTest::newRow("all different") << Split("3 2 1") << QStringList();
        QTest::newRow("one file") << Split("4") << QStringList();
        QTest::newRow("no file") << QStringList() << QStringList();
        QTest::newRow("three of one size") << Split("5 5 5") << Split("f1:0 f2:0 f3:0");
        QTest::newRow("three pairs") << Split("1 2 3 3 2 1") << Split("f3:0 f4:0 f2:1 f5:1 f1:2 f6:2");
        // Not opened and empty share key 0 and stay together, but their texts differ.
        QTest::newRow("unopened beside empty") << Split("- 0 7") << Split("f1:0 f2:1");
        QTest::newRow("over 4 GiB") << Split("4294967296 8589934592 4294967296 0") << Split("f1:0 f3:0");
    }
    void groupingSteps()
    {
        QFETCH(QStringList, sizes);
        QFETCH(QStringList, kept);
        std::vector<ResultRow> rows;
        for (const QString& size : sizes) {
            ResultRow row;
            row.number = int(rows.size()) + 1;
            row.name = "f" + std::to_string(row.number);
            row.opened = size != QLatin1String("-");
            row.size = row.opened ? size.toULongLong() : 0;
            row.key = row.size;
            rows.push_back(row);
        }
        const std::atomic<bool> go{false};
        QVERIFY(SizeGrouping::SortBySizeDescending(rows, go));
        for (size_t i = 1; i < rows.size(); ++i)
            QVERIFY(SizeGrouping::CompareBySizeDescending(rows[i - 1].key, rows[i].key) <= 0);
        QVERIFY(SizeGrouping::RemoveUniqueSizes(rows, go));
        QCOMPARE(SizeGrouping::RenumberRows(rows, go), rows.size());
        SizeGrouping::AssignSizeBands(rows, go);
        QCOMPARE(Keys(rows), kept);
        for (size_t i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i].number, int(i) + 1);
    }

    void groupingStepsStop()
    {
        const std::atomic<bool> stop{true};
        std::vector<ResultRow> rows = RowsOf({"3", "9", "3", "1", "9"});
        const QStringList before = Keys(rows);
        QVERIFY(!SizeGrouping::SortBySizeDescending(rows, stop));
        QVERIFY(!SizeGrouping::RemoveUniqueSizes(rows, stop));
        QCOMPARE(SizeGrouping::RenumberRows(rows, stop), size_t(0));
        QCOMPARE(Keys(rows), before);
        // Banding sets the first row's band before its first check, as the steps are laid down.
        SizeGrouping::AssignSizeBands(rows, stop);
        QCOMPARE(Keys(rows), Split("f1:0 f2:9 f3:3 f4:1 f5:9"));
        // Equal sizes keep their input order.
        rows = RowsOf({"3", "9", "3", "1", "9"});
        const std::atomic<bool> go{false};
        QVERIFY(SizeGrouping::SortBySizeDescending(rows, go));
        QCOMPARE(Keys(rows), Split("f2:9 f5:9 f1:3 f3:3 f4:1"));
    }

    void readsEveryKindOfEntry()
    {
        QTemporaryDir dir;
        const QString d = dir.path();
        WriteFile(d + QStringLiteral("/a/plain"), "12345");
        WriteFile(d + QStringLiteral("/a/empty"));
        QVERIFY(QFile::link(d + QStringLiteral("/a/plain"), d + QStringLiteral("/a/link")));
        QVERIFY(QFile::link(d + QStringLiteral("/a/nowhere"), d + QStringLiteral("/a/dangling")));
        QVERIFY(QDir(d).mkpath(QStringLiteral("a/folder")));
        QCOMPARE(::mkfifo(Native(d + QStringLiteral("/a/fifo")).c_str(), 0644), 0);
        WriteFile(d + QStringLiteral("/b/locked"), "xy");
        QVERIFY(QFile::setPermissions(d + QStringLiteral("/b/locked"), QFileDevice::WriteOwner));
        const bool root = ::geteuid() == 0;
        // A name that is not UTF-8.
        const std::string odd = Native(d) + "/b/caf\xe9";
        QVERIFY(::close(::open(odd.c_str(), O_WRONLY | O_CREAT, 0644)) == 0);

        std::vector<std::string> paths;
        for (const char* name : {"a/plain", "a/missing", "a/empty", "a/link", "a/dangling", "a/folder",
                                 "a/fifo", "b/locked", "b/../a/plain"})
            paths.push_back(Native(d) + "/" + name);
        paths.push_back(odd);
        paths.push_back("no-folder");

        OpenWatch watch;
        QVERIFY(watch.Watch(Native(d + QStringLiteral("/a/fifo"))));
        QVERIFY(watch.Watch(Native(d + QStringLiteral("/a/plain"))));
        const std::atomic<bool> go{false};
        const Scanned scanned = Scan(paths, go);
        QCOMPARE(watch.Opens(), 0); // one look at each entry: not even the plain file was opened
        QVERIFY(QFile::setPermissions(d + QStringLiteral("/b/locked"),
                                      QFileDevice::WriteOwner | QFileDevice::ReadOwner));

        QStringList shown;
        for (const ResultRow& row : scanned.all.rows) {
            QCOMPARE(row.number, int(shown.size()) + 1);
            shown << QString::fromStdString(
                         scanned.all.folders[size_t(row.folder)].native.substr(Native(d).size())) +
                         QString::fromLatin1(row.name.data(), qsizetype(row.name.size())) + QLatin1Char('=') +
                         (row.opened ? QString::number(row.size) : QStringLiteral("-")) +
                         (row.link ? QStringLiteral("@") : QString());
        }
        // Root reads any file, so the locked one has its size only then.
        QCOMPARE(shown, (QStringList{QStringLiteral("/a/plain=5"), QStringLiteral("/a/empty=0"),
                                     QStringLiteral("/a/link=5@"), QStringLiteral("/a/dangling=-@"),
                                     QStringLiteral("/a/folder=-"), QStringLiteral("/a/fifo=-"),
                                     root ? QStringLiteral("/b/locked=2") : QStringLiteral("/b/locked=-"),
                                     QStringLiteral("/b/../a/plain=5"), QStringLiteral("/b/caf\u00e9=0")}));
        // The name keeps its exact bytes; the folder table has one entry per folder in turn.
        QCOMPARE(scanned.all.rows.back().name, std::string("caf\xe9"));
        QCOMPARE(scanned.all.folders.size(), size_t(4));
        QCOMPARE(scanned.all.folders[0].text, d + QStringLiteral("/a/"));
        // Hard-link identity: the link and its target are one file.
        QCOMPARE(scanned.all.rows[2].inode, scanned.all.rows[0].inode);
        QCOMPARE(scanned.all.rows[2].device, scanned.all.rows[0].device);
    }

    void deviceNodeIsNeverOpened()
    {
        if (::geteuid() != 0)
            QSKIP("making a device node needs root");
        QTemporaryDir dir;
        const std::string node = Native(dir.path()) + "/null";
        // The same device as /dev/null: opening it would be harmless, but it must not happen.
        QCOMPARE(::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        OpenWatch watch;
        QVERIFY(watch.Watch(node));
        const std::atomic<bool> go{false};
        const Scanned scanned = Scan({node}, go);
        QCOMPARE(scanned.all.rows.size(), size_t(1));
        QVERIFY(!scanned.all.rows[0].opened);
        QCOMPARE(watch.Opens(), 0);
    }

    void folderSwappedForALink()
    {
        // The input was taken while "sub" was a folder; it is now a link to another folder that
        // holds a file of the same name.
        QTemporaryDir dir;
        const QString d = dir.path();
        WriteFile(d + QStringLiteral("/sub/f"), "abc");
        WriteFile(d + QStringLiteral("/elsewhere/f"), "abcdef");
        const std::vector<std::string> paths = {Native(d) + "/sub/f"};
        QVERIFY(QDir(d).rename(QStringLiteral("sub"), QStringLiteral("old")));
        QVERIFY(QFile::link(d + QStringLiteral("/elsewhere"), d + QStringLiteral("/sub")));
        const std::atomic<bool> go{false};
        QCOMPARE(Scan(paths, go).all.rows.size(), size_t(0));
    }

    void longInputInOrderAndStop()
    {
        // Enough paths that two threads read them; the rows still come in input order, folders
        // numbered in order of first use.
        QTemporaryDir dir;
        std::vector<std::string> paths;
        for (int i = 0; i < 6000; ++i) {
            const std::string folder = Native(dir.path()) + "/d" + std::to_string(i / 100);
            if (i % 100 == 0)
                QCOMPARE(::mkdir(folder.c_str(), 0755), 0);
            const std::string path = folder + "/f" + std::to_string(i);
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, "0123456789", size_t(i % 7)), ssize_t(i % 7));
            ::close(fd);
            paths.push_back(path);
            if (i % 3 == 0)
                paths.push_back(folder + "/gone" + std::to_string(i));
        }
        const std::atomic<bool> go{false};
        const Scanned scanned = Scan(paths, go);
        QVERIFY(scanned.batches >= 2);
        QCOMPARE(scanned.all.rows.size(), size_t(6000));
        QCOMPARE(scanned.all.folders.size(), size_t(60));
        for (int i = 0; i < 6000; ++i) {
            const ResultRow& row = scanned.all.rows[size_t(i)];
            QCOMPARE(row.number, i + 1);
            QCOMPARE(row.name, "f" + std::to_string(i));
            QCOMPARE(row.size, std::uint64_t(i % 7));
            QCOMPARE(scanned.all.folders[size_t(row.folder)].native,
                     Native(dir.path()) + "/d" + std::to_string(i / 100) + "/");
        }

        // Stopped before it starts: nothing is handed over.
        const std::atomic<bool> stop{true};
        const Scanned stopped = Scan(paths, stop);
        QCOMPARE(stopped.batches, 0);
    }
    void contentsCheck()
    {
        QTemporaryDir dir;
        const QString d = dir.path() + QLatin1Char('/');
        // 20000 bytes each: alike, or differing in the first byte, the last, or only in the middle.
        QByteArray base(20000, 'a');
        for (int i = 0; i < base.size(); ++i)
            base[i] = char('a' + i % 23);
        QByteArray first = base, last = base, middle = base;
        first[0] = 'Z';
        last[base.size() - 1] = 'Z';
        middle[9000] = 'Z';
        WriteFile(d + QStringLiteral("same1"), base);
        WriteFile(d + QStringLiteral("first"), first);
        WriteFile(d + QStringLiteral("same2"), base);
        WriteFile(d + QStringLiteral("last"), last);
        WriteFile(d + QStringLiteral("middle"), middle);
        WriteFile(d + QStringLiteral("middle2"), middle);
        QCOMPARE(
            ::link(Native(d + QStringLiteral("same1")).c_str(), Native(d + QStringLiteral("hard")).c_str()),
            0);
        // Small files (one block covers them) and empty ones.
        WriteFile(d + QStringLiteral("s1"), "hello");
        WriteFile(d + QStringLiteral("s2"), "hellO");
        WriteFile(d + QStringLiteral("s3"), "hello");
        WriteFile(d + QStringLiteral("e1"));
        WriteFile(d + QStringLiteral("e2"));
        // One that goes before the check, one that becomes a pipe, one the scan could not open.
        WriteFile(d + QStringLiteral("gone"), base);
        WriteFile(d + QStringLiteral("pipe"), base);
        WriteFile(d + QStringLiteral("never"), "hello");

        std::vector<ContentsFile> files;
        for (const char* name : {"same1", "first", "same2", "last", "middle", "hard", "middle2", "gone",
                                 "pipe", "s1", "s2", "s3", "never", "e1", "e2"})
            files.push_back(Candidate(d + QLatin1String(name)));
        files[12].opened = false;
        QVERIFY(QFile::remove(d + QStringLiteral("gone")));
        QVERIFY(QFile::remove(d + QStringLiteral("pipe")));
        QCOMPARE(::mkfifo(Native(d + QStringLiteral("pipe")).c_str(), 0644), 0);
        OpenWatch watch;
        QVERIFY(watch.Watch(Native(d + QStringLiteral("pipe"))));

        const std::atomic<bool> go{false};
        ContentsCheck check(files, go);
        // Seven distinct files of 20000 bytes and three of five; the link and the empty files add nothing.
        QCOMPARE(check.BytesToRead(), std::uint64_t(8 * 20000 + 3 * 5));
        QVERIFY(check.Run());
        QCOMPARE(Outcomes(check), Split("1 0 1 0 2 1h0 2 0u 0u 3 0 3 0u 4 4"));
        QCOMPARE(check.Progress(), check.BytesToRead());
        // Both end blocks of every readable file, then in full only the files still tied: those that
        // differ in their first or last block are not read further. Files of one block are read
        // once.
        QCOMPARE(check.BytesRead(), std::uint64_t(6 * 2 * 4096 + 4 * 20000 + 3 * 5));
        QCOMPARE(watch.Opens(), 0);

        // Files of different sizes given as one group are never taken for one another, even when
        // one begins with the other.
        WriteFile(d + QStringLiteral("short"), base.left(12000));
        std::vector<ContentsFile> mixed = {files[0], Candidate(d + QStringLiteral("short")), files[2]};
        mixed[1].sizeGroup = mixed[0].sizeGroup;
        ContentsCheck sizes(mixed, go);
        QVERIFY(sizes.Run());
        QCOMPARE(Outcomes(sizes), Split("1 0 1"));
        QCOMPARE(sizes.BytesToRead(), std::uint64_t(2 * 20000));

        // Stopped: no outcome counts.
        const std::atomic<bool> stop{true};
        ContentsCheck stopped(files, stop);
        QVERIFY(!stopped.Run());
    }

    void growsWhileRead()
    {
        // g2 grows by ten bytes as it is read, after it was opened as the scan saw it (files of one
        // block are opened and read once).
        const int notify = ::fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY);
        if (notify < 0)
            QSKIP("holding reads up (fanotify permission events) needs root and a kernel that has them");
        QTemporaryDir dir;
        const QString g2 = dir.path() + QStringLiteral("/g2");
        WriteFile(dir.path() + QStringLiteral("/g1"), QByteArray(4000, 'g'));
        WriteFile(g2, QByteArray(4000, 'g'));
        const std::vector<ContentsFile> files = {Candidate(dir.path() + QStringLiteral("/g1")),
                                                 Candidate(g2)};
        QCOMPARE(::fanotify_mark(notify, FAN_MARK_ADD, FAN_ACCESS_PERM, AT_FDCWD, Native(g2).c_str()), 0);
        std::atomic<bool> done{false};
        std::thread answer([&] {
            QFile grow(g2);
            pollfd wait{notify, POLLIN, 0};
            alignas(fanotify_event_metadata) char buffer[4096];
            while (!done) {
                ssize_t n = ::poll(&wait, 1, 50) > 0 ? ::read(notify, buffer, sizeof buffer) : 0;
                for (auto* event = reinterpret_cast<fanotify_event_metadata*>(buffer);
                     n > 0 && FAN_EVENT_OK(event, n); event = FAN_EVENT_NEXT(event, n)) {
                    if (!grow.isOpen() && grow.open(QIODevice::Append | QIODevice::Unbuffered))
                        grow.write("0123456789");
                    const fanotify_response allow{event->fd, FAN_ALLOW};
                    [[maybe_unused]] const ssize_t answered = ::write(notify, &allow, sizeof allow);
                    ::close(event->fd);
                }
            }
        });
        const std::atomic<bool> go{false};
        ContentsCheck check(files, go);
        const bool ran = check.Run();
        done = true;
        answer.join();
        ::close(notify);
        QVERIFY(ran);
        QCOMPARE(Outcomes(check), Split("0 0c"));
    }

    void manyIdenticalFiles()
    {
        // More copies than are compared side by side, plus one that differs only in the middle.
        QTemporaryDir dir;
        QByteArray bytes(qsizetype(ContentsCheck::kChunk + 100), 'q');
        std::vector<ContentsFile> files;
        for (size_t i = 0; i < ContentsCheck::kSideBySide * 2 + 3; ++i) {
            QByteArray contents = bytes;
            if (i == 5)
                contents[contents.size() / 2] = 'x';
            const QString path = dir.path() + QStringLiteral("/c%1").arg(i);
            WriteFile(path, contents);
            files.push_back(Candidate(path));
        }
        const std::atomic<bool> go{false};
        ContentsCheck check(files, go);
        QVERIFY(check.Run());
        for (size_t i = 0; i < files.size(); ++i)
            QCOMPARE(check.Outcomes()[i].group, i == 5 ? 0 : 1);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestDuplicateScan)
#include "tst_duplicatescan.moc"
