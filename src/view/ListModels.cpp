#include "view/ListModels.h"

#include "platform/Paths.h"

#include <QDateTime>
#include <QLocale>
#include <iterator>

namespace {

const char* const kFileHeadings[] = {
    QT_TRANSLATE_NOOP("FileListModel", "Sr"), QT_TRANSLATE_NOOP("FileListModel", "File Name"),
    QT_TRANSLATE_NOOP("FileListModel", "Folder"), QT_TRANSLATE_NOOP("FileListModel", "Size"),
    QT_TRANSLATE_NOOP("FileListModel", "Modified")};
const char* const kFolderHeadings[] = {QT_TRANSLATE_NOOP("FolderListModel", "Sr"),
                                       QT_TRANSLATE_NOOP("FolderListModel", "Folder"),
                                       QT_TRANSLATE_NOOP("FolderListModel", "Files Count")};

} // namespace

FileListModel::FileListModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_headings({tr(kFileHeadings[0]), tr(kFileHeadings[1]), tr(kFileHeadings[2]), tr(kFileHeadings[3]),
                  tr(kFileHeadings[4])})
{
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.column() == kSize)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (!index.isValid() || size_t(index.row()) >= m_rows.size())
        return {};
    return Text(index.row(), index.column());
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return m_headings.value(section);
    if (role == Qt::TextAlignmentRole && section == kSize)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // Status lines leave the folder heading empty; row 0 shows the file found last under it.
    if (role == Qt::AccessibleTextRole && section == kFolder && m_headings.value(section).isEmpty())
        return tr("Last File Found");
    return {};
}

QString FileListModel::Text(int row, int column) const
{
    const Row& r = m_rows[size_t(row)];
    switch (column) {
    case 0:
        return QString::number(r.number);
    case 1:
        return platform::DisplayText(std::string_view(r.name, r.nameSize));
    case 2:
        if (r.folder >= 0)
            return m_folders[size_t(r.folder)].text;
        return row == 0 ? m_row0Column2 : QString();
    case kSize:
    case kModified: {
        const platform::EntryStatus status = Status(row);
        if (!status.Known())
            return {};
        const QLocale locale;
        if (column == kSize)
            return locale.toString(qlonglong(status.size));
        const QDateTime time = QDateTime::fromSecsSinceEpoch(status.modified);
        return time.isValid() ? locale.toString(time, QLocale::ShortFormat) : QString();
    }
    default:
        return {};
    }
}

void FileListModel::SetHeadings(const QString& column1, const QString& column2)
{
    m_headings[1] = column1;
    m_headings[2] = column2;
    emit headerDataChanged(Qt::Horizontal, 1, 2);
}

void FileListModel::Clear()
{
    StopReadingStatus();
    ++m_rowsGeneration;
    beginResetModel();
    std::deque<Row>().swap(m_rows);
    std::deque<platform::EntryStatus>().swap(m_status);
    m_names.clear();
    std::vector<Folder>().swap(m_folders);
    m_row0Column2.clear();
    endResetModel();
}

int FileListModel::AddFolder(const QString& text, const std::string& native)
{
    m_folders.push_back({text, native});
    return int(m_folders.size()) - 1;
}

void FileListModel::NewRows::Add(int folder, std::string_view name, bool knownRegular,
                                 platform::EntryStatus status)
{
    m_rows.push_back({folder, std::uint32_t(name.size()), knownRegular, status});
    m_bytes.append(name);
    m_anyStatus = m_anyStatus || status.Read();
}

void FileListModel::Append(const NewRows& rows)
{
    if (rows.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    const std::string_view bytes = m_names.Keep(rows.m_bytes);
    size_t at = 0;
    for (const NewRows::Entry& row : rows.m_rows) {
        const int number = int(m_rows.size()) + 1;
        m_rows.push_back({bytes.data() + at, number, row.folder, row.size, row.knownRegular});
        at += row.size;
    }
    if (rows.m_anyStatus || !m_status.empty()) {
        m_status.resize(size_t(first)); // rows before without a status
        for (const NewRows::Entry& row : rows.m_rows)
            m_status.push_back(row.status);
    }
    endInsertRows();
}

void FileListModel::Append(const std::vector<NewRow>& rows)
{
    NewRows gathered;
    for (const NewRow& row : rows)
        gathered.Add(row.folder, row.name, row.knownRegular, row.status);
    Append(gathered);
}

void FileListModel::RemoveRow(int row)
{
    if (row < 0 || size_t(row) >= m_rows.size())
        return;
    ++m_rowsGeneration;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    if (!m_status.empty())
        m_status.erase(m_status.begin() + row);
    endRemoveRows();
}

void FileListModel::SetRow0Column2(const QString& text)
{
    m_row0Column2 = text;
    if (!m_rows.empty() && m_rows.front().folder < 0)
        emit dataChanged(index(0, 2), index(0, 2));
}

QString FileListModel::FolderText(int row) const
{
    const Row& r = m_rows[size_t(row)];
    return r.folder >= 0 ? m_folders[size_t(r.folder)].text : QString();
}

QString FileListModel::FilePath(int row) const
{
    const Row& r = m_rows[size_t(row)];
    if (r.folder < 0)
        return {};
    return platform::JoinPath(m_folders[size_t(r.folder)].text, platform::DisplayText(NativeName(row)));
}

std::string FileListModel::NativePath(int row) const
{
    const Row& r = m_rows[size_t(row)];
    if (r.folder < 0)
        return {};
    return platform::JoinNativePath(m_folders[size_t(r.folder)].native, NativeName(row));
}

std::string FileListModel::NativeFolder(int row) const
{
    const Row& r = m_rows[size_t(row)];
    return r.folder >= 0 ? m_folders[size_t(r.folder)].native : std::string();
}

int FileListModel::RemoveFolderRows(const QString& folder)
{
    // Rows of one folder mostly stand together: remove them run by run, from the last row up.
    int removed = 0;
    int row = int(m_rows.size()) - 1;
    while (row >= 0) {
        const auto matches = [&](int r) {
            const int f = m_rows[size_t(r)].folder;
            return f >= 0 && platform::SamePath(m_folders[size_t(f)].text, folder);
        };
        if (!matches(row)) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && matches(first - 1))
            --first;
        ++m_rowsGeneration;
        beginRemoveRows({}, first, row);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + row + 1);
        if (!m_status.empty())
            m_status.erase(m_status.begin() + first, m_status.begin() + row + 1);
        endRemoveRows();
        removed += row - first + 1;
        row = first - 1;
    }
    return removed;
}

FolderListModel::FolderListModel(QObject* parent) : QAbstractTableModel(parent) {}

int FolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FolderListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() ||
        size_t(index.row()) >= m_rows.size())
        return {};
    return Text(index.row(), index.column());
}

QVariant FolderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section >= 0 && section < int(std::size(kFolderHeadings)) ? tr(kFolderHeadings[section])
                                                                         : QString();
    return {};
}

QString FolderListModel::Text(int row, int column) const
{
    const Row& r = m_rows[size_t(row)];
    switch (column) {
    case 0:
        return QString::number(r.number);
    case 1:
        return r.folder;
    case 2:
        return QString::number(r.count);
    default:
        return {};
    }
}

void FolderListModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    m_rowOfFolder.clear();
    endResetModel();
}

int FolderListModel::UpdateFolderRow(const QString& folder, int count, const std::string& native)
{
    // Folder texts that name the same path share a row; on this system that is the same text.
    auto it = m_rowOfFolder.find(folder);
    int row;
    if (it == m_rowOfFolder.end()) {
        row = int(m_rows.size());
        beginInsertRows({}, row, row);
        m_rows.push_back({row + 1, folder, native.empty() ? platform::NativePath(folder) : native, count});
        endInsertRows();
        m_rowOfFolder.insert(folder, row);
    } else {
        row = it.value();
        m_rows[size_t(row)].count = count;
        emit dataChanged(index(row, 2), index(row, 2));
    }
    return row;
}

void FolderListModel::RemoveRow(int row)
{
    if (row < 0 || size_t(row) >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    RebuildIndex();
}

void FolderListModel::RebuildIndex()
{
    m_rowOfFolder.clear();
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rowOfFolder.insert(m_rows[row].folder, int(row)); // later rows win
}
