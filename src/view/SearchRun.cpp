// The search run: Start asks for the word and starts the worker; the worker loads the options,
// writes the "Searching..." state, walks, and writes the summary; Stop only clears the run flag.
#include "platform/Paths.h"
#include "view/DlgSearchParameters.h"
#include "view/FoundFilesText.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"

#include <QCoreApplication>
#include <QThread>

using Settings::Key;

void CPendrakeView::OnStartSearch()
{
    if (m_run) {
        // Start during a run acts as Stop.
        QMetaObject::invokeMethod(this, &CPendrakeView::OnStopSearch, Qt::QueuedConnection);
        return;
    }
    if (m_searching || m_destroyed)
        return; // the last worker is still finishing; one worker at a time
    const QString folder = m_document ? m_document->SelectedFolder() : QString();
    if (folder.isEmpty()) {
        Seams::MessageBox(this,
                          tr("Please Select a Folder from the List of Folders (from the Left Hand "
                             "Side) & then Press the Start Button."),
                          QCoreApplication::applicationName(), QMessageBox::Information);
        return;
    }
    {
        CDlgSearchParameters dialog(this);
        if (Seams::RunDialog(dialog) != QDialog::Accepted)
            return;
    }
    ApplyPending();
    m_fileModel.Clear();
    m_folderModel.Clear();

    m_searching = true;
    m_readStatus = m_fileModel.StatusShown();
    m_showLastFound = false;
    m_lastFoundShown = 0;
    // The run flag is up from the OK on, and only Stop and the worker's end lower it: a Stop at any
    // moment after the OK ends the walk.
    m_run = true;
    // The worker says it is done through the hand-over; the apply timer sees it and ends the run.
    m_worker = QThread::create([this, folder] {
        DoSearch(folder);
        m_handOver.Finish();
    });
    m_worker->setObjectName(QStringLiteral("SearchWorker"));
    m_handOver.Start();
    m_worker->start();
}

void CPendrakeView::OnStopSearch()
{
    m_run = false;
}

void CPendrakeView::OnWorkerFinished()
{
    if (!m_worker)
        return;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    m_searching = false;
    emit searchFinished();
}

void CPendrakeView::DoSearch(const QString& folder)
{
    m_folderIndex.clear();
    m_lastFolderIndex = -1;
    m_folderRowWaiting.reset();
    m_folderRowChanged = false;
    QString word;
    m_settings.ReadSearchWord(word);
    m_displayFileList = m_settings.GetSwitch(Key::DisplayFileList) != 0;
    LoadOptions();
    ShowSearchStatus(folder);
    m_startFolder = folder;
    m_searchWord = word;
    RunSearch(false); // the flag was raised at the OK; a Stop since then stands
    ShowSearchStatus(folder);
    m_run = false;
}

void CPendrakeView::ShowSearchStatus(const QString& folder)
{
    const bool statusMode = !m_displayFileList;
    const bool bothValid =
        m_startTime.m_status == DateTimeStatus::valid && m_stopTime.m_status == DateTimeStatus::valid;
    const bool summary =
        bothValid && (IsEarlier(m_startTime, m_stopTime) || m_startTime.m_date == m_stopTime.m_date);
    const QString start = FormatTimeOfDay(m_startTime);
    if (!summary) {
        FoundFiles::SetText(tr("Searching..."));
        m_workText = tr("File Search for Folder %1, Started At %2").arg(platform::ShownText(folder), start);
        if (statusMode)
            AppendFileRow(m_workText, {});
    } else {
        const QString stop = FormatTimeOfDay(m_stopTime);
        m_workText = tr("File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). ")
                         .arg(start, stop, QString::number(m_foldersParsed));
        if (statusMode) {
            AppendFileRow(tr("File Search Stopped At %1.").arg(stop), {});
            AppendFileRow(tr("%1 Folder(s) Parsed. ").arg(m_foldersParsed), {});
        }
        if (m_foldersIgnored > 0) {
            const QString text = tr("%1 Folder(s) Ignored. ").arg(m_foldersIgnored);
            m_workText += text;
            if (statusMode)
                AppendFileRow(text, {});
        }
        if (m_foldersNotOpened > 0) {
            const QString text =
                tr("%1 Folder(s) Could Not Be Opened (Too Many Open Files). ").arg(m_foldersNotOpened);
            m_workText += text;
            if (statusMode)
                AppendFileRow(text, {});
        }
        if (m_filesNotRead > 0) {
            const QString text = tr("%1 File(s) Could Not Be Read. ").arg(m_filesNotRead);
            m_workText += text;
            if (statusMode)
                AppendFileRow(text, {});
        }
        HandOverFolderRow(); // the last folder's final count
        const auto [fileRows, folderRows] = ListRowCounts();
        // Only the folder list of a run with per-folder counts tells which folders hold files.
        const int withoutFiles = m_foldersParsed - folderRows;
        if (m_viewFilesCount && withoutFiles > 0) {
            const QString text = tr("%1 Folder(s) Do Not Contain Files. ").arg(withoutFiles);
            m_workText += text;
            if (statusMode)
                AppendFileRow(text, {});
        }
        const int files = statusMode ? int(m_foundPaths.size()) : fileRows;
        const QString found = tr("%1 File(s) Found.").arg(files);
        FoundFiles::SetText(found);
        if (statusMode)
            AppendFileRow(found, {});
        // The search filters in force, so nobody wonders why files are missing.
        const QString filters = DescribeSearchFilters(m_filters, m_searchWord);
        if (!filters.isEmpty()) {
            m_workText += filters + QLatin1Char(' ');
            if (statusMode)
                AppendFileRow(filters, {});
        }
        const QString duration = FormatDuration(Difference(m_stopTime, m_startTime));
        if (!duration.isEmpty()) {
            const QString text = tr("It Took Aound %1.").arg(duration);
            m_workText += text;
            if (statusMode)
                AppendFileRow(text, {});
        }
        if (statusMode)
            m_handOver.Add([](Pending& p) { p.row0Column2 = QString(); });
    }
    m_settings.WriteInfoBarText(m_workText);
    m_handOver.Add([statusMode](Pending& p) {
        ++p.infoBarChanged;
        if (statusMode)
            p.headings = {tr("Status"), QString()};
        else
            p.headings = {tr("File Name"), tr("Folder")};
    });
}
