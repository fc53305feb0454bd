// The program as a user meets it: start-up, folder selection, a whole search from the frame's
// commands, the switches' check marks, and closing during a run.
#include "duplicates/DlgDuplicateResults.h"
#include "platform/SettingsStore.h"
#include "shell/FolderTree.h"
#include "shell/InfoBar.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "support/TestSupport.h"
#include "view/AppMessages.h"
#include "view/DlgSearchParameters.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include "view/ResultList.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using Settings::Key;

class TestMainFrame : public QObject
{
    Q_OBJECT
public:
    explicit TestMainFrame(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QTemporaryDir m_tree;
    int m_dialogs = 0;
    std::pair<const void*, const void*> m_duplicateSources{nullptr, nullptr};
    QStringList m_duplicatePaths; // what the window got in status mode
    QString m_dialogPath;

    void Set(Key key, int value) { m_settings.WriteInt(Settings::Name(key), value); }
    QString Stored(Key key)
    {
        QString text;
        m_settings.GetString(Settings::Name(key), Settings::StringDefault(key), text);
        return text;
    }

private slots:
    void initTestCase()
    {
        MakeTree(m_tree.path(),
                 {QStringLiteral("a.txt"), QStringLiteral("sub/b.txt"), QStringLiteral("sub/c.doc")});
        Seams::SetDialogRunner([this](QDialog& dialog) {
            if (auto* duplicates = qobject_cast<CDlgDuplicateResults*>(&dialog)) {
                const FoundPaths* found = duplicates->m_pSourcePaths.Found();
                m_duplicateSources = {duplicates->m_pSourceList, found};
                m_duplicatePaths = found ? found->Texts() : QStringList();
                dialog.reject();
                return int(QDialog::Rejected);
            }
            ++m_dialogs;
            if (auto* parameters = qobject_cast<CDlgSearchParameters*>(&dialog))
                m_dialogPath = parameters->PathEdit()->text();
            dialog.accept();
            return int(QDialog::Accepted);
        });
        Seams::SetMessageBoxHandler([](const Seams::MessageBoxCall&) { return QMessageBox::Ok; });
    }
    void init()
    {
        m_home.ClearSettings();
        m_dialogs = 0;
    }

    void startUpTextsAndTheFirstSelection()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Tresmolo"));
        QCOMPARE(frame->InfoBar()->Text(),
                 QStringLiteral("Select Folder from the Left Hand Side to be Searched."));
        QCOMPARE(frame->CountPane()->text(), QStringLiteral("Number of Files Found in Search."));
        QCOMPARE(frame->FolderPane()->text(), QStringLiteral("/"));
        // The tree's selection of the stored folder ("/" by default) reaches the frame.
        QTRY_COMPARE(frame->InfoBar()->Text(),
                     QStringLiteral("Press the Start Button to Start Searching File(s) from the Folder /."));
        QCOMPARE(app.Document().SelectedFolder(), QStringLiteral("/"));
        QCOMPARE(frame->FolderPane()->toolTip(), QStringLiteral("Folder / Selected to Search File(s)."));
        QCOMPARE(m_dialogs, 0);

        // Commands without a handler show disabled; Stop is disabled while idle.
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(Commands::EditCut)->isEnabled());
        QVERIFY(!frame->Action(Commands::StopSearch)->isEnabled());
        QVERIFY(frame->Action(Commands::StartSearch)->isEnabled());
        QCOMPARE(frame->Action(Commands::StartSearch)->shortcut(), QKeySequence(Qt::Key_F9));
    }

    void aStoredFolderThatIsGoneIsForgotten()
    {
        m_settings.WriteLastFolderSelected(m_tree.path() + QStringLiteral("/gone"));
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        QCOMPARE(Stored(Key::LastFolderSelected), QString());
        QCOMPARE(app.MainFrame()->FolderPane()->text(),
                 QStringLiteral("Please Select a Folder from the Folder List to Search for File(s)."));
        QCOMPARE(app.MainFrame()->FolderPane()->toolTip(),
                 QStringLiteral("Folder Name Selected from the Folder List will Appear Here."));
    }

    void selectAndSearchFromTheFrame()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame->Tree()->SelectPath(m_tree.path()));
        QTRY_COMPARE(app.Document().SelectedFolder(), m_tree.path());
        QCOMPARE(Stored(Key::LastFolderSelected), m_tree.path());
        QCOMPARE(frame->FolderPane()->text(), m_tree.path());

        QSignalSpy finished(frame->View(), &CPendrakeView::searchFinished);
        frame->Action(Commands::StartSearch)->trigger();
        QCOMPARE(m_dialogs, 1);
        QCOMPARE(m_dialogPath, m_tree.path());
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(Commands::StartSearch)->isEnabled());
        QVERIFY(finished.wait(20000));
        QTRY_COMPARE(frame->CountPane()->text(), QStringLiteral("3 File(s) Found."));
        QTRY_VERIFY(frame->InfoBar()->Text().startsWith(QStringLiteral("File Search Started At ")));
        QCOMPARE(frame->View()->FileModel().rowCount(), 3);
        QTRY_VERIFY(frame->Action(Commands::StartSearch)->isEnabled());

        // The duplicates window reads the file list in file mode and the found paths in status mode.
        QVERIFY(frame->Action(Commands::DuplicateFiles)->isEnabled());
        frame->Action(Commands::DuplicateFiles)->trigger();
        QCOMPARE(m_duplicateSources.first, static_cast<const void*>(&frame->View()->FileModel()));
        QCOMPARE(m_duplicateSources.second, nullptr);
        Set(Key::DisplayFileList, 0);
        QSignalSpy again(frame->View(), &CPendrakeView::searchFinished);
        frame->Action(Commands::StartSearch)->trigger();
        QVERIFY(again.wait(20000));
        QTRY_VERIFY(frame->Action(Commands::DuplicateFiles)->isEnabled());
        frame->Action(Commands::DuplicateFiles)->trigger();
        QCOMPARE(m_duplicateSources.first, nullptr);
        QCOMPARE(m_duplicateSources.second, static_cast<const void*>(&frame->View()->m_foundPaths));
        QCOMPARE(m_duplicatePaths, frame->View()->m_foundPaths.Texts());
        QCOMPARE(m_duplicatePaths.size(), 3);
    }

    // When the chosen folder itself is left out, the information bar's tooltip says which switch
    // did it (or that it is a virtual file system); a searched folder adds nothing.
    void aSkippedStartFolderNamesItsSwitch()
    {
        QVERIFY(QDir().mkpath(m_tree.path() + QStringLiteral("/.hidden")));
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        const auto search = [&](const QString& folder) {
            app.Document().SetSelectedFolder(folder);
            QSignalSpy finished(frame->View(), &CPendrakeView::searchFinished);
            frame->Action(Commands::StartSearch)->trigger();
            QVERIFY(finished.wait(20000));
            QTRY_VERIFY(frame->InfoBar()->Text().startsWith(QStringLiteral("File Search Started At ")));
            QCoreApplication::processEvents();
        };
        const QList<std::pair<QString, QString>> cases = {
            {m_tree.path() + QStringLiteral("/.hidden"),
             QStringLiteral("the switch \"Hidden\" in \"Folders To Ignore\" skips it.")},
            {QStringLiteral("/usr"),
             QStringLiteral("the switch \"Windows\" in \"Folders To Ignore\" skips it.")},
            {QStringLiteral("/proc"), QStringLiteral("it lies on a virtual file system")},
        };
        for (const auto& [folder, note] : cases) {
            search(folder);
            QVERIFY2(frame->InfoBar()->ToolTip().contains(
                         QStringLiteral("The folder %1 itself was not searched: ").arg(folder)),
                     qPrintable(frame->InfoBar()->ToolTip()));
            QVERIFY2(frame->InfoBar()->ToolTip().contains(note.toHtmlEscaped()),
                     qPrintable(frame->InfoBar()->ToolTip()));
            QVERIFY(frame->InfoBar()->ToolTip().contains(frame->InfoBar()->Text().toHtmlEscaped()));
        }
        // The switches stay as they were after the question.
        QCOMPARE(frame->View()->m_ignoreHiddenFolders, 1);
        QCOMPARE(frame->View()->m_ignoreWindowsFolder, 1);
        search(m_tree.path());
        QCOMPARE(frame->InfoBar()->ToolTip(), frame->InfoBar()->Text());
    }

    void switchesFollowTheStoredValues()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QAction* windows = frame->Action(Commands::IgnoreWindowsFolder);
        QAction* readOnly = frame->Action(Commands::IgnoreReadOnlyFiles);
        QVERIFY(windows->isChecked());
        QVERIFY(!readOnly->isChecked());
        windows->trigger();
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreWindowsFolder), 0);
        QVERIFY(!windows->isChecked());
        readOnly->trigger();
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreReadOnlyFiles), 1);
        QVERIFY(readOnly->isChecked());

        // A change made outside the program shows at the next refresh.
        QTest::qWait(20);
        QFile file(m_home.ConfigHome() + QStringLiteral("/Tresmolo/Tresmolo.conf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        QVERIFY(text.contains("IgnoreWindowsFolder=0"));
        text.replace("IgnoreWindowsFolder=0", "IgnoreWindowsFolder=1");
        WriteFile(file.fileName(), text);
        QTRY_VERIFY(windows->isChecked());

        // The files-count command lives in the View menu and re-lays out the lists.
        frame->Action(Commands::ViewFilesCount)->trigger();
        QVERIFY(frame->Action(Commands::ViewFilesCount)->isChecked());
        QVERIFY(!frame->View()->FolderList()->isHidden());

        // The information bar can be hidden and keeps taking texts.
        frame->Action(Commands::CaptionBar)->trigger();
        QVERIFY(!frame->Action(Commands::CaptionBar)->isChecked());
        QVERIFY(frame->Tree()->SelectPath(m_tree.path()));
        QTRY_VERIFY(frame->InfoBar()->Text().contains(m_tree.path()));
    }

    void autoSearchUsesTheStoredFolder()
    {
        Set(Key::AutoListLastFolderAtStartup, 1);
        m_settings.WriteLastFolderSelected(m_tree.path());
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        QSignalSpy finished(app.MainFrame()->View(), &CPendrakeView::searchFinished);
        QVERIFY(finished.wait(20000));
        QCOMPARE(m_dialogs, 1);
        QCOMPARE(app.MainFrame()->View()->FileModel().rowCount(), 3);
        QCOMPARE(app.Document().SelectedFolder(), m_tree.path());
    }

    void aDamagedSettingsFileReadsAsDefaults()
    {
        QByteArray junk;
        for (int i = 0; i < 2048; ++i)
            junk.append(char((i * 131) % 251));
        WriteFile(m_home.ConfigHome() + QStringLiteral("/Tresmolo/Tresmolo.conf"), junk);
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        QVERIFY(app.MainFrame()->Action(Commands::IgnoreWindowsFolder)->isChecked());
        QVERIFY(!app.MainFrame()->Action(Commands::IgnoreReadOnlyFiles)->isChecked());
        QTRY_COMPARE(app.Document().SelectedFolder(), QStringLiteral("/"));
    }

    void launchersOpenTheChosenFolder()
    {
        QList<Shell::Launch> launches;
        Shell::SetLauncher([&](const Shell::Launch& launch) {
            launches << launch;
            return true;
        });
        qputenv("TERMINAL", "sh"); // a terminal that is surely there
        m_settings.WriteLastFolderSelected(m_tree.path() + QStringLiteral("/gone"));
        {
            // No folder chosen: the documents folder (the home folder here) stands in.
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            app.MainFrame()->Action(Commands::LaunchExplorer)->trigger();
            QCOMPARE(launches.size(), 1);
            QCOMPARE(QByteArray::fromStdString(launches[0].arguments.back()),
                     QFile::encodeName(m_home.Path()));
        }
        m_settings.WriteLastFolderSelected(m_tree.path());
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QTRY_COMPARE(app.Document().SelectedFolder(), m_tree.path());
        frame->Action(Commands::LaunchExplorer)->trigger();
        QCOMPARE(QByteArray::fromStdString(launches.last().arguments.back()),
                 QFile::encodeName(m_tree.path()));
        frame->Action(Commands::LaunchCommandPrompt)->trigger();
        QCOMPARE(QByteArray::fromStdString(launches.last().workingFolder), QFile::encodeName(m_tree.path()));
        frame->Action(Commands::LaunchRecycleBin)->trigger();
        QCOMPARE(launches.last().arguments.back(), std::string("trash:///"));
        Shell::SetLauncher({});
    }

    void visualStylesStepAndPersist()
    {
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            CMainFrame* frame = app.MainFrame();
            QCOMPARE(frame->AppLook(), 216);
            QVERIFY(frame->Action(216)->isChecked());
            frame->Action(210)->trigger();
            QCOMPARE(frame->AppLook(), 210);
            QVERIFY(frame->Action(210)->isChecked());
            QVERIFY(!frame->Action(216)->isChecked());
            QCOMPARE(
                platform::GetProfileInt(QStringLiteral("Workspace"), QStringLiteral("ApplicationLook"), 0),
                210);
            // Nine steps from the first style: 211 ... 218, then back to 215.
            for (int i = 0; i < 9; ++i)
                QCoreApplication::postEvent(frame, new QEvent(AppMessages::UWM_NEXT_LOOK));
            QCoreApplication::processEvents();
            QCOMPARE(frame->AppLook(), 215);
            QVERIFY(frame->Action(215)->isChecked());
        }
        {
            CPendrakeApp app; // the choice survives a restart
            QVERIFY(app.InitInstance());
            QCOMPARE(app.MainFrame()->AppLook(), 215);
        }
        platform::WriteProfileInt(QStringLiteral("Workspace"), QStringLiteral("ApplicationLook"), 300);
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        for (int id = 210; id <= 218; ++id)
            QVERIFY(!app.MainFrame()->Action(id)->isChecked());
        QCoreApplication::postEvent(app.MainFrame(), new QEvent(AppMessages::UWM_NEXT_LOOK));
        QCoreApplication::processEvents();
        QCOMPARE(app.MainFrame()->AppLook(), 215);
        QCOMPARE(platform::GetProfileInt(QStringLiteral("Workspace"), QStringLiteral("OutlookAnimation"), -1),
                 -1);
    }

    void closingDuringARun()
    {
        QTemporaryDir wide;
        QStringList paths;
        for (int i = 0; i < 500; ++i)
            paths << QStringLiteral("d%1/e/f.txt").arg(i);
        MakeTree(wide.path(), paths);
        m_settings.WriteLastFolderSelected(wide.path());
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QTRY_COMPARE(app.Document().SelectedFolder(), wide.path());
        frame->View()->FileList()->header()->resizeSection(2, 333);
        frame->Action(Commands::StartSearch)->trigger();
        frame->close();
        QVERIFY(!frame->View()->IsSearching() || !frame->View()->m_run);
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(0, 2), 0), 333);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestMainFrame)
#include "tst_mainframe.moc"
