// The walk's rules: what is reported, skipped, counted as parsed and as ignored.
#include "EngineTestUtil.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

using Settings::Key;

class TestWalk : public QObject
{
    Q_OBJECT
public:
    explicit TestWalk(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;

    void Set(Key key, int value) { m_settings.WriteInt(Settings::Name(key), value); }

private slots:
    void init() { m_home.ClearSettings(); }

    // Data holds x.txt, a hidden folder .A with a.txt, and B with the read-only y.doc and the hidden .z.ini.
    void workedExampleWithDefaultSwitches()
    {
        QTemporaryDir dir;
        const QString data = dir.path() + QStringLiteral("/Data");
        MakeTree(data, {QStringLiteral("x.txt"), QStringLiteral(".A/a.txt"), QStringLiteral("B/y.doc"),
                        QStringLiteral("B/.z.ini")});
        QFile::setPermissions(data + QStringLiteral("/B/y.doc"), QFile::ReadOwner | QFile::ReadGroup);

        RecordingEngine engine;
        engine.Search(data);
        QCOMPARE(engine.SortedNames(), (QStringList{QStringLiteral("x.txt"), QStringLiteral("y.doc")}));
        QCOMPARE(engine.m_foldersParsed, 2);
        QCOMPARE(engine.m_foldersIgnored, 1);
        QVERIFY(engine.found.contains(data + QStringLiteral("/B/y.doc")));
        QVERIFY(engine.foundFolders.contains(data + QStringLiteral("/B")));

        RecordingEngine withWord;
        withWord.Search(data, QStringLiteral("DOC"));
        QCOMPARE(withWord.SortedNames(), QStringList{QStringLiteral("y.doc")});
        QCOMPARE(withWord.m_foldersParsed, 2);
        QCOMPARE(withWord.m_foldersIgnored, 1);

        // Read-only files go when their switch is on; hidden ones come back when theirs is off.
        Set(Key::IgnoreReadOnlyFiles, 1);
        Set(Key::IgnoreHiddenFiles, 0);
        Set(Key::IgnoreHiddenFolders, 0);
        RecordingEngine switched;
        switched.Search(data);
        QCOMPARE(switched.SortedNames(),
                 (QStringList{QStringLiteral(".z.ini"), QStringLiteral("a.txt"), QStringLiteral("x.txt")}));
        QCOMPARE(switched.m_foldersParsed, 3);
        QCOMPARE(switched.m_foldersIgnored, 0);
    }

    void wordMatchesPartOfTheNameWithoutRegardToCase()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("notes.txt"), QStringLiteral("Txt-files.doc"),
                              QStringLiteral("other.doc"), QStringLiteral("sub.txt/inside.doc"),
                              QStringLiteral("Äpfel.TXT"), QStringLiteral("grüße.md")});
        RecordingEngine engine;
        engine.Search(dir.path(), QStringLiteral("TXT"));
        // The folder name does not count, only the file's own name.
        QCOMPARE(engine.SortedNames(),
                 (QStringList{QStringLiteral("Txt-files.doc"), QStringLiteral("notes.txt"),
                              QStringLiteral("Äpfel.TXT")}));

        RecordingEngine unicode;
        unicode.Search(dir.path(), QStringLiteral("äPF"));
        QCOMPARE(unicode.SortedNames(), QStringList{QStringLiteral("Äpfel.TXT")});
        RecordingEngine umlaut;
        umlaut.Search(dir.path(), QStringLiteral("GRÜ"));
        QCOMPARE(umlaut.SortedNames(), QStringList{QStringLiteral("grüße.md")});

        RecordingEngine none;
        none.Search(dir.path(), QStringLiteral("pdf"));
        QVERIFY(none.found.isEmpty());
        QCOMPARE(none.m_foldersParsed, 2);

        RecordingEngine all;
        all.Search(dir.path());
        QCOMPARE(all.found.size(), 6);
    }

    void subFoldersSwitch()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(),
                 {QStringLiteral("top.txt"), QStringLiteral("a/deep.txt"), QStringLiteral(".hidden/h.txt")});
        Set(Key::SearchSubFolders, 0);
        RecordingEngine engine;
        engine.Search(dir.path());
        QCOMPARE(engine.SortedNames(), QStringList{QStringLiteral("top.txt")});
        QCOMPARE(engine.m_foldersParsed, 1);
        QCOMPARE(engine.m_foldersIgnored, 0); // sub-folders are neither parsed nor ignored
    }

    void ignoredSubFolderCountsOnceAndHidesItsDescendants()
    {
        // The application-data folders live in the test's home, so a tree can hold them.
        const QString data = m_home.DataHome();
        MakeTree(data, {QStringLiteral("app/one.txt"), QStringLiteral("app/deeper/two.txt")});
        const QString home = m_home.Path();
        MakeTree(home, {QStringLiteral("Docs/d.txt")});

        RecordingEngine engine;
        engine.Search(home);
        QVERIFY(!engine.SortedNames().contains(QStringLiteral("one.txt")));
        QVERIFY(engine.SortedNames().contains(QStringLiteral("d.txt")));
        // config and data are application-data folders; runtime and cache are ordinary.
        QCOMPARE(engine.m_foldersIgnored, 2);

        // The start folder itself ignored: nothing parsed, one ignored, no files.
        RecordingEngine start;
        start.Search(data);
        QCOMPARE(start.m_foldersParsed, 0);
        QCOMPARE(start.m_foldersIgnored, 1);
        QVERIFY(start.found.isEmpty());

        Set(Key::IgnoreLocalAppDataFolder, 0);
        RecordingEngine off;
        off.Search(data);
        QCOMPARE(off.SortedNames(), (QStringList{QStringLiteral("one.txt"), QStringLiteral("two.txt")}));
    }

    void ignoreRulesOnKnownFolders()
    {
        RecordingEngine engine;
        engine.LoadOptions();
        QVERIFY(engine.IsIgnoredFolder(QStringLiteral("/usr")));
        QVERIFY(!engine.IsIgnoredFolder(QStringLiteral("/usr/share")));
        QVERIFY(engine.IsIgnoredFolder(QStringLiteral("/opt")));
        QVERIFY(engine.IsIgnoredFolder(QStringLiteral("/opt (x86)")));
        QVERIFY(engine.IsIgnoredFolder(QStringLiteral("/var/lib")));
        QVERIFY(engine.IsIgnoredFolder(m_home.ConfigHome()));
        QVERIFY(engine.IsIgnoredFolder(m_home.DataHome() + QStringLiteral("Low")));
        QVERIFY(!engine.IsIgnoredFolder(QStringLiteral("/")));
        QVERIFY(!engine.IsIgnoredFolder(m_home.Path()));
        // A folder that does not exist cannot be examined and counts as hidden.
        QVERIFY(engine.IsIgnoredFolder(m_home.Path() + QStringLiteral("/missing")));

        // Virtual file systems are never entered, whatever the switches.
        Set(Key::IgnoreWindowsFolder, 0);
        Set(Key::IgnoreProgramsFolder, 0);
        Set(Key::IgnoreHiddenFolders, 0);
        Set(Key::IgnoreLocalAppDataFolder, 0);
        engine.LoadOptions();
        QVERIFY(!engine.IsIgnoredFolder(QStringLiteral("/usr")));
        QVERIFY(!engine.IsIgnoredFolder(QStringLiteral("/opt")));
        Set(Key::IgnoreProgramsFolder, 1);
        engine.LoadOptions();
        QVERIFY(engine.IsIgnoredFolder(QStringLiteral("/opt")));
        QVERIFY(!engine.IsIgnoredFolder(QStringLiteral("/OPT"))); // names are case-sensitive here
        QVERIFY(!engine.IsIgnoredFolder(m_home.ConfigHome()));
        if (QFile::exists(QStringLiteral("/proc/self")))
            QVERIFY(engine.IsIgnoredFolder(QStringLiteral("/proc")));
    }

    void startFolderRuleIsRecorded()
    {
        // The rule that kept the chosen folder out, one per switch, the virtual file systems, and
        // none once a search went in; each run records its own.
        MakeTree(m_home.Path(),
                 {QStringLiteral(".dot/a.txt"), QStringLiteral("Trash-ish/.Trash-1000/t.txt")});
        Set(Key::IgnoreRecycleBinFolder, 1);
        const QList<QPair<QString, IgnoreRule>> cases = {
            {QStringLiteral("/usr"), IgnoreRule::WindowsFolder},
            {QStringLiteral("/opt"), IgnoreRule::ProgramsFolder},
            {m_home.ConfigHome(), IgnoreRule::LocalAppDataFolder},
            {m_home.Path() + QStringLiteral("/.dot"), IgnoreRule::HiddenFolders},
            {m_home.Path() + QStringLiteral("/Trash-ish/.Trash-1000"), IgnoreRule::RecycleBinFolder},
            {m_home.Path(), IgnoreRule::None},
        };
        RecordingEngine engine;
        for (const auto& [folder, rule] : cases) {
            engine.Search(folder);
            QCOMPARE(engine.StartFolderIgnoredBy(), rule);
            QCOMPARE(engine.m_foldersIgnored > 0 && engine.m_foldersParsed == 0, rule != IgnoreRule::None);
        }
        if (QFile::exists(QStringLiteral("/proc/self"))) {
            Set(Key::IgnoreHiddenFolders, 0);
            engine.Search(QStringLiteral("/proc"));
            QCOMPARE(engine.StartFolderIgnoredBy(), IgnoreRule::VirtualFileSystem);
        }
    }

    void trashFolders()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral(".Trash-1000/files/a.txt"), QStringLiteral(".Trash/b.txt"),
                              QStringLiteral(".Trash-x/c.txt"), QStringLiteral("Trash/d.txt")});
        MakeTree(m_home.DataHome(), {QStringLiteral("Trash/files/e.txt")});
        Set(Key::IgnoreHiddenFolders, 0);
        RecordingEngine keep;
        keep.Search(dir.path());
        QCOMPARE(keep.found.size(), 4);

        Set(Key::IgnoreRecycleBinFolder, 1);
        RecordingEngine skip;
        skip.Search(dir.path());
        QCOMPARE(skip.SortedNames(), (QStringList{QStringLiteral("c.txt"), QStringLiteral("d.txt")}));
        QCOMPARE(skip.m_foldersIgnored, 2);

        Set(Key::IgnoreLocalAppDataFolder, 0);
        RecordingEngine home;
        home.Search(m_home.DataHome());
        QVERIFY(!home.SortedNames().contains(QStringLiteral("e.txt")));
        QCOMPARE(home.m_foldersIgnored, 1);
    }

    void perFolderCountsTakeEveryFileBeforeTheFilters()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(),
                 {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.doc"),
                  QStringLiteral(".d.txt"), QStringLiteral(".e.txt"), QStringLiteral("sub/f.txt")});
        Set(Key::ViewFilesCount, 1);
        RecordingEngine engine;
        QList<int> seen;
        engine.onFound = [&](const CFileFind& find) {
            seen << engine.GetFolderFileCount(find.GetNativeFolder());
        };
        engine.LoadOptions();
        engine.m_run = true;
        engine.Walk(dir.path(), QStringLiteral("txt"));
        // The walk's map survives until RunSearch empties it.
        QCOMPARE(engine.GetFolderFileCount(dir.path()), 5);
        QCOMPARE(engine.GetFolderFileCount(dir.path() + QStringLiteral("/sub")), 1);
        QCOMPARE(engine.GetFolderFileCount(dir.path() + QStringLiteral("/none")), 0);
        QCOMPARE(engine.found.size(), 3);
        for (int count : seen)
            QVERIFY(count >= 1 && count <= 5);

        // Counts are kept only when the switch is on.
        Set(Key::ViewFilesCount, 0);
        RecordingEngine off;
        off.LoadOptions();
        off.m_run = true;
        off.Walk(dir.path(), {});
        QCOMPARE(off.GetFolderFileCount(dir.path()), 0);

        // A folder is entered once per run, however often the walk is asked.
        off.Walk(dir.path(), {});
        QCOMPARE(off.found.size(), 4);
    }

    void stopReportsTheRestOfTheOpenFolders()
    {
        // A chain a/b/c with files at every level and side folders that the stop keeps out.
        QTemporaryDir dir;
        QStringList paths;
        for (const QString& level :
             {QString(), QStringLiteral("a/"), QStringLiteral("a/b/"), QStringLiteral("a/b/c/")}) {
            for (int i = 0; i < 5; ++i) {
                paths << level + QStringLiteral("file%1.txt").arg(i);
                paths << level + QStringLiteral("side%1/s.txt").arg(i);
            }
        }
        paths << QStringLiteral("a/b/c/stop.here");
        MakeTree(dir.path(), paths);

        RecordingEngine engine;
        engine.onFound = [&](const CFileFind& find) {
            if (find.GetFileName() == QStringLiteral("stop.here"))
                engine.m_run = false;
        };
        engine.Search(dir.path());
        for (const QString& level :
             {QString(), QStringLiteral("a/"), QStringLiteral("a/b/"), QStringLiteral("a/b/c/")})
            for (int i = 0; i < 5; ++i)
                QVERIFY2(engine.found.contains(dir.path() + QLatin1Char('/') + level +
                                               QStringLiteral("file%1.txt").arg(i)),
                         qPrintable(level));
        // Side folders entered before the stop were listed whole; none was entered after it.
        const int sideFiles = int(engine.found.filter(QStringLiteral("/s.txt")).size());
        QCOMPARE(engine.m_foldersParsed, 4 + sideFiles);
        QVERIFY(sideFiles < 20);
        QVERIFY(!engine.m_run);
    }

    void stopFromAnotherThread()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 300; ++i)
            paths << QStringLiteral("f%1/g/file.txt").arg(i);
        MakeTree(dir.path(), paths);

        RecordingEngine engine;
        std::atomic<int> reported{0};
        std::atomic<bool> stopped{false};
        engine.onFound = [&](const CFileFind&) {
            ++reported;
            // Hold the walk back until the stop has been seen, so it cannot finish first.
            while (!stopped.load())
                std::this_thread::yield();
        };
        engine.LoadOptions();
        engine.m_startFolder = dir.path();
        std::thread worker([&] { engine.RunSearch(); });
        while (reported.load() == 0)
            std::this_thread::yield();
        engine.m_run = false;
        stopped = true;
        worker.join();
        QVERIFY(engine.m_foldersParsed < 601);
        QCOMPARE(engine.found.size(), reported.load());
        QVERIFY(engine.found.size() < 300);
    }

    void timesAreStampedAroundTheRun()
    {
        QTemporaryDir dir;
        RecordingEngine engine;
        engine.LoadOptions();
        QVERIFY(IsEarlier(engine.m_stopTime, engine.m_startTime));
        QCOMPARE(FormatDuration(Difference(engine.m_startTime, engine.m_stopTime)), QStringLiteral("1 Day"));
        engine.m_startFolder = dir.path();
        engine.RunSearch();
        QVERIFY(!IsEarlier(engine.m_stopTime, engine.m_startTime));
        QCOMPARE(engine.m_stopTime.m_status, DateTimeStatus::valid);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestWalk)
#include "tst_walk.moc"
