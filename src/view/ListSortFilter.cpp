#include "view/ListSortFilter.h"

#include "view/ClipboardPaths.h"

#include <QApplication>
#include <algorithm>
#include <numeric>

namespace {

// Sorting a long list takes a moment: the busy cursor meanwhile.
constexpr size_t kBusyCursorRows = 100000;

class BusyCursorFor
{
public:
    explicit BusyCursorFor(size_t rows) : m_on(rows >= kBusyCursorRows && qobject_cast<QApplication*>(qApp))
    {
        if (m_on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursorFor()
    {
        if (m_on)
            QApplication::restoreOverrideCursor();
    }
    BusyCursorFor(const BusyCursorFor&) = delete;
    BusyCursorFor& operator=(const BusyCursorFor&) = delete;

private:
    bool m_on;
};

} // namespace

ListSortFilter::ListSortFilter(const RowSource& rows, QObject* parent)
    : QAbstractProxyModel(parent), m_source(rows)
{
}

void ListSortFilter::setSourceModel(QAbstractItemModel* model)
{
    beginResetModel();
    if (QAbstractItemModel* old = sourceModel())
        disconnect(old, nullptr, this, nullptr);
    QAbstractProxyModel::setSourceModel(model);
    m_columns = model ? model->columnCount() : 0;
    m_order.resize(size_t(model ? model->rowCount() : 0));
    std::iota(m_order.begin(), m_order.end(), 0);
    Filter(m_order, m_shown);
    RebuildProxyOf();
    if (model) {
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &ListSortFilter::OnAboutToBeReset);
        connect(model, &QAbstractItemModel::modelReset, this, &ListSortFilter::OnReset);
        connect(model, &QAbstractItemModel::rowsInserted, this, &ListSortFilter::OnRowsInserted);
        connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                &ListSortFilter::OnRowsAboutToBeRemoved);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ListSortFilter::OnRowsRemoved);
        connect(model, &QAbstractItemModel::dataChanged, this, &ListSortFilter::OnDataChanged);
        connect(model, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged);
    }
    endResetModel();
}

QModelIndex ListSortFilter::mapToSource(const QModelIndex& proxy) const
{
    if (!proxy.isValid() || !sourceModel())
        return {};
    const int row = SourceRow(proxy.row());
    return row < 0 ? QModelIndex() : sourceModel()->index(row, proxy.column());
}

QModelIndex ListSortFilter::mapFromSource(const QModelIndex& source) const
{
    if (!source.isValid())
        return {};
    const int row = ProxyRow(source.row());
    return row < 0 ? QModelIndex() : index(row, source.column());
}

QModelIndex ListSortFilter::index(int row, int column, const QModelIndex& parent) const
{
    // Asked for every row whenever a view lays the list out: no calls to other models here.
    if (parent.isValid() || row < 0 || size_t(row) >= m_shown.size() || column < 0 || column >= m_columns)
        return {};
    return createIndex(row, column);
}

bool ListSortFilter::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_shown.empty();
}

QModelIndex ListSortFilter::parent(const QModelIndex&) const
{
    return {};
}

int ListSortFilter::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int ListSortFilter::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant ListSortFilter::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::InitialSortOrderRole)
        return int(Qt::AscendingOrder); // a first click sorts ascending, the second reverses
    if (orientation == Qt::Horizontal && sourceModel())
        return sourceModel()->headerData(section, orientation, role);
    return {};
}

Qt::ItemFlags ListSortFilter::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren | Qt::ItemIsDragEnabled;
}

QStringList ListSortFilter::mimeTypes() const
{
    return ClipboardPaths::MimeTypes();
}

QMimeData* ListSortFilter::mimeData(const QModelIndexList& indexes) const
{
    std::vector<int> rows;
    for (const QModelIndex& index : indexes)
        if (const int row = SourceRow(index.row()); row >= 0)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<std::string> paths;
    for (const int row : rows)
        if (std::string path = m_source.RowPath(row); !path.empty())
            paths.push_back(std::move(path));
    return paths.empty() ? nullptr : ClipboardPaths::MakeMimeData(paths);
}

Qt::DropActions ListSortFilter::supportedDragActions() const
{
    return Qt::CopyAction | Qt::LinkAction; // never a move: the found files stay where they are
}

void ListSortFilter::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column < 0 ? 0 : column;
    m_sortOrder = order;
    if (!(m_busy && m_busy()))
        Resort();
}

void ListSortFilter::Resort()
{
    if (m_waits && m_waits(m_sortColumn))
        return;
    ChangeLayout(SortedOrder());
}

void ListSortFilter::SetFilterText(const QString& text)
{
    if (text == m_filterText)
        return;
    m_filterText = text;
    m_matcher = text.isEmpty() ? RowSource::Matcher() : m_source.MakeMatcher(text);
    ChangeLayout(std::move(m_order));
}

int ListSortFilter::SourceRow(int proxyRow) const
{
    return proxyRow >= 0 && size_t(proxyRow) < m_shown.size() ? m_shown[size_t(proxyRow)] : -1;
}

int ListSortFilter::ProxyRow(int sourceRow) const
{
    return sourceRow >= 0 && size_t(sourceRow) < m_proxyOf.size() ? m_proxyOf[size_t(sourceRow)] : -1;
}

std::vector<int> ListSortFilter::SortedOrder() const
{
    const int count = sourceModel() ? sourceModel()->rowCount() : 0;
    std::vector<int> order;
    if (m_sortColumn <= 0 || m_sortColumn >= columnCount()) {
        order.resize(size_t(count));
        std::iota(order.begin(), order.end(), 0);
    } else {
        BusyCursorFor busy{size_t(count)};
        order = m_source.SortedRows(m_sortColumn);
    }
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(order.begin(), order.end());
    return order;
}

void ListSortFilter::Filter(const std::vector<int>& order, std::vector<int>& shown) const
{
    if (!m_matcher) {
        shown = order;
        return;
    }
    shown.clear();
    for (const int row : order)
        if (m_matcher(row))
            shown.push_back(row);
}

void ListSortFilter::RebuildProxyOf()
{
    m_proxyOf.assign(m_order.size(), -1);
    for (size_t proxy = 0; proxy < m_shown.size(); ++proxy)
        m_proxyOf[size_t(m_shown[proxy])] = int(proxy);
}

void ListSortFilter::ChangeLayout(std::vector<int> order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList from = persistentIndexList();
    std::vector<int> sources;
    sources.reserve(size_t(from.size()));
    for (const QModelIndex& index : from)
        sources.push_back(SourceRow(index.row()));
    m_order = std::move(order);
    Filter(m_order, m_shown);
    RebuildProxyOf();
    QModelIndexList to;
    to.reserve(from.size());
    for (qsizetype i = 0; i < from.size(); ++i) {
        const int row = ProxyRow(sources[size_t(i)]);
        to << (row < 0 ? QModelIndex() : index(row, from[i].column()));
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListSortFilter::OnAboutToBeReset()
{
    beginResetModel();
}

void ListSortFilter::OnReset()
{
    // A matcher may remember things about the old rows.
    m_matcher = m_filterText.isEmpty() ? RowSource::Matcher() : m_source.MakeMatcher(m_filterText);
    if (m_busy && m_busy()) {
        m_order.resize(size_t(sourceModel()->rowCount()));
        std::iota(m_order.begin(), m_order.end(), 0);
    } else {
        m_order = SortedOrder();
    }
    Filter(m_order, m_shown);
    RebuildProxyOf();
    endResetModel();
}

void ListSortFilter::OnRowsInserted(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid())
        return;
    const int count = last - first + 1;
    const bool appended = size_t(first) == m_proxyOf.size();
    if (!appended) {
        // Rows put in between: the later rows move down in the source, not in this list.
        for (int& row : m_order)
            row += row >= first ? count : 0;
        for (int& row : m_shown)
            row += row >= first ? count : 0;
    }
    std::vector<int> accepted;
    for (int row = first; row <= last; ++row) {
        m_order.push_back(row);
        if (!m_matcher || m_matcher(row))
            accepted.push_back(row);
    }
    const int at = int(m_shown.size());
    if (!accepted.empty())
        beginInsertRows({}, at, at + int(accepted.size()) - 1);
    m_shown.insert(m_shown.end(), accepted.begin(), accepted.end());
    if (appended) {
        // Rows arrive in batches all through a search: only the new rows need a place.
        m_proxyOf.resize(m_order.size(), -1);
        for (size_t i = 0; i < accepted.size(); ++i)
            m_proxyOf[size_t(accepted[i])] = at + int(i);
    } else {
        RebuildProxyOf();
    }
    if (!accepted.empty())
        endInsertRows();
}

void ListSortFilter::OnRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid())
        return;
    std::vector<int> gone;
    for (int row = first; row <= last; ++row)
        if (const int proxy = ProxyRow(row); proxy >= 0)
            gone.push_back(proxy);
    std::sort(gone.begin(), gone.end(), std::greater<>());
    // Remove run by run, from the bottom up, so the proxy rows above stay where they are.
    size_t i = 0;
    while (i < gone.size()) {
        size_t j = i;
        while (j + 1 < gone.size() && gone[j + 1] == gone[j] - 1)
            ++j;
        const int top = gone[j];
        const int bottom = gone[i];
        beginRemoveRows({}, top, bottom);
        m_shown.erase(m_shown.begin() + top, m_shown.begin() + bottom + 1);
        endRemoveRows();
        i = j + 1;
    }
}

void ListSortFilter::OnRowsRemoved(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid())
        return;
    const int count = last - first + 1;
    const auto inRange = [&](int row) { return row >= first && row <= last; };
    m_order.erase(std::remove_if(m_order.begin(), m_order.end(), inRange), m_order.end());
    m_shown.erase(std::remove_if(m_shown.begin(), m_shown.end(), inRange), m_shown.end());
    for (int& row : m_order)
        row -= row > last ? count : 0;
    for (int& row : m_shown)
        row -= row > last ? count : 0;
    RebuildProxyOf();
}

void ListSortFilter::OnDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                   const QList<int>& roles)
{
    if (!topLeft.isValid() || !bottomRight.isValid() || m_shown.empty())
        return;
    constexpr int kRowByRow = 64;
    if (bottomRight.row() - topLeft.row() >= kRowByRow) {
        emit dataChanged(index(0, topLeft.column()), index(rowCount() - 1, bottomRight.column()), roles);
        return;
    }
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        if (const int proxy = ProxyRow(row); proxy >= 0)
            emit dataChanged(index(proxy, topLeft.column()), index(proxy, bottomRight.column()), roles);
}
