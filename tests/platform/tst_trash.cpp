// The trash and the export file, on the real file system inside the test's private home.
#include "TrashTestUtil.h"
#include "platform/TempFile.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace trashtest;

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

    void longNamesGetShortUniqueNamesAndKeepTheirPath()
    {
        QTemporaryDir work;
        const std::string root = Native(work.path());
        const std::string accented = "\xc3\xa9"; // "é", two bytes
        std::vector<std::string> names = {std::string(242, 'a') + ".txt", std::string(246, 'b'),
                                          std::string(250, 'c'), std::string(251, 'd') + ".txt"};
        for (const char tail : {'1', '2'}) // equal in their first 254 bytes
            names.push_back(std::string(254, 'e') + tail);
        std::string wide; // 255 bytes of two-byte characters and one "x": no cut may split one
        while (wide.size() < 254)
            wide += accented;
        names.push_back(wide + "x");
        for (const std::string& name : names)
            Write(root + "/" + name, name.substr(name.size() - 3));
        fs::create_directory(root + "/" + std::string(255, 'f'));
        Write(root + "/" + std::string(255, 'f') + "/inner", "in");
        names.push_back(std::string(255, 'f'));

        std::set<std::string> inTrash;
        for (const std::string& name : names) {
            const Outcome outcome = TrashWithin(root + "/" + name);
            QVERIFY2(!outcome.hung && outcome.moved,
                     (std::to_string(name.size()) + ": " + outcome.error).c_str());
            const std::string trashed = Trashed(root + "/" + name);
            QVERIFY2(!trashed.empty(), std::to_string(name.size()).c_str());
            const std::string short_ = fs::path(trashed).filename().native();
            QVERIFY(short_.size() + std::string_view(".trashinfo").size() <= 255);
            QVERIFY(QString::fromUtf8(short_).toUtf8().toStdString() == short_);
            QCOMPARE(short_.ends_with(".txt"), name.ends_with(".txt"));
            QVERIFY(inTrash.insert(short_).second);
            if (name.size() > 245)
                QVERIFY(short_.size() < name.size());
        }
        QCOMPARE(Read(Trashed(root + "/" + names[4])), std::string("ee1"));
        QCOMPARE(Read(Trashed(root + "/" + names[5])), std::string("ee2"));
        QCOMPARE(Read(Trashed(root + "/" + std::string(255, 'f')) + "/inner"), std::string("in"));
    }

    // Names that are not UTF-8 and hold no character at all where they are cut: the cut falls on
    // the byte limit, keeping the start of the name and its extension.
    void longNamesWithoutCharactersAreCutOnBytes()
    {
        QTemporaryDir work;
        const std::string root = Native(work.path());
        std::string bytes; // 0x80..0xBF over and over: continuation bytes only
        while (bytes.size() < 255)
            bytes += char(0x80 + bytes.size() % 64);
        const std::string names[] = {bytes, bytes.substr(0, 251) + ".txt", "a" + bytes.substr(0, 254)};
        for (const std::string& name : names) {
            Write(root + "/" + name, "kept");
            const Outcome outcome = TrashWithin(root + "/" + name);
            QVERIFY2(!outcome.hung && outcome.moved, outcome.error.c_str());
            const std::string trashed = fs::path(Trashed(root + "/" + name)).filename().native();
            QCOMPARE(Read(Trash() + "/files/" + trashed), std::string("kept"));
            QCOMPARE(trashed.size() + std::string_view(".trashinfo").size(), size_t(255));
            const std::string extension = name.ends_with(".txt") ? ".txt" : "";
            QCOMPARE(trashed, name.substr(0, trashed.size() - extension.size()) + extension);
        }
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
