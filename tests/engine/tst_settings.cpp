// The settings section: defaults, switches, strings, threads and damaged files.
#include "EngineTestUtil.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <thread>

using Settings::Key;

class TestSettings : public QObject
{
    Q_OBJECT
public:
    explicit TestSettings(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;

private slots:
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
        m_settings.WriteInt(Settings::Name(Key::IgnoreReadOnlyFiles), 1);
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreReadOnlyFiles), 1);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestSettings)
#include "tst_settings.moc"
