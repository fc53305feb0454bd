// The frame's share of the lists' everyday commands: Edit > Copy and the filter in the Edit menu,
// moving between the panes with F6, and a folder dropped on the window.
#include "platform/Paths.h"
#include "shell/FolderTree.h"
#include "shell/MainFrame.h"
#include "shell/Ribbon.h"
#include "view/ClipboardPaths.h"
#include "view/PendrakeView.h"
#include "view/ResultList.h"
#include "view/ResultsFilterBox.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>

namespace {

// The folder a drop carries as a path text: its first path, when that is a folder.
QString DroppedFolder(const QMimeData* data)
{
    if (!data)
        return {};
    const std::vector<std::string> paths = ClipboardPaths::LocalPaths(*data);
    if (paths.empty())
        return {};
    const QString folder = platform::PathText(paths.front());
    return platform::IsFolder(folder) ? folder : QString();
}

} // namespace

void CMainFrame::AddEverydayItems(QMenu* edit, QMenu* view)
{
    QAction* copy = MakeAction(Commands::EditCopy);
    copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    edit->addSeparator();
    QAction* filter =
        MakeMenuAction(Commands::FilterResults, tr("&Filter Found Files") + QStringLiteral("\t") +
                                                    QKeySequence(QKeySequence::Find).toString());
    filter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    filter->setStatusTip(tr("Show only the found files whose name or folder contains a text."));
    edit->addAction(filter);

    view->addSeparator();
    QAction* next = MakeMenuAction(Commands::NextPane, tr("Ne&xt Pane") + QStringLiteral("\tF6"));
    next->setShortcut(QKeySequence(Qt::Key_F6));
    QAction* previous =
        MakeMenuAction(Commands::PreviousPane, tr("Pre&vious Pane") + QStringLiteral("\tShift+F6"));
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    view->addAction(next);
    view->addAction(previous);
    OnCommand(Commands::NextPane, [this] { MovePaneFocus(1); });
    OnCommand(Commands::PreviousPane, [this] { MovePaneFocus(-1); });
    setAcceptDrops(true);
}

void CMainFrame::MovePaneFocus(int step)
{
    QList<QWidget*> panes;
    for (QWidget* pane : {static_cast<QWidget*>(m_folderTree), static_cast<QWidget*>(m_view->FileList()),
                          static_cast<QWidget*>(m_view->FolderList())})
        if (pane && pane->isVisible())
            panes << pane;
    if (panes.isEmpty())
        return;
    qsizetype at = -1;
    for (qsizetype i = 0; i < panes.size(); ++i)
        if (QWidget* focus = focusWidget(); focus && (focus == panes[i] || panes[i]->isAncestorOf(focus)))
            at = i;
    const qsizetype count = panes.size();
    const qsizetype next = at < 0 ? (step > 0 ? 0 : count - 1) : ((at + step) % count + count) % count;
    panes[next]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void CMainFrame::ArrangeTabOrder()
{
    QList<QWidget*> order = {m_view->FilterBox(), m_view->FileList(), m_view->FolderList()};
    order.append(m_folderTree);
    order += m_ribbon->TabStops();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The window opens with the focus on the file list, whatever comes first in the order.
    m_view->FileList()->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFolder(event->mimeData()).isEmpty()) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
        return;
    }
    QMainWindow::dragEnterEvent(event);
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DroppedFolder(event->mimeData()).isEmpty()) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
        return;
    }
    QMainWindow::dragMoveEvent(event);
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString folder = DroppedFolder(event->mimeData());
    if (folder.isEmpty()) {
        QMainWindow::dropEvent(event);
        return;
    }
    event->setDropAction(Qt::LinkAction);
    event->accept();
    // As a click on the folder in the tree (or on one the tree cannot show).
    if (SelectFolder(folder))
        m_folderTree->setFocus(Qt::OtherFocusReason);
    activateWindow();
}
