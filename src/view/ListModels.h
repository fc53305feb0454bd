#pragma once

#include "engine/NameArena.h"
#include "platform/EntryStatus.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// The upper list: numbered rows of found files (name and folder) or of status lines. A file row
// keeps its name's exact bytes and points into a table of folders, so a million rows stay small
// (24 bytes each beside the name bytes, no allocation per row) and the exact path of every file is
// at hand.
//
// Two more columns, Size and Modified, show each file's own status while the view shows them
// (SetStatusShown). A row's status comes with it when the walk read it, or is read here the first
// time the row is shown or the list is sorted by one of them, never before; rows that have a
// status cost 16 bytes more each, and a list without any costs nothing more.
class FileListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        kNumber,
        kName,
        kFolder,
        kSize,
        kModified,
        kColumns
    };
    struct Folder
    {
        QString text;       // as shown: no trailing "/" except the root
        std::string native; // exact bytes
    };
    // A row to append: a found file (folder >= 0, name in native bytes) or a text line (folder -1,
    // text in UTF-8).
    struct NewRow
    {
        int folder = -1;
        std::string name;
        bool knownRegular = false; // the walk saw a regular file (not a link) by its entry type
        platform::EntryStatus status = {};
    };
    // Rows to append, gathered by a worker with one allocation per many rows.
    class NewRows
    {
    public:
        void Add(int folder, std::string_view name, bool knownRegular = false,
                 platform::EntryStatus status = {});
        bool empty() const { return m_rows.empty(); }
        size_t size() const { return m_rows.size(); }

    private:
        friend class FileListModel;
        struct Entry
        {
            int folder;
            std::uint32_t size;
            bool knownRegular;
            platform::EntryStatus status;
        };
        std::vector<Entry> m_rows;
        bool m_anyStatus = false;
        std::string m_bytes; // the names, back to back
    };

    explicit FileListModel(QObject* parent = nullptr);
    ~FileListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetHeadings(const QString& column1, const QString& column2);
    QString Heading(int column) const { return m_headings.value(column); }
    // Deletes every row and forgets the folders.
    void Clear();
    int AddFolder(const QString& text, const std::string& native);
    // Appends rows in one insertion; each is numbered with the row count before it plus one.
    void Append(const NewRows& rows);
    void Append(const std::vector<NewRow>& rows);
    void RemoveRow(int row);
    void SetRow0Column2(const QString& text);

    // The text of a cell. Size and Modified are empty while they are not shown.
    QString Text(int row, int column) const;

    // Whether the Size and Modified columns are shown: only then is a status read.
    void SetStatusShown(bool shown);
    bool StatusShown() const { return m_statusShown; }
    // A file row's status, read now when it has none yet and the columns are shown; NotRead
    // otherwise. A status line has none.
    platform::EntryStatus Status(int row) const;
    // The status read so far, never reading one (NotRead when none was).
    platform::EntryStatus KnownStatus(int row) const
    {
        return m_status.empty() || m_rows[size_t(row)].folder < 0 ? platform::EntryStatus()
                                                                  : m_status[size_t(row)];
    }
    // Reads the status of every file row that has none yet, a folder at a time, on a thread of its
    // own so the list stays responsive (a sort never reads one itself): started when some file rows
    // have no status yet and the columns are shown; statusRead() once the statuses are in (and in
    // the rows). True while it reads. Rows removed meanwhile make it read again; Clear and hiding
    // the columns stop it.
    bool ReadStatusInBackground();
    bool ReadingStatus() const { return m_reader != nullptr; }
    bool IsFileRow(int row) const { return m_rows[size_t(row)].folder >= 0; }
    // Whether the walk saw this file row as a regular file, not a link, without looking it up.
    bool IsKnownRegular(int row) const { return m_rows[size_t(row)].knownRegular; }
    // A file row's index into the folder table, its folder's exact bytes and its name's.
    int FolderIndex(int row) const { return m_rows[size_t(row)].folder; }
    const std::string& NativeFolderAt(int folder) const { return m_folders[size_t(folder)].native; }
    int FolderCount() const { return int(m_folders.size()); }
    std::string_view NativeName(int row) const
    {
        const Row& r = m_rows[size_t(row)];
        return {r.name, r.nameSize};
    }
    QString FilePath(int row) const;
    std::string NativePath(int row) const;
    QString FolderText(int row) const;
    std::string NativeFolder(int row) const;
    // Deletes every file row whose folder is `folder`; returns how many went.
    int RemoveFolderRows(const QString& folder);

signals:
    void statusRead();

private:
    struct StatusReader
    {
        std::atomic<bool> stop{false};
        std::thread thread;
    };
    // The file rows without a status, by folder index.
    std::vector<std::vector<int>> RowsWithoutStatus() const;
    void OnStatusRead(int reader, std::uint64_t generation, const std::vector<int>& rows,
                      const std::vector<platform::EntryStatus>& statuses);
    void StopReadingStatus();

    struct Row
    {
        const char* name; // in m_names
        int number;
        int folder;
        std::uint32_t nameSize : 31;
        std::uint32_t knownRegular : 1;
    };
    // A deque: growing never moves the rows already there, nor needs room for them twice.
    std::deque<Row> m_rows;
    // Empty, or one entry per row (kept in step with m_rows) once any row has a status.
    mutable std::deque<platform::EntryStatus> m_status;
    bool m_statusShown = false;
    std::unique_ptr<StatusReader> m_reader;
    int m_readers = 0;                  // readers started, to know the results of the current one
    std::uint64_t m_rowsGeneration = 0; // changes whenever rows go, so row numbers change
    NameArena m_names;
    std::vector<Folder> m_folders;
    QStringList m_headings;
    QString m_row0Column2;
};

// The lower list: one numbered row per folder with its file count. Rows are found by folder text
// through an index that keeps, for each text, the highest row holding it.
class FolderListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit FolderListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Clear();
    // Finds the folder's row (appending one when there is none) and writes its count; returns the row.
    int UpdateFolderRow(const QString& folder, int count, const std::string& native = {});
    void RemoveRow(int row);
    QString Text(int row, int column) const;
    QString Folder(int row) const { return m_rows[size_t(row)].folder; }
    const std::string& NativeFolder(int row) const { return m_rows[size_t(row)].native; }
    int Count(int row) const { return m_rows[size_t(row)].count; }

private:
    struct Row
    {
        int number;
        QString folder;
        std::string native;
        int count;
    };
    void RebuildIndex();
    std::vector<Row> m_rows;
    QHash<QString, int> m_rowOfFolder;
};
