// The trash and the export file, on the real file system inside the test's private home.
#include "platform/TempFile.h"
#include "platform/Trash.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Files and names are handled as raw bytes: Qt would blur names that are not UTF-8.
std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
bool Exists(const std::string& path)
{
    return fs::symlink_status(path).type() != fs::file_type::not_found;
}
void Write(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}
std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

// The trash's records: original path (decoded) -> {name in files/, Path= as written, DeletionDate=}.
struct Record
{
    std::string name;
    QByteArray path, date;
};
std::map<std::string, Record> ReadTrash(const std::string& trash)
{
    std::map<std::string, Record> records;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(trash + "/info", ec)) {
        const std::string file = entry.path().filename().native();
        Record record{file.substr(0, file.size() - std::string_view(".trashinfo").size()), {}, {}};
        const QList<QByteArray> lines = QByteArray::fromStdString(Read(entry.path().native())).split('\n');
        for (const QByteArray& line : lines) {
            if (line.startsWith("Path="))
                record.path = line.mid(5);
            if (line.startsWith("DeletionDate="))
                record.date = line.mid(13);
        }
        if (file.ends_with(".trashinfo") && lines.front() == "[Trash Info]")
            records[QByteArray::fromPercentEncoding(record.path).toStdString()] = record;
    }
    return records;
}

// Sets an environment variable for one scope.
struct EnvironmentGuard
{
    EnvironmentGuard(const char* name, const QByteArray& value) : name(name), saved(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentGuard() { qputenv(name, saved); }
    const char* name;
    QByteArray saved;
};

} // namespace

class TestTrash : public QObject
{
    Q_OBJECT
public:
    explicit TestTrash(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

    std::string Trash() const { return Native(m_home.DataHome()) + "/Trash"; }

    // `original` is gone and the trash holds it with a record naming it, percent-encoded, and a
    // deletion time. Returns the path in the trash ("" when there is none).
    std::string Trashed(const std::string& original, const std::string& trash = {})
    {
        const std::string root = trash.empty() ? Trash() : trash;
        const auto records = ReadTrash(root);
        const auto found = records.find(original);
        if (found == records.end() || Exists(original))
            return {};
        const Record& record = found->second;
        const QRegularExpression date(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"));
        if (record.path != QByteArray::fromStdString(original).toPercentEncoding("/") ||
            !date.match(QString::fromLatin1(record.date)).hasMatch())
            return {};
        return root + "/files/" + record.name;
    }

private slots:
    void cleanupTestCase() { RemoveTree(m_home.DataHome() + QStringLiteral("/Trash")); }

    void fileAndFolderGoToTheHomeTrash()
    {
        QTemporaryDir work;
        const std::string root = Native(work.path());
        fs::create_directories(root + "/box/inner");
        Write(root + "/my file 100%.txt", "file content");
        Write(root + "/box/inner/a.txt", "deep");

        std::string error;
        QVERIFY(platform::MoveToTrash(root + "/my file 100%.txt", &error));
        QVERIFY(platform::MoveToTrash(root + "/box/", &error)); // a trailing "/" names the folder
        QCOMPARE(Read(Trashed(root + "/my file 100%.txt")), std::string("file content"));
        QCOMPARE(Read(Trashed(root + "/box") + "/inner/a.txt"), std::string("deep"));
        QVERIFY(ReadTrash(Trash()).at(root + "/my file 100%.txt").path.endsWith("/my%20file%20100%25.txt"));
    }

    void missingDataHomeIsMadeAndNothingLandsInTheCurrentFolder()
    {
        QTemporaryDir scratch;
        const std::string root = Native(scratch.path()), dataHome = root + "/fresh/data";
        fs::create_directory(root + "/cwd");
        Write(root + "/item.txt", "x");
        const fs::path saved = fs::current_path();
        fs::current_path(root + "/cwd");
        std::string error;
        bool moved;
        {
            EnvironmentGuard data("XDG_DATA_HOME", QByteArray::fromStdString(dataHome));
            moved = platform::MoveToTrash(root + "/item.txt", &error);
        }
        fs::current_path(saved);
        QVERIFY2(moved, error.c_str());
        QVERIFY(fs::is_empty(root + "/cwd"));
        QCOMPARE(Read(Trashed(root + "/item.txt", dataHome + "/Trash")), std::string("x"));
    }

    void namesThatAreNotUtf8KeepTheirBytesAndSameNamesGetTwoPlaces()
    {
        QTemporaryDir work;
        const std::string root = Native(work.path());
        for (const char* folder : {"/one", "/two", "/dir\xfe", "/a", "/b"})
            fs::create_directory(root + folder);
        Write(root + "/one/bad\xff.txt", "first");
        Write(root + "/two/bad\xff.txt", "second");
        Write(root + "/dir\xfe/inside", "in");
        Write(root + "/a/same.txt", "from a");
        Write(root + "/b/same.txt", "from b");
        for (const char* item :
             {"/one/bad\xff.txt", "/two/bad\xff.txt", "/dir\xfe", "/a/same.txt", "/b/same.txt"}) {
            std::string error;
            QVERIFY2(platform::MoveToTrash(root + item, &error), error.c_str());
        }
        QCOMPARE(Trashed(root + "/one/bad\xff.txt"), Trash() + "/files/bad\xff.txt");
        QCOMPARE(Trashed(root + "/two/bad\xff.txt"), Trash() + "/files/bad\xff.txt.2");
        QCOMPARE(Read(Trash() + "/files/bad\xff.txt"), std::string("first"));
        QCOMPARE(Read(Trash() + "/files/bad\xff.txt.2"), std::string("second"));
        QVERIFY(ReadTrash(Trash()).at(root + "/one/bad\xff.txt").path.endsWith("/one/bad%FF.txt"));
        QCOMPARE(Read(Trashed(root + "/dir\xfe") + "/inside"), std::string("in"));
        QCOMPARE(Read(Trashed(root + "/a/same.txt")), std::string("from a"));
        QCOMPARE(Read(Trashed(root + "/b/same.txt")), std::string("from b"));
    }

    void aLinkGoesItselfNotWhatItPointsTo()
    {
        QTemporaryDir work;
        const std::string root = Native(work.path());
        Write(root + "/target.txt", "kept");
        fs::create_symlink("target.txt", root + "/link");
        fs::create_symlink("nowhere", root + "/dangling");
        std::string error;
        QVERIFY2(platform::MoveToTrash(root + "/link", &error), error.c_str());
        QVERIFY2(platform::MoveToTrash(root + "/dangling", &error), error.c_str());
        QCOMPARE(Read(root + "/target.txt"), std::string("kept"));
        QVERIFY(fs::is_symlink(Trashed(root + "/link")));
        QCOMPARE(fs::read_symlink(Trashed(root + "/dangling")).native(), std::string("nowhere"));
    }

    void whatCannotGoStaysAndSaysWhy()
    {
        const size_t before = ReadTrash(Trash()).size();
        QTemporaryDir work;
        std::string error;
        QVERIFY(!platform::MoveToTrash(Native(work.path()) + "/missing.txt", &error));
        QCOMPARE(error, std::string("No such file or directory"));
        // The trash, and the folder holding it, cannot go into it.
        error.clear();
        QVERIFY(!platform::MoveToTrash(Native(m_home.DataHome()), &error));
        QVERIFY(!error.empty());
        QVERIFY(!platform::MoveToTrash(Trash(), &error));
        QVERIFY(Exists(Trash() + "/files"));
        QCOMPARE(ReadTrash(Trash()).size(), before);
        QCOMPARE(size_t(std::distance(fs::directory_iterator(Trash() + "/files"), {})), before);
    }

    void anotherVolumeWithoutTrashKeepsTheItem()
    {
        // The home trash is on the temporary folder's volume; /dev/shm is usually another one.
        struct stat shm, home;
        if (::stat("/dev/shm", &shm) != 0 || ::stat(Native(m_home.DataHome()).c_str(), &home) != 0 ||
            shm.st_dev == home.st_dev || ::access("/dev/shm", W_OK) != 0)
            QSKIP("no second writable volume");
        QTemporaryDir work(QStringLiteral("/dev/shm/tresmolo-XXXXXX"));
        QVERIFY(work.isValid());
        const std::string item = Native(work.path()) + "/odd\xff";
        Write(item, "stays");
        std::string error;
        QVERIFY(!platform::MoveToTrash(item, &error));
        QVERIFY2(error.find("another volume") != std::string::npos, error.c_str());
        QCOMPARE(Read(item), std::string("stays"));
        QVERIFY(!ReadTrash(Trash()).count(item));
        fs::remove(item); // QTemporaryDir cannot remove names that are not UTF-8
    }

    void exportFilesAreNewAndPrivate()
    {
        QTemporaryDir temp;
        EnvironmentGuard tmp("TMPDIR", QFile::encodeName(temp.path()));
        std::string paths[2];
        int fds[2];
        QVERIFY(platform::CreateExportFile(&paths[0], &fds[0]) &&
                platform::CreateExportFile(&paths[1], &fds[1]));
        QVERIFY(paths[0] != paths[1]);
        for (int i = 0; i < 2; ++i) {
            const QFileInfo info(QFile::decodeName(paths[i].c_str()));
            QCOMPARE(info.path(), temp.path());
            QVERIFY2(QRegularExpression(QStringLiteral("^Tre[^/]+\\.txt$")).match(info.fileName()).hasMatch(),
                     paths[i].c_str());
            struct stat st;
            QVERIFY(::fstat(fds[i], &st) == 0);
            QCOMPARE(st.st_mode & 07777, mode_t(0600));
            QCOMPARE(st.st_size, off_t(0));
            QCOMPARE(::write(fds[i], "row\n", 4), ssize_t(4));
            ::close(fds[i]);
            QCOMPARE(Read(paths[i]), std::string("row\n"));
        }
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestTrash)
#include "tst_trash.moc"
