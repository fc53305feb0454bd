// The file list's optional columns: Size and Modified, chosen in the View menu.
#include "engine/ViewSettings.h"
#include "view/PendrakeView.h"
#include "view/ResultList.h"

#include <QHeaderView>

using Settings::ViewKey;

namespace {

bool IsStatusColumn(int column)
{
    return column == FileListModel::kSize || column == FileListModel::kModified;
}

ViewKey KeyOf(int column)
{
    return column == FileListModel::kSize ? ViewKey::SizeColumn : ViewKey::ModifiedColumn;
}

} // namespace

void CPendrakeView::SetUpStatusColumns()
{
    // Shown beside the name, before the folder, the widest column, which ends the row.
    QHeaderView* header = m_fileList->header();
    header->moveSection(header->visualIndex(FileListModel::kSize), FileListModel::kFolder);
    header->moveSection(header->visualIndex(FileListModel::kModified), FileListModel::kFolder + 1);
    for (const auto& [column, command] :
         {std::pair{int(FileListModel::kSize), int(Commands::ViewSizeColumn)},
          std::pair{int(FileListModel::kModified), int(Commands::ViewModifiedColumn)}}) {
        header->setSectionHidden(column, ViewSettings::GetInt(KeyOf(column)) == 0);
        OnCommand(command, [this, column] { ShowColumn(column, !IsColumnShown(column)); });
        OnUpdate(command, [this, column](CCmdUI& ui) { ui.SetCheck(IsColumnShown(column)); });
    }
    m_fileModel.SetStatusShown(IsColumnShown(FileListModel::kSize) ||
                               IsColumnShown(FileListModel::kModified));

    // The statuses the rows lack are read on a thread of their own (a million take seconds): as
    // soon as a column shows, and at the end of a search; a sort by a column waits for them.
    m_fileOrder.SetWaits(
        [this](int column) { return IsStatusColumn(column) && m_fileModel.ReadStatusInBackground(); });
    connect(&m_fileModel, &FileListModel::statusRead, this, [this] {
        if (!m_searching && IsStatusColumn(m_fileOrder.SortColumn()))
            m_fileOrder.Resort();
    });
    connect(this, &CPendrakeView::searchFinished, this, [this] { m_fileModel.ReadStatusInBackground(); });
}

bool CPendrakeView::IsColumnShown(int column) const
{
    return !m_fileList->header()->isSectionHidden(column);
}

void CPendrakeView::ShowColumn(int column, bool show)
{
    if (!IsStatusColumn(column) || show == IsColumnShown(column))
        return;
    QHeaderView* header = m_fileList->header();
    if (!show) {
        // Its width now, for the next time it shows (also in a later session).
        m_settings.WriteInt(Settings::ColumnWidthKey(0, column), header->sectionSize(column));
        if (header->sortIndicatorSection() == column)
            m_fileList->sortByColumn(0, Qt::AscendingOrder);
    }
    header->setSectionHidden(column, !show);
    ViewSettings::WriteInt(KeyOf(column), show ? 1 : 0);
    m_fileModel.SetStatusShown(IsColumnShown(FileListModel::kSize) ||
                               IsColumnShown(FileListModel::kModified));
    if (show && !m_searching)
        m_fileModel.ReadStatusInBackground();
}
