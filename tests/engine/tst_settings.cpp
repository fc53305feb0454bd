// The settings section: defaults, switches, strings, threads and damaged files.
#include "EngineTestUtil.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using Settings::Key;

namespace {

// Ways to make the store's writes fail. Root ignores permission bits, so as root the folder is
// made a read-only mount, or a full one, in the test's private mount namespace.
enum class Block
{
    ReadOnlyFile,   // 0444 file; as root: the folder a read-only bind mount
    ReadOnlyFolder, // 0500 folder; as root: the folder a full tmpfs holding the file
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
public:
    explicit TestSettings(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QString m_noMounts;
    bool m_failureTold = false;

    QString Folder() const { return m_home.ConfigHome() + QStringLiteral("/Tresmolo"); }

    // Makes writes fail in the way asked; false (with a skip) when this system cannot.
    bool BlockWrites(Block block)
    {
        const QByteArray folder = QFile::encodeName(Folder());
        if (::geteuid() != 0) {
            if (block == Block::ReadOnlyFile)
                return ::chmod(QFile::encodeName(platform::ProfileStoreFile()).constData(), 0444) == 0;
            return ::chmod(folder.constData(), 0500) == 0;
        }
        if (!m_noMounts.isEmpty())
            return false;
        if (block == Block::ReadOnlyFile)
            return ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0 &&
                   ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
                       0;
        const QByteArray content = ReadAll(platform::ProfileStoreFile());
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0)
            return false;
        WriteFile(platform::ProfileStoreFile(), content);
        QFile filler(Folder() + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block64k(65536, 'z');
        while (filler.write(block64k) > 0 && filler.flush()) {
        }
        return true;
    }
    void UnblockWrites()
    {
        const QByteArray folder = QFile::encodeName(Folder());
        if (::geteuid() != 0) {
            ::chmod(folder.constData(), 0700);
            ::chmod(QFile::encodeName(platform::ProfileStoreFile()).constData(), 0644);
        } else {
            ::umount2(folder.constData(), MNT_DETACH);
        }
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() == 0 &&
            (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0))
            m_noMounts =
                QStringLiteral("no private mount namespace: ") + QString::fromLocal8Bit(strerror(errno));
    }

    void init() { m_home.ClearSettings(); }

    void firstStartReadsTheDefaults()
    {
        RecordingEngine engine;
        engine.LoadOptions();
        QCOMPARE(engine.m_ignoreWindowsFolder, 1);
        QCOMPARE(engine.m_ignoreProgramsFolder, 1);
        QCOMPARE(engine.m_ignoreLocalAppDataFolder, 1);
        QCOMPARE(engine.m_ignoreHiddenFolders, 1);
        QCOMPARE(engine.m_ignoreHiddenFiles, 1);
        QCOMPARE(engine.m_ignoreReadOnlyFiles, 0);
        QCOMPARE(engine.m_ignoreRecycleBinFolder, 0);
        QCOMPARE(engine.m_searchSubFolders, 1);
        QCOMPARE(engine.m_viewFilesCount, 0);
        QCOMPARE(m_settings.GetSwitch(Key::DisplayFileList), 1);
        QCOMPARE(m_settings.GetSwitch(Key::AutoListLastFolderAtStartup), 0);
        QString text;
        m_settings.ReadLastFolderSelected(text);
        QCOMPARE(text, QStringLiteral("/"));
        m_settings.ReadInfoBarText(text);
        QCOMPARE(text, QStringLiteral("Information Bar"));
        m_settings.ReadSearchWord(text);
        QCOMPARE(text, QString());
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(1, 2), 125), 125);

        QCOMPARE(engine.m_windowsFolder, QStringLiteral("/usr"));
        QCOMPARE(engine.m_programFilesFolder, QStringLiteral("/opt"));
        QCOMPARE(engine.m_localAppDataFolder, m_home.DataHome());
        QCOMPARE(engine.m_appDataFolder, m_home.ConfigHome());
        QCOMPARE(engine.m_commonAppDataFolder, QStringLiteral("/var/lib"));
        QVERIFY(platform::ProfileStoreFile().startsWith(m_home.ConfigHome() + QStringLiteral("/Tresmolo/")));
    }

    void switchesToggleAndAnyNonZeroValueIsOn()
    {
        const QString key = Settings::Name(Key::IgnoreReadOnlyFiles);
        m_settings.ToggleSwitch(Key::IgnoreReadOnlyFiles);
        QCOMPARE(m_settings.GetInt(key, -1), 1);
        m_settings.ToggleSwitch(Key::IgnoreReadOnlyFiles);
        QCOMPARE(m_settings.GetInt(key, -1), 0);

        m_settings.WriteInt(key, 2);
        RecordingEngine engine;
        engine.LoadOptions();
        QVERIFY(engine.m_ignoreReadOnlyFiles != 0);
        m_settings.ToggleSwitch(Key::IgnoreReadOnlyFiles);
        QCOMPARE(m_settings.GetInt(key, -1), 0);
        // The engine keeps the copy it took until the next run loads again.
        QVERIFY(engine.m_ignoreReadOnlyFiles != 0);
        engine.LoadOptions();
        QCOMPARE(engine.m_ignoreReadOnlyFiles, 0);
    }

    void stringsSurviveAsWritten()
    {
        const QString text = QStringLiteral(
            "File Search Started At 10:00:00 , Stopped At 10:01:00. Parsed 3 Folder(s). %d \"q\" ; é");
        m_settings.WriteInfoBarText(text);
        QString back;
        m_settings.ReadInfoBarText(back);
        QCOMPARE(back, text);
        m_settings.WriteSearchWord(QStringLiteral("a, b"));
        m_settings.ReadSearchWord(back);
        QCOMPARE(back, QStringLiteral("a, b"));
        m_settings.WriteLastFolderSelected(QString());
        m_settings.ReadLastFolderSelected(back);
        QCOMPARE(back, QString());
    }

    void writesAreSeenAtOnceByOtherThreads()
    {
        const QString key = Settings::Name(Key::ViewFilesCount);
        for (int round = 0; round < 20; ++round) {
            m_settings.WriteInt(key, round);
            int seen = -1;
            std::thread reader([&] { seen = CSettingsSection().GetInt(key, -1); });
            reader.join();
            QCOMPARE(seen, round);
            std::thread writer([&] {
                CSettingsSection().WriteString(QStringLiteral("InfoBarText"), QString::number(round));
            });
            writer.join();
            QString text;
            m_settings.ReadInfoBarText(text);
            QCOMPARE(text, QString::number(round));
        }
    }

    void writesGoOnBesideAnotherThreadsSettings()
    {
        // Another thread writes a settings file of its own meanwhile: both reach glibc's time zone
        // code (tzset) through QSettings, which ThreadSanitizer must not report (tests/tsan.supp).
        std::atomic<bool> done{false};
        std::thread other([&] {
            for (int round = 0; !done; ++round) {
                QSettings store(m_home.Path() + QStringLiteral("/other.conf"), QSettings::NativeFormat);
                store.setValue(QStringLiteral("Round"), round);
                store.sync();
            }
        });
        for (int round = 0; round < 100; ++round)
            QVERIFY(m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), round));
        done = true;
        other.join();
        QCOMPARE(m_settings.GetSwitch(Key::ViewFilesCount), 99);
    }

    void damagedValuesAndFilesReadAsDefaults()
    {
        const QString file = platform::ProfileStoreFile();
        WriteFile(
            file,
            "[Settings]\nIgnoreHiddenFiles=abc\nSearchSubFolders=\nViewFilesCount=1, 2\nDisplayFileList=0\n");
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreHiddenFiles), 1);
        QCOMPARE(m_settings.GetSwitch(Key::SearchSubFolders), 1);
        QCOMPARE(m_settings.GetSwitch(Key::ViewFilesCount), 0);
        QCOMPARE(m_settings.GetSwitch(Key::DisplayFileList), 0);

        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) % 256));
        WriteFile(file, junk);
        RecordingEngine engine;
        engine.LoadOptions();
        QCOMPARE(engine.m_ignoreHiddenFiles, 1);
        QCOMPARE(engine.m_searchSubFolders, 1);
        QString text;
        m_settings.ReadInfoBarText(text);
        QCOMPARE(text, QStringLiteral("Information Bar"));
        // A write after the damage still works and is read back.
        QVERIFY(m_settings.WriteInt(Settings::Name(Key::IgnoreReadOnlyFiles), 1));
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreReadOnlyFiles), 1);
        QVERIFY(!platform::TakeProfileWriteFailure()); // a damaged file is no failed write
    }

    void aStoreThatCannotBeWrittenStillReadsAsStored_data()
    {
        QTest::addColumn<int>("block");
        QTest::newRow("read-only file") << int(Block::ReadOnlyFile);
        QTest::newRow("read-only folder") << int(Block::ReadOnlyFolder);
    }
    void aStoreThatCannotBeWrittenStillReadsAsStored()
    {
        QFETCH(int, block);
        m_settings.WriteInt(Settings::Name(Key::SearchSubFolders), 0);
        m_settings.WriteInt(Settings::Name(Key::IgnoreHiddenFiles), 0);
        m_settings.WriteSearchWord(QStringLiteral("needle"));
        m_settings.WriteLastFolderSelected(QStringLiteral("/srv"));
        const QByteArray stored = ReadAll(platform::ProfileStoreFile());
        if (!BlockWrites(Block(block))) {
            UnblockWrites();
            QSKIP(qPrintable(QStringLiteral("writes cannot be made to fail here. ") + m_noMounts));
        }

        // Every write fails and says so; the first failure of the session is to be told, once.
        QVERIFY(!m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1));
        QCOMPARE(platform::TakeProfileWriteFailure(), !m_failureTold);
        m_failureTold = true;
        QVERIFY(!m_settings.WriteInfoBarText(QStringLiteral("Searching...")));
        QVERIFY(!platform::TakeProfileWriteFailure());
        // What is on disk still reads as stored, here and on another thread, and in the engine.
        RecordingEngine engine;
        engine.LoadOptions();
        QCOMPARE(engine.m_searchSubFolders, 0);
        QCOMPARE(engine.m_ignoreHiddenFiles, 0);
        QCOMPARE(engine.m_ignoreWindowsFolder, 1);
        QString text;
        std::thread([&] { CSettingsSection().ReadSearchWord(text); }).join();
        QCOMPARE(text, QStringLiteral("needle"));
        m_settings.ReadLastFolderSelected(text);
        QCOMPARE(text, QStringLiteral("/srv"));
        // The changes that could not be saved hold for the session.
        QCOMPARE(engine.m_viewFilesCount, 1);
        m_settings.ReadInfoBarText(text);
        QCOMPARE(text, QStringLiteral("Searching..."));
        QCOMPARE(ReadAll(platform::ProfileStoreFile()), stored);

        // Once the store can be written again, the next write saves it all.
        UnblockWrites();
        QVERIFY(m_settings.WriteInt(Settings::Name(Key::IgnoreReadOnlyFiles), 1));
        const QByteArray saved = ReadAll(platform::ProfileStoreFile());
        QVERIFY(saved.contains("ViewFilesCount=1") && saved.contains("SearchSubFolders=0"));
    }

    // A value written again leaves the file alone; a batch saves its values together, and a batch
    // that cannot save counts as any failed write.
    void unchangedValuesAndBatchesRewriteTheFileOnlyWhenNeeded()
    {
        const auto inode = [] {
            struct stat status
            {
            };
            return ::stat(QFile::encodeName(platform::ProfileStoreFile()).constData(), &status) == 0
                       ? status.st_ino
                       : ino_t(0);
        };
        m_settings.WriteSearchWord(QStringLiteral("needle"));
        m_settings.WriteInt(Settings::Name(Key::SearchSubFolders), 0);
        const ino_t first = inode();
        QVERIFY(first != 0);
        QVERIFY(m_settings.WriteSearchWord(QStringLiteral("needle")));
        QVERIFY(m_settings.WriteInt(Settings::Name(Key::SearchSubFolders), 0));
        QCOMPARE(inode(), first);

        {
            const platform::ProfileWriteBatch batch;
            m_settings.WriteSearchWord(QStringLiteral("thread"));
            m_settings.WriteInt(Settings::Name(Key::SearchSubFolders), 1);
            QString word;
            m_settings.ReadSearchWord(word);
            QCOMPARE(word, QStringLiteral("thread"));
            QCOMPARE(inode(), first); // nothing saved yet
        }
        QVERIFY(inode() != first);
        QSettings disk(platform::ProfileStoreFile(), QSettings::IniFormat);
        QCOMPARE(disk.value(QStringLiteral("Settings/SearchWord")).toString(), QStringLiteral("thread"));
        QCOMPARE(disk.value(QStringLiteral("Settings/SearchSubFolders")).toString(), QStringLiteral("1"));

        const QByteArray stored = ReadAll(platform::ProfileStoreFile());
        if (!BlockWrites(Block::ReadOnlyFile)) {
            UnblockWrites();
            QSKIP(qPrintable(QStringLiteral("writes cannot be made to fail here. ") + m_noMounts));
        }
        {
            const platform::ProfileWriteBatch batch;
            QVERIFY(m_settings.WriteSearchWord(QStringLiteral("pin")));
        }
        QCOMPARE(platform::TakeProfileWriteFailure(), !m_failureTold);
        m_failureTold = true;
        QString word;
        m_settings.ReadSearchWord(word);
        QCOMPARE(word, QStringLiteral("pin"));
        QCOMPARE(ReadAll(platform::ProfileStoreFile()), stored);
        UnblockWrites();
    }

    void valuesOfAnotherTypeReadAsDefaults()
    {
        WriteFile(platform::ProfileStoreFile(),
                  "[Settings]\n"
                  "SearchWord=@Variant(\\0\\0\\0\\x1\\x1)\n" // a bool (true)
                  "InfoBarText=@ByteArray(bytes)\n"
                  "LastFolderSelected=@Rect(1 2 3 4)\n"
                  "SearchSubFolders=@Variant(\\0\\0\\0\\x1\\0)\n" // a bool (false)
                  "IgnoreHiddenFiles=@Size(0 0)\n"
                  "IgnoreHiddenFolders=@ByteArray(0)\n"
                  "IgnoreWindowsFolder=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0)\n" // an int (0)
                  "IgnoreReadOnlyFiles=4294967297\n"
                  "1%20Column%200=@String(77)\n"
                  "2%20Column%200=@@odd\n");
        QString text;
        m_settings.ReadSearchWord(text);
        QCOMPARE(text, QString());
        m_settings.ReadInfoBarText(text);
        QCOMPARE(text, QStringLiteral("Information Bar"));
        m_settings.ReadLastFolderSelected(text);
        QCOMPARE(text, QStringLiteral("/"));
        QCOMPARE(m_settings.GetSwitch(Key::SearchSubFolders), 1);
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreHiddenFiles), 1);
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreHiddenFolders), 1);
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreReadOnlyFiles), 0); // beyond 32 bits
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreWindowsFolder), 0); // an integer is an integer
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(1, 0), 5), 77);
        m_settings.GetString(Settings::ColumnWidthKey(2, 0), QString(), text);
        QCOMPARE(text, QStringLiteral("@odd"));
        // A number written in this session reads back as text, as it will from the file.
        m_settings.WriteInt(QStringLiteral("Number"), 12);
        m_settings.GetString(QStringLiteral("Number"), QString(), text);
        QCOMPARE(text, QStringLiteral("12"));
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestSettings)
#include "tst_settings.moc"
