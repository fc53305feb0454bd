// The two list models: numbering, folder rows, status cells and exact paths.
#include "support/TestSupport.h"
#include "view/ListModels.h"

#include <QApplication>

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
};

TRESMOLO_TEST_MAIN(QApplication, TestListModels)
#include "tst_listmodels.moc"
