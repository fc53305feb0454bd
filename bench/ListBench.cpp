// sort [--rows N] [--column name|folder|size|modified] [--runs N] and filter [--rows N] [--text T]
// [--runs N]: the file list's sort and filter on a made-up result of a million rows, shown in a list
// view.
#include "BenchCommands.h"
#include "BenchSupport.h"

#include "view/ListModels.h"
#include "view/ListRowOrder.h"
#include "view/ListSortFilter.h"

#include "view/ResultList.h"
#include <QApplication>
#include <QElapsedTimer>
#include <ctime>
#include <random>

namespace {

struct ListBench
{
    FileListModel model;
    FileRows rows{model};
    ListSortFilter proxy{rows};
    ResultList view;

    // `count` rows in folders of about a hundred files, with names of the kinds a disk holds; with
    // `withStatus`, sizes and times as the walk gives them for the Size and Modified columns.
    explicit ListBench(int count, bool withStatus = false)
    {
        std::mt19937 random(1);
        const char* kinds[] = {"IMG_%04u.JPG", "report %u.pdf", "file%u.txt",  "Track %02u.ogg",
                               "notes-%u.md",  "lib%u.so.%u",   "data_%u.csv", "Übersicht %u.odt"};
        std::vector<FileListModel::NewRow> batch;
        int folder = -1;
        for (int row = 0; row < count; ++row) {
            if (row % 100 == 0) {
                const std::string path = "/home/user/archive/year" + std::to_string(2000 + random() % 25) +
                                         "/box" + std::to_string(random() % 1000) + "/part" +
                                         std::to_string(row / 100);
                folder = model.AddFolder(QString::fromStdString(path), path);
            }
            char name[64];
            std::snprintf(name, sizeof name, kinds[random() % 8], unsigned(random() % 100000),
                          unsigned(random() % 10));
            batch.push_back({folder, name});
            if (withStatus) {
                const std::int64_t size = std::int64_t(random() % 100000) << (random() % 20);
                const timespec modified{std::time_t(1000000000 + random() % 700000000), 0};
                batch.back().status = platform::EntryStatus::Of(size, modified);
            }
        }
        model.Append(batch);
        model.SetStatusShown(withStatus);
        proxy.setSourceModel(&model);
        view.setModel(&proxy);
        view.resize(900, 600);
        view.show();
        Settle();
    }
    // Lets the view lay the rows out and paint, as it would before the user sees the change.
    void Settle()
    {
        QCoreApplication::processEvents();
        view.doItemsLayout();
        view.viewport()->repaint();
    }
};

// Processor time of this thread, in seconds: what the work costs on a machine shared with others.
double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

bool Setup(const QStringList& args, const QStringList& known, bench::Arguments& parsed, int& rows, int& runs)
{
    QString error;
    if (!bench::ParseArguments(args, known, parsed, error) ||
        !bench::ParseCount(parsed, QStringLiteral("rows"), 1000000, rows, error) ||
        !bench::ParseCount(parsed, QStringLiteral("runs"), 3, runs, error) || !parsed.positional.isEmpty()) {
        bench::PrintError(error.isEmpty() ? QStringLiteral("no folder is read: give options only") : error);
        return false;
    }
    return true;
}

} // namespace

int RunSortBench(const QStringList& args)
{
    using namespace bench;
    Arguments parsed;
    int count = 0;
    int runs = 0;
    if (!Setup(args, {QStringLiteral("rows"), QStringLiteral("runs"), QStringLiteral("column")}, parsed,
               count, runs))
        return 2;
    const QString columnName = parsed.options.value(QStringLiteral("column"), QStringLiteral("name"));
    const QStringList columns = {QStringLiteral("name"), QStringLiteral("folder"), QStringLiteral("size"),
                                 QStringLiteral("modified")};
    if (!columns.contains(columnName)) {
        PrintError(QStringLiteral(
            "usage: tresmolo-bench sort [--rows N] [--column name|folder|size|modified] [--runs N]"));
        return 2;
    }
    const int column = int(columns.indexOf(columnName)) + 1;
    ListBench bench(count, column >= FileListModel::kSize);
    std::vector<double> seconds;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        // From the found order, each time, as a first click on the heading does.
        bench.proxy.sort(0, Qt::AscendingOrder);
        bench.Settle();
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = ThreadSeconds();
        bench.proxy.sort(column, Qt::AscendingOrder);
        bench.Settle();
        seconds.push_back(double(clock.nsecsElapsed()) / 1e9);
        cpu.push_back(ThreadSeconds() - cpuStart);
        PrintLine(QStringLiteral("run %1: %2 s (processor %3 s), first row %4")
                      .arg(run + 1)
                      .arg(seconds.back(), 0, 'f', 4)
                      .arg(cpu.back(), 0, 'f', 4)
                      .arg(bench.proxy.index(0, column).data().toString()));
    }
    PrintLine(QStringLiteral("sort rows=%1 seconds=%2 column=%3 cpu_seconds=%4")
                  .arg(count)
                  .arg(Median(seconds), 0, 'f', 4)
                  .arg(columnName)
                  .arg(Median(cpu), 0, 'f', 4));
    return 0;
}

int RunFilterBench(const QStringList& args)
{
    using namespace bench;
    Arguments parsed;
    int count = 0;
    int runs = 0;
    if (!Setup(args, {QStringLiteral("rows"), QStringLiteral("runs"), QStringLiteral("text")}, parsed, count,
               runs))
        return 2;
    const QString text = parsed.options.value(QStringLiteral("text"), QStringLiteral("report 1"));
    ListBench bench(count);
    // Typing the text one key at a time, then deleting it again: the slowest keystroke counts.
    std::vector<double> slowest;
    std::vector<double> slowestCpu;
    int kept = 0;
    for (int run = 0; run < runs; ++run) {
        double worst = 0;
        double worstCpu = 0;
        QStringList steps;
        for (qsizetype n = 1; n <= text.size(); ++n)
            steps << text.left(n);
        for (qsizetype n = text.size() - 1; n >= 0; --n)
            steps << text.left(n);
        for (const QString& step : steps) {
            QElapsedTimer clock;
            clock.start();
            const double cpuStart = ThreadSeconds();
            bench.proxy.SetFilterText(step);
            bench.Settle();
            worst = std::max(worst, double(clock.nsecsElapsed()) / 1e9);
            worstCpu = std::max(worstCpu, ThreadSeconds() - cpuStart);
            if (step == text)
                kept = bench.proxy.rowCount();
        }
        slowest.push_back(worst);
        slowestCpu.push_back(worstCpu);
        PrintLine(QStringLiteral("run %1: slowest of %2 keystrokes %3 s (processor %4 s)")
                      .arg(run + 1)
                      .arg(steps.size())
                      .arg(worst, 0, 'f', 4)
                      .arg(worstCpu, 0, 'f', 4));
    }
    PrintLine(QStringLiteral("filter rows=%1 kept=%2 seconds=%3 cpu_seconds=%4")
                  .arg(count)
                  .arg(kept)
                  .arg(Median(slowest), 0, 'f', 4)
                  .arg(Median(slowestCpu), 0, 'f', 4));
    return 0;
}
