// The commands on the lists' rows, through the real view: launches are recorded, the trash is real.
#include "support/TestSupport.h"
#include "view/AppMessages.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/PropertiesDialog.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include "view/ResultList.h"
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>

using Settings::Key;

class TestFileActions : public QObject
{
    Q_OBJECT
public:
    explicit TestFileActions(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QList<Shell::Launch> m_launches;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    int m_questions = 0;
    int m_boxesUnderBusyCursor = 0;

    // A fresh tree and a search of it in the given mode.
    void Search(CPendrakeView& view, CPendrakeDoc& doc, const QString& root, bool fileMode)
    {
        m_settings.WriteInt(Settings::Name(Key::DisplayFileList), fileMode ? 1 : 0);
        doc.SetSelectedFolder(root);
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnStartSearch();
        QVERIFY(finished.wait(20000));
    }

    int RowOf(CPendrakeView& view, const QString& name)
    {
        for (int row = 0; row < view.FileModel().rowCount(); ++row)
            if (view.FileModel().Text(row, 1) == name)
                return row;
        return -1;
    }

    void Select(ResultList* list, int row)
    {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QByteArray LastLaunchedFile()
    {
        if (m_launches.isEmpty() || m_launches.last().arguments.empty())
            return {};
        return QByteArray::fromStdString(m_launches.last().arguments.back());
    }

private slots:
    void initTestCase()
    {
        Shell::SetLauncher([this](const Shell::Launch& launch) {
            m_launches << launch;
            return true;
        });
        Seams::SetDialogRunner([](QDialog& dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            if (call.icon == QMessageBox::Question)
                ++m_questions;
            const QCursor* cursor = QGuiApplication::overrideCursor();
            if (cursor && cursor->shape() == Qt::WaitCursor)
                ++m_boxesUnderBusyCursor;
            return call.icon == QMessageBox::Question ? m_answer : QMessageBox::Ok;
        });
        // No file manager answers in the test's session.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    }
    void init()
    {
        m_home.ClearSettings();
        m_launches.clear();
        m_answer = QMessageBox::Yes;
        m_questions = 0;
        m_boxesUnderBusyCursor = 0;
    }

    void openingAndMenus()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("a.txt"), QStringLiteral("sub/b.txt")});
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        Search(view, doc, dir.path(), true);

        // Nothing selected: nothing happens.
        view.ViewSelectedFile();
        view.Execute(Commands::OpenFileFolder);
        view.Execute(Commands::LocateFile);
        QVERIFY(m_launches.isEmpty());

        const int b = RowOf(view, QStringLiteral("b.txt"));
        Select(view.FileList(), b);
        view.ViewSelectedFile();
        QCOMPARE(LastLaunchedFile(), QFile::encodeName(dir.path() + QStringLiteral("/sub/b.txt")));
        view.Execute(Commands::OpenFileFolder);
        QCOMPARE(LastLaunchedFile(), QFile::encodeName(dir.path() + QStringLiteral("/sub")));
        // Without a file manager, locating opens the file's folder.
        view.Execute(Commands::LocateFile);
        QTRY_COMPARE(LastLaunchedFile(), QFile::encodeName(dir.path() + QStringLiteral("/sub")));

        // Properties: without a file manager, our own sheet of the file, of its folder, and of a
        // folder row.
        const auto sheets = [&view] {
            QStringList names;
            for (auto* sheet : view.findChildren<Shell::PropertiesDialog*>())
                names << sheet->Text(Shell::PropertiesDialog::Field::Name);
            return names;
        };
        view.Execute(Commands::FileProperties);
        QTRY_VERIFY(sheets().contains(QStringLiteral("b.txt")));
        view.Execute(Commands::FileFolderProperties);
        QTRY_VERIFY(sheets().contains(QStringLiteral("sub")));

        // The file list's menu exists in file mode, with its default item in bold.
        QCOMPARE(view.TopListMenu()->defaultAction()->text(), QStringLiteral("View Selected File"));
        QCOMPARE(view.BottomListMenu()->defaultAction()->text(), QStringLiteral("Open Selected Folder"));
        emit view.FileList()->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(view.TopListMenu()->isVisible());
        view.TopListMenu()->hide();

        // In status mode the file list has no menu; the folder list always has one.
        Search(view, doc, dir.path(), false);
        emit view.FileList()->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(!view.TopListMenu()->isVisible());
        emit view.FolderList()->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(view.BottomListMenu()->isVisible());
        view.BottomListMenu()->hide();
    }

    void recyclingAFileRow()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(),
                 {QStringLiteral("keep.txt"), QStringLiteral("go.txt"), QStringLiteral("last.txt")});
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        Search(view, doc, dir.path(), true);
        const int go = RowOf(view, QStringLiteral("go.txt"));
        const QString lastNumber = view.FileModel().Text(RowOf(view, QStringLiteral("last.txt")), 0);

        // Declined: the row and the file stay.
        m_answer = QMessageBox::No;
        Select(view.FileList(), go);
        view.Execute(Commands::RecycleFile);
        QCOMPARE(m_questions, 1);
        // The question is asked under the normal cursor, and the busy cursor ends with the command.
        QCOMPARE(m_boxesUnderBusyCursor, 0);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(view.FileModel().rowCount(), 3);
        QVERIFY(QFile::exists(dir.path() + QStringLiteral("/go.txt")));

        // Confirmed: the file is in the trash and only its row went.
        m_answer = QMessageBox::Yes;
        view.Execute(Commands::RecycleFile);
        QCOMPARE(view.FileModel().rowCount(), 2);
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/go.txt")));
        QVERIFY(QFile::exists(m_home.DataHome() + QStringLiteral("/Trash/files/go.txt")));
        QCOMPARE(RowOf(view, QStringLiteral("go.txt")), -1);
        QCOMPARE(view.FileModel().Text(RowOf(view, QStringLiteral("last.txt")), 0), lastNumber);
        // The folder's count is not touched.
        QCOMPARE(view.FolderModel().Text(0, 2), QStringLiteral("3"));
    }

    void recyclingAFolderRow()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("top.txt"), QStringLiteral("gone/a.txt"),
                              QStringLiteral("gone/b.txt"), QStringLiteral("gone/deeper/c.txt")});
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        NoticeCounter frame;
        AppMessages::SetMainWindow(&frame);
        view.OnInitialUpdate();
        Search(view, doc, dir.path(), true);
        QCOMPARE(view.FolderModel().rowCount(), 3);
        int goneRow = -1;
        for (int row = 0; row < view.FolderModel().rowCount(); ++row)
            if (view.FolderModel().Folder(row) == dir.path() + QStringLiteral("/gone"))
                goneRow = row;
        QVERIFY(goneRow >= 0);
        Select(view.FolderList(), goneRow);
        view.Execute(Commands::RecycleFolder);
        QCoreApplication::processEvents();
        AppMessages::SetMainWindow(nullptr);

        QCOMPARE(frame.Count(AppMessages::UWM_REFRESH_TREE), 1);
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/gone")));
        QCOMPARE(view.FolderModel().rowCount(), 2);
        // The folder's own rows went; the sub-folder's rows stay in both lists.
        QCOMPARE(RowOf(view, QStringLiteral("a.txt")), -1);
        QCOMPARE(RowOf(view, QStringLiteral("b.txt")), -1);
        QVERIFY(RowOf(view, QStringLiteral("c.txt")) >= 0);
        QVERIFY(RowOf(view, QStringLiteral("top.txt")) >= 0);
    }

    void exportWritesTheExactLines()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("a.txt"), QStringLiteral("b.txt")});
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray odd = root + "/odd\xff.txt";
        FILE* f = ::fopen(odd.constData(), "w");
        QVERIFY(f);
        ::fclose(f);

        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        Search(view, doc, dir.path(), true);
        view.ExportFileList();
        QByteArray file = LastLaunchedFile();
        QVERIFY(QFileInfo(QFile::decodeName(file)).fileName().startsWith(QStringLiteral("Tre")));
        QVERIFY(file.endsWith(".txt"));
        QFile exported(QFile::decodeName(file));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QByteArray text = exported.readAll();
        QByteArray expected;
        for (int row = 0; row < view.FileModel().rowCount(); ++row)
            expected += (row ? "\n" : "") + QByteArray::fromStdString(view.FileModel().NativePath(row));
        QCOMPARE(text, expected);
        QVERIFY(text.contains(odd));
        QCOMPARE(text.count('\n'), 2);
        QVERIFY(!text.endsWith('\n'));

        // Status mode writes the found paths in order; every export is a new file.
        Search(view, doc, dir.path(), false);
        view.ExportFileList();
        QVERIFY(LastLaunchedFile() != file);
        QFile statusExport(QFile::decodeName(LastLaunchedFile()));
        QVERIFY(statusExport.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = statusExport.readAll().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(QFile::decodeName(lines[0]), view.m_foundPaths[0]);
        QVERIFY(lines.contains(odd));

        // An empty list gives an empty file, which is still opened.
        QTemporaryDir empty;
        Search(view, doc, empty.path(), true);
        const int before = int(m_launches.size());
        view.ExportFileList();
        QCOMPARE(int(m_launches.size()), before + 1);
        QCOMPARE(QFileInfo(QFile::decodeName(LastLaunchedFile())).size(), 0);
        RemoveTree(dir.path()); // QDir cannot remove names that are not UTF-8
    }

    void exportAndDuplicatesWaitForTheRun()
    {
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        CommandRoute route;
        route.SetTargets({&view});
        QVERIFY(route.State(Commands::ExportFileList).m_enabled);
        QVERIFY(route.State(Commands::DuplicateFiles).m_enabled);
        view.m_run = true;
        QVERIFY(!route.State(Commands::ExportFileList).m_enabled);
        QVERIFY(!route.State(Commands::DuplicateFiles).m_enabled);
        QVERIFY(route.State(Commands::RecycleFile).m_enabled); // menu commands stay available
        QVERIFY(route.State(Commands::AutoSearchAtStartup).m_enabled);
        view.m_run = false;
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestFileActions)
#include "tst_fileactions.moc"
