// The walk benchmark: the engine's search of one folder with the default switches, run a number of
// times, reporting the median time of the walk itself. Loading the options and freeing the results
// are timed apart and only shown per run.

#include "BenchCommands.h"
#include "BenchSupport.h"

#include "engine/AppHelper.h"

#include <QElapsedTimer>
#include <memory>
#include <vector>

namespace {

// Keeps the path of every file found, as the search window does.
class CWalkHelper final : public CAppHelper
{
public:
    void OnFileFound(const CFileFind& find) override { m_foundPaths.append(find.GetFilePath()); }
};

struct WalkResult
{
    qsizetype files = 0;
    int parsed = 0;
    int ignored = 0;
    double optionsSeconds = 0;
    double walkSeconds = 0;
    double freeSeconds = 0; // destroying the helper and the paths it found
};

WalkResult WalkOnce(const QString& folder, const QString& word)
{
    WalkResult result;
    auto helper = std::make_unique<CWalkHelper>();
    QElapsedTimer timer;
    timer.start();
    helper->LoadOptions();
    result.optionsSeconds = double(timer.nsecsElapsed()) / 1e9;
    helper->m_startFolder = folder;
    helper->m_searchWord = word;
    timer.restart();
    helper->RunSearch();
    result.walkSeconds = double(timer.nsecsElapsed()) / 1e9;
    result.files = helper->m_foundPaths.size();
    result.parsed = helper->m_foldersParsed;
    result.ignored = helper->m_foldersIgnored;
    timer.restart();
    helper.reset();
    result.freeSeconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

QString Seconds(double seconds)
{
    return QString::number(seconds, 'f', 4);
}

} // namespace

int RunWalkBench(const QStringList& args)
{
    bench::Arguments parsed;
    QString error;
    int runs = 0;
    if (!bench::ParseArguments(args, {QStringLiteral("word"), QStringLiteral("runs")}, parsed, error) ||
        !bench::ParseCount(parsed, QStringLiteral("runs"), 5, runs, error)) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: ") + error);
        return 2;
    }
    if (parsed.positional.size() != 1) {
        bench::PrintError(QStringLiteral("usage: tresmolo-bench walk FOLDER [--word W] [--runs N]"));
        return 2;
    }
    const QString folder = bench::FolderArgument(parsed.positional.constFirst());
    if (folder.isEmpty()) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: not a folder: ") +
                          parsed.positional.constFirst());
        return 2;
    }
    const QString word = parsed.options.value(QStringLiteral("word"));

    std::vector<double> times;
    WalkResult first;
    bool steady = true;
    for (int run = 1; run <= runs; ++run) {
        const WalkResult result = WalkOnce(folder, word);
        if (run == 1)
            first = result;
        else if (result.files != first.files || result.parsed != first.parsed ||
                 result.ignored != first.ignored)
            steady = false;
        times.push_back(result.walkSeconds);
        bench::PrintLine(
            QStringLiteral("run %1/%2 files=%3 parsed=%4 ignored=%5 seconds=%6 options=%7 free=%8")
                .arg(run)
                .arg(runs)
                .arg(result.files)
                .arg(result.parsed)
                .arg(result.ignored)
                .arg(Seconds(result.walkSeconds), Seconds(result.optionsSeconds),
                     Seconds(result.freeSeconds)));
    }
    if (!steady)
        bench::PrintError(QStringLiteral("tresmolo-bench walk: the counts changed between runs; the tree is "
                                         "changing and the times are not comparable"));
    bench::PrintLine(QStringLiteral("walk files=%1 parsed=%2 ignored=%3 seconds=%4")
                         .arg(first.files)
                         .arg(first.parsed)
                         .arg(first.ignored)
                         .arg(Seconds(bench::Median(times))));
    return steady ? 0 : 1;
}
