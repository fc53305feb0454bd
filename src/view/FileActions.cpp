// The commands that act on the rows of the two lists: open, locate, properties, send to the trash,
// export, and their popup menus.
#include "platform/Paths.h"
#include "platform/TempFile.h"
#include "view/AppMessages.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include "view/ResultList.h"
#include <QApplication>
#include <QFont>
#include <QItemSelectionModel>
#include <QMenu>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The busy cursor for the scope of a command.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QMenu* MakeMenu(QWidget* owner, const QString& name, const std::vector<std::pair<int, const char*>>& items,
                int defaultCommand, const std::function<void(int)>& run)
{
    auto* menu = new QMenu(owner);
    menu->setObjectName(name);
    for (const auto& [id, text] : items) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(CPendrakeView::tr(text));
        action->setObjectName(QStringLiteral("command%1").arg(id));
        if (id == defaultCommand) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu->setDefaultAction(action);
        }
        const int command = id;
        QObject::connect(action, &QAction::triggered, owner, [run, command] { run(command); });
    }
    return menu;
}

} // namespace

void CPendrakeView::CreateListMenus()
{
    const auto run = [this](int id) { Execute(id); };
    m_topListMenu =
        MakeMenu(this, QStringLiteral("_POPUPTOPLIST_"),
                 {{Commands::ViewSelectedFile, QT_TRANSLATE_NOOP("CPendrakeView", "View Selected File")},
                  {Commands::OpenFileFolder, QT_TRANSLATE_NOOP("CPendrakeView", "Open File's Folder")},
                  {Commands::LocateFile, QT_TRANSLATE_NOOP("CPendrakeView", "Locate File in Explorer")},
                  {0, nullptr},
                  {Commands::RecycleFile, QT_TRANSLATE_NOOP("CPendrakeView", "Send File to Recycle Bin")},
                  {0, nullptr},
                  {Commands::FileProperties, QT_TRANSLATE_NOOP("CPendrakeView", "File Properties")},
                  {0, nullptr},
                  {Commands::FileFolderProperties, QT_TRANSLATE_NOOP("CPendrakeView", "Folder Properties")}},
                 Commands::ViewSelectedFile, run);
    m_bottomListMenu =
        MakeMenu(this, QStringLiteral("_POPUP_BOTTOM_LISTCTRL_"),
                 {{Commands::OpenSelectedFolder, QT_TRANSLATE_NOOP("CPendrakeView", "Open Selected Folder")},
                  {0, nullptr},
                  {Commands::RecycleFolder, QT_TRANSLATE_NOOP("CPendrakeView", "Send Folder to Recycle Bin")},
                  {0, nullptr},
                  {Commands::FolderProperties, QT_TRANSLATE_NOOP("CPendrakeView", "Folder Properties")}},
                 Commands::OpenSelectedFolder, run);

    m_fileList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_folderList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_fileList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (m_displayFileList) // status lines have no menu
            m_topListMenu->popup(m_fileList->viewport()->mapToGlobal(at));
    });
    connect(m_folderList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_bottomListMenu->popup(m_folderList->viewport()->mapToGlobal(at)); });
    connect(m_fileList, &QAbstractItemView::doubleClicked, this, [this] { ViewSelectedFile(); });
    connect(m_folderList, &QAbstractItemView::doubleClicked, this, [this] { OpenSelectedFolder(); });
}

void CPendrakeView::RegisterFileActionCommands()
{
    OnCommand(Commands::ViewSelectedFile, [this] { ViewSelectedFile(); });
    OnCommand(Commands::OpenFileFolder, [this] {
        const int row = SelectedRow(m_fileList);
        if (row >= 0 && m_fileModel.IsFileRow(row))
            Shell::Open(m_fileModel.NativeFolder(row));
    });
    OnCommand(Commands::LocateFile, [this] {
        BusyCursor busy;
        const int row = SelectedRow(m_fileList);
        if (row >= 0 && m_fileModel.IsFileRow(row))
            Shell::ShowItemSelected(m_fileModel.NativePath(row));
    });
    OnCommand(Commands::RecycleFile, [this] {
        BusyCursor busy;
        const int row = SelectedRow(m_fileList);
        if (row >= 0 && m_fileModel.IsFileRow(row) && SendToRecycleBin(m_fileModel.NativePath(row)))
            m_fileModel.RemoveRow(row);
    });
    OnCommand(Commands::FileProperties, [this] {
        BusyCursor busy;
        const int row = SelectedRow(m_fileList);
        if (row >= 0 && m_fileModel.IsFileRow(row))
            ShowShellProperties(m_fileModel.NativePath(row));
    });
    OnCommand(Commands::FileFolderProperties, [this] {
        BusyCursor busy;
        const int row = SelectedRow(m_fileList);
        if (row >= 0 && m_fileModel.IsFileRow(row))
            ShowShellProperties(m_fileModel.NativeFolder(row));
    });
    OnCommand(Commands::OpenSelectedFolder, [this] { OpenSelectedFolder(); });
    OnCommand(Commands::RecycleFolder, [this] {
        BusyCursor busy;
        const int row = SelectedRow(m_folderList);
        if (row < 0)
            return;
        const QString folder = m_folderModel.Folder(row);
        if (folder.isEmpty() || !SendToRecycleBin(m_folderModel.NativeFolder(row)))
            return;
        m_folderModel.RemoveRow(row);
        AppMessages::Post(AppMessages::UWM_REFRESH_TREE);
        RemoveFolderFileRows(folder);
    });
    OnCommand(Commands::FolderProperties, [this] {
        BusyCursor busy;
        const int row = SelectedRow(m_folderList);
        if (row >= 0 && !m_folderModel.Folder(row).isEmpty())
            ShowShellProperties(m_folderModel.NativeFolder(row));
    });
    OnCommand(Commands::ExportFileList, [this] { ExportFileList(); });
}

int CPendrakeView::SelectedRow(ResultList* list) const
{
    // The list shows its rows sorted and filtered: the commands act on the row underneath.
    const auto* order = static_cast<const ListSortFilter*>(list->model());
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows) {
        const int row = order->SourceRow(index.row());
        if (row >= 0 && (first < 0 || row < first))
            first = row;
    }
    return first;
}

void CPendrakeView::ViewSelectedFile()
{
    if (m_fileList->selectionModel()->selectedRows().size() != 1)
        return;
    const int row = SelectedRow(m_fileList);
    if (m_fileModel.IsFileRow(row))
        Shell::Open(m_fileModel.NativePath(row));
}

void CPendrakeView::OpenSelectedFolder()
{
    const int row = SelectedRow(m_folderList);
    if (row >= 0 && !m_folderModel.Folder(row).isEmpty())
        Shell::Open(m_folderModel.NativeFolder(row));
}

bool CPendrakeView::SendToRecycleBin(const std::string& path)
{
    return Shell::SendToTrash(m_fileList, {path});
}

void CPendrakeView::ShowShellProperties(const std::string& path)
{
    Shell::ShowProperties(this, path);
}

void CPendrakeView::RemoveFolderFileRows(const QString& folder)
{
    m_fileModel.RemoveFolderRows(folder);
}

std::string CPendrakeView::GetExportLine(int index) const
{
    if (m_displayFileList)
        return m_fileModel.NativePath(index);
    return FoundNativePath(index);
}

void CPendrakeView::ExportFileList()
{
    BusyCursor busy;
    std::string path;
    int fd = -1;
    if (!platform::CreateExportFile(&path, &fd))
        return;
    const int n = m_displayFileList ? m_fileModel.rowCount() : int(m_foundPaths.size());
    std::string text;
    int error = 0;
    for (int i = 0; i < n && error == 0; ++i) {
        if (i > 0)
            text.push_back('\n');
        text += GetExportLine(i);
        if (text.size() >= (1 << 20) || i == n - 1) {
            error = WriteAll(fd, text);
            text.clear();
        }
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        // A list that is not whole is never shown as if it were: the partial file goes, and the
        // user learns why.
        ::unlink(path.c_str());
        Seams::MessageBox(this,
                          tr("The list of files could not be written completely to %1 (%2). The "
                             "incomplete file has been removed.")
                              .arg(platform::DisplayText(path), QString::fromLocal8Bit(std::strerror(error))),
                          QString(), QMessageBox::Warning);
        return;
    }
    Shell::Open(path);
}

int CPendrakeView::WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC; // nothing more is taken
        done += size_t(n);
    }
    return 0;
}
