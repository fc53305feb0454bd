// verify FOLDER [--runs N] [--again] [--cache DIR] [--list FILE]: a file-mode search through the real
// main frame, the duplicates window's scan and its contents check, offscreen, timed from the search's
// start to the end of the check (as the content-comparing tools' times include their own walk).
// Every run starts with an empty contents cache, unless --again (one untimed check first, so every
// timed run is a repeat on the cache it filled) or --cache DIR (the cache kept in DIR between
// commands) says otherwise.
#include "BenchCommands.h"
#include "BenchSupport.h"

#include "duplicates/DlgDuplicateResults.h"
#include "engine/SettingsSection.h"
#include "shell/FolderTree.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <set>
#include <sys/resource.h>

namespace {

// What one run found.
struct Found
{
    int files = 0;
    int groups = 0;
    int duplicateFiles = 0;
    std::uint64_t bytesRead = 0;
    std::vector<double> checkSeconds; // Verify Contents alone, per run
    // Every row of the list: its contents group (0: none), its mark and its exact path.
    struct Row
    {
        int group = 0;
        QString mark;
        std::string path;
    };
    std::vector<Row> rows;
};

// The path's bytes with every byte outside printable ASCII, and the backslash, as \xHH.
QByteArray Escaped(const std::string& path)
{
    QByteArray out;
    out.reserve(qsizetype(path.size()));
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '\\')
            out += c;
        else
            out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
    }
    return out;
}

// Runs the window on the current result: the scan, then Verify Contents.
void CheckContents(CDlgDuplicateResults& window, Found& found)
{
    QEventLoop wait;
    QObject::connect(&window, &CDlgDuplicateResults::scanFinished, &wait, &QEventLoop::quit);
    QObject::connect(&window, &CDlgDuplicateResults::contentsChecked, &wait, &QEventLoop::quit);
    window.show();
    QCoreApplication::sendPostedEvents(&window, QEvent::MetaCall); // the help text, just after the show
    if (QMessageBox* help = window.HelpBox())
        help->accept();
    if (window.IsScanning())
        wait.exec();
    QElapsedTimer clock;
    clock.start();
    window.OnVerifyContents();
    if (window.IsCheckingContents())
        wait.exec();
    found.checkSeconds.push_back(double(clock.nsecsElapsed()) / 1e9);
    const ResultsModel& model = window.ResultsList().Model();
    std::set<int> groups;
    found.rows.clear();
    found.duplicateFiles = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const int group = model.Rows()[size_t(row)].contentsGroup;
        // The Contents column shows the group's number, or the row's mark.
        const QString shown = model.Text(row, ResultsModel::kContents);
        found.rows.push_back(
            {group, shown == QString::number(group) ? QString() : shown, model.NativePath(row)});
        if (group > 0) {
            groups.insert(group);
            ++found.duplicateFiles;
        }
    }
    found.groups = int(groups.size());
    found.bytesRead = window.LastBytesRead();
}

} // namespace

int RunVerifyBench(const QStringList& args)
{
    using namespace bench;
    Arguments parsed;
    QString error;
    int runs = 0;
    QStringList rest = args;
    const bool again = rest.removeAll(QStringLiteral("--again")) > 0;
    if (!ParseArguments(rest, {QStringLiteral("runs"), QStringLiteral("list"), QStringLiteral("cache")},
                        parsed, error) ||
        !ParseCount(parsed, QStringLiteral("runs"), 3, runs, error)) {
        PrintError(error);
        return 2;
    }
    const QString folder = parsed.positional.size() == 1 ? FolderArgument(parsed.positional[0]) : QString();
    if (folder.isEmpty()) {
        PrintError(QStringLiteral("usage: tresmolo-bench verify FOLDER [--runs N] [--again] [--cache DIR] "
                                  "[--list FILE]"));
        return 2;
    }
    // The contents cache: a folder of its own per run, one for all runs, or the one asked for.
    QTemporaryDir caches;
    const QString keptCache = parsed.options.value(QStringLiteral("cache"));
    const auto useCache = [&](const QString& name) {
        const QString folder = !keptCache.isEmpty() ? keptCache : caches.path() + QLatin1Char('/') + name;
        qputenv("XDG_CACHE_HOME", QFile::encodeName(folder));
    };
    CSettingsSection settings;
    settings.WriteInt(QStringLiteral("DisplayFileList"), 1);
    settings.WriteSearchWord(QString());

    Found found;
    Seams::SetDialogRunner([&](QDialog& dialog) {
        if (auto* results = qobject_cast<CDlgDuplicateResults*>(&dialog))
            CheckContents(*results, found);
        dialog.accept(); // the search dialog: OK; the results window: closed
        return int(QDialog::Accepted);
    });

    CPendrakeApp app;
    if (!app.InitInstance())
        return 1;
    CMainFrame* frame = app.MainFrame();
    if (!frame->Tree()->SelectPath(folder)) {
        PrintError(QStringLiteral("the folder tree cannot select %1").arg(folder));
        return 1;
    }
    QEventLoop loop;
    while (app.Document().SelectedFolder() != folder)
        loop.processEvents(QEventLoop::AllEvents, 50);
    CPendrakeView* view = frame->View();
    QObject::connect(view, &CPendrakeView::searchFinished, &loop, &QEventLoop::quit);

    std::vector<double> seconds;
    if (again) {
        useCache(QStringLiteral("again"));
        frame->Action(314)->trigger();
        loop.exec();
        frame->UpdateCommandUI();
        frame->Action(327)->trigger();
        PrintLine(QStringLiteral("first check: %1 bytes read").arg(found.bytesRead));
        found.checkSeconds.clear();
    }
    for (int run = 0; run < runs; ++run) {
        if (!again)
            useCache(QStringLiteral("run%1").arg(run + 1));
        QElapsedTimer clock;
        clock.start();
        frame->Action(314)->trigger();
        loop.exec();
        found.files = view->FileModel().rowCount();
        frame->UpdateCommandUI();
        frame->Action(327)->trigger();
        seconds.push_back(double(clock.nsecsElapsed()) / 1e9);
        PrintLine(QStringLiteral("run %1: %2 s, %3 duplicate files")
                      .arg(run + 1)
                      .arg(seconds.back(), 0, 'f', 4)
                      .arg(found.duplicateFiles));
    }
    if (parsed.options.contains(QStringLiteral("list"))) {
        QFile list(parsed.options.value(QStringLiteral("list")));
        if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            PrintError(QStringLiteral("cannot write %1").arg(list.fileName()));
            return 1;
        }
        // GROUP <tab> MARK <tab> PATH: the mark is "-" for a row that shows its group.
        for (const Found::Row& row : found.rows)
            list.write(QByteArray::number(row.group) + '\t' +
                       (row.mark.isEmpty() ? QByteArray("-") : row.mark.toUtf8()) + '\t' + Escaped(row.path) +
                       '\n');
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    PrintLine(QStringLiteral(
                  "verify%7 files=%1 groups=%2 dup_files=%3 bytes_read=%4 seconds=%5 check_s=%8 rss_mb=%6")
                  .arg(found.files)
                  .arg(found.groups)
                  .arg(found.duplicateFiles)
                  .arg(found.bytesRead)
                  .arg(Median(seconds), 0, 'f', 4)
                  .arg(double(usage.ru_maxrss) / 1024.0, 0, 'f', 1)
                  .arg(again ? QStringLiteral(" again") : QString())
                  .arg(Median(found.checkSeconds), 0, 'f', 4));
    frame->close();
    return 0;
}
