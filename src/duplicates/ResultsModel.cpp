#include "duplicates/ResultsModel.h"

#include "duplicates/scan/SizeGrouping.h"
#include "platform/Clock.h"
#include "platform/Paths.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace {

const char* const kHeadings[ResultsModel::kColumnCount] = {
    QT_TRANSLATE_NOOP("ResultsModel", "Sr"), QT_TRANSLATE_NOOP("ResultsModel", "File Name"),
    QT_TRANSLATE_NOOP("ResultsModel", "Folder"), QT_TRANSLATE_NOOP("ResultsModel", "Size"),
    QT_TRANSLATE_NOOP("ResultsModel", "Last Modified")};

// The C library's text of one directive for a local time; empty when it gives nothing.
QString FormatLocal(const std::tm& time, const char* directive)
{
    char text[128];
    const size_t n = std::strftime(text, sizeof text, directive, &time);
    return QString::fromLocal8Bit(text, qsizetype(n));
}

} // namespace

ResultsModel::ResultsModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount + (m_contentsShown || m_keepsShown || m_linksShown ? 1 : 0);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_rows.size())
        return {};
    const ResultRow& row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return Text(index.row(), index.column());
    case Qt::ForegroundRole:
        return TextColor(row.key);
    case Qt::CheckStateRole:
        if (index.column() == kNumber)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool ResultsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != kNumber ||
        size_t(index.row()) >= m_rows.size())
        return false;
    SetCheck(index.row(), Qt::CheckState(value.toInt()) == Qt::Checked);
    return true;
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kNumber)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return section == kContents ? tr("Contents") : tr(kHeadings[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

void ResultsModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_folders.clear();
    m_contentsShown = false;
    m_keepsShown = false;
    m_linksShown = false;
    endResetModel();
}

void ResultsModel::ShowContents(std::vector<ResultRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_contentsShown = true;
    m_keepsShown = false;
    for (ResultRow& row : m_rows)
        row.keeps = false;
    endResetModel();
}

const std::string& ResultsModel::NativeFolder(int row) const
{
    static const std::string none;
    const int folder = m_rows[size_t(row)].folder;
    return folder >= 0 ? m_folders[size_t(folder)].native : none;
}

void ResultsModel::Append(ResultBatch& batch)
{
    for (ResultFolder& folder : batch.folders)
        m_folders.push_back(std::move(folder));
    batch.folders.clear();
    if (batch.rows.empty())
        return;
    // A symbolic link is never a copy of what it points to: the Contents column says so from the
    // start, once the list holds one.
    if (!m_linksShown &&
        std::any_of(batch.rows.begin(), batch.rows.end(), [](const ResultRow& r) { return r.link; })) {
        const bool shown = m_contentsShown || m_keepsShown;
        if (!shown)
            beginInsertColumns({}, kContents, kContents);
        m_linksShown = true;
        if (!shown)
            endInsertColumns();
    }
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(batch.rows.size()) - 1);
    // Room grows by doubling: reserving the exact size would move every row at every batch.
    const size_t needed = m_rows.size() + batch.rows.size();
    if (needed > m_rows.capacity())
        m_rows.reserve(std::max(needed, 2 * m_rows.capacity()));
    for (ResultRow& row : batch.rows)
        m_rows.push_back(std::move(row));
    endInsertRows();
    batch.rows.clear();
}

QString ResultsModel::Text(int row, int column) const
{
    const ResultRow& r = m_rows[size_t(row)];
    switch (column) {
    case kNumber:
        return QString::number(r.number);
    case kName:
        return platform::DisplayText(r.name);
    case kFolder:
        return r.folder >= 0 ? m_folders[size_t(r.folder)].text : QString();
    case kSize:
        return r.opened ? QString::number(r.size) : QString();
    case kModified:
        return r.timeKnown ? DateText(r) : QString();
    case kContents:
        if (r.keeps)
            return tr("keeps");
        if (r.link)
            return tr("symbolic link");
        if (!m_contentsShown)
            return {};
        if (r.changed)
            return tr("changed since the scan");
        if (r.unreadable)
            return tr("unreadable");
        if (r.hardLinkOf > 0)
            return tr("hard link of #%1").arg(r.hardLinkOf);
        return r.contentsGroup > 0 ? QString::number(r.contentsGroup) : QString();
    default:
        return {};
    }
}

QString ResultsModel::DateText(const ResultRow& row) const
{
    // Date, one space, time; either half that cannot be made stays empty.
    std::tm local{};
    if (!platform::LocalCalendarTime(row.modified, local))
        return QStringLiteral(" ");
    return FormatLocal(local, "%x") + QLatin1Char(' ') + FormatLocal(local, "%X");
}

std::string ResultsModel::NativePath(int row) const
{
    const ResultRow& r = m_rows[size_t(row)];
    if (r.folder < 0)
        return r.name;
    return m_folders[size_t(r.folder)].native + r.name;
}

void ResultsModel::SetCheck(int row, bool checked)
{
    if (row < 0 || size_t(row) >= m_rows.size() || m_rows[size_t(row)].checked == checked)
        return;
    m_rows[size_t(row)].checked = checked;
    const QModelIndex cell = index(row, kNumber);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void ResultsModel::SetAllChecks(bool checked)
{
    if (m_rows.empty())
        return;
    for (ResultRow& row : m_rows)
        row.checked = checked;
    emit dataChanged(index(0, kNumber), index(int(m_rows.size()) - 1, kNumber), {Qt::CheckStateRole});
}

void ResultsModel::SetChecks(const std::vector<bool>& checks)
{
    if (m_rows.empty())
        return;
    for (size_t i = 0; i < m_rows.size() && i < checks.size(); ++i)
        m_rows[i].checked = checks[i];
    emit dataChanged(index(0, kNumber), index(int(m_rows.size()) - 1, kNumber), {Qt::CheckStateRole});
}

void ResultsModel::SetKeeps(const std::vector<bool>& keeps)
{
    const bool shown = m_contentsShown || m_keepsShown || m_linksShown;
    for (size_t i = 0; i < m_rows.size() && i < keeps.size(); ++i)
        m_rows[i].keeps = keeps[i];
    if (!shown) {
        beginInsertColumns({}, kContents, kContents);
        m_keepsShown = true;
        endInsertColumns();
    }
    m_keepsShown = true;
    if (!m_rows.empty())
        emit dataChanged(index(0, kContents), index(int(m_rows.size()) - 1, kContents), {Qt::DisplayRole});
}

void ResultsModel::Replaced(int row, const platform::FileIdentity* now, int hardLinkOf)
{
    ResultRow& r = m_rows[size_t(row)];
    r.checked = false;
    r.keeps = false;
    if (now) {
        ChangedByUs(row, *now);
        r.hardLinkOf = hardLinkOf;
    } else {
        r.changed = true;
        r.contentsGroup = 0;
    }
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ResultsModel::ChangedByUs(int row, const platform::FileIdentity& now)
{
    ResultRow& r = m_rows[size_t(row)];
    r.device = now.device;
    r.inode = now.inode;
    r.size = now.size;
    r.modified = now.modified;
    r.modifiedNanoseconds = std::int32_t(now.modifiedNs);
    r.changedNs = now.changed * 1'000'000'000 + now.changedNs;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int ResultsModel::CompareBySizeDescending(std::uint64_t first, std::uint64_t second)
{
    return SizeGrouping::CompareBySizeDescending(first, second);
}

QColor ResultsModel::TextColor(std::uint64_t key)
{
    return (key & 1) ? QColor(236, 0, 0) : QColor(0, 0, 0);
}

void ResultsModel::SortBySizeDescending(const std::atomic<bool>& stop)
{
    if (stop)
        return;
    beginResetModel();
    SizeGrouping::SortBySizeDescending(m_rows, stop);
    endResetModel();
}

void ResultsModel::RemoveUniqueSizes(const std::atomic<bool>& stop)
{
    beginResetModel();
    SizeGrouping::RemoveUniqueSizes(m_rows, stop);
    endResetModel();
}

void ResultsModel::RenumberRows(const std::atomic<bool>& stop)
{
    const size_t done = SizeGrouping::RenumberRows(m_rows, stop);
    if (done > 0)
        emit dataChanged(index(0, kNumber), index(int(done) - 1, kNumber), {Qt::DisplayRole});
}

void ResultsModel::AssignSizeBands(const std::atomic<bool>& stop)
{
    SizeGrouping::AssignSizeBands(m_rows, stop);
}

void ResultsModel::ApplyOrder(const std::vector<SizeGrouping::Placed>& plan)
{
    beginResetModel();
    std::vector<ResultRow> ordered;
    ordered.reserve(plan.size());
    for (const SizeGrouping::Placed& placed : plan) {
        ResultRow& row = ordered.emplace_back(std::move(m_rows[placed.position]));
        row.number = int(ordered.size());
        row.key = placed.band;
    }
    m_rows.swap(ordered);
    endResetModel();
}

void ResultsModel::RedrawAll()
{
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, columnCount() - 1));
}
