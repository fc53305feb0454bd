// What makes the two lists handy every day: sorting by a heading, the filter box, copying and
// dragging rows out as files, and the keys of the row commands.
#include "view/ClipboardPaths.h"
#include "view/PendrakeView.h"
#include "view/ResultsFilterBox.h"

#include "view/ResultList.h"
#include <QApplication>
#include <QHeaderView>
#include <QMenu>

namespace {

void GiveKeys(QMenu* menu, int command, QWidget* list, const QList<QKeySequence>& keys)
{
    QAction* action = menu->findChild<QAction*>(QStringLiteral("command%1").arg(command));
    if (!action)
        return;
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(action);
}

} // namespace

void CPendrakeView::SetUpListExtras()
{
    const auto busy = [this] { return m_searching; };
    m_fileOrder.SetBusy(busy);
    m_folderOrder.SetBusy(busy);
    for (ResultList* list : {m_fileList, m_folderList}) {
        list->header()->setSortIndicator(0, Qt::AscendingOrder);
        list->setSortingEnabled(true);
        list->setDragEnabled(true);
        list->setDragDropMode(QAbstractItemView::DragOnly);
        list->setDefaultDropAction(Qt::CopyAction);
    }
    // A sort chosen while a search runs waits for its end. A status log always reads in order.
    connect(this, &CPendrakeView::searchFinished, this, [this] {
        if (!m_displayFileList)
            m_fileList->sortByColumn(0, Qt::AscendingOrder);
        m_fileOrder.Resort();
        m_folderOrder.Resort();
    });

    m_filterBox = new ResultsFilterBox(this);
    connect(m_filterBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_fileOrder.SetFilterText(text);
        const QModelIndexList selected = m_fileList->selectionModel()->selectedRows();
        if (!selected.isEmpty())
            m_fileList->scrollTo(selected.first());
    });

    // The box tells how many rows match while it holds a text.
    const auto count = [this] { m_filterBox->SetCount(m_fileOrder.rowCount(), m_fileModel.rowCount()); };
    for (const QAbstractItemModel* model :
         {static_cast<QAbstractItemModel*>(&m_fileOrder), static_cast<QAbstractItemModel*>(&m_fileModel)}) {
        connect(model, &QAbstractItemModel::rowsInserted, m_filterBox, count);
        connect(model, &QAbstractItemModel::rowsRemoved, m_filterBox, count);
        connect(model, &QAbstractItemModel::modelReset, m_filterBox, count);
        connect(model, &QAbstractItemModel::layoutChanged, m_filterBox, count);
    }

    setTabOrder(m_filterBox, m_fileList);
    connect(m_filterBox, &ResultsFilterBox::toList, this, [this] {
        if (m_fileList->model()->rowCount() == 0)
            return;
        if (!m_fileList->selectionModel()->hasSelection())
            m_fileList->selectionModel()->setCurrentIndex(m_fileList->model()->index(0, 0),
                                                          QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
        m_fileList->setFocus(Qt::TabFocusReason);
    });

    // Copy Path in both menus, after the commands that open; Edit > Copy gives its key.
    const auto addCopy = [this](QMenu* menu, int command, ResultList* list) {
        auto* copy = new QAction(tr("Copy Path") + QStringLiteral("\t") +
                                     QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText),
                                 menu);
        copy->setObjectName(QStringLiteral("command%1").arg(command));
        QAction* before = nullptr;
        for (QAction* action : menu->actions())
            if (!before && action->isSeparator())
                before = action;
        menu->insertAction(before, copy);
        connect(copy, &QAction::triggered, this, [this, command] { Execute(command); });
        OnCommand(command, [this, list] { CopySelectedPath(list); });
    };
    addCopy(m_topListMenu, Commands::CopyFilePath, m_fileList);
    addCopy(m_bottomListMenu, Commands::CopyFolderPath, m_folderList);
    OnCommand(Commands::EditCopy, [this] { CopySelectedPath(ActiveList()); });
    OnUpdate(Commands::EditCopy, [this](CCmdUI& ui) { ui.Enable(!SelectedPath(ActiveList()).empty()); });
    OnCommand(Commands::FilterResults, [this] {
        m_filterBox->setFocus(Qt::ShortcutFocusReason);
        m_filterBox->selectAll();
    });

    // The keys of the row commands, shown in their menu items, work while a list has the focus.
    const QList<QKeySequence> enter = {QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)};
    GiveKeys(m_topListMenu, Commands::ViewSelectedFile, m_fileList, enter);
    GiveKeys(m_topListMenu, Commands::RecycleFile, m_fileList, {QKeySequence(QKeySequence::Delete)});
    GiveKeys(m_bottomListMenu, Commands::OpenSelectedFolder, m_folderList, enter);
    GiveKeys(m_bottomListMenu, Commands::RecycleFolder, m_folderList, {QKeySequence(QKeySequence::Delete)});
    for (ResultList* list : {m_fileList, m_folderList}) {
        auto* menuKey = new QAction(list);
        menuKey->setObjectName(QStringLiteral("RowMenuKey"));
        menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
        menuKey->setShortcutContext(Qt::WidgetShortcut);
        list->addAction(menuKey);
        connect(menuKey, &QAction::triggered, this, [this, list] { PopUpRowMenu(list); });
    }
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == m_fileList || now == m_folderList)
            m_activeList = static_cast<ResultList*>(now);
    });
}

ResultList* CPendrakeView::ActiveList() const
{
    if (m_activeList == m_folderList && m_folderList->isVisible())
        return m_folderList;
    return m_fileList;
}

std::string CPendrakeView::SelectedPath(ResultList* list) const
{
    const int row = SelectedRow(list);
    if (row < 0)
        return {};
    return list == m_fileList ? m_fileRows.RowPath(row) : m_folderRows.RowPath(row);
}

void CPendrakeView::CopySelectedPath(ResultList* list)
{
    const std::string path = SelectedPath(list);
    if (!path.empty())
        ClipboardPaths::Copy({path});
}

void CPendrakeView::PopUpRowMenu(ResultList* list)
{
    if (list == m_fileList && !m_displayFileList)
        return; // status lines have no menu
    QMenu* menu = list == m_fileList ? m_topListMenu : m_bottomListMenu;
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    QRect row = selected.isEmpty() ? QRect() : list->visualRect(selected.first());
    QPoint at = row.isValid() && list->viewport()->rect().intersects(row) ? row.bottomLeft() : QPoint(0, 0);
    at.setX(at.x() + list->viewport()->width() / 8);
    menu->popup(list->viewport()->mapToGlobal(at));
}
