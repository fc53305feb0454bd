// The two list models: numbering, folder rows, status cells and exact paths.
#include "support/TestSupport.h"
#include "view/ListModels.h"

#include "view/ResultList.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QScrollBar>

class TestListModels : public QObject
{
    Q_OBJECT
public:
    explicit TestListModels(const TestHome&) {}

private slots:
    void rowsAreNumberedWhenAddedAndKeepTheirNumbers()
    {
        FileListModel model;
        const int folder = model.AddFolder(QStringLiteral("/data"), "/data");
        const int root = model.AddFolder(QStringLiteral("/"), "/");
        std::vector<FileListModel::NewRow> rows = {{folder, "a.txt"}, {folder, "b\xff.txt"}, {root, "c"}};
        model.Append(rows);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.Text(2, 0), QStringLiteral("3"));
        QCOMPARE(model.FilePath(0), QStringLiteral("/data/a.txt"));
        QCOMPARE(model.FilePath(2), QStringLiteral("/c"));
        QCOMPARE(model.Text(2, 2), QStringLiteral("/"));
        QCOMPARE(model.NativePath(1), std::string("/data/b\xff.txt"));
        QVERIFY(model.Text(1, 1).contains(QChar(QChar::ReplacementCharacter)));

        // Removing a row keeps the others' numbers; the next row repeats the count plus one.
        model.RemoveRow(0);
        QCOMPARE(model.Text(0, 0), QStringLiteral("2"));
        std::vector<FileListModel::NewRow> more = {{folder, "d.txt"}};
        model.Append(more);
        QCOMPARE(model.Text(2, 0), QStringLiteral("3"));
        QCOMPARE(model.Text(1, 0), QStringLiteral("3"));

        model.Clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void rowsKeepTheirExactBytesAcrossManyBatches()
    {
        // Names of every length a folder may hold, not all UTF-8, arriving in batches that fill the
        // name storage many times over, beside a status line longer than one block of it.
        FileListModel model;
        const int folder = model.AddFolder(QStringLiteral("/d"), "/d");
        std::vector<std::string> expected;
        const std::string longText(300 * 1024, 'x');
        FileListModel::NewRows first;
        first.Add(-1, longText);
        expected.push_back(longText);
        model.Append(first);
        for (int batch = 0; batch < 200; ++batch) {
            FileListModel::NewRows rows;
            for (int i = 0; i < 50; ++i) {
                std::string name(size_t(1 + (batch * 50 + i) % 255), char('a' + i % 26));
                name[0] = char(0x80 + batch % 64); // not UTF-8
                rows.Add(folder, name, i % 2 == 0);
                expected.push_back(name);
            }
            model.Append(rows);
        }
        QCOMPARE(model.rowCount(), int(expected.size()));
        model.RemoveRow(1);
        expected.erase(expected.begin() + 1);
        model.RemoveRow(5000);
        expected.erase(expected.begin() + 5000);
        QCOMPARE(model.rowCount(), int(expected.size()));
        QCOMPARE(model.NativeName(0), std::string_view(longText));
        QVERIFY(!model.IsFileRow(0));
        for (int row = 1; row < model.rowCount(); ++row) {
            QCOMPARE(model.NativeName(row), std::string_view(expected[size_t(row)]));
            QCOMPARE(model.NativePath(row), "/d/" + expected[size_t(row)]);
        }
        // Numbers stay with their rows; the known-regular mark too.
        QCOMPARE(model.Text(1, 0), QStringLiteral("3"));
        QCOMPARE(model.Text(5000, 0), QStringLiteral("5003"));
        QVERIFY(model.IsKnownRegular(1) != model.IsKnownRegular(2));
    }

    void keysMoveByRows()
    {
        FileListModel model;
        const int folder = model.AddFolder(QStringLiteral("/d"), "/d");
        FileListModel::NewRows rows;
        for (int i = 0; i < 50; ++i)
            rows.Add(folder, "f" + std::to_string(i));
        model.Append(rows);
        ResultList list;
        list.setModel(&model);
        list.resize(120, 200); // narrower than its columns
        list.show();
        list.setCurrentIndex(model.index(10, 1));
        QTest::keyClick(&list, Qt::Key_End);
        QCOMPARE(list.currentIndex().row(), 49);
        QTest::keyClick(&list, Qt::Key_Home);
        QCOMPARE(list.currentIndex().row(), 0);
        // Left and Right scroll the columns and leave the chosen row where it is.
        const QModelIndex before = list.currentIndex();
        QTest::keyClick(&list, Qt::Key_Right);
        QCOMPARE(list.currentIndex(), before);
        QVERIFY(list.horizontalScrollBar()->value() > 0);
        QTest::keyClick(&list, Qt::Key_Left);
        QCOMPARE(list.horizontalScrollBar()->value(), 0);
        QCOMPARE(list.selectionModel()->selectedRows().size(), 1);
    }

    void statusLinesAndHeadings()
    {
        FileListModel model;
        std::vector<FileListModel::NewRow> rows = {{-1, "File Search for Folder /x, Started At 10:00:00"},
                                                   {-1, "2 Folder(s) Parsed. "}};
        model.Append(rows);
        model.SetRow0Column2(QStringLiteral("/x/latest.txt"));
        QCOMPARE(model.Text(0, 2), QStringLiteral("/x/latest.txt"));
        QCOMPARE(model.Text(1, 2), QString());
        QCOMPARE(model.Text(1, 1), QStringLiteral("2 Folder(s) Parsed. "));
        QVERIFY(!model.IsFileRow(0));
        QCOMPARE(model.FilePath(0), QString());
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("File Name"));
        model.SetHeadings(QStringLiteral("Status"), QString());
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Status"));
        QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QString());
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Sr"));
    }

    void folderRowsAreFoundByTheirText()
    {
        FolderListModel model;
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/a"), 1), 0);
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/b"), 4), 1);
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/a"), 3), 0);
        QCOMPARE(model.Text(0, 2), QStringLiteral("3"));
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/A"), 1), 2); // letter case matters here
        QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Files Count"));

        // After a removal the index still finds each folder's row.
        model.RemoveRow(0);
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/b"), 5), 0);
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/a"), 1), 2);
        QCOMPARE(model.Text(2, 0), QStringLiteral("3"));
    }

    // Qt's own model checks run after every change while the lists fill in batches, lose rows and
    // are emptied, with a view attached as in the program.
    void fileListPassesTheModelChecksThroughARun()
    {
        FileListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        ResultList view;
        view.setModel(&model);
        std::vector<FileListModel::NewRow> none;
        model.Append(none);
        std::vector<FileListModel::NewRow> status = {{-1, "File Search for Folder /d, Started At 10:00:00"}};
        model.Append(status);
        model.SetRow0Column2(QStringLiteral("/d/x"));
        model.SetHeadings(QStringLiteral("Status"), QString());
        model.Clear();

        model.SetHeadings(QStringLiteral("File Name"), QStringLiteral("Folder"));
        const int d = model.AddFolder(QStringLiteral("/d"), "/d");
        const int e = model.AddFolder(QStringLiteral("/d/e"), "/d/e");
        for (int batch = 0; batch < 20; ++batch) {
            std::vector<FileListModel::NewRow> rows;
            for (int i = 0; i <= batch; ++i)
                rows.push_back({i % 3 ? d : e, "f" + std::to_string(batch) + "_" + std::to_string(i)});
            model.Append(rows);
        }
        QCOMPARE(model.rowCount(), 210);
        model.SetRow0Column2(QStringLiteral("ignored on a file row"));
        model.RemoveRow(0);
        model.RemoveRow(model.rowCount() - 1);
        model.RemoveRow(model.rowCount()); // out of range: nothing
        const int eRows = model.RemoveFolderRows(QStringLiteral("/d/e"));
        QVERIFY(eRows > 1);
        QCOMPARE(model.rowCount(), 208 - eRows);
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(model.FolderText(row), QStringLiteral("/d"));
        model.Clear();
        QCOMPARE(model.rowCount(), 0);
        std::vector<FileListModel::NewRow> after = {{model.AddFolder(QStringLiteral("/"), "/"), "z"}};
        model.Append(after);
        QCOMPARE(model.Text(0, 0), QStringLiteral("1"));
    }

    void folderListPassesTheModelChecks()
    {
        FolderListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        ResultList view;
        view.setModel(&model);
        for (int i = 0; i < 50; ++i)
            model.UpdateFolderRow(QStringLiteral("/f%1").arg(i % 20), i);
        QCOMPARE(model.rowCount(), 20);
        model.RemoveRow(5);
        model.RemoveRow(0);
        model.RemoveRow(100);
        QCOMPARE(model.rowCount(), 18);
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/f5"), 1), 18);
        model.Clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.UpdateFolderRow(QStringLiteral("/f1"), 2), 0);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestListModels)
#include "tst_listmodels.moc"
