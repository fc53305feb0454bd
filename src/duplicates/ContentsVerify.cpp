// Verify Contents and what builds on groups: the contents check on its worker with progress and
// Cancel, keeping one file of each group when sending to the trash, and the summary line.
#include "duplicates/DlgDuplicateResults.h"

#include "duplicates/scan/ContentsCheck.h"
#include "duplicates/scan/SizeGrouping.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "view/Seams.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <algorithm>
#include <map>
#include <set>
#include <system_error>

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kContentsWidth = 120;
// The keep-one question names at most this many files.
constexpr size_t kNamedFiles = 5;

} // namespace

void CDlgDuplicateResults::BuildBand()
{
    m_verifyButton.setText(tr("Verify Contents"));
    m_verifyButton.setAutoDefault(false);
    m_verifyButton.setToolTip(tr("Compare the contents of the files of each group"));
    m_verifyButton.setAccessibleDescription(m_verifyButton.toolTip());
    m_band.setAccessibleName(tr("Contents Check"));
    m_summary.setAccessibleDescription(tr("How many groups and files the list holds, and the space their "
                                          "extra copies take"));
    auto* layout = new QHBoxLayout(&m_band);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(&m_verifyButton);
    m_selectButton.setText(tr("Select Files to Remove..."));
    m_selectButton.setAutoDefault(false);
    m_selectButton.setToolTip(
        tr("Check the files of each group but the one that stays, by rules you choose"));
    m_selectButton.setAccessibleDescription(m_selectButton.toolTip());
    layout->addWidget(&m_selectButton);
    connect(&m_selectButton, &QPushButton::clicked, this, &CDlgDuplicateResults::OnSelectFilesToRemove);
    layout->addWidget(&m_summary, 1);
    layout->addWidget(&m_cacheNote);
    m_cacheNote.hide();
    connect(&m_verifyButton, &QPushButton::clicked, this, &CDlgDuplicateResults::OnVerifyContents);
    m_listResults.SetBand(&m_band);

    m_menuShown.addAction(tr("Verify Contents"), this, &CDlgDuplicateResults::OnVerifyContents);
    m_menuShown.addAction(tr("Select Files to Remove..."), this,
                          &CDlgDuplicateResults::OnSelectFilesToRemove);
    m_menuShown.addSeparator();
    // The popup menu's items, with the two replacements after the trash.
    for (QAction* action : m_menuPopup.actions()) {
        m_menuShown.addAction(action);
        if (action->text() == tr("Send Checked File(s) to Recycle Bin")) {
            m_menuShown.addAction(tr("Replace Checked with Hard Links"), this,
                                  &CDlgDuplicateResults::OnReplaceWithHardLinks);
            m_menuShown.addAction(tr("Replace Checked with Shared Copies"), this,
                                  &CDlgDuplicateResults::OnReplaceWithSharedCopies);
        }
    }
    // The checked count and the space to free follow every change of checks.
    connect(&m_listResults.Model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(Qt::CheckStateRole))
                    UpdateSummary();
            });
}

std::vector<long long> CDlgDuplicateResults::GroupOfRows() const
{
    const ResultsModel& model = m_listResults.Model();
    std::vector<long long> groups;
    groups.reserve(model.Rows().size());
    for (const ResultRow& row : model.Rows())
        groups.push_back(SizeGrouping::CopyGroup(row, model.ContentsShown()));
    return groups;
}

void CDlgDuplicateResults::UpdateSummary()
{
    // Hard links are one file: they count once, and trashing one frees nothing. One sorted list of
    // (group, file) pairs counts them, without a tree node per row.
    const std::vector<ResultRow>& rows = m_listResults.Model().Rows();
    const std::vector<long long> groups = GroupOfRows();
    struct Member
    {
        long long group;
        std::uint64_t device;
        std::uint64_t inode;
        std::uint64_t size;
        auto operator<=>(const Member&) const = default;
    };
    std::vector<Member> members;
    members.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        if (groups[i] >= 0)
            members.push_back({groups[i], rows[i].device, rows[i].inode, rows[i].size});
    std::sort(members.begin(), members.end());
    int groupCount = 0;
    int fileCount = 0;
    std::uint64_t bytes = 0;
    for (size_t first = 0; first < members.size();) {
        size_t end = first;
        int files = 0;
        while (end < members.size() && members[end].group == members[first].group) {
            if (end == first || members[end].device != members[end - 1].device ||
                members[end].inode != members[end - 1].inode)
                ++files;
            ++end;
        }
        if (files >= 2) {
            ++groupCount;
            fileCount += files;
            // Every file of a group has the same size.
            bytes += std::uint64_t(files - 1) * members[end - 1].size;
        }
        first = end;
    }
    const QString groupsText = tr("%1 group(s), %2 file(s), %3 in duplicates")
                                   .arg(groupCount)
                                   .arg(fileCount)
                                   .arg(QLocale().formattedDataSize(qint64(bytes)));
    const QString checked = CheckedSummary();
    m_summary.setText(checked.isEmpty() ? groupsText : tr("%1; %2").arg(groupsText, checked));
}

bool CDlgDuplicateResults::KeepOneOfEachGroup()
{
    ResultsModel& model = m_listResults.Model();
    const std::vector<long long> groups = GroupOfRows();
    // A group loses every copy when none of its rows stays unchecked.
    std::map<long long, int> firstRow;
    std::set<long long> keepsOne;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (groups[i] < 0)
            continue;
        firstRow.try_emplace(groups[i], int(i));
        if (!model.GetCheck(int(i)))
            keepsOne.insert(groups[i]);
    }
    std::vector<int> lost;
    for (const auto& [group, row] : firstRow) {
        if (!keepsOne.count(group))
            lost.push_back(row);
    }
    if (lost.empty())
        return true;
    std::sort(lost.begin(), lost.end());
    // The question names the file that stays of each such group (the first few of many).
    QStringList kept;
    for (size_t i = 0; i < lost.size() && i < kNamedFiles; ++i)
        kept << platform::DisplayText(model.NativePath(lost[i]));
    if (lost.size() > kNamedFiles)
        kept << tr("and %1 more").arg(lost.size() - kNamedFiles);
    const QString question = tr("Keep one file of each group?\n\n"
                                "Yes keeps these files and sends the other checked files to the Recycle "
                                "Bin:\n%1\n\n"
                                "No sends every checked file to the Recycle Bin, the last copy of each "
                                "group included.")
                                 .arg(kept.join(QLatin1Char('\n')));
    const QMessageBox::StandardButton answer =
        Seams::MessageBox(this, question, QString(), QMessageBox::Question,
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        for (int row : lost)
            model.SetCheck(row, false);
    }
    return answer == QMessageBox::Yes || answer == QMessageBox::No;
}

void CDlgDuplicateResults::OnVerifyContents()
{
    if (m_scanning || IsCheckingContents() || !m_listResults.isEnabled())
        return;
    const ResultsModel& model = m_listResults.Model();
    std::vector<ContentsFile> files;
    files.reserve(model.Rows().size());
    for (int i = 0; i < model.rowCount(); ++i) {
        const ResultRow& row = model.Rows()[size_t(i)];
        ContentsFile file;
        file.folder = model.NativeFolder(i);
        file.name = row.name;
        file.size = row.size;
        file.device = row.device;
        file.inode = row.inode;
        file.modified = row.modified;
        file.modifiedNanoseconds = row.modifiedNanoseconds;
        file.opened = row.opened && !row.unreadable; // an unreadable file stays so
        file.link = row.link;
        file.changed = row.changed;
        // Before a check the files of one size, wherever they stand; after one, the contents group.
        file.sizeGroup = SizeGrouping::CopyGroup(row, model.ContentsShown());
        files.push_back(std::move(file));
    }
    m_contentsStop = false;
    m_contentsDone = false;
    m_contentsCheck = std::make_unique<ContentsCheck>(std::move(files), m_contentsStop);
    const QString section = QString::fromLatin1(Settings::kDuplicatesSection);
    const Settings::DuplicatesKey useCache = Settings::DuplicatesKey::UseContentsCache;
    if (platform::GetProfileInt(section, Settings::Name(useCache), Settings::IntDefault(useCache)) != 0) {
        ContentsCache::Options cache;
        cache.file = ContentsCache::DefaultFile();
        m_contentsCheck->UseCache(cache);
    }
    m_cacheNote.hide();

    auto* progress = new QProgressDialog(tr("Comparing the contents of the files..."), tr("Cancel"), 0,
                                         kProgressSteps, this);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    // A window kept off the screen keeps its progress off the screen too.
    progress->setAttribute(Qt::WA_DontShowOnScreen, testAttribute(Qt::WA_DontShowOnScreen));
    progress->setUpdatesEnabled(updatesEnabled());
    connect(progress, &QProgressDialog::canceled, this, [this] { m_contentsStop = true; });
    m_contentsProgress = progress;
    m_listResults.setEnabled(false);
    try {
        m_contentsThread = std::thread([this] {
            m_contentsCheck->Run();
            m_contentsDone = true;
            // The window takes the outcome at once, not at the progress timer's next tick. (Only an
            // event is posted; the window joins this thread before it goes.)
            QMetaObject::invokeMethod(this, &CDlgDuplicateResults::FinishContentsCheck, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        m_contentsCheck->Run();
        m_contentsDone = true;
    }
    progress->show();
    m_contentsTimer.start(20);
    if (!m_contentsThread.joinable())
        FinishContentsCheck();
}

void CDlgDuplicateResults::FinishContentsCheck()
{
    // Setting the progress of a modal window handles events, this timer's among them.
    if (!m_contentsCheck || m_contentsFinishing)
        return;
    if (!m_contentsDone) {
        const std::uint64_t total = m_contentsCheck->BytesToRead();
        if (m_contentsProgress && total > 0) {
            m_contentsFinishing = true;
            m_contentsProgress->setValue(
                int(double(m_contentsCheck->Progress()) * kProgressSteps / double(total)));
            m_contentsFinishing = false;
        }
        return;
    }
    if (m_contentsThread.joinable())
        m_contentsThread.join();
    m_contentsTimer.stop();
    const bool applied = !m_contentsStop && !(m_contentsProgress && m_contentsProgress->wasCanceled());
    m_lastBytesRead = m_contentsCheck->BytesRead();
    // The check went on without its cache: said once, until the next check.
    if (!m_contentsCheck->CacheProblem().isEmpty()) {
        m_cacheNote.setText(
            tr("The contents cache could not be used: %1").arg(m_contentsCheck->CacheProblem()));
        m_cacheNote.show();
    }
    CloseContentsProgress();
    if (applied) {
        // Only groups of identical contents stay, with the files that could not be read or changed
        // and the symbolic links, in the same order.
        ResultsModel& model = m_listResults.Model();
        const std::vector<ContentsOutcome>& outcomes = m_contentsCheck->Outcomes();
        std::vector<ResultRow> kept;
        std::vector<int> numberOf(outcomes.size(), 0);
        for (size_t i = 0; i < outcomes.size(); ++i) {
            const ResultRow& before = model.Rows()[i];
            if (outcomes[i].group == 0 && !outcomes[i].unreadable && !outcomes[i].changed && !before.link)
                continue;
            ResultRow row = before;
            row.number = int(kept.size()) + 1;
            numberOf[i] = row.number;
            row.contentsGroup = outcomes[i].unreadable ? 0 : outcomes[i].group;
            row.unreadable = outcomes[i].unreadable;
            row.changed = outcomes[i].changed;
            row.changedNs = outcomes[i].changedNs;
            row.hardLinkOf = outcomes[i].hardLinkOf >= 0 ? numberOf[size_t(outcomes[i].hardLinkOf)] : 0;
            // Bands alternate per contents group.
            row.key = row.contentsGroup > 0 ? std::uint64_t(row.contentsGroup - 1) : 0;
            row.checked = false;
            kept.push_back(std::move(row));
        }
        model.ShowContents(std::move(kept));
        // "Last Modified" no longer fills the list: it takes its stored width again.
        QHeaderView* header = m_listResults.horizontalHeader();
        header->resizeSection(ResultsModel::kModified, StoredColumnWidth(ResultsModel::kModified));
        if (header->count() > ResultsModel::kContents)
            header->resizeSection(ResultsModel::kContents, kContentsWidth);
        UpdateSummary();
    }
    m_contentsCheck.reset();
    m_listResults.setEnabled(true);
    emit contentsChecked(applied);
}

void CDlgDuplicateResults::StopContentsCheck()
{
    m_contentsStop = true;
    if (m_contentsThread.joinable())
        m_contentsThread.join();
    m_contentsTimer.stop();
    m_contentsCheck.reset();
    CloseContentsProgress();
}

void CDlgDuplicateResults::CloseContentsProgress()
{
    if (QProgressDialog* progress = m_contentsProgress) {
        m_contentsProgress.clear();
        // Closing a progress window counts as its Cancel; that is no longer wanted here.
        progress->disconnect(this);
        progress->close();
    }
}
