// Verify Contents in the results window: which rows stay and how they read, Cancel, keeping one
// file of each group before the trash, and the summary line.
#include "DuplicatesTestUtil.h"
#include "view/Seams.h"

#include <QApplication>
#include <QHeaderView>
#include <QProgressDialog>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace DuplicatesTest;

class TestVerifyContents : public QObject
{
    Q_OBJECT
public:
    explicit TestVerifyContents(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QList<Seams::MessageBoxCall> m_boxes;
    QList<QMessageBox::StandardButton> m_answers; // in turn; Yes when none is left

    // Runs Verify Contents and waits for its end; true when it was applied.
    static bool Verify(CDlgDuplicateResults& window)
    {
        QSignalSpy checked(&window, &CDlgDuplicateResults::contentsChecked);
        window.VerifyButton().click();
        if (checked.isEmpty() && !checked.wait(60000))
            return false;
        return checked.first().first().toBool();
    }
    static QStringList Contents(CDlgDuplicateResults& window)
    {
        const ResultsModel& model = window.ResultsList().Model();
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.Text(row, ResultsModel::kName) + QLatin1Char('=') +
                         model.Text(row, ResultsModel::kContents);
        return texts;
    }
    static void Check(CDlgDuplicateResults& window, const QString& name)
    {
        ResultsModel& model = window.ResultsList().Model();
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.Text(row, ResultsModel::kName) == name)
                model.SetCheck(row, true);
    }
    static void Trash(CDlgDuplicateResults& window)
    {
        for (QAction* action : window.PopupMenu().actions())
            if (action->text() == QLatin1String("Send Checked File(s) to Recycle Bin"))
                action->trigger();
    }

    // 9000 bytes: a1 a2 alike (and h1 a hard link of a1), b1 differs from them in its first byte,
    // b2 in its last, m1 m2 alike but unlike a1 past the first block; 3 bytes: s1 s2 alike, s3
    // not; u1 is replaced by a pipe before the check.
    QStringList MakeFiles(const QString& d)
    {
        QByteArray base(9000, 'a');
        for (int i = 0; i < base.size(); ++i)
            base[i] = char('a' + i % 19);
        QByteArray b1 = base, b2 = base, m = base;
        b1[0] = '#';
        b2[base.size() - 1] = '#';
        m[5000] = '#';
        QStringList paths;
        const auto add = [&](const char* name, const QByteArray& bytes) {
            WriteFile(d + QLatin1Char('/') + QLatin1String(name), bytes);
            paths << d + QLatin1Char('/') + QLatin1String(name);
        };
        add("a1", base);
        add("b1", b1);
        add("m1", m);
        add("a2", base);
        add("b2", b2);
        add("m2", m);
        add("u1", base);
        add("s1", "xyz");
        add("s2", "xyz");
        add("s3", "xyZ");
        if (::link(QFile::encodeName(paths[0]).constData(),
                   QFile::encodeName(d + QStringLiteral("/h1")).constData()))
            qFatal("no hard link");
        paths.insert(4, d + QStringLiteral("/h1"));
        return paths;
    }

private slots:
    void initTestCase()
    {
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            m_boxes << call;
            return m_answers.isEmpty() ? QMessageBox::Yes : m_answers.takeFirst();
        });
    }
    void init()
    {
        m_home.ClearSettings();
        m_boxes.clear();
        m_answers.clear();
    }

    void verifyKeepsIdenticalGroups()
    {
        QTemporaryDir dir;
        const QStringList paths = MakeFiles(dir.path());
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QCOMPARE(window.ResultsList().GetItemCount(), 11);
        // Size groups: 9000 bytes, seven files (the hard link once), and three of 3 bytes.
        QCOMPARE(window.SummaryText(), QStringLiteral("2 group(s), 10 file(s), 52.74 KiB in duplicates"));
        QCOMPARE(window.ShownMenu().actions().first()->text(), QStringLiteral("Verify Contents"));
        // The button sits inside the list, above the headings, which sit above the rows.
        CColorListCtrl& list = window.ResultsList();
        QVERIFY(window.VerifyButton().isVisible());
        QVERIFY(list.isAncestorOf(&window.VerifyButton()));
        const int buttonBottom =
            window.VerifyButton().mapTo(&list, QPoint(0, window.VerifyButton().height())).y();
        const int headings = list.horizontalHeader()->viewport()->mapTo(&list, QPoint(0, 0)).y();
        QVERIFY(buttonBottom <= headings);
        QVERIFY(list.horizontalHeader()->viewport()->height() > 0);
        QVERIFY(list.viewport()->mapTo(&list, QPoint(0, 0)).y() >=
                headings + list.horizontalHeader()->viewport()->height());

        QVERIFY(QFile::remove(paths[7]));
        QCOMPARE(::mkfifo(QFile::encodeName(paths[7]).constData(), 0644), 0);
        QVERIFY(Verify(window));
        QCOMPARE(Contents(window), (QStringList{QStringLiteral("a1=1"), QStringLiteral("m1=2"),
                                                QStringLiteral("a2=1"), QStringLiteral("h1=hard link of #1"),
                                                QStringLiteral("m2=2"), QStringLiteral("u1=unreadable"),
                                                QStringLiteral("s1=3"), QStringLiteral("s2=3")}));
        const std::vector<ShownRow> rows = Shown(window);
        QCOMPARE(Column(rows, &ShownRow::number), Texts({"1", "2", "3", "4", "5", "6", "7", "8"}));
        QCOMPARE(Column(rows, &ShownRow::size),
                 Texts({"9000", "9000", "9000", "9000", "9000", "9000", "3", "3"}));
        QCOMPARE(Colours(rows), QStringLiteral("BRBBRBBB"));
        QCOMPARE(window.ResultsList().horizontalHeader()->count(), 6);
        // The "Contents" column now fills the list; "Last Modified" takes its own width again.
        QCOMPARE(window.ResultsList().horizontalHeader()->sectionSize(ResultsModel::kModified), 100);
        QVERIFY(LastColumnFills(window));
        QCOMPARE(window.ResultsList().Model().headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Contents"));
        // Three groups; a1 a2 (h1 is a1 again), m1 m2, s1 s2: 9000 + 9000 + 3 bytes to gain.
        QCOMPARE(window.SummaryText(), QStringLiteral("3 group(s), 6 file(s), 17.58 KiB in duplicates"));
        QVERIFY(window.ResultsList().isEnabled());

        // Checking again finds the same: groups of one size each, the unreadable file still listed.
        const QStringList once = Contents(window);
        QVERIFY(Verify(window));
        QCOMPARE(Contents(window), once);
    }

    void cancelLeavesTheList()
    {
        // Large enough that the check is still reading when it is cancelled.
        QTemporaryDir dir;
        QStringList paths;
        const QByteArray big(8 << 20, 'z');
        for (int i = 0; i < 6; ++i) {
            paths << dir.path() + QStringLiteral("/big%1").arg(i);
            WriteFile(paths.last(), big);
        }
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        window.ResultsList().Model().SetCheck(1, true);
        const std::vector<ShownRow> before = Shown(window);
        const QString summary = window.SummaryText();

        QSignalSpy checked(&window, &CDlgDuplicateResults::contentsChecked);
        window.OnVerifyContents();
        QProgressDialog* progress = window.ContentsProgress();
        QVERIFY(progress);
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->windowModality(), Qt::WindowModal);
        progress->cancel();
        QVERIFY(checked.count() > 0 || checked.wait(60000));
        QCOMPARE(checked.first().first().toBool(), false);
        const std::vector<ShownRow> after = Shown(window);
        QCOMPARE(Column(after, &ShownRow::name), Column(before, &ShownRow::name));
        QCOMPARE(after[1].checked, true);
        QCOMPARE(window.ResultsList().Model().ContentsShown(), false);
        QCOMPARE(window.SummaryText(), summary);
        QVERIFY(!window.ContentsProgress());
        QVERIFY(window.ResultsList().isEnabled());
    }

    void keepOneQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("verified");
        QTest::addColumn<QStringList>("left"); // the files still there afterwards
        for (const bool verified : {false, true}) {
            const char* when = verified ? "contents groups" : "size groups";
            QTest::addRow("%s, Yes", when)
                << int(QMessageBox::Yes) << verified << (verified ? Texts({"a", "c", "d"}) : Texts({"a"}));
            QTest::addRow("%s, No", when)
                << int(QMessageBox::No) << verified << (verified ? Texts({"d"}) : QStringList());
            QTest::addRow("%s, Cancel", when)
                << int(QMessageBox::Cancel) << verified << Texts({"a", "b", "c", "d", "e"});
        }
    }
    void keepOneQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, verified);
        QFETCH(QStringList, left);
        // Four files of five bytes, a b alike and c e alike, and d; all but d checked. By size one
        // group loses every copy but d; by contents both a b and c e would.
        QTemporaryDir dir(m_home.Path() + QStringLiteral("/keep-XXXXXX"));
        QStringList paths;
        for (const auto& [name, text] :
             {std::pair{"a", "11111"}, {"b", "11111"}, {"c", "22222"}, {"d", "33333"}, {"e", "22222"}}) {
            paths << dir.path() + QLatin1Char('/') + QLatin1String(name);
            WriteFile(paths.last(), text);
        }
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        if (verified)
            QVERIFY(Verify(window));
        for (const char* name : {"a", "b", "c", "e"})
            Check(window, QLatin1String(name));
        if (!verified) {
            // Size groups: d is unchecked, so the one group keeps a copy; check it too.
            Check(window, QStringLiteral("d"));
        }
        m_answers = {QMessageBox::StandardButton(answer), QMessageBox::Yes};
        Trash(window);
        QVERIFY(!m_boxes.isEmpty());
        // It names the file that stays of each group that would lose every copy, and tells what No does.
        QCOMPARE(m_boxes[0].text,
                 QStringLiteral("Keep one file of each group?\n\nYes keeps these files and sends "
                                "the other checked files to the Recycle Bin:\n%1\n\nNo sends "
                                "every checked file to the Recycle Bin, the last copy of each group "
                                "included.")
                     .arg(verified ? paths[0] + QLatin1Char('\n') + paths[2] : paths[0]));
        QCOMPARE(m_boxes[0].icon, QMessageBox::Question);
        QCOMPARE(m_boxes[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        // Cancel stops before the trash is even asked about.
        QCOMPARE(m_boxes.size(), answer == QMessageBox::Cancel ? 1 : 2);
        QStringList there;
        for (const QString& path : paths)
            if (QFileInfo::exists(path))
                there << QFileInfo(path).fileName();
        QCOMPARE(there, left);
    }

    void keepOneQuestionNamesTheFirstFew()
    {
        // Seven pairs of different sizes, all checked: five files are named, then the rest counted.
        QTemporaryDir dir(m_home.Path() + QStringLiteral("/many-XXXXXX"));
        QStringList paths;
        for (int i = 0; i < 14; ++i)
            paths << MakeSized(dir.path() + QStringLiteral("/f%1").arg(i, 2, 10, QLatin1Char('0')),
                               20 - i / 2);
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        window.OnCheckAll();
        m_answers = {QMessageBox::Cancel};
        Trash(window);
        QVERIFY(m_boxes[0].text.contains(paths[8] + QStringLiteral("\nand 2 more\n\nNo sends")));
        QVERIFY(m_boxes[0].text.contains(paths[6]) && !m_boxes[0].text.contains(paths[10]));
    }

    void linksAreNeverCopies()
    {
        // a and its copy c, both checked; l, a link to a, unchecked: the group still loses every copy.
        QTemporaryDir dir(m_home.Path() + QStringLiteral("/links-XXXXXX"));
        const QString a = dir.path() + QStringLiteral("/a");
        WriteFile(a, "copied");
        WriteFile(dir.path() + QStringLiteral("/c"), "copied");
        QVERIFY(QFile::link(a, dir.path() + QStringLiteral("/l")));
        const QStringList paths = {a, dir.path() + QStringLiteral("/l"), dir.path() + QStringLiteral("/c")};
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QCOMPARE(Column(Shown(window), &ShownRow::size), Texts({"6", "6", "6"}));
        QCOMPARE(window.SummaryText(), QStringLiteral("1 group(s), 2 file(s), 6 bytes in duplicates"));
        // Marked as a link from the start, in a column of its own.
        QCOMPARE(window.ResultsList().Model().columnCount(), ResultsModel::kColumnCount + 1);
        QCOMPARE(Contents(window), Texts({"a=", "l=symbolic link", "c="}));
        Check(window, QStringLiteral("a"));
        Check(window, QStringLiteral("c"));
        m_answers = {QMessageBox::Cancel};
        Trash(window);
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("Keep one file of each group?")));
        QVERIFY(Verify(window));
        QCOMPARE(Contents(window), (QStringList{QStringLiteral("a=1"), QStringLiteral("l=symbolic link"),
                                                QStringLiteral("c=1")}));
        QCOMPARE(window.SummaryText(), QStringLiteral("1 group(s), 2 file(s), 6 bytes in duplicates"));
    }

    void emptyFilesWhateverStandsBetween()
    {
        // Twenty empty files, each after a link to nowhere: one group of twenty, before and after
        // the check.
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 20; ++i) {
            paths << dir.path() + QStringLiteral("/dangling%1").arg(i);
            QVERIFY(QFile::link(dir.path() + QStringLiteral("/nothing"), paths.last()));
            paths << MakeSized(dir.path() + QStringLiteral("/empty%1").arg(i), 0);
        }
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QCOMPARE(window.SummaryText(), QStringLiteral("1 group(s), 20 file(s), 0 bytes in duplicates"));
        QVERIFY(Verify(window));
        QCOMPARE(window.SummaryText(), QStringLiteral("1 group(s), 20 file(s), 0 bytes in duplicates"));
        for (const QString& shown : Contents(window))
            QVERIFY2(shown.endsWith(shown.startsWith(QLatin1String("empty"))
                                        ? QStringLiteral("=1")
                                        : QStringLiteral("=symbolic link")),
                     qPrintable(shown));
    }

    void changedFilesAreInNoGroup()
    {
        // After the scan g2 grows (its first 100,000 bytes still match g1's) and m2 is written
        // again at its size: neither is a copy any more.
        QTemporaryDir dir;
        QStringList paths;
        for (const char* name : {"g1", "g2", "m1", "m2", "m3"})
            paths << MakeSized(dir.path() + QLatin1Char('/') + QLatin1String(name),
                               name[0] == 'g' ? 100000 : 7);
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QFile grown(paths[1]);
        QVERIFY(grown.open(QIODevice::Append) && grown.write(QByteArray(21, 'x')) == 21);
        grown.close();
        const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 60, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(paths[3]).constData(), later, 0), 0);
        for (int round = 0; round < 2; ++round) { // and so it stays
            QVERIFY(Verify(window));
            QCOMPARE(Contents(window),
                     (QStringList{QStringLiteral("g2=changed since the scan"), QStringLiteral("m1=1"),
                                  QStringLiteral("m2=changed since the scan"), QStringLiteral("m3=1")}));
        }
    }

    void noQuestionWhileACopyStays()
    {
        QTemporaryDir dir(m_home.Path() + QStringLiteral("/stay-XXXXXX"));
        QStringList paths;
        for (const char* name : {"a", "b", "c"}) {
            paths << dir.path() + QLatin1Char('/') + QLatin1String(name);
            WriteFile(paths.last(), "same");
        }
        // A hard link of a, checked with a: together they are one file, and b still stays.
        QCOMPARE(::link(QFile::encodeName(paths[0]).constData(),
                        QFile::encodeName(dir.path() + QStringLiteral("/h")).constData()),
                 0);
        paths << dir.path() + QStringLiteral("/h");
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QCOMPARE(window.SummaryText(), QStringLiteral("1 group(s), 3 file(s), 8 bytes in duplicates"));
        QVERIFY(Verify(window));
        Check(window, QStringLiteral("a"));
        Check(window, QStringLiteral("h"));
        Check(window, QStringLiteral("c"));
        Trash(window);
        QCOMPARE(m_boxes.size(), 1); // the trash's own question only
        QVERIFY(!m_boxes[0].text.startsWith(QStringLiteral("Keep one file of each group?")));
        QVERIFY(QFileInfo::exists(paths[1]));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestVerifyContents)
#include "tst_verifycontents.moc"
