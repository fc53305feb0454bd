// The file list's statuses for its Size and Modified columns: read for a row when it is drawn, or
// for every row, a folder at a time, in line or on a thread of its own.
#include "view/ListModels.h"

FileListModel::~FileListModel()
{
    StopReadingStatus();
}

void FileListModel::SetStatusShown(bool shown)
{
    if (shown == m_statusShown)
        return;
    m_statusShown = shown;
    if (!shown)
        StopReadingStatus();
    if (!m_rows.empty())
        emit dataChanged(index(0, kSize), index(rowCount() - 1, kModified));
}

platform::EntryStatus FileListModel::Status(int row) const
{
    const Row& r = m_rows[size_t(row)];
    if (r.folder < 0)
        return {};
    if (!m_status.empty() && m_status[size_t(row)].Read())
        return m_status[size_t(row)];
    if (!m_statusShown)
        return {};
    const std::vector<platform::EntryStatus> read =
        platform::ReadEntryStatuses(m_folders[size_t(r.folder)].native, {NativeName(row)});
    if (m_status.empty())
        m_status.resize(m_rows.size());
    m_status[size_t(row)] = read.front();
    return read.front();
}

std::vector<std::vector<int>> FileListModel::RowsWithoutStatus() const
{
    std::vector<std::vector<int>> rows(m_folders.size());
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].folder >= 0 && (m_status.empty() || !m_status[row].Read()))
            rows[size_t(m_rows[row].folder)].push_back(int(row));
    return rows;
}

bool FileListModel::ReadStatusInBackground()
{
    if (m_reader)
        return true;
    if (!m_statusShown)
        return false;
    // What the thread reads: the folders' exact bytes (copied, the table may grow) and the names,
    // read in place (the name storage never moves a name until Clear, which stops the thread).
    struct Folder
    {
        std::string native;
        std::vector<int> rows;
        std::vector<std::string_view> names;
    };
    std::vector<Folder> job;
    std::vector<std::vector<int>> missing = RowsWithoutStatus();
    for (size_t folder = 0; folder < missing.size(); ++folder) {
        if (missing[folder].empty())
            continue;
        Folder& f = job.emplace_back(Folder{m_folders[folder].native, std::move(missing[folder]), {}});
        f.names.reserve(f.rows.size());
        for (const int row : f.rows)
            f.names.push_back(NativeName(row));
    }
    if (job.empty())
        return false;
    m_reader = std::make_unique<StatusReader>();
    const int reader = ++m_readers;
    const std::uint64_t generation = m_rowsGeneration;
    std::atomic<bool>& stop = m_reader->stop;
    m_reader->thread = std::thread([this, reader, generation, &stop, job = std::move(job)] {
        std::vector<int> rows;
        std::vector<platform::EntryStatus> statuses;
        for (const Folder& folder : job) {
            if (stop.load(std::memory_order_relaxed))
                return;
            const std::vector<platform::EntryStatus> read =
                platform::ReadEntryStatuses(folder.native, folder.names);
            rows.insert(rows.end(), folder.rows.begin(), folder.rows.end());
            statuses.insert(statuses.end(), read.begin(), read.end());
        }
        QMetaObject::invokeMethod(
            this,
            [this, reader, generation, rows = std::move(rows), statuses = std::move(statuses)] {
                OnStatusRead(reader, generation, rows, statuses);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void FileListModel::OnStatusRead(int reader, std::uint64_t generation, const std::vector<int>& rows,
                                 const std::vector<platform::EntryStatus>& statuses)
{
    if (!m_reader || reader != m_readers)
        return; // a reader stopped since
    m_reader->thread.join();
    m_reader.reset();
    if (generation != m_rowsGeneration) {
        ReadStatusInBackground(); // rows went meanwhile: their numbers changed
        return;
    }
    if (m_status.empty())
        m_status.resize(m_rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        m_status[size_t(rows[i])] = statuses[i];
    if (!m_rows.empty())
        emit dataChanged(index(0, kSize), index(rowCount() - 1, kModified));
    emit statusRead();
}

void FileListModel::StopReadingStatus()
{
    if (!m_reader)
        return;
    m_reader->stop = true;
    m_reader->thread.join();
    m_reader.reset();
}
