// The walk benchmark: the engine's search of one folder with the default switches (and the search
// filters given), run a number of times, reporting the median time of the walk itself. Loading the options
// and freeing the results are timed apart and only shown per run.

#include "BenchCommands.h"
#include "BenchSupport.h"

#include "engine/AppHelper.h"
#include "platform/FolderOpen.h"

#include <QElapsedTimer>
#include <QFile>
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

WalkResult WalkOnce(const QString& folder, const QString& word, bool keep, CAppHelper::ReadAhead readAhead,
                    const SearchFilters& filters, const QString& list = {})
{
    WalkResult result;
    auto helper = std::make_unique<CWalkHelper>(keep);
    helper->SetReadAhead(readAhead);
    QElapsedTimer timer;
    timer.start();
    helper->LoadOptions();
    helper->m_filters = filters;
    result.optionsSeconds = double(timer.nsecsElapsed()) / 1e9;
    helper->m_startFolder = folder;
    helper->m_searchWord = word;
    timer.restart();
    helper->RunSearch();
    result.walkSeconds = double(timer.nsecsElapsed()) / 1e9;
    result.files = helper->m_counted;
    result.parsed = helper->m_foldersParsed;
    result.ignored = helper->m_foldersIgnored;
    if (!list.isEmpty()) {
        QFile out(list);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            for (int i = 0; i < helper->m_foundPaths.size(); ++i)
                out.write((helper->m_foundPaths.Native(i) + '\n').c_str());
    }
    timer.restart();
    helper.reset();
    result.freeSeconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

QString Seconds(double seconds)
{
    return QString::number(seconds, 'f', 4);
}

// Takes "--skip P1 P2 ..." (every following word that is not an option) out of `args`.
QStringList TakeSkipPatterns(QStringList& args)
{
    QStringList patterns;
    for (qsizetype i = 0; i < args.size();) {
        if (args.at(i) != QStringLiteral("--skip")) {
            ++i;
            continue;
        }
        args.removeAt(i);
        while (i < args.size() && !args.at(i).startsWith(QStringLiteral("--")))
            patterns << args.takeAt(i);
    }
    return patterns;
}

// "N", "NK", "NM" or "NG" (1024-based) as a size limit.
bool ParseSize(const QString& text, SearchFilters::SizeLimit& limit)
{
    static const QString kUnits = QStringLiteral("KMG");
    QString number = text;
    limit.unit = SearchFilters::SizeUnit::Bytes;
    if (!number.isEmpty() && kUnits.contains(number.back().toUpper())) {
        limit.unit = SearchFilters::SizeUnit(1 + kUnits.indexOf(number.back().toUpper()));
        number.chop(1);
    }
    bool ok = false;
    limit.amount = number.toInt(&ok);
    limit.enabled = ok && limit.amount >= 0;
    return limit.enabled;
}

// The search filters of the command line; false with `error` set when one is malformed.
bool ParseFilters(const bench::Arguments& parsed, QStringList skip, SearchFilters& filters, QString& error)
{
    filters.skipPatterns = std::move(skip);
    const QString match = parsed.options.value(QStringLiteral("match"), QStringLiteral("contains"));
    if (match == QStringLiteral("wildcard"))
        filters.nameMatch = SearchFilters::NameMatch::Wildcard;
    else if (match == QStringLiteral("regex"))
        filters.nameMatch = SearchFilters::NameMatch::RegularExpression;
    else if (match != QStringLiteral("contains")) {
        error = QStringLiteral("--match takes contains, wildcard or regex");
        return false;
    }
    for (const auto& [name, limit] : {std::pair{QStringLiteral("min-size"), &filters.minSize},
                                      std::pair{QStringLiteral("max-size"), &filters.maxSize}}) {
        if (parsed.options.contains(name) && !ParseSize(parsed.options.value(name), *limit)) {
            error = QStringLiteral("--%1 takes a size such as 4096, 64K, 1M or 2G").arg(name);
            return false;
        }
    }
    if (parsed.options.contains(QStringLiteral("newer"))) {
        filters.modifiedFrom = QDate::fromString(parsed.options.value(QStringLiteral("newer")), Qt::ISODate);
        if (!filters.modifiedFrom.isValid()) {
            error = QStringLiteral("--newer takes a date as YYYY-MM-DD");
            return false;
        }
    }
    filters.containingText = parsed.options.value(QStringLiteral("text"));
    return true;
}

} // namespace

int RunWalkBench(const QStringList& givenArgs)
{
    platform::RaiseOpenFileLimit(); // as the program does at start
    QStringList args = givenArgs;
    const QStringList skip = TakeSkipPatterns(args);
    bench::Arguments parsed;
    QString error;
    int runs = 0;
    SearchFilters filters;
    if (!bench::ParseArguments(args,
                               {QStringLiteral("word"), QStringLiteral("runs"), QStringLiteral("keep"),
                                QStringLiteral("read-ahead"), QStringLiteral("match"),
                                QStringLiteral("min-size"), QStringLiteral("max-size"),
                                QStringLiteral("newer"), QStringLiteral("text"), QStringLiteral("list")},
                               parsed, error) ||
        !bench::ParseCount(parsed, QStringLiteral("runs"), 5, runs, error) ||
        !ParseFilters(parsed, skip, filters, error)) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: ") + error);
        return 2;
    }
    if (parsed.positional.size() != 1) {
        bench::PrintError(
            QStringLiteral("usage: tresmolo-bench walk FOLDER [--word W] [--runs N] [--keep "
                           "paths|none] [--read-ahead auto|on|off] [--skip PATTERN...] [--match "
                           "contains|wildcard|regex] [--min-size N] [--max-size N] [--newer "
                           "YYYY-MM-DD] [--text T] [--list FILE]"));
        return 2;
    }
    const QString keepText = parsed.options.value(QStringLiteral("keep"), QStringLiteral("paths"));
    if (keepText != QStringLiteral("paths") && keepText != QStringLiteral("none")) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: --keep takes paths or none"));
        return 2;
    }
    const bool keep = keepText == QStringLiteral("paths");
    const QString list = parsed.options.value(QStringLiteral("list"));
    if (!list.isEmpty() && !keep) {
        bench::PrintError(QStringLiteral("tresmolo-bench walk: --list needs --keep paths"));
        return 2;
    }
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
        const WalkResult result =
            WalkOnce(folder, word, keep, readAhead, filters, run == 1 ? list : QString());
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
