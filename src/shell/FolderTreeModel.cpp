#include "shell/FolderTreeModel.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>

FolderTreeModel::FolderTreeModel(const QString& topPath, const QString& homePath, QObject* parent)
    : QAbstractProxyModel(parent), m_entryPaths{QDir::cleanPath(topPath), QDir::cleanPath(homePath)}
{
}

FolderTreeModel::~FolderTreeModel() = default;

void FolderTreeModel::setSourceModel(QAbstractItemModel* model)
{
    beginResetModel();
    for (const QMetaObject::Connection& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_hidden.clear();
    m_resetting = false;
    m_nodes.clear();
    m_entries = {};
    m_entryParents = {};
    QAbstractProxyModel::setSourceModel(model);
    m_fs = qobject_cast<QFileSystemModel*>(model);
    if (m_fs) {
        QFileSystemModel* fs = m_fs;
        m_connections = {
            connect(fs, &QAbstractItemModel::rowsInserted, this, &FolderTreeModel::OnRowsInserted),
            connect(fs, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                    &FolderTreeModel::OnRowsAboutToBeRemoved),
            connect(fs, &QAbstractItemModel::rowsRemoved, this, &FolderTreeModel::OnRowsRemoved),
            connect(fs, &QAbstractItemModel::layoutAboutToBeChanged, this,
                    &FolderTreeModel::OnLayoutAboutToBeChanged),
            connect(fs, &QAbstractItemModel::layoutChanged, this, &FolderTreeModel::OnLayoutChanged),
            connect(fs, &QAbstractItemModel::dataChanged, this, &FolderTreeModel::OnDataChanged),
            connect(fs, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); }),
            connect(fs, &QAbstractItemModel::modelReset, this, &FolderTreeModel::OnSourceReset),
        };
        ResolveEntries();
    }
    endResetModel();
}

void FolderTreeModel::ResolveEntries()
{
    // Looking a path up adds the folders on the way to the source; the proxy is being reset meanwhile,
    // so those additions are not passed on.
    m_resolving = true;
    for (size_t entry = 0; entry < EntryCount; ++entry) {
        m_entries[entry] = m_fs ? m_fs->index(m_entryPaths[entry]) : QModelIndex();
        m_entryParents[entry] = m_entries[entry].parent();
    }
    m_resolving = false;
}

int FolderTreeModel::EntryOf(const QModelIndex& index) const
{
    if (!index.isValid())
        return -1;
    const Node* node = NodeOf(index);
    return node ? node->entry : index.row();
}

QString FolderTreeModel::FilePath(const QModelIndex& index) const
{
    if (!index.isValid() || !m_fs)
        return {};
    if (!NodeOf(index))
        return m_entryPaths[size_t(index.row())];
    return m_fs->filePath(mapToSource(index));
}

QModelIndex FolderTreeModel::IndexForPath(const QString& folder, int entry)
{
    if (!m_fs || entry < 0 || entry >= EntryCount)
        return {};
    if (folder == m_entryPaths[size_t(entry)])
        return m_entries[size_t(entry)].isValid() ? createIndex(entry, 0) : QModelIndex();
    return mapFromSource(m_fs->index(folder), entry);
}

FolderTreeModel::Node* FolderTreeModel::NodeFor(int entry, const QModelIndex& sourceParent) const
{
    if (!sourceParent.isValid() || !m_entries[size_t(entry)].isValid())
        return nullptr;
    const QModelIndex folder = sourceParent.siblingAtColumn(0);
    const auto key = std::pair(entry, folder.internalId());
    if (const auto it = m_nodes.find(key); it != m_nodes.end() && it->second->source == folder)
        return it->second.get();
    Node* up = nullptr;
    if (folder != m_entries[size_t(entry)]) {
        up = NodeFor(entry, folder.parent());
        if (!up) // not under this entry
            return nullptr;
    }
    // A node left from a removed folder whose id came back is replaced; nothing refers to it anymore.
    auto& slot = m_nodes[key];
    slot = std::make_unique<Node>(Node{entry, QPersistentModelIndex(folder), up});
    return slot.get();
}

int FolderTreeModel::ToSourceRow(int entry, const QModelIndex& sourceParent, int row) const
{
    for (const Hidden& hidden : m_hidden)
        if (hidden.entry == entry && hidden.parent == sourceParent && row >= hidden.first)
            return row + hidden.count;
    return row;
}

int FolderTreeModel::ToProxyRow(int entry, const QModelIndex& sourceParent, int row) const
{
    for (const Hidden& hidden : m_hidden)
        if (hidden.entry == entry && hidden.parent == sourceParent && row >= hidden.first)
            return row < hidden.first + hidden.count ? -1 : row - hidden.count;
    return row;
}

QModelIndex FolderTreeModel::mapFromSource(const QModelIndex& source, int entry) const
{
    if (!source.isValid() || source.model() != sourceModel() || source.column() != 0 || entry < 0 ||
        entry >= EntryCount)
        return {};
    if (source == m_entries[size_t(entry)])
        return createIndex(entry, 0);
    const QModelIndex sourceParent = source.parent();
    const int row = ToProxyRow(entry, sourceParent, source.row());
    Node* node = row >= 0 ? NodeFor(entry, sourceParent) : nullptr;
    return node ? createIndex(row, 0, node) : QModelIndex();
}

QModelIndex FolderTreeModel::mapFromSource(const QModelIndex& source) const
{
    for (int entry = EntryCount - 1; entry >= 0; --entry)
        if (const QModelIndex index = mapFromSource(source, entry); index.isValid())
            return index;
    return {};
}

QModelIndex FolderTreeModel::mapToSource(const QModelIndex& proxy) const
{
    if (!proxy.isValid() || proxy.model() != this || !sourceModel())
        return {};
    const Node* node = NodeOf(proxy);
    if (!node)
        return m_entries[size_t(proxy.row())];
    if (!node->source.isValid())
        return {};
    return sourceModel()->index(ToSourceRow(node->entry, node->source, proxy.row()), proxy.column(),
                                node->source);
}

QModelIndex FolderTreeModel::ProxyParent(const QModelIndex& sourceParent, int entry) const
{
    return sourceParent.isValid() ? mapFromSource(sourceParent.siblingAtColumn(0), entry) : QModelIndex();
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column != 0 || !sourceModel())
        return {};
    if (!parent.isValid())
        return row < EntryCount ? createIndex(row, 0) : QModelIndex();
    const QModelIndex sourceParent = mapToSource(parent);
    if (!sourceParent.isValid() || parent.column() != 0 || row >= sourceModel()->rowCount(sourceParent))
        return {};
    Node* node = NodeFor(EntryOf(parent), sourceParent);
    return node ? createIndex(row, 0, node) : QModelIndex();
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    const Node* node = child.isValid() ? NodeOf(child) : nullptr;
    if (!node)
        return {};
    if (!node->up)
        return createIndex(node->entry, 0);
    // The node above holds the parent's own parent folder.
    const int row =
        node->source.isValid() ? ToProxyRow(node->entry, node->up->source, node->source.row()) : -1;
    return row >= 0 ? createIndex(row, 0, node->up) : QModelIndex();
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!sourceModel())
        return 0;
    if (!parent.isValid())
        return EntryCount;
    if (parent.column() != 0)
        return 0;
    const QModelIndex source = mapToSource(parent);
    if (!source.isValid())
        return 0;
    int rows = sourceModel()->rowCount(source);
    for (const Hidden& hidden : m_hidden)
        if (hidden.entry == EntryOf(parent) && hidden.parent == source)
            rows -= hidden.count;
    return rows;
}

int FolderTreeModel::columnCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : 1;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return rowCount() > 0;
    const QModelIndex source = mapToSource(parent);
    return source.isValid() && parent.column() == 0 && sourceModel()->hasChildren(source);
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const
{
    const QModelIndex source = mapToSource(parent);
    return source.isValid() && sourceModel()->canFetchMore(source);
}

void FolderTreeModel::fetchMore(const QModelIndex& parent)
{
    if (const QModelIndex source = mapToSource(parent); source.isValid())
        sourceModel()->fetchMore(source);
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    if (index.isValid() && !NodeOf(index)) {
        const QString& path = m_entryPaths[size_t(index.row())];
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            const QString name = QFileInfo(path).fileName();
            if (index.row() == TopEntry || path == QLatin1String("/"))
                return path;
            return name.isEmpty() ? tr("Home") : name;
        }
        if (role == Qt::ToolTipRole)
            return path;
    }
    return QAbstractProxyModel::data(index, role);
}

QMap<int, QVariant> FolderTreeModel::itemData(const QModelIndex& index) const
{
    QMap<int, QVariant> roles = QAbstractProxyModel::itemData(index);
    if (index.isValid() && !NodeOf(index))
        roles[Qt::DisplayRole] = data(index, Qt::DisplayRole);
    return roles;
}

// ---- passing the source's changes on ----
// The home folder's subtree shows twice, so one source change can be two changes here. They are passed
// on one after the other, each complete: until its turn comes an entry keeps showing the rows as they
// were, by hiding the new rows or, once told of a removal, the going ones.

QList<QPersistentModelIndex> FolderTreeModel::ProxyParents(const QList<QPersistentModelIndex>& parents) const
{
    QList<QPersistentModelIndex> proxyParents;
    for (const QPersistentModelIndex& parent : parents)
        for (int entry = 0; entry < EntryCount; ++entry)
            if (const QModelIndex proxyParent = ProxyParent(parent, entry); proxyParent.isValid())
                proxyParents << proxyParent;
    return proxyParents;
}

bool FolderTreeModel::RemovesAnEntry(const QModelIndex& sourceParent, int first, int last) const
{
    for (const QPersistentModelIndex& entry : m_entries)
        for (QModelIndex up = entry; up.isValid(); up = up.parent())
            if (up.parent() == sourceParent && up.row() >= first && up.row() <= last)
                return true;
    return false;
}

void FolderTreeModel::OnRowsInserted(const QModelIndex& parent, int first, int last)
{
    if (m_resolving)
        return;
    std::vector<std::pair<int, QPersistentModelIndex>> parents;
    for (int entry = 0; entry < EntryCount; ++entry)
        if (const QModelIndex proxyParent = ProxyParent(parent, entry); proxyParent.isValid()) {
            parents.emplace_back(entry, proxyParent);
            m_hidden.push_back({entry, parent, first, last - first + 1});
        }
    for (const auto& [entry, proxyParent] : parents) {
        beginInsertRows(proxyParent, first, last);
        std::erase_if(m_hidden, [entry](const Hidden& hidden) { return hidden.entry == entry; });
        endInsertRows();
    }
}

void FolderTreeModel::OnRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last)
{
    if (m_resolving)
        return;
    if (RemovesAnEntry(parent, first, last)) {
        // An entry's own folder goes: start over.
        beginResetModel();
        m_resetting = true;
        return;
    }
    std::vector<std::pair<int, QPersistentModelIndex>> parents;
    for (int entry = 0; entry < EntryCount; ++entry)
        if (const QModelIndex proxyParent = ProxyParent(parent, entry); proxyParent.isValid())
            parents.emplace_back(entry, proxyParent);
    for (const auto& [entry, proxyParent] : parents) {
        beginRemoveRows(proxyParent, first, last);
        m_hidden.push_back({entry, parent, first, last - first + 1});
        endRemoveRows();
    }
}

void FolderTreeModel::OnRowsRemoved()
{
    if (m_resolving)
        return;
    m_hidden.clear(); // the source has dropped the rows the entries were hiding
    if (m_resetting) {
        m_resetting = false;
        m_nodes.clear();
        endResetModel();
        return;
    }
    // The removed folders' items are gone from every view; their nodes can go too.
    std::erase_if(m_nodes, [](const auto& item) { return !item.second->source.isValid(); });
}

void FolderTreeModel::OnLayoutAboutToBeChanged(const QList<QPersistentModelIndex>& parents,
                                               LayoutChangeHint hint)
{
    if (m_resolving)
        return;
    emit layoutAboutToBeChanged(ProxyParents(parents), hint);
    m_layoutProxy = persistentIndexList();
    m_layoutSource.clear();
    for (const QModelIndex& index : std::as_const(m_layoutProxy))
        m_layoutSource.emplace_back(EntryOf(index), mapToSource(index));
}

void FolderTreeModel::OnLayoutChanged(const QList<QPersistentModelIndex>& parents, LayoutChangeHint hint)
{
    if (m_resolving)
        return;
    QModelIndexList moved;
    moved.reserve(m_layoutProxy.size());
    for (const auto& [entry, source] : m_layoutSource)
        moved << mapFromSource(source, entry);
    changePersistentIndexList(m_layoutProxy, moved);
    m_layoutProxy.clear();
    m_layoutSource.clear();
    emit layoutChanged(ProxyParents(parents), hint);
}

void FolderTreeModel::OnDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                    const QList<int>& roles)
{
    if (m_resolving || topLeft.column() > 0)
        return; // only the name column shows
    const QModelIndex parent = topLeft.parent();
    for (int entry = 0; entry < EntryCount; ++entry) {
        if (ProxyParent(parent, entry).isValid())
            emit dataChanged(mapFromSource(topLeft, entry),
                             mapFromSource(bottomRight.siblingAtColumn(0), entry), roles);
        const QPersistentModelIndex& own = m_entries[size_t(entry)];
        if (own.isValid() && parent == m_entryParents[size_t(entry)] && own.row() >= topLeft.row() &&
            own.row() <= bottomRight.row())
            emit dataChanged(createIndex(entry, 0), createIndex(entry, 0), roles);
    }
}

void FolderTreeModel::OnSourceReset()
{
    m_hidden.clear();
    m_resetting = false;
    m_nodes.clear();
    ResolveEntries();
    endResetModel();
}
