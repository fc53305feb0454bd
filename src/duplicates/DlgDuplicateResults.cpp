// The results window as a window: set-up, the popup menu and its commands, fitting the list,
// saving the column widths and closing. The scan itself is in DuplicateScan.cpp.
#include "duplicates/DlgDuplicateResults.h"

#include "engine/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// How often this thread takes the rows over while the worker reads.
constexpr auto kApplyInterval = std::chrono::milliseconds(30);
constexpr int kDefaultWidths[ResultsModel::kColumnCount] = {60, 150, 250, 100, 100};

const char* const kHelpText = QT_TRANSLATE_NOOP(
    "CDlgDuplicateResults", "This Window Displays Possibly Duplicate Files Grouped by File Size.\n\n"
                            "Files of Same Size Might be Duplicate or Different.\n\n"
                            "Have a Close Look before Deleting Any File(s).\n\n"
                            "Right Click to View Available Commands.\n\n"
                            "In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.");

const char* const kCheckFirstText = QT_TRANSLATE_NOOP(
    "CDlgDuplicateResults", "Check the Files which you wish to Send to Recyle Bin and then try again.");

} // namespace

CDlgDuplicateResults::BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

CDlgDuplicateResults::BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

CDlgDuplicateResults::CDlgDuplicateResults(QWidget* parent)
    : QDialog(parent), m_menuPopup(this), m_listResults(this),
      m_handOver(
          kApplyInterval, [this](ResultBatch& batch) { return ApplyBatch(batch); }, [this] { InputRead(); })
{
    setObjectName(QStringLiteral("DuplicateResults"));
    // A resizable frame with caption, system menu, maximize and close boxes; no minimize box.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    m_listResults.setObjectName(QStringLiteral("ResultsList"));
    m_listResults.setAccessibleName(tr("Duplicate Candidates"));
    m_listResults.setAccessibleDescription(
        tr("Files of equal size, one group after another; check the files to "
           "send to the Recycle Bin"));
    resize(980, 425);
    connect(&m_contentsTimer, &QTimer::timeout, this, &CDlgDuplicateResults::FinishContentsCheck);
    connect(&m_listResults, &QWidget::customContextMenuRequested, this,
            &CDlgDuplicateResults::OnListRightClick);
}

CDlgDuplicateResults::~CDlgDuplicateResults()
{
    StopContentsCheck();
    StopScan();
    SaveColumnWidths();
}

void CDlgDuplicateResults::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    OnInitDialog();
}

void CDlgDuplicateResults::OnInitDialog()
{
    if (m_initialized)
        return;
    m_initialized = true;
    m_widthsSaved = false;

    m_hIcon = QApplication::windowIcon();
    setWindowIcon(m_hIcon);
    setWindowTitle(tr("Duplicate Search Results - %1").arg(QCoreApplication::applicationName()));

    m_menuPopup.setTitle(QStringLiteral("_POPUP_SEARCH_RESULTS_"));
    m_menuPopup.addAction(tr("Display Selected File(s) in Explorer"), this,
                          &CDlgDuplicateResults::OnShowInExplorer);
    m_menuPopup.addSeparator();
    m_menuPopup.addAction(tr("Send Checked File(s) to Recycle Bin"), this,
                          &CDlgDuplicateResults::OnRecycleChecked);
    m_menuPopup.addSeparator();
    m_menuPopup.addAction(tr("Check All"), this, &CDlgDuplicateResults::OnCheckAll);
    m_menuPopup.addAction(tr("UnCheck All"), this, &CDlgDuplicateResults::OnUncheckAll);

    QHeaderView* header = m_listResults.horizontalHeader();
    for (int column = 0; column < ResultsModel::kColumnCount; ++column)
        header->resizeSection(column, StoredColumnWidth(column));
    BuildBand();
    FitList();

    StartScan();
    // The help text comes once the window itself is on the screen (a show event comes before
    // that), so that the box lies above it.
    QMetaObject::invokeMethod(this, &CDlgDuplicateResults::HelpThreadProc, Qt::QueuedConnection);
}

void CDlgDuplicateResults::HelpThreadProc()
{
    if (!isVisible() || m_helpBox)
        return;
    // The help text must not hold up the scan: the box is modal to this window only and is opened
    // rather than run, so the list keeps filling behind it. It has the keyboard until answered.
    auto* box = new QMessageBox(QMessageBox::Information, QCoreApplication::applicationName(), tr(kHelpText),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    m_helpBox = box;
    box->open();
    box->raise();
    box->activateWindow();
}

void CDlgDuplicateResults::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // While the help text is open, the window never comes above it nor takes the keyboard.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_helpBox &&
        m_helpBox->isVisible()) {
        m_helpBox->raise();
        m_helpBox->activateWindow();
    }
}

// --- Fitting and closing ----------------------------------------------------------------------

void CDlgDuplicateResults::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FitList();
}

void CDlgDuplicateResults::FitList()
{
    m_listResults.setGeometry(rect());
}

int CDlgDuplicateResults::StoredColumnWidth(int column)
{
    return m_settings.GetInt(Settings::ResultsColumnWidthKey(column), kDefaultWidths[column]);
}

void CDlgDuplicateResults::SaveColumnWidths()
{
    if (!m_initialized || m_widthsSaved)
        return;
    m_widthsSaved = true;
    // The last column fills the list, so its width is not the user's: it keeps the stored one.
    const QHeaderView* header = m_listResults.horizontalHeader();
    const platform::ProfileWriteBatch batch;
    for (int column = 0; column + 1 < header->count() && column < ResultsModel::kColumnCount; ++column)
        m_settings.WriteInt(Settings::ResultsColumnWidthKey(column), header->sectionSize(column));
}

void CDlgDuplicateResults::OnOK()
{
    m_bStop = true;
    QDialog::accept();
}

void CDlgDuplicateResults::OnCancel()
{
    m_bStop = true;
    QDialog::reject();
}

void CDlgDuplicateResults::closeEvent(QCloseEvent* event)
{
    m_bStop = true;
    QDialog::closeEvent(event);
}

void CDlgDuplicateResults::done(int result)
{
    // The window goes away here as far as the user can tell: the scan stops and the widths are kept.
    StopContentsCheck();
    StopScan();
    SaveColumnWidths();
    QDialog::done(result);
}

void CDlgDuplicateResults::keyPressEvent(QKeyEvent* event)
{
    // The window has no buttons, so Enter is its default command, OK.
    if (event->modifiers() == Qt::NoModifier || (event->modifiers() == Qt::KeypadModifier)) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            OnOK();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

// --- Commands ---------------------------------------------------------------------------------

void CDlgDuplicateResults::OnListRightClick(const QPoint& position)
{
    m_menuShown.popup(m_listResults.viewport()->mapToGlobal(position));
}

void CDlgDuplicateResults::OnCheckAll()
{
    CheckAllButProtected();
}

void CDlgDuplicateResults::OnUncheckAll()
{
    m_listResults.Model().SetAllChecks(false);
}

void CDlgDuplicateResults::OnShowInExplorer()
{
    BusyCursor busy;
    // One request per selected file, even when several share a folder.
    for (int row : m_listResults.SelectedRows())
        Shell::ShowItemSelected(m_listResults.Model().NativePath(row));
}

void CDlgDuplicateResults::OnRecycleChecked()
{
    BusyCursor busy;
    // Files in a reference folder are never removed.
    UncheckProtected();
    const ResultsModel& model = m_listResults.Model();
    const auto anyChecked = [&model] {
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.GetCheck(row))
                return true;
        return false;
    };
    if (!anyChecked()) {
        Seams::MessageBox(this, tr(kCheckFirstText), QString(), QMessageBox::Information);
        return;
    }
    // The last copy of a group is never lost without being asked.
    if (!KeepOneOfEachGroup() || !anyChecked())
        return;
    // The desktop asks for confirmation, shows progress and reports its own failures. On failure
    // or cancel the list stays as it is, checks included, even if some files went.
    if (RecycleChecked())
        ScanFiles();
}
