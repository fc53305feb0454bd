#pragma once

#include <QAbstractProxyModel>
#include <QPersistentModelIndex>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QFileSystemModel;

// The folders of a QFileSystemModel under two top-level entries: a top folder (normally "/") and the
// home folder. Below an entry every row is the source's row, one column (the name). The home folder's
// subtree also lies under "/", so an item is known by its entry and its source index together: each
// parent folder seen under an entry has a node of its own, and a proxy index points at the node of
// its parent. Nodes are keyed by the source's internal id, which a QFileSystemModel keeps for the
// life of the folder.
class FolderTreeModel : public QAbstractProxyModel
{
    Q_OBJECT
public:
    enum Entry
    {
        TopEntry = 0,
        HomeEntry = 1,
        EntryCount = 2
    };

    FolderTreeModel(const QString& topPath, const QString& homePath, QObject* parent = nullptr);
    ~FolderTreeModel() override;

    // The source must be a QFileSystemModel; the entries are looked up in it by path.
    void setSourceModel(QAbstractItemModel* model) override;

    QString EntryPath(int entry) const { return m_entryPaths[size_t(entry)]; }
    // The entry an index lies under (its own row for a top-level index).
    int EntryOf(const QModelIndex& index) const;
    // The file-system path of an item.
    QString FilePath(const QModelIndex& index) const;
    // The item of `folder` (clean and absolute) under `entry`, adding the folders on the way to the
    // source when they are not listed yet; invalid when the folder does not lie under the entry.
    QModelIndex IndexForPath(const QString& folder, int entry);

    QModelIndex mapFromSource(const QModelIndex& source, int entry) const;
    // The item under the innermost entry that holds `source`.
    QModelIndex mapFromSource(const QModelIndex& source) const override;
    QModelIndex mapToSource(const QModelIndex& proxy) const override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QModelIndex buddy(const QModelIndex& index) const override { return index; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QMap<int, QVariant> itemData(const QModelIndex& index) const override;

private:
    struct Node
    {
        int entry;                    // the entry this parent folder is seen under
        QPersistentModelIndex source; // the parent folder in the source
        Node* up;                     // the node of its own parent; null when it is the entry itself
    };

    // Source rows that one entry does not show yet (new ones) or no longer (going ones), while a
    // source change is passed on to each entry in turn.
    struct Hidden
    {
        int entry;
        QModelIndex parent;
        int first;
        int count;
    };

    Node* NodeFor(int entry, const QModelIndex& sourceParent) const;
    static const Node* NodeOf(const QModelIndex& index)
    {
        return static_cast<const Node*>(index.internalPointer());
    }
    int ToSourceRow(int entry, const QModelIndex& sourceParent, int row) const;
    int ToProxyRow(int entry, const QModelIndex& sourceParent, int row) const;
    // Where the children of a source folder show under `entry`; invalid when they do not show there.
    QModelIndex ProxyParent(const QModelIndex& sourceParent, int entry) const;
    QList<QPersistentModelIndex> ProxyParents(const QList<QPersistentModelIndex>& sourceParents) const;
    bool RemovesAnEntry(const QModelIndex& sourceParent, int first, int last) const;
    void ResolveEntries();

    void OnRowsInserted(const QModelIndex& parent, int first, int last);
    void OnRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void OnRowsRemoved();
    void OnLayoutAboutToBeChanged(const QList<QPersistentModelIndex>& parents, LayoutChangeHint hint);
    void OnLayoutChanged(const QList<QPersistentModelIndex>& parents, LayoutChangeHint hint);
    void OnDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles);
    void OnSourceReset();

    QPointer<QFileSystemModel> m_fs;
    std::array<QString, EntryCount> m_entryPaths;
    std::array<QPersistentModelIndex, EntryCount> m_entries;      // the entries' folders in the source
    std::array<QPersistentModelIndex, EntryCount> m_entryParents; // and their parents there
    mutable std::map<std::pair<int, quintptr>, std::unique_ptr<Node>> m_nodes;
    std::vector<QMetaObject::Connection> m_connections;
    std::vector<Hidden> m_hidden;
    bool m_resetting = false;      // a removal took an entry's own folder: starting over
    bool m_resolving = false;      // looking up the entries: the source's changes are not ours yet
    QModelIndexList m_layoutProxy; // persistent items across a source layout change
    std::vector<std::pair<int, QPersistentModelIndex>> m_layoutSource;
};
