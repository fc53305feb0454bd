#include "shell/FolderTree.h"

#include "platform/Paths.h"
#include "view/AppMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

QString HomeFolder()
{
    return QDir::cleanPath(QDir::homePath());
}

// Whether `path` is `folder` or lies inside it (both clean and absolute).
bool IsInside(const QString& path, const QString& folder)
{
    return path == folder || folder == QLatin1String("/") || path.startsWith(folder + QLatin1Char('/'));
}

// Icons and type names by the kind of entry alone. The default provider guesses a file's type from its
// content, on the user-interface thread, for every entry of a listed folder, files included; some files
// (/proc/kmsg) block the reader. The tree shows folders only, so the kind is all it needs.
class FolderIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return icon(Drive);
        if (!info.isDir())
            return icon(File);
        if (QDir::cleanPath(info.absoluteFilePath()) == HomeFolder())
            return QIcon::fromTheme(QStringLiteral("user-home"), icon(Folder));
        return icon(Folder);
    }

    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? QCoreApplication::translate("CFolderTree", "Folder")
                            : QCoreApplication::translate("CFolderTree", "File");
    }
};

} // namespace

CFolderTree::CFolderTree(QWidget* parent)
    : QTreeView(parent), m_icons(std::make_unique<FolderIconProvider>()),
      m_model(new FolderTreeModel(QStringLiteral("/"), HomeFolder(), this))
{
    setHeaderHidden(true);
    setAccessibleName(tr("Folder Tree"));
    setAccessibleDescription(tr("Choose the folder to search"));
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setModel(m_model);
    // Deep folders widen the column and bring a horizontal scroll bar instead of cutting names off.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CFolderTree::OnSelectionChanged);
    // An opened folder is listed at once, even when it is opened before its parent shows.
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (m_model->canFetchMore(index))
            m_model->fetchMore(index);
    });
    // Folders listed above the one being shown push it down: bring it back into view.
    m_revealTimer.setSingleShot(true);
    m_revealTimer.setInterval(0);
    connect(&m_revealTimer, &QTimer::timeout, this, &CFolderTree::Reveal);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CFolderTree::ScheduleReveal);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CFolderTree::ScheduleReveal);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &CFolderTree::ScheduleReveal);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &CFolderTree::StopRevealing);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, &CFolderTree::StopRevealing);

    Rebuild();
}

CFolderTree::~CFolderTree()
{
    // The file-system models use the icon provider, so they go before it.
    m_model->setSourceModel(nullptr);
    qDeleteAll(findChildren<QFileSystemModel*>(Qt::FindDirectChildrenOnly));
}

void CFolderTree::Rebuild()
{
    auto* fs = new QFileSystemModel(this);
    fs->setIconProvider(m_icons.get());
    fs->setReadOnly(true);
    // Without QDir::Hidden the model leaves out the folders whose names start with ".".
    fs->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    fs->setRootPath(QStringLiteral("/"));
    QAbstractItemModel* old = m_model->sourceModel();
    m_model->setSourceModel(fs);
    if (old)
        old->deleteLater();
}

bool CFolderTree::SelectPath(const QString& path)
{
    // A path text that keeps bytes which are not UTF-8 has no item here: through QFileInfo it would
    // name another folder (one whose name holds replacement characters).
    if (path.isEmpty() || platform::ShownText(path) != path)
        return false;
    const QFileInfo info(path);
    if (!info.isDir())
        return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    const QString home = m_model->EntryPath(FolderTreeModel::HomeEntry);
    const int entry = folder != QLatin1String("/") && IsInside(folder, home) ? FolderTreeModel::HomeEntry
                                                                             : FolderTreeModel::TopEntry;
    // Skip the folder when a name below its entry marks it hidden.
    const QString below = folder.mid(m_model->EntryPath(entry).size());
    for (const QString& name : below.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        if (name.startsWith(QLatin1Char('.')))
            return false;

    const QModelIndex index = m_model->IndexForPath(folder, entry);
    if (!index.isValid())
        return false;
    m_reveal = index;
    const bool unchanged = selectionModel()->selectedRows() == QModelIndexList{index};
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (unchanged)
        Notify(); // no selection change to report it, but the caller still expects the notice
    Reveal();
    return true;
}

void CFolderTree::SelectNearestShown(const QString& path)
{
    m_quiet = true;
    QString folder = platform::FolderText(path);
    do {
        folder = folder.left(std::max<qsizetype>(folder.lastIndexOf(QLatin1Char('/')), 1));
    } while (!SelectPath(folder) && folder != QLatin1String("/"));
    m_quiet = false;
    const QModelIndexList rows = selectionModel()->selectedRows();
    m_ownChoice = rows.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(rows.first());
}

QString CFolderTree::GetItemPath() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : m_model->FilePath(rows.first());
}

void CFolderTree::Refresh()
{
    std::vector<std::pair<int, QString>> open;
    CollectExpanded(QModelIndex(), open);
    StopRevealing();
    Rebuild();
    for (const auto& [entry, path] : open)
        if (QFileInfo(path).isDir())
            if (const QModelIndex index = m_model->IndexForPath(path, entry); index.isValid())
                expand(index);
}

void CFolderTree::CollectExpanded(const QModelIndex& parent, std::vector<std::pair<int, QString>>& out) const
{
    for (int row = 0, rows = m_model->rowCount(parent); row < rows; ++row) {
        const QModelIndex index = m_model->index(row, 0, parent);
        if (isExpanded(index)) {
            out.emplace_back(m_model->EntryOf(index), m_model->FilePath(index));
            CollectExpanded(index, out);
        }
    }
}

void CFolderTree::OnSelectionChanged(const QItemSelection& selected)
{
    if (selected.isEmpty())
        return;
    if (m_reveal.isValid() && !selectionModel()->isSelected(m_reveal))
        StopRevealing();
    Notify();
}

void CFolderTree::Notify()
{
    if (m_quiet)
        return;
    m_ownChoice = QPersistentModelIndex();
    AppMessages::Post(AppMessages::UWM_FOLDER_SELECTED);
    emit folderSelected();
}

void CFolderTree::ScheduleReveal()
{
    if (m_reveal.isValid())
        m_revealTimer.start();
}

void CFolderTree::Reveal()
{
    if (!m_reveal.isValid())
        return;
    std::vector<QModelIndex> ancestors;
    for (QModelIndex up = m_reveal.parent(); up.isValid(); up = up.parent())
        ancestors.push_back(up);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        expand(*it);
    scrollTo(m_reveal);
}

void CFolderTree::mousePressEvent(QMouseEvent* event)
{
    StopRevealing();
    const QPersistentModelIndex ownChoice = m_ownChoice;
    QTreeView::mousePressEvent(event);
    // A click on the folder the program selected changes no selection, yet it is the user's choice.
    if (ownChoice.isValid() && m_ownChoice.isValid() &&
        indexAt(event->position().toPoint()) == QModelIndex(ownChoice) &&
        selectionModel()->isSelected(ownChoice))
        Notify();
}

void CFolderTree::keyPressEvent(QKeyEvent* event)
{
    StopRevealing();
    const QPersistentModelIndex ownChoice = m_ownChoice;
    QTreeView::keyPressEvent(event);
    // Space or Enter on the folder the program selected takes it as the user's choice.
    if (ownChoice.isValid() && m_ownChoice.isValid() && currentIndex() == QModelIndex(ownChoice) &&
        (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        Notify();
}

void CFolderTree::wheelEvent(QWheelEvent* event)
{
    StopRevealing();
    QTreeView::wheelEvent(event);
}
