#pragma once

#include "duplicates/ColorListCtrl.h"
#include "duplicates/scan/ContentsCheck.h"
#include "duplicates/scan/DuplicateScan.h"
#include "duplicates/scan/FreeSpace.h"
#include "engine/SettingsSection.h"
#include "view/BatchHandOver.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class FileListModel;
class FoundPaths;
namespace KeepRules {
struct RuleSet;
}

// The found paths a results window reads in status mode: the engine's own found paths, whose exact
// bytes it keeps, or plain path texts. It points at them and never owns them.
class SourcePaths
{
public:
    SourcePaths() = default;
    SourcePaths(std::nullptr_t) {}
    SourcePaths(const FoundPaths* found) : m_found(found) {}
    SourcePaths(const QStringList* texts) : m_texts(texts) {}
    explicit operator bool() const { return m_found || m_texts; }
    const FoundPaths* Found() const { return m_found; }
    const QStringList* Texts() const { return m_texts; }
    int size() const;
    // The exact path of entry `index`.
    std::string Native(int index) const;

private:
    const FoundPaths* m_found = nullptr;
    const QStringList* m_texts = nullptr;
};

// The duplicate candidates of the main view's current result: every listed file that shares its
// size with another, largest sizes first, with alternate sizes drawn in black and red. Files are
// never compared by content.
//
// The opener sets exactly one of m_pSourceList (the main view's file list, file mode) and
// m_pSourcePaths (the engine's found paths, status mode) and runs the window modally; neither may
// change while the window is open. When the window is first shown, a worker thread reads the size
// and last-write time of every file (DuplicateScan), and this thread takes the rows over in
// batches on a timer. The ordering, the removal of sizes that occur once, the numbering and the
// banding (SizeGrouping) are worked out by the worker once it has read everything, and put into
// effect here in one step.
// Every way of closing stops the worker and waits for it before anything goes away.
class CDlgDuplicateResults : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgDuplicateResults(QWidget* parent = nullptr);
    ~CDlgDuplicateResults() override;

    // Set-up: caption, icon, popup menu, columns with their stored widths, then the scan on its
    // worker and the help text. Runs once, when the window is first shown.
    void OnInitDialog();

    // The scan, on this thread: clears the list and fills it again from the same input, then
    // orders, removes, numbers and bands the rows. Used after a successful recycle.
    void ScanFiles();

    // Commands of the popup menu.
    void OnListRightClick(const QPoint& position);
    void OnCheckAll();
    void OnUncheckAll();
    void OnShowInExplorer();
    void OnRecycleChecked();
    // Verify Contents: reads the candidates on a worker, with progress and Cancel, and keeps only
    // groups of identical contents, with the "Contents" column. Cancel leaves the list as it was.
    void OnVerifyContents();
    // Freeing space (ResultsFreeSpace.cpp): "Select Files to Remove..." checks by the rules the
    // user chooses; the two replacements act on the checked files of contents groups. Files in a
    // reference folder are never checked by a rule or Check All, and never acted on.
    void OnSelectFilesToRemove();
    void OnReplaceWithHardLinks();
    void OnReplaceWithSharedCopies();

    // Closing: each asks a running scan to stop first.
    void OnOK();
    void OnCancel();

    // For the opener and for tests.
    CColorListCtrl& ResultsList() { return m_listResults; }
    QMenu& PopupMenu() { return m_menuPopup; }
    // The help box while it is open; null once it has been closed.
    QMessageBox* HelpBox() const { return m_helpBox && m_helpBox->isVisible() ? m_helpBox.data() : nullptr; }
    bool IsScanning() const { return m_scanning; }
    // The menu that a right click shows: Verify Contents, then the popup menu's items.
    QMenu& ShownMenu() { return m_menuShown; }
    QPushButton& VerifyButton() { return m_verifyButton; }
    QPushButton& SelectButton() { return m_selectButton; }
    // "%d group(s), %d file(s), %s in duplicates", for the list as it stands.
    QString SummaryText() const { return m_summary.text(); }
    // Why the last contents check went on without its cache; empty when it did not.
    QString CacheNote() const { return m_cacheNote.isVisibleTo(&m_band) ? m_cacheNote.text() : QString(); }
    // The contents check's progress window while it runs; null otherwise.
    QProgressDialog* ContentsProgress() const { return m_contentsProgress; }
    bool IsCheckingContents() const { return m_contentsThread.joinable(); }
    // Bytes the last contents check read.
    std::uint64_t LastBytesRead() const { return m_lastBytesRead; }

    const FileListModel* m_pSourceList = nullptr;
    SourcePaths m_pSourcePaths;

signals:
    // A scan has gone through every step and the list is enabled again.
    void scanFinished();
    // A contents check has ended: applied to the list, or cancelled (the list unchanged).
    void contentsChecked(bool applied);

public slots:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // On the hand-over's timer: moves the rows the worker has read into the list.
    int ApplyBatch(ResultBatch& batch);
    // After the worker's last rows: joins it and finishes the scan.
    void InputRead();

    // Shows the busy cursor for its lifetime.
    class BusyCursor
    {
    public:
        BusyCursor();
        ~BusyCursor();
        BusyCursor(const BusyCursor&) = delete;
        BusyCursor& operator=(const BusyCursor&) = delete;
    };
    void StartScan();
    void ScanThreadProc();
    void HelpThreadProc();
    // The input as the scan reads it: the file list's rows, or the found paths with their exact
    // bytes.
    std::unique_ptr<ScanInput> MakeInput() const;
    // Reads every input file in input order while the stop flag is clear, handing rows over in
    // batches.
    void ReadInput(const DuplicateScan::HandOver& handOver);
    // The steps after the input: ordering, removal, numbering and banding as `plan` gives them for
    // the `rowsRead` rows read, then the list is enabled.
    void OrderAndGroup(size_t rowsRead, const std::vector<SizeGrouping::Placed>& plan);
    // Sets the stop flag, waits for the worker and drops what it had not handed over.
    void StopScan();
    // The group of each row: its contents group after a contents check, else its size band; -1
    // for a row in none.
    std::vector<long long> GroupOfRows() const;
    // Before sending the checked rows to the trash: when a group would lose every copy, asks once
    // whether to keep one of each. False when the user cancels.
    bool KeepOneOfEachGroup();
    void UpdateSummary();
    // "%d file(s) checked, %s to free" for the checked files of groups; empty when none is checked.
    QString CheckedSummary() const;
    // The rows in a reference folder.
    std::vector<bool> ProtectedRows() const;
    void CheckAllButProtected();
    // Unchecks the rows in a reference folder; how many were checked.
    int UncheckProtected();
    void ApplyKeepRules(const KeepRules::RuleSet& rules);
    void FreeChecked(FreeSpace::Method method);
    void AfterFreeing(const std::vector<FreeSpace::File>& files, const FreeSpace::Report& report);
    void ShowFreeReport(FreeSpace::Method method, const FreeSpace::Report& report,
                        const platform::ActionLog& log);
    // The rows as the commands that free space see them.
    std::vector<FreeSpace::File> FilesOfRows() const;
    // Sends the checked rows to the trash, each looked at again just before it goes, with their
    // lines in the action log. True when every file that was to go went.
    bool RecycleChecked();
    void FinishContentsCheck();
    void StopContentsCheck();
    void CloseContentsProgress();
    void BuildBand();
    // The stored width of one of the first kColumnCount columns, or its default.
    int StoredColumnWidth(int column);
    void SaveColumnWidths();
    void FitList();

    std::atomic<bool> m_bStop{false};
    QMenu m_menuPopup;
    QIcon m_hIcon;
    CColorListCtrl m_listResults;

    CSettingsSection m_settings;
    QPointer<QMessageBox> m_helpBox;
    bool m_initialized = false;
    bool m_widthsSaved = false;
    bool m_scanning = false;
    std::optional<BusyCursor> m_scanBusy;

    // The worker and what it hands over; m_scanFailed is set before the worker's Finish().
    std::thread m_scanThread;
    std::atomic<bool> m_scanFailed{false};
    // Set by the worker before its Finish(): how many rows it read and their final order.
    size_t m_planRows = 0;
    std::vector<SizeGrouping::Placed> m_plan;
    BatchHandOver<ResultBatch> m_handOver;

    // Verify Contents: its menu, button, summary, worker and progress window.
    QMenu m_menuShown;
    QWidget m_band;
    QPushButton m_verifyButton;
    QPushButton m_selectButton;
    QLabel m_summary;
    QLabel m_cacheNote;
    std::atomic<bool> m_contentsStop{false};
    std::atomic<bool> m_contentsDone{false};
    std::thread m_contentsThread;
    std::unique_ptr<ContentsCheck> m_contentsCheck;
    QPointer<QProgressDialog> m_contentsProgress;
    QTimer m_contentsTimer;
    bool m_contentsFinishing = false;
    std::uint64_t m_lastBytesRead = 0;
};
