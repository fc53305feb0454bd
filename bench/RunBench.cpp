// run FOLDER --mode file|status [--word W] [--columns none|start|later] [--runs N]: a whole search
// through the real main frame, offscreen, from the tree's selection to the summary. --columns start
// shows the Size and Modified columns before the search (the walk reads each file's status);
// --columns later shows them after it and times the first sort by size (every status read then).
#include "BenchCommands.h"
#include "BenchSupport.h"

#include "duplicates/DlgDuplicateResults.h"
#include "engine/SettingsSection.h"
#include "shell/FolderTree.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "view/PendrakeView.h"
#include "view/ResultList.h"
#include "view/Seams.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <sys/resource.h>

namespace bench {

double PeakResidentMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The longest gap between ticks of a 10 ms timer on the user-interface thread while it runs.
class StallWatch : public QObject
{
public:
    StallWatch()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this,
                [this] { m_longest = std::max(m_longest, m_clock.restart()); });
    }
    void Start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    qint64 Stop()
    {
        m_timer.stop();
        return std::max(m_longest, m_clock.elapsed());
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// The timed runs of one benchmark and the tail of its last line.
struct TimedRuns
{
    std::vector<double> seconds;
    qint64 worstStall = 0;

    void Add(double runSeconds, qint64 stallMs)
    {
        seconds.push_back(runSeconds);
        worstStall = std::max(worstStall, stallMs);
    }
    // "seconds=<median> rss_mb=<peak> max_stall_ms=<longest>"
    QString Tail() const
    {
        return QStringLiteral("seconds=%1 rss_mb=%2 max_stall_ms=%3")
            .arg(Median(seconds), 0, 'f', 4)
            .arg(PeakResidentMegabytes(), 0, 'f', 1)
            .arg(worstStall);
    }
};

} // namespace bench

namespace {

// Brings the program up offscreen and selects `folder` as the tree would; null when it cannot.
CMainFrame* OpenFrameOn(CPendrakeApp& app, const QString& folder, QEventLoop& loop)
{
    if (!app.InitInstance())
        return nullptr;
    CMainFrame* frame = app.MainFrame();
    if (!frame->Tree()->SelectPath(folder)) {
        bench::PrintError(QStringLiteral("the folder tree cannot select %1").arg(folder));
        return nullptr;
    }
    while (app.Document().SelectedFolder() != folder)
        loop.processEvents(QEventLoop::AllEvents, 50);
    return frame;
}

} // namespace

int RunFrameBench(const QStringList& args)
{
    using namespace bench;
    Arguments parsed;
    QString error;
    int runs = 0;
    if (!ParseArguments(args,
                        {QStringLiteral("mode"), QStringLiteral("word"), QStringLiteral("runs"),
                         QStringLiteral("columns")},
                        parsed, error) ||
        !ParseCount(parsed, QStringLiteral("runs"), 3, runs, error)) {
        PrintError(error);
        return 2;
    }
    const QString mode = parsed.options.value(QStringLiteral("mode"), QStringLiteral("file"));
    const QString columns = parsed.options.value(QStringLiteral("columns"), QStringLiteral("none"));
    const QString folder = parsed.positional.size() == 1 ? FolderArgument(parsed.positional[0]) : QString();
    if (folder.isEmpty() || (mode != QLatin1String("file") && mode != QLatin1String("status")) ||
        !QStringList({QStringLiteral("none"), QStringLiteral("start"), QStringLiteral("later")})
             .contains(columns)) {
        PrintError(QStringLiteral("usage: tresmolo-bench run FOLDER --mode file|status [--word W] "
                                  "[--columns none|start|later] [--runs N]"));
        return 2;
    }
    CSettingsSection settings;
    settings.WriteInt(QStringLiteral("DisplayFileList"), mode == QLatin1String("file") ? 1 : 0);
    Seams::SetDialogRunner([](QDialog& dialog) {
        dialog.accept(); // OK stores the word that is already there
        return int(QDialog::Accepted);
    });

    CPendrakeApp app;
    QEventLoop loop;
    CMainFrame* frame = OpenFrameOn(app, folder, loop);
    if (!frame)
        return 1;
    CPendrakeView* view = frame->View();
    settings.WriteSearchWord(parsed.options.value(QStringLiteral("word")));

    for (const int column : {int(FileListModel::kSize), int(FileListModel::kModified)})
        view->ShowColumn(column, columns == QLatin1String("start"));

    TimedRuns timed;
    TimedRuns later;
    int files = 0;
    StallWatch watch;
    QObject::connect(view, &CPendrakeView::searchFinished, &loop, &QEventLoop::quit);
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        watch.Start();
        clock.start();
        frame->Action(314)->trigger();
        loop.exec();
        timed.Add(double(clock.nsecsElapsed()) / 1e9, watch.Stop());
        files = mode == QLatin1String("file") ? view->FileModel().rowCount() : int(view->m_foundPaths.size());
        PrintLine(QStringLiteral("run %1: %2 s, %3 files")
                      .arg(run + 1)
                      .arg(timed.seconds.back(), 0, 'f', 4)
                      .arg(files));
        if (columns != QLatin1String("later"))
            continue;
        // The column shown, then a first click on its heading: every status is read (on a thread of
        // its own) and the list sorted once they are in.
        watch.Start();
        clock.start();
        view->ShowColumn(FileListModel::kSize, true);
        view->FileList()->sortByColumn(FileListModel::kSize, Qt::AscendingOrder);
        if (view->FileModel().ReadingStatus()) {
            QEventLoop read;
            QObject::connect(&view->FileModel(), &FileListModel::statusRead, &read, &QEventLoop::quit);
            read.exec();
        }
        loop.processEvents();
        view->FileList()->viewport()->repaint();
        later.Add(double(clock.nsecsElapsed()) / 1e9, watch.Stop());
        PrintLine(QStringLiteral("run %1: shown and sorted by size in %2 s, longest stall %3 ms")
                      .arg(run + 1)
                      .arg(later.seconds.back(), 0, 'f', 4)
                      .arg(later.worstStall));
        view->ShowColumn(FileListModel::kSize, false);
    }
    PrintLine(QStringLiteral("run mode=%1 columns=%2 files=%3 ").arg(mode, columns).arg(files) +
              timed.Tail() +
              (columns == QLatin1String("later") ? QStringLiteral(" later_seconds=%1 later_max_stall_ms=%2")
                                                       .arg(Median(later.seconds), 0, 'f', 4)
                                                       .arg(later.worstStall)
                                                 : QString()));
    frame->close();
    return 0;
}

int RunDupesBench(const QStringList& args)
{
    using namespace bench;
    Arguments parsed;
    QString error;
    int runs = 0;
    if (!ParseArguments(args, {QStringLiteral("mode"), QStringLiteral("runs")}, parsed, error) ||
        !ParseCount(parsed, QStringLiteral("runs"), 3, runs, error)) {
        PrintError(error);
        return 2;
    }
    const QString mode = parsed.options.value(QStringLiteral("mode"), QStringLiteral("file"));
    const QString folder = parsed.positional.size() == 1 ? FolderArgument(parsed.positional[0]) : QString();
    if (folder.isEmpty() || (mode != QLatin1String("file") && mode != QLatin1String("status"))) {
        PrintError(QStringLiteral("usage: tresmolo-bench dupes FOLDER [--mode file|status] [--runs N]"));
        return 2;
    }
    // The window reads the file list in file mode, the found paths in status mode.
    CSettingsSection settings;
    settings.WriteInt(QStringLiteral("DisplayFileList"), mode == QLatin1String("file") ? 1 : 0);
    settings.WriteSearchWord(QString());

    // The results window is shown, timed from its first show to the end of its scan, then closed.
    TimedRuns timed;
    int rows = 0;
    StallWatch watch;
    Seams::SetDialogRunner([&](QDialog& dialog) {
        auto* results = qobject_cast<CDlgDuplicateResults*>(&dialog);
        if (!results) {
            dialog.accept(); // the search dialog: OK
            return int(QDialog::Accepted);
        }
        QEventLoop wait;
        QObject::connect(results, &CDlgDuplicateResults::scanFinished, &wait, &QEventLoop::quit);
        QElapsedTimer clock;
        watch.Start();
        clock.start();
        results->show();
        if (results->IsScanning())
            wait.exec();
        timed.Add(double(clock.nsecsElapsed()) / 1e9, watch.Stop());
        rows = results->ResultsList().GetItemCount();
        if (QMessageBox* help = results->HelpBox())
            help->accept();
        results->accept();
        return int(QDialog::Accepted);
    });

    CPendrakeApp app;
    QEventLoop loop;
    CMainFrame* frame = OpenFrameOn(app, folder, loop);
    if (!frame)
        return 1;
    CPendrakeView* view = frame->View();
    QObject::connect(view, &CPendrakeView::searchFinished, &loop, &QEventLoop::quit);
    frame->Action(314)->trigger();
    loop.exec();
    const int files =
        mode == QLatin1String("file") ? view->FileModel().rowCount() : int(view->m_foundPaths.size());
    for (int run = 0; run < runs; ++run) {
        frame->UpdateCommandUI();
        frame->Action(327)->trigger();
        PrintLine(QStringLiteral("run %1: %2 s, %3 rows")
                      .arg(run + 1)
                      .arg(timed.seconds.back(), 0, 'f', 4)
                      .arg(rows));
    }
    PrintLine(QStringLiteral("dupes mode=%1 files=%2 rows=%3 ").arg(mode).arg(files).arg(rows) +
              timed.Tail());
    frame->close();
    return 0;
}
