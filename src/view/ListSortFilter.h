#pragma once

#include <QAbstractProxyModel>
#include <functional>
#include <string>
#include <vector>

// What a list knows about its own rows for sorting, filtering and handing them to other programs.
// Rows are the source model's rows; row order is the order in which they were found.
class RowSource
{
public:
    using Matcher = std::function<bool(int row)>;
    virtual ~RowSource() = default;
    // Every row in ascending order of `column` (never asked for column 0, the found order).
    virtual std::vector<int> SortedRows(int column) const = 0;
    // A test of a row against a filter text; empty when the list cannot be filtered.
    virtual Matcher MakeMatcher(const QString& text) const = 0;
    // The exact path a row stands for; empty for a row that stands for none (a status line).
    virtual std::string RowPath(int row) const = 0;
};

// Shows a list's rows sorted by a column and narrowed to those that match a filter text, without
// touching the rows themselves: each keeps its number, and the commands map the selected row back
// to the source. Column 0 sorts in the found order. While the list is busy (a search runs) a sort is
// only noted: rows arriving then are appended, and Resort applies the noted order afterwards.
// Rows can be dragged out as a uri-list of their exact paths.
class ListSortFilter : public QAbstractProxyModel
{
    Q_OBJECT
public:
    explicit ListSortFilter(const RowSource& rows, QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* model) override;
    QModelIndex mapToSource(const QModelIndex& proxy) const override;
    QModelIndex mapFromSource(const QModelIndex& source) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // A search runs: sorts wait, rows append. Read whenever a sort is asked for.
    void SetBusy(std::function<bool()> busy) { m_busy = std::move(busy); }
    // A sort by `column` waits while this says so (its values are still being read): Resort applies
    // it once they are in. Read whenever a sort is to be applied.
    void SetWaits(std::function<bool(int column)> waits) { m_waits = std::move(waits); }
    // Applies the chosen sort to every row now (after a run has ended), unless it waits.
    void Resort();
    int SortColumn() const { return m_sortColumn; }
    Qt::SortOrder SortOrder() const { return m_sortOrder; }

    // Keeps only the rows that match `text`; an empty text keeps every row.
    void SetFilterText(const QString& text);
    QString FilterText() const { return m_filterText; }

    // The source row of a proxy row and back (-1 when there is none or it is filtered out).
    int SourceRow(int proxyRow) const;
    int ProxyRow(int sourceRow) const;

private:
    void OnAboutToBeReset();
    void OnReset();
    void OnRowsInserted(const QModelIndex& parent, int first, int last);
    void OnRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void OnRowsRemoved(const QModelIndex& parent, int first, int last);
    void OnDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles);
    // Replaces the shown rows by `order` narrowed by the filter, keeping the persistent indexes
    // (the selection and the current row) on their source rows.
    void ChangeLayout(std::vector<int> order);
    std::vector<int> SortedOrder() const;
    void Filter(const std::vector<int>& order, std::vector<int>& shown) const;
    void RebuildProxyOf();

    const RowSource& m_source;
    int m_columns = 0;
    std::function<bool()> m_busy;
    std::function<bool(int column)> m_waits;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QString m_filterText;
    RowSource::Matcher m_matcher;
    std::vector<int> m_order;   // every source row, in the shown order
    std::vector<int> m_shown;   // the rows of m_order that pass the filter: proxy row -> source row
    std::vector<int> m_proxyOf; // source row -> proxy row, -1 when filtered out
};
