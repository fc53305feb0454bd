#pragma once

#include "shell/FolderTreeModel.h"

#include <QPersistentModelIndex>
#include <QTimer>
#include <QTreeView>
#include <memory>
#include <utility>
#include <vector>

class QAbstractFileIconProvider;

// The folder tree of the left pane: "/" and the home folder, folders only, hidden ones left out.
class CFolderTree : public QTreeView
{
    Q_OBJECT
public:
    explicit CFolderTree(QWidget* parent = nullptr);
    ~CFolderTree() override;

    // Opens the tree down to `path`, selects it and scrolls it into view as the folders load. False
    // when the path is not a folder the tree shows.
    bool SelectPath(const QString& path);
    // For a folder the tree cannot show (a name that is not UTF-8, a hidden one): selects the nearest
    // folder above it that it shows, as the program's own choice, which reports no selection. A click
    // on that folder later is the user's choice and reports it.
    void SelectNearestShown(const QString& path);
    // The path of the selected folder; empty when nothing is selected.
    QString GetItemPath() const;
    // Reads the file system again; the open folders stay open when they still exist.
    void Refresh();

    FolderTreeModel* FolderModel() const { return m_model; }

signals:
    void folderSelected();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Rebuild();
    void OnSelectionChanged(const QItemSelection& selected);
    void Notify();
    void ScheduleReveal();
    void Reveal();
    void StopRevealing() { m_reveal = QPersistentModelIndex(); }
    void CollectExpanded(const QModelIndex& parent, std::vector<std::pair<int, QString>>& out) const;

    std::unique_ptr<QAbstractFileIconProvider> m_icons; // shared by the file-system models
    FolderTreeModel* m_model;
    QPersistentModelIndex m_reveal;    // kept in view until the user takes over
    QPersistentModelIndex m_ownChoice; // selected by SelectNearestShown and not by the user since
    bool m_quiet = false;              // selecting without reporting it
    QTimer m_revealTimer;
};
