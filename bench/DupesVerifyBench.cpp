// verify FOLDER [--runs N] [--list FILE]: a file-mode search through the real main frame, the
// duplicates window's scan and its contents check, offscreen, timed from the search's start to the
// end of the check (as the content-comparing tools' times include their own walk).
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
    std::vector<std::string> paths; // of the duplicate files
};

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
    window.OnVerifyContents();
    if (window.IsCheckingContents())
        wait.exec();
    const ResultsModel& model = window.ResultsList().Model();
    std::set<int> groups;
    found.paths.clear();
    for (int row = 0; row < model.rowCount(); ++row) {
        const int group = model.Rows()[size_t(row)].contentsGroup;
        if (group > 0) {
            groups.insert(group);
            found.paths.push_back(model.NativePath(row));
        }
    }
    found.groups = int(groups.size());
    found.duplicateFiles = int(found.paths.size());
    found.bytesRead = window.LastBytesRead();
}

} // namespace

int RunVerifyBench(const QStringList& args)
{
    using namespace bench;
    Arguments parsed;
    QString error;
    int runs = 0;
    if (!ParseArguments(args, {QStringLiteral("runs"), QStringLiteral("list")}, parsed, error) ||
        !ParseCount(parsed, QStringLiteral("runs"), 3, runs, error)) {
        PrintError(error);
        return 2;
    }
    const QString folder = parsed.positional.size() == 1 ? FolderArgument(parsed.positional[0]) : QString();
    if (folder.isEmpty()) {
        PrintError(QStringLiteral("usage: tresmolo-bench verify FOLDER [--runs N] [--list FILE]"));
        return 2;
    }
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
    for (int run = 0; run < runs; ++run) {
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
        for (const std::string& path : found.paths)
            list.write(QByteArray::fromStdString(path + '\n'));
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    PrintLine(QStringLiteral("verify files=%1 groups=%2 dup_files=%3 bytes_read=%4 seconds=%5 rss_mb=%6")
                  .arg(found.files)
                  .arg(found.groups)
                  .arg(found.duplicateFiles)
                  .arg(found.bytesRead)
                  .arg(Median(seconds), 0, 'f', 4)
                  .arg(double(usage.ru_maxrss) / 1024.0, 0, 'f', 1));
    frame->close();
    return 0;
}
