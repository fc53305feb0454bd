// The found paths of a status-mode run: exact bytes in and out, paths made when read, reading
// while the walk appends, and a whole run through the view.
#include "engine/FoundPaths.h"
#include "support/TestSupport.h"
#include "view/DlgSearchParameters.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <atomic>
#include <set>
#include <thread>

using Settings::Key;

class TestFoundPaths : public QObject
{
    Q_OBJECT
public:
    explicit TestFoundPaths(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void exactBytesComeBack()
    {
        FoundPaths paths;
        QVERIFY(paths.isEmpty());
        QCOMPARE(paths.Last(), QString());
        const std::string longName(255, 'n');
        paths.Append("/data", "a.txt");
        paths.Append("/data", "b\xff.txt");
        paths.Append("/", "top");
        paths.Append("/data", longName);
        paths.Append("/data/\xfe", "x");
        paths.append(QStringLiteral("/x/y/z.doc"));
        paths.append(QStringLiteral("/r"));
        QCOMPARE(paths.size(), 7);
        QCOMPARE(paths.Native(0), std::string("/data/a.txt"));
        QCOMPARE(paths.Native(1), std::string("/data/b\xff.txt"));
        QCOMPARE(paths.Native(2), std::string("/top"));
        QCOMPARE(paths.Native(3), "/data/" + longName);
        QCOMPARE(paths.Native(4), std::string("/data/\xfe/x"));
        QCOMPARE(paths.Native(5), std::string("/x/y/z.doc"));
        QCOMPARE(paths.Native(6), std::string("/r"));
        // The texts are made on reading; bytes that are not UTF-8 show as replacement characters.
        QCOMPARE(paths[0], QStringLiteral("/data/a.txt"));
        QCOMPARE(paths.at(1),
                 QStringLiteral("/data/b") + QChar(QChar::ReplacementCharacter) + QStringLiteral(".txt"));
        QCOMPARE(paths.Last(), QStringLiteral("/r"));
        QVERIFY(paths.contains(QStringLiteral("/x/y/z.doc")));
        QVERIFY(!paths.contains(QStringLiteral("/x/y")));
        QCOMPARE(paths.Texts().size(), 7);
        QCOMPARE(paths.Texts()[2], QStringLiteral("/top"));

        paths.clear();
        QCOMPARE(paths.size(), 0);
        paths.Append("/again", "a");
        QCOMPARE(paths.Native(0), std::string("/again/a"));
    }

    void manyEntriesAcrossBlocks()
    {
        // Entries past several blocks and names past several name buffers keep their bytes.
        FoundPaths paths;
        constexpr int kCount = 7000;
        for (int i = 0; i < kCount; ++i)
            paths.Append("/f" + std::to_string(i / 7),
                         std::string(200, char('a' + i % 26)) + std::to_string(i));
        QCOMPARE(paths.size(), kCount);
        for (int i = 0; i < kCount; ++i)
            QCOMPARE(paths.Native(i), "/f" + std::to_string(i / 7) + "/" +
                                          std::string(200, char('a' + i % 26)) + std::to_string(i));
    }

    void theLastPathCanBeReadWhileTheWalkAppends()
    {
        FoundPaths paths;
        constexpr int kCount = 200000;
        std::atomic<bool> done{false};
        std::thread walk([&] {
            for (int i = 0; i < kCount; ++i)
                paths.Append("/walk/d" + std::to_string(i / 50), "file" + std::to_string(i));
            done = true;
        });
        int reads = 0;
        int last = -1;
        while (!done || reads == 0) {
            const int size = paths.size();
            const QString text = paths.Last();
            ++reads;
            if (size == 0)
                continue;
            // The last path is whole and never older than the size read before it.
            const int number = text.section(QStringLiteral("file"), 1).toInt();
            QVERIFY2(text.startsWith(QStringLiteral("/walk/d%1/file").arg(number / 50)), qPrintable(text));
            QVERIFY(number >= size - 1);
            QVERIFY(number >= last);
            last = number;
        }
        walk.join();
        QCOMPARE(paths.size(), kCount);
        QCOMPARE(paths.Last(), QStringLiteral("/walk/d%1/file%2").arg((kCount - 1) / 50).arg(kCount - 1));
    }

    void aStatusModeRunKeepsEveryNameExactly()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("a.txt"), QStringLiteral("sub/b.txt")});
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray odd = root + "/sub/odd\xff.txt";
        const QByteArray longest = root + "/" + QByteArray(255, 'L');
        for (const QByteArray& path : {odd, longest}) {
            FILE* f = ::fopen(path.constData(), "w");
            QVERIFY(f);
            ::fclose(f);
        }
        m_home.ClearSettings();
        CSettingsSection settings;
        settings.WriteInt(Settings::Name(Key::DisplayFileList), 0);
        Seams::SetDialogRunner([](QDialog& dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
        CPendrakeDoc doc;
        doc.SetSelectedFolder(dir.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnStartSearch();
        QVERIFY(finished.wait(20000));

        std::set<std::string> found;
        for (int i = 0; i < view.m_foundPaths.size(); ++i)
            found.insert(view.FoundNativePath(i));
        const std::set<std::string> expected = {QByteArray(root + "/a.txt").toStdString(),
                                                QByteArray(root + "/sub/b.txt").toStdString(),
                                                odd.toStdString(), longest.toStdString()};
        QCOMPARE(found, expected);
        QCOMPARE(view.FileModel().Text(0, 2), QString()); // the last path is gone with the summary
        RemoveTree(dir.path());
        Seams::SetDialogRunner({});
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestFoundPaths)
#include "tst_foundpaths.moc"
