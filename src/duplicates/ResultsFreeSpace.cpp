// The results window's commands that free space: checking by rule (Select Files to Remove), the
// protection of the reference folders, replacing the checked files by hard links or shared copies
// with the report of what was done, and the action log of every removing command.
#include "duplicates/DlgDuplicateResults.h"

#include "duplicates/DlgKeepRules.h"
#include "duplicates/scan/FreeSpace.h"
#include "duplicates/scan/KeepRules.h"
#include "platform/ActionLog.h"
#include "platform/Paths.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProgressDialog>
#include <map>
#include <set>
#include <system_error>
#include <unordered_map>

namespace {

QString Size(std::uint64_t bytes)
{
    return QLocale().formattedDataSize(qint64(bytes));
}

QString ErrorText(int code)
{
    return QString::fromLocal8Bit(std::generic_category().message(code));
}

} // namespace

std::vector<bool> CDlgDuplicateResults::ProtectedRows() const
{
    const ResultsModel& model = m_listResults.Model();
    std::vector<bool> rows(size_t(model.rowCount()), false);
    const KeepRules::RuleSet rules = LoadKeepRules();
    if (rules.referenceFolders.empty())
        return rows;
    KeepRules::ReferenceFolders folders(rules.referenceFolders);
    for (int row = 0; row < model.rowCount(); ++row)
        rows[size_t(row)] = folders.Holding(model.NativeFolder(row)) >= 0;
    return rows;
}

void CDlgDuplicateResults::CheckAllButProtected()
{
    std::vector<bool> checks = ProtectedRows();
    checks.flip();
    m_listResults.Model().SetChecks(checks);
}

int CDlgDuplicateResults::UncheckProtected()
{
    ResultsModel& model = m_listResults.Model();
    const std::vector<bool> protectedRows = ProtectedRows();
    std::vector<bool> checks(protectedRows.size());
    int unchecked = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        checks[size_t(row)] = model.GetCheck(row) && !protectedRows[size_t(row)];
        unchecked += model.GetCheck(row) && protectedRows[size_t(row)] ? 1 : 0;
    }
    if (unchecked > 0)
        model.SetChecks(checks);
    return unchecked;
}

// --- Checking by rule -----------------------------------------------------------------------------

void CDlgDuplicateResults::OnSelectFilesToRemove()
{
    if (m_scanning || IsCheckingContents() || !m_listResults.isEnabled())
        return;
    DlgKeepRules dialog(LoadKeepRules(), this);
    if (Seams::RunDialog(dialog) != QDialog::Accepted)
        return;
    const KeepRules::RuleSet rules = dialog.Rules();
    SaveKeepRules(rules);
    BusyCursor busy;
    ApplyKeepRules(rules);
}

void CDlgDuplicateResults::ApplyKeepRules(const KeepRules::RuleSet& rules)
{
    ResultsModel& model = m_listResults.Model();
    const std::vector<long long> groups = GroupOfRows();
    std::vector<KeepRules::Candidate> files;
    files.reserve(groups.size());
    for (int i = 0; i < model.rowCount(); ++i) {
        const ResultRow& row = model.Rows()[size_t(i)];
        files.push_back({model.NativeFolder(i), row.name, groups[size_t(i)], row.modified,
                         row.modifiedNanoseconds, row.timeKnown, row.device, row.inode});
    }
    KeepRules::ReferenceFolders folders(rules.referenceFolders);
    const std::vector<KeepRules::Mark> marks = KeepRules::Choose(files, rules, folders);
    std::vector<bool> checks(marks.size()), keeps(marks.size());
    for (size_t i = 0; i < marks.size(); ++i) {
        checks[i] = marks[i] == KeepRules::Mark::Remove;
        keeps[i] = marks[i] == KeepRules::Mark::Keeps;
    }
    model.SetKeeps(keeps);
    model.SetChecks(checks);
}

// --- Replacing checked files ----------------------------------------------------------------------

std::vector<FreeSpace::File> CDlgDuplicateResults::FilesOfRows() const
{
    const ResultsModel& model = m_listResults.Model();
    const KeepRules::RuleSet rules = LoadKeepRules();
    KeepRules::ReferenceFolders folders(rules.referenceFolders);
    const std::vector<long long> groups = GroupOfRows();
    std::vector<FreeSpace::File> files(size_t(model.rowCount()));
    for (int i = 0; i < model.rowCount(); ++i) {
        const ResultRow& row = model.Rows()[size_t(i)];
        FreeSpace::File& file = files[size_t(i)];
        file.path = model.NativePath(i);
        file.group = groups[size_t(i)];
        file.checked = row.checked;
        file.keeps = row.keeps;
        file.inReference = folders.Holding(model.NativeFolder(i)) >= 0;
        // Only a file the contents check saw as the scan did, with the last change it saw then.
        file.timeKnown = row.timeKnown;
        file.sized = row.opened;
        file.link = row.link;
        file.verified =
            file.group >= 0 && row.opened && row.timeKnown && !row.changed && row.changedNs != INT64_MIN;
        // The last change is known only after a contents check.
        const std::int64_t second = 1'000'000'000;
        const std::int64_t known = row.changedNs != INT64_MIN ? row.changedNs : 0;
        const std::int64_t changedNs = ((known % second) + second) % second;
        file.identity = {row.device,
                         row.inode,
                         row.size,
                         row.modified,
                         row.modifiedNanoseconds,
                         (known - changedNs) / second,
                         changedNs};
    }

    return files;
}

void CDlgDuplicateResults::OnReplaceWithHardLinks()
{
    FreeChecked(FreeSpace::Method::HardLink);
}

void CDlgDuplicateResults::OnReplaceWithSharedCopies()
{
    FreeChecked(FreeSpace::Method::SharedCopy);
}

void CDlgDuplicateResults::FreeChecked(FreeSpace::Method method)
{
    if (m_scanning || IsCheckingContents() || !m_listResults.isEnabled())
        return;
    ResultsModel& model = m_listResults.Model();
    int checked = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        checked += model.GetCheck(row) ? 1 : 0;
    if (checked == 0) {
        Seams::MessageBox(
            this, tr("Check the files to replace with the file that stays in their group, then try again."),
            QString(), QMessageBox::Information);
        return;
    }
    if (!model.ContentsShown()) {
        Seams::MessageBox(
            this, tr("Only files whose contents were compared can be replaced. Verify Contents first."),
            QString(), QMessageBox::Information);
        return;
    }

    const std::vector<FreeSpace::File> files = FilesOfRows();
    BusyCursor busy;
    QProgressDialog progress(method == FreeSpace::Method::HardLink
                                 ? tr("Replacing the checked files with hard links...")
                                 : tr("Sharing the space of the checked files..."),
                             tr("Cancel"), 0, checked, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAttribute(Qt::WA_DontShowOnScreen, testAttribute(Qt::WA_DontShowOnScreen));
    platform::ActionLog log;
    const FreeSpace::Report report =
        FreeSpace::Run(method, files, log, [&progress](size_t done, std::uint64_t) {
            progress.setValue(int(done));
            return !progress.wasCanceled();
        });
    progress.close();
    AfterFreeing(files, report);
    ShowFreeReport(method, report, log);
}

void CDlgDuplicateResults::AfterFreeing(const std::vector<FreeSpace::File>& files,
                                        const FreeSpace::Report& report)
{
    // A replaced file is now the file that stays (a hard link) or shares its storage; either way
    // it is unchecked and its identity is read again. The copies that stayed may have had links
    // added: their last change moved, by our own doing.
    ResultsModel& model = m_listResults.Model();
    std::unordered_map<std::string, int> rowOf;
    for (size_t i = 0; i < files.size(); ++i)
        rowOf.emplace(files[i].path, int(i));
    std::set<int> kept;
    for (size_t i = 0; i < files.size(); ++i) {
        const FreeSpace::FileResult& result = report.files[i];
        if (!result.kept.empty() && rowOf.count(result.kept))
            kept.insert(rowOf.at(result.kept));
        if (result.outcome != FreeSpace::Outcome::Done)
            continue;
        platform::FileIdentity now;
        const bool known = platform::IdentifyFile(files[i].path, &now);
        const auto keptRow = rowOf.find(result.kept);
        model.Replaced(int(i), known ? &now : nullptr,
                       keptRow != rowOf.end() && now.inode == files[size_t(keptRow->second)].identity.inode
                           ? model.Rows()[size_t(keptRow->second)].number
                           : 0);
    }
    for (int row : kept) {
        platform::FileIdentity now;
        if (platform::IdentifyFile(files[size_t(row)].path, &now))
            model.ChangedByUs(row, now);
    }
    UpdateSummary();
}

void CDlgDuplicateResults::ShowFreeReport(FreeSpace::Method method, const FreeSpace::Report& report,
                                          const platform::ActionLog& log)
{
    QStringList lines;
    lines << (method == FreeSpace::Method::HardLink
                  ? tr("%1 file(s) replaced with hard links, %2 freed.")
                        .arg(report.done)
                        .arg(Size(report.freed))
                  : tr("%1 file(s) now share their space with the file that stays, %2 freed.")
                        .arg(report.done)
                        .arg(Size(report.freed)));
    int skipped = 0;
    for (const auto& [reason, count] : report.skipped)
        skipped += count;
    bool failed = false;
    if (skipped > 0) {
        lines << QString() << tr("%1 file(s) skipped:").arg(skipped);
        for (const auto& [reason, count] : report.skipped) {
            const QString why =
                reason.first == FreeSpace::Outcome::Failed
                    ? ErrorText(reason.second)
                    : QCoreApplication::translate("FreeSpace", FreeSpace::ReasonText(reason.first));
            lines << tr("%1: %2 file(s)").arg(why).arg(count);
            failed = failed || reason.first == FreeSpace::Outcome::Failed;
        }
    }
    if (report.stopped)
        lines << QString() << tr("Stopped before every checked file was done.");
    if (log.Failed())
        lines << QString()
              << tr("The action log %1 could not be written: %2")
                     .arg(platform::DisplayText(log.Path()), ErrorText(log.Error()));
    Seams::MessageBox(this, lines.join(QLatin1Char('\n')), QString(),
                      failed || log.Failed() ? QMessageBox::Warning : QMessageBox::Information);
}

bool CDlgDuplicateResults::RecycleChecked()
{
    // Once the user said yes, each checked file is looked at again just before it goes: it must
    // still be the file listed, and a file of its group that stays must still be as listed too.
    const std::vector<FreeSpace::File> files = FilesOfRows();
    std::vector<size_t> rows;
    std::vector<std::string> paths;
    for (size_t i = 0; i < files.size(); ++i) {
        if (files[i].checked) {
            rows.push_back(i);
            paths.push_back(files[i].path);
        }
    }
    FreeSpace::TrashCheck check(files);
    platform::ActionLog log;
    std::map<FreeSpace::Outcome, int> skipped;
    Shell::TrashSteps steps;
    steps.before = [&](size_t at) {
        const FreeSpace::Outcome outcome = check.Before(rows[at]);
        if (outcome == FreeSpace::Outcome::Done) {
            log.Write("trash", paths[at], check.Kept(), "intent");
            return QString();
        }
        ++skipped[outcome];
        log.Write("trash", paths[at], check.Kept(),
                  std::string("skipped: ") + FreeSpace::ReasonText(outcome));
        return QCoreApplication::translate("FreeSpace", FreeSpace::ReasonText(outcome));
    };
    steps.after = [&](size_t at, const std::string& trashedAs, const std::string& error) {
        log.Write("trash", paths[at], check.Kept(),
                  trashedAs.empty() ? "failed: " + error : "done, in the trash as " + trashedAs);
    };
    const bool done = Shell::SendToTrash(&m_listResults, paths, &steps);

    QStringList lines;
    int left = 0;
    for (const auto& [reason, count] : skipped)
        left += count;
    if (left > 0) {
        lines << tr("%1 file(s) skipped:").arg(left);
        for (const auto& [reason, count] : skipped)
            lines << tr("%1: %2 file(s)")
                         .arg(QCoreApplication::translate("FreeSpace", FreeSpace::ReasonText(reason)))
                         .arg(count);
    }
    if (log.Failed())
        lines << QString()
              << tr("The action log %1 could not be written: %2")
                     .arg(platform::DisplayText(log.Path()), ErrorText(log.Error()));
    if (!lines.isEmpty())
        Seams::MessageBox(this, lines.join(QLatin1Char('\n')).trimmed(), QString(), QMessageBox::Warning);
    return done;
}

QString CDlgDuplicateResults::CheckedSummary() const
{
    // What trashing the checked files of groups would free: each file once however many of its
    // links are checked, and nothing for a file that keeps an unchecked link.
    const ResultsModel& model = m_listResults.Model();
    const std::vector<long long> groups = GroupOfRows();
    int checked = 0;
    std::unordered_map<std::uint64_t, std::vector<std::pair<std::uint64_t, std::uint64_t>>> files; // inode
    for (size_t i = 0; i < groups.size(); ++i) {
        const ResultRow& row = model.Rows()[i];
        checked += row.checked ? 1 : 0;
        if (row.checked && groups[i] >= 0)
            files[row.inode].push_back({row.device, row.size});
    }
    if (checked == 0)
        return {};
    std::set<std::pair<std::uint64_t, std::uint64_t>> staying;
    for (size_t i = 0; i < groups.size(); ++i) {
        const ResultRow& row = model.Rows()[i];
        if (!row.checked && files.count(row.inode))
            staying.insert({row.device, row.inode});
    }
    std::uint64_t bytes = 0;
    std::set<std::pair<std::uint64_t, std::uint64_t>> counted;
    for (const auto& [inode, entries] : files) {
        for (const auto& [device, size] : entries) {
            if (!staying.count({device, inode}) && counted.insert({device, inode}).second)
                bytes += size;
        }
    }
    return tr("%1 file(s) checked, %2 to free").arg(checked).arg(Size(bytes));
}
