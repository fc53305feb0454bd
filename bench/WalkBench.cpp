// The walk benchmark: the engine's search of one folder with the default switches, run a number of
// times, reporting the median time of the walk itself. Loading the options and freeing the results
// are timed apart and only shown per run.

#include "BenchCommands.h"
#include "BenchSupport.h"

#include "engine/AppHelper.h"
#include "platform/FolderOpen.h"

#include <QElapsedTimer>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// Keeps the path of every file found as the search window's status mode does (folder and name
// bytes), or with `--keep none` only counts them, so the walk's own memory shows.
class CWalkHelper final : public CAppHelper
{
public:
    explicit CWalkHelper(bool keep) : m_keep(keep) {}
    void OnFileFound(const CFileFind& find) override
    {
        if (m_keep)
            m_foundPaths.Append(find.GetNativeFolder(), find.GetNativeName());
        ++m_counted;
    }
    qsizetype m_counted = 0;

private:
    bool m_keep;
};

// The peak resident memory of this process so far, in MB.
long PeakMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

struct WalkResult
{
    qsizetype files = 0;
    int parsed = 0;
    int ignored = 0;
    double optionsSeconds = 0;
    double walkSeconds = 0;
    double freeSeconds = 0; // destroying the helper and the paths it found
};

WalkResult WalkOnce(const QString& folder, const QString& word, bool keep, CAppHelper::ReadAhead readAhead)
{
    WalkResult result;
    auto helper = std::make_unique<CWalkHelper>(keep);
    helper->SetReadAhead(readAhead);
    QElapsedTimer timer;
    timer.start();
    helper->LoadOptions();
    result.optionsSeconds = double(timer.nsecsElapsed()) / 1e9;
    helper->m_startFolder = folder;
    helper->m_searchWord = word;
    timer.restart();
    helper->RunSearch();
    result.walkSeconds = double(timer.nsecsElapsed()) / 1e9;
    result.files = helper->m_counted;
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
    platform::RaiseOpenFileLimit(); // as the program does at start
    bench::Arguments parsed;
    QString error;
    int runs = 0;
    if (!bench::ParseArguments(args,
                               {QStringLiteral("word"), QStringLiteral("runs"), QStringLiteral("keep"),
                                QStringLiteral("read-ahead")},
                               parsed, error) ||
        !bench::ParseCount(parsed, QStringLiteral("runs"), 5, runs, error)) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: ") + error);
        return 2;
    }
    if (parsed.positional.size() != 1) {
        bench::PrintError(QStringLiteral("usage: tresmolo-bench walk FOLDER [--word W] [--runs N] [--keep "
                                         "paths|none] [--read-ahead auto|on|off]"));
        return 2;
    }
    const QString keepText = parsed.options.value(QStringLiteral("keep"), QStringLiteral("paths"));
    if (keepText != QStringLiteral("paths") && keepText != QStringLiteral("none")) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: --keep takes paths or none"));
        return 2;
    }
    const bool keep = keepText == QStringLiteral("paths");
    const QString aheadText = parsed.options.value(QStringLiteral("read-ahead"), QStringLiteral("auto"));
    CAppHelper::ReadAhead readAhead = CAppHelper::ReadAhead::WhenSlow;
    if (aheadText == QStringLiteral("on"))
        readAhead = CAppHelper::ReadAhead::Always;
    else if (aheadText == QStringLiteral("off"))
        readAhead = CAppHelper::ReadAhead::Never;
    else if (aheadText != QStringLiteral("auto")) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: --read-ahead takes auto, on or off"));
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
        const WalkResult result = WalkOnce(folder, word, keep, readAhead);
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
    bench::PrintLine(QStringLiteral("walk files=%1 parsed=%2 ignored=%3 seconds=%4 rss_mb=%5")
                         .arg(first.files)
                         .arg(first.parsed)
                         .arg(first.ignored)
                         .arg(Seconds(bench::Median(times)))
                         .arg(PeakMegabytes()));
    return steady ? 0 : 1;
}
