#pragma once

#include "duplicates/scan/ScanRows.h"
#include "duplicates/scan/SizeGrouping.h"
#include "platform/Replace.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// The duplicate candidates: five text columns, a check box in the first column and a key per row
// whose lowest bit picks the text colour. The scan's later steps (ordering, removing sizes that
// occur once, numbering and banding) are those of SizeGrouping, carried out on the rows here with
// the model's notices; each returns early, leaving the rows as far as it got, when `stop` is set.
class ResultsModel : public QAbstractTableModel
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
        kColumnCount,
        // Shown after a contents check only, after the others.
        kContents = kColumnCount
    };

    explicit ResultsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // After a contents check: these rows (of the same folders) replace the list, with the
    // "Contents" column.
    void ShowContents(std::vector<ResultRow> rows);
    bool ContentsShown() const { return m_contentsShown; }
    const std::vector<ResultRow>& Rows() const { return m_rows; }
    // The exact bytes of a row's folder, ending with "/".
    const std::string& NativeFolder(int row) const;

    // Deletes every row and forgets the folders.
    void Clear();
    // Room for this many rows, so that filling the list never moves the rows already in it.
    void Reserve(size_t rows) { m_rows.reserve(rows); }
    // Adds the batch's folders to the folder table, then appends its rows in one insertion. A row's
    // folder index counts every folder handed over since the last Clear.
    void Append(ResultBatch& batch);

    QString Text(int row, int column) const;
    std::uint64_t Key(int row) const { return m_rows[size_t(row)].key; }
    bool GetCheck(int row) const { return m_rows[size_t(row)].checked; }
    void SetCheck(int row, bool checked);
    void SetAllChecks(bool checked);
    // Every row's check at once, and which rows keep (shown in the Contents column, which then
    // shows before a contents check too).
    void SetChecks(const std::vector<bool>& checks);
    void SetKeeps(const std::vector<bool>& keeps);
    bool KeepsShown() const { return m_keepsShown; }
    // After a row's file was replaced: unchecked, with what the file now is (null: it could not be
    // looked at, so it counts as changed); `hardLinkOf` the "Sr" of the row it now is a link of.
    void Replaced(int row, const platform::FileIdentity* now, int hardLinkOf);
    // A file that stays got links of its own doing: its identity as it now is.
    void ChangedByUs(int row, const platform::FileIdentity& now);
    // Folder bytes followed by the name's bytes.
    std::string NativePath(int row) const;

    // Negative when the first size is the larger, positive when the second is, 0 when equal.
    static int CompareBySizeDescending(std::uint64_t first, std::uint64_t second);
    // Text colour of a row with this key: red when bit 0 is set, else black.
    static QColor TextColor(std::uint64_t key);

    // Orders the rows by key, largest first; rows of equal key keep their order.
    void SortBySizeDescending(const std::atomic<bool>& stop);
    // On rows ordered by key, removes every row whose key no neighbour shares, then a single row
    // left on its own.
    void RemoveUniqueSizes(const std::atomic<bool>& stop);
    // Numbers the rows 1, 2, ... from the top.
    void RenumberRows(const std::atomic<bool>& stop);
    // Sets each row's key to its band: 0 for the first size text, one more at each change of text.
    void AssignSizeBands(const std::atomic<bool>& stop);
    // The four steps above at once, as the scan's thread planned them on the rows' keys in the order
    // they were appended (SizeGrouping::PlanOrder): the rows it names, top to bottom, numbered from
    // 1, each with its band; the others go.
    void ApplyOrder(const std::vector<SizeGrouping::Placed>& plan);
    // Asks the views to draw every row again.
    void RedrawAll();

private:
    QString DateText(const ResultRow& row) const;

    std::vector<ResultRow> m_rows;
    std::vector<ResultFolder> m_folders;
    bool m_contentsShown = false;
    bool m_keepsShown = false;
    bool m_linksShown = false; // a row is a symbolic link
};
