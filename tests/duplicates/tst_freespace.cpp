// Freeing space from the results window: the rules dialog and what it remembers, checking by rule
// with "keeps" and the summary, reference folders under Check All and every removing command, and
// the two replacements with their report and log.
#include "DuplicatesTestUtil.h"
#include "duplicates/DlgKeepRules.h"
#include "platform/SettingsStore.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QSettings>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

using namespace DuplicatesTest;

class TestFreeSpace : public QObject
{
    Q_OBJECT
public:
    explicit TestFreeSpace(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QStringList m_boxes;

    static QStringList RuleTexts(DlgKeepRules& dialog)
    {
        QStringList texts;
        for (int row = 0; row < dialog.RuleList().count(); ++row) {
            const QListWidgetItem* item = dialog.RuleList().item(row);
            texts << (item->checkState() == Qt::Checked ? QStringLiteral("+") : QStringLiteral("-")) +
                         item->text();
        }
        return texts;
    }
    static void Click(QWidget& dialog, const QString& text, int occurrence = 0)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text && occurrence-- == 0) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button ") + text));
    }

    static QAction* Item(CDlgDuplicateResults& window, const QString& text)
    {
        for (QAction* action : window.ShownMenu().actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
    static int RowOf(CDlgDuplicateResults& window, const QString& name)
    {
        const ResultsModel& model = window.ResultsList().Model();
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.Text(row, ResultsModel::kName) == name)
                return row;
        return -1;
    }
    // Each file's check, and "keeps" or the Contents text, by name in list order.
    static QStringList Marks(CDlgDuplicateResults& window)
    {
        const ResultsModel& model = window.ResultsList().Model();
        QStringList marks;
        for (int row = 0; row < model.rowCount(); ++row)
            marks << (model.GetCheck(row) ? QStringLiteral("x ") : QStringLiteral(". ")) +
                         model.Text(row, ResultsModel::kName) + QLatin1Char(' ') +
                         model.Text(row, ResultsModel::kContents);
        return marks;
    }
    static ino_t Inode(const QString& path)
    {
        struct stat status
        {
        };
        ::lstat(QFile::encodeName(path).constData(), &status);
        return status.st_ino;
    }
    static void SetModified(const QString& path, time_t when)
    {
        const struct utimbuf times
        {
            when, when
        };
        QCOMPARE(::utime(QFile::encodeName(path).constData(), &times), 0);
    }
    QString Log() const
    {
        QFile log(m_home.Path() + QStringLiteral("/state/tresmolo/actions.log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

private slots:
    void init()
    {
        m_home.ClearSettings();
        m_boxes.clear();
        Seams::SetDialogRunner([](QDialog&) { return int(QDialog::Accepted); });
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            m_boxes << call.text;
            return QMessageBox::Yes;
        });
    }
    void cleanup()
    {
        Seams::SetDialogRunner({});
        Seams::SetMessageBoxHandler({});
    }

    void theRulesDialogOrdersRulesAndFoldersAndRemembersThem()
    {
        DlgKeepRules dialog(LoadKeepRules());
        QCOMPARE(RuleTexts(dialog), Texts({"+In a reference folder", "+Oldest modified", "-Newest modified",
                                           "+Shortest path", "-Longest path", "+First in the list"}));
        // "First in the list" stays last, on, and cannot be moved past.
        dialog.RuleList().setCurrentRow(4);
        Click(dialog, QStringLiteral("Move Down"));
        dialog.RuleList().setCurrentRow(2);
        Click(dialog, QStringLiteral("Move Up"));
        Click(dialog, QStringLiteral("Move Up"));
        dialog.RuleList().item(0)->setCheckState(Qt::Checked);
        dialog.RuleList().item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(RuleTexts(dialog), Texts({"+Newest modified", "-In a reference folder", "+Oldest modified",
                                           "+Shortest path", "-Longest path", "+First in the list"}));
        QVERIFY(!(dialog.RuleList().item(5)->flags() & Qt::ItemIsUserCheckable));

        // Folders come from the folder chooser, once each, in order; the first can go down.
        QTemporaryDir dir;
        const QString second = dir.path() + QStringLiteral("/second");
        QDir().mkpath(second);
        Seams::SetDialogRunner([&](QDialog& chooser) {
            static_cast<QFileDialog&>(chooser).selectFile(second);
            return int(QDialog::Accepted);
        });
        dialog.AddReferenceFolder(QFile::encodeName(dir.path()).toStdString() + "/");
        dialog.AddFolderButton().click();
        dialog.AddFolderButton().click();
        Seams::SetDialogRunner({});
        QCOMPARE(dialog.FolderList().count(), 2);
        dialog.FolderList().setCurrentRow(0);
        Click(dialog, QStringLiteral("Move Down"), 1);
        SaveKeepRules(dialog.Rules());

        const KeepRules::RuleSet read = LoadKeepRules();
        QCOMPARE(read.OrderText(), std::string("newest,-reference,oldest,shortest,-longest"));
        QVERIFY(read.referenceFolders ==
                std::vector<std::string>(
                    {QFile::encodeName(second).toStdString(), QFile::encodeName(dir.path()).toStdString()}));
        // Its own settings group: the "Settings" group is not touched.
        QSettings store(platform::ProfileStoreFile(), QSettings::NativeFormat);
        QVERIFY(store.childGroups().contains(QStringLiteral("Duplicates")));
        QVERIFY(!store.childGroups().contains(QStringLiteral("Settings")));
    }

    void rulesCheckAllAndTheTrashSpareTheReferenceFolder()
    {
        QTemporaryDir dir;
        const QString ref = dir.path() + QStringLiteral("/ref");
        const QStringList paths{
            MakeSized(ref + QStringLiteral("/a"), 100), MakeSized(dir.path() + QStringLiteral("/x/bb"), 100),
            MakeSized(dir.path() + QStringLiteral("/x/c"), 100), dir.path() + QStringLiteral("/x/h")};
        QCOMPARE(::link(QFile::encodeName(paths[0]).constData(), QFile::encodeName(paths[3]).constData()), 0);
        KeepRules::RuleSet rules = KeepRules::RuleSet::Defaults();
        rules.referenceFolders = {QFile::encodeName(ref).toStdString()};
        SaveKeepRules(rules);
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QVERIFY(window.SelectButton().isVisible());
        QVERIFY(Item(window, QStringLiteral("Select Files to Remove...")));

        // The reference copy stays; its hard link frees nothing, so it is left unchecked.
        window.SelectButton().click();
        QCOMPARE(Marks(window), Texts({". a keeps", "x bb ", "x c ", ". h "}));
        QCOMPARE(window.SummaryText(), QStringLiteral("1 group(s), 3 file(s), 200 bytes in duplicates; "
                                                      "2 file(s) checked, 200 bytes to free"));
        Item(window, QStringLiteral("UnCheck All"))->trigger();
        QCOMPARE(window.SummaryText(), QStringLiteral("1 group(s), 3 file(s), 200 bytes in duplicates"));
        Item(window, QStringLiteral("Check All"))->trigger();
        QCOMPARE(Marks(window), Texts({". a keeps", "x bb ", "x c ", "x h "}));

        // Checked by hand, the reference copy is still not sent to the trash; the others are, logged.
        window.ResultsList().Model().SetCheck(RowOf(window, QStringLiteral("a")), true);
        Item(window, QStringLiteral("Send Checked File(s) to Recycle Bin"))->trigger();
        QVERIFY(QFile::exists(paths[0]));
        QVERIFY(!QFile::exists(paths[1]) && !QFile::exists(paths[2]) && !QFile::exists(paths[3]));
        const QString log = Log();
        QCOMPARE(log.count(QStringLiteral("\ttrash\t")), 6);
        QCOMPARE(log.count(QStringLiteral("done, in the trash as ") + m_home.DataHome() +
                           QStringLiteral("/Trash/files/")),
                 3);
        QVERIFY(!log.contains(QStringLiteral("\ttrash\t") + paths[0] + QLatin1Char('\t')));
    }

    void theTrashLooksAgainAfterTheQuestion()
    {
        // Three files of one size; g2 and g3 checked. While the user is asked, g3 grows and g1, the
        // one that stays, is written again: neither goes, and each is said.
        QTemporaryDir dir;
        QStringList paths;
        for (const char* name : {"g1", "g2", "g3"})
            paths << MakeSized(dir.path() + QLatin1Char('/') + QLatin1String(name), 50);
        // A link to g1, checked too: it is no copy, and still a link, so it goes.
        const QString link = dir.path() + QStringLiteral("/l");
        QVERIFY(QFile::link(paths[0], link));
        QStringList listed = paths;
        listed << link;
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &listed;
        QVERIFY(OpenAndScan(window));
        for (const char* name : {"g2", "g3", "l"})
            window.ResultsList().Model().SetCheck(RowOf(window, QLatin1String(name)), true);
        for (const QString& answer : {QStringLiteral("no"), QStringLiteral("yes")}) {
            m_boxes.clear();
            Seams::SetMessageBoxHandler([&, answer](const Seams::MessageBoxCall& call) {
                m_boxes << call.text;
                if (call.icon != QMessageBox::Question || answer == QLatin1String("no"))
                    return QMessageBox::No;
                SetModified(paths[0], 1000000);
                QFile grown(paths[2]);
                if (!grown.open(QIODevice::Append) || grown.write("+") != 1)
                    qFatal("cannot change g3");
                return QMessageBox::Yes;
            });
            Item(window, QStringLiteral("Send Checked File(s) to Recycle Bin"))->trigger();
        }
        for (const QString& path : paths)
            QVERIFY(QFile::exists(path));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(m_boxes.size(), 2);
        QCOMPARE(m_boxes[1],
                 QStringLiteral("2 file(s) skipped:\nno unchanged copy stays in its group: 1 file(s)\n"
                                "changed since it was listed: 1 file(s)"));
        // Declined, nothing was logged; then one line each, after the question.
        const QStringList log = Log().split(QLatin1Char('\n')).filter(dir.path());
        QCOMPARE(log.size(), 4);
        QCOMPARE(log.filter(QStringLiteral("\tskipped: ")).size(), 2);
    }

    void replacementsActOnlyOnFilesAsCompared()
    {
        QTemporaryDir dir;
        const QByteArray bytes = QByteArray(9000, 'k') + "end";
        QStringList paths;
        for (const char* name : {"keep", "d1", "d2"}) {
            paths << dir.path() + QLatin1Char('/') + QLatin1String(name);
            WriteFile(paths.last(), bytes);
        }
        SetModified(paths[0], 1000000); // the oldest stays
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QAction* hardLinks = Item(window, QStringLiteral("Replace Checked with Hard Links"));
        QVERIFY(hardLinks && Item(window, QStringLiteral("Replace Checked with Shared Copies")));

        // Size groups only: nothing is replaced.
        window.SelectButton().click();
        hardLinks->trigger();
        QCOMPARE(m_boxes.takeLast(),
                 QStringLiteral(
                     "Only files whose contents were compared can be replaced. Verify Contents first."));
        QSignalSpy checked(&window, &CDlgDuplicateResults::contentsChecked);
        window.OnVerifyContents();
        QVERIFY(checked.count() > 0 || checked.wait(60000));
        window.SelectButton().click();
        QCOMPARE(Marks(window), Texts({". keep keeps", "x d1 1", "x d2 1"}));

        // d2 gets other bytes of the same size, its last write put back: only its last change tells.
        struct stat before
        {
        };
        ::stat(QFile::encodeName(paths[2]).constData(), &before);
        WriteFile(paths[2], QByteArray(9000, 'z') + "end");
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(paths[2]).constData(), times, 0), 0);
        struct stat d1
        {
        };
        ::stat(QFile::encodeName(paths[1]).constData(), &d1); // its blocks are freed
        hardLinks->trigger();
        QCOMPARE(m_boxes.takeLast(),
                 QStringLiteral("1 file(s) replaced with hard links, %1 freed.\n\n"
                                "1 file(s) skipped:\nchanged since the contents check: 1 file(s)")
                     .arg(QLocale().formattedDataSize(qint64(d1.st_blocks) * 512)));
        QCOMPARE(Inode(paths[1]), Inode(paths[0]));
        QVERIFY(Inode(paths[2]) != Inode(paths[0]));
        QCOMPARE(Marks(window), Texts({". keep keeps", ". d1 hard link of #1", "x d2 1"}));
        QVERIFY(Log().contains(QStringLiteral("\thard-link\t") + paths[1] + QLatin1Char('\t') + paths[0] +
                               QStringLiteral("\tintent")));

        // A hard link of the file that stays frees nothing, whichever way.
        window.ResultsList().Model().SetCheck(RowOf(window, QStringLiteral("d1")), true);
        window.ResultsList().Model().SetCheck(RowOf(window, QStringLiteral("d2")), false);
        Item(window, QStringLiteral("Replace Checked with Shared Copies"))->trigger();
        QVERIFY(m_boxes.takeLast().contains(
            QStringLiteral("already a hard link of the file that stays: 1 file(s)")));
        QCOMPARE(QFile(paths[2]).size(), 9003);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestFreeSpace)
#include "tst_freespace.moc"
