// The results list as a model, checked by Qt's model tester while rows come, go and are cleared;
// and the window on the found paths of a real status-mode search.
#include "DuplicatesTestUtil.h"
#include "engine/SettingsKeys.h"
#include "view/DlgSearchParameters.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <fcntl.h>
#include <unistd.h>

using namespace DuplicatesTest;

namespace {

ResultBatch BatchOf(int firstNumber, int folders, std::initializer_list<std::uint64_t> sizes)
{
    ResultBatch batch;
    for (int i = 0; i < folders; ++i)
        batch.folders.push_back({QStringLiteral("/f%1/").arg(i), "/f" + std::to_string(i) + "/"});
    int number = firstNumber;
    for (std::uint64_t size : sizes) {
        ResultRow row;
        row.number = number++;
        row.folder = 0;
        row.name = "n" + std::to_string(row.number);
        row.opened = true;
        row.size = size;
        row.key = size;
        batch.rows.push_back(row);
    }
    return batch;
}

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT
public:
    explicit TestResultsWindow(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void init() { m_home.ClearSettings(); }

    void modelStaysConsistent()
    {
        ResultsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const std::atomic<bool> go{false};
        for (int round = 0; round < 2; ++round) {
            ResultBatch first = BatchOf(1, 2, {7, 3, 9});
            model.Append(first);
            QVERIFY(first.empty());
            ResultBatch none;
            model.Append(none);
            ResultBatch second = BatchOf(4, 0, {3, 8, 9, 1});
            model.Append(second);
            QCOMPARE(model.rowCount(), 7);
            model.SetCheck(1, true);
            model.SetAllChecks(true);
            model.SortBySizeDescending(go);
            model.RemoveUniqueSizes(go);
            model.RenumberRows(go);
            model.AssignSizeBands(go);
            model.RedrawAll();
            QStringList shown;
            for (int row = 0; row < model.rowCount(); ++row)
                shown << model.Text(row, ResultsModel::kNumber) + QLatin1Char(':') +
                             model.Text(row, ResultsModel::kName) + QLatin1Char(':') +
                             model.Text(row, ResultsModel::kSize);
            QCOMPARE(shown, (QStringList{QStringLiteral("1:n3:9"), QStringLiteral("2:n6:9"),
                                         QStringLiteral("3:n2:3"), QStringLiteral("4:n4:3")}));
            QCOMPARE(model.NativePath(0), std::string("/f0/n3"));
            model.Clear();
            QCOMPARE(model.rowCount(), 0);
        }
    }

    void statusModeKeepsExactNames()
    {
        // A name that is not UTF-8 and its equal-size partner, found by a status-mode search.
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        for (const QByteArray& name : {QByteArray("caf\xe9"), QByteArray("plain"), QByteArray("other")}) {
            const int fd =
                ::open(QByteArray(folder + "/" + name).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            const QByteArray text = name == "other" ? QByteArray("123") : QByteArray("12345");
            QCOMPARE(::write(fd, text.constData(), size_t(text.size())), ssize_t(text.size()));
            ::close(fd);
        }
        CSettingsSection settings;
        settings.WriteInt(Settings::Name(Settings::Key::DisplayFileList), 0);
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
        QCOMPARE(view.m_foundPaths.size(), 3);

        // As the main window opens it: on the engine's found paths, with the view as parent.
        CDlgDuplicateResults window(&view);
        window.m_pSourcePaths = &view.m_foundPaths;
        QVERIFY(OpenAndScan(window));
        const ResultsModel& model = window.ResultsList().Model();
        QCOMPARE(model.rowCount(), 2);
        std::vector<std::string> paths = {model.NativePath(0), model.NativePath(1)};
        std::sort(paths.begin(), paths.end());
        QCOMPARE(paths, (std::vector<std::string>{folder.toStdString() + "/caf\xe9",
                                                  folder.toStdString() + "/plain"}));
        QCOMPARE(Column(Shown(window), &ShownRow::size), Texts({"5", "5"}));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestResultsWindow)
#include "tst_resultswindow.moc"
