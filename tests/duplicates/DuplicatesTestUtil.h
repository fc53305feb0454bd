#pragma once

#include "duplicates/DlgDuplicateResults.h"
#include "support/TestSupport.h"
#include "view/ListModels.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <map>
#include <memory>

namespace DuplicatesTest {

const QColor kBlack(0, 0, 0);
const QColor kRed(236, 0, 0);

// Writes a file of exactly `size` bytes; big ones are sparse, so they cost no disk space.
inline QString MakeSized(const QString& path, qint64 size)
{
    if (size <= (1 << 20)) {
        WriteFile(path, QByteArray(size, 'x'));
    } else {
        WriteFile(path);
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.resize(size))
            qFatal("cannot size %s", qPrintable(path));
    }
    return path;
}

// A file list as the main view fills it in file mode: one folder entry per folder, rows in order.
inline void FillFileList(FileListModel& list, const QStringList& paths)
{
    std::map<QString, int> folders;
    std::vector<FileListModel::NewRow> rows;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QString folder = info.path();
        auto it = folders.find(folder);
        if (it == folders.end())
            it = folders.emplace(folder, list.AddFolder(folder, QFile::encodeName(folder).toStdString()))
                     .first;
        rows.push_back({it->second, QFile::encodeName(info.fileName()).toStdString()});
    }
    list.Append(rows);
}

// One row as the list shows it.
struct ShownRow
{
    QString number, name, folder, size, modified;
    QColor color;
    bool checked;
};

inline std::vector<ShownRow> Shown(CDlgDuplicateResults& window)
{
    const ResultsModel& model = window.ResultsList().Model();
    std::vector<ShownRow> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto cell = [&](int column, int role) { return model.data(model.index(row, column), role); };
        // Every column of a row is drawn in one colour; a row that is not shows an invalid one.
        QColor color = cell(0, Qt::ForegroundRole).value<QColor>();
        for (int column = 1; column < ResultsModel::kColumnCount; ++column) {
            if (cell(column, Qt::ForegroundRole).value<QColor>() != color)
                color = QColor();
        }
        rows.push_back({cell(0, Qt::DisplayRole).toString(), cell(1, Qt::DisplayRole).toString(),
                        cell(2, Qt::DisplayRole).toString(), cell(3, Qt::DisplayRole).toString(),
                        cell(4, Qt::DisplayRole).toString(), color,
                        cell(0, Qt::CheckStateRole).toInt() == Qt::Checked});
    }
    return rows;
}

inline QStringList Column(const std::vector<ShownRow>& rows, QString ShownRow::*field)
{
    QStringList texts;
    for (const ShownRow& row : rows)
        texts << row.*field;
    return texts;
}

// The colour of each row: B black, R red, ? anything else.
// A list of plain ASCII texts, for comparisons.
inline QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << QLatin1String(t);
    return list;
}

inline QString Colours(const std::vector<ShownRow>& rows)
{
    QString text;
    for (const ShownRow& row : rows)
        text += row.color == kBlack ? QLatin1Char('B')
                : row.color == kRed ? QLatin1Char('R')
                                    : QLatin1Char('?');
    return text;
}

// Whether the list's last column reaches the list's right edge.
inline bool LastColumnFills(CDlgDuplicateResults& window)
{
    const QHeaderView* header = window.ResultsList().horizontalHeader();
    const int last = header->count() - 1;
    return header->sectionViewportPosition(last) + header->sectionSize(last) == header->viewport()->width();
}

// The help text comes just after the window is shown, before anything else it does.
inline void OpenHelp(CDlgDuplicateResults& window)
{
    QCoreApplication::sendPostedEvents(&window, QEvent::MetaCall);
}

// Shows the window without putting it on the screen and answers the help text at once, so nothing
// is ever painted: Qt paints large areas on threads of its own, which ThreadSanitizer cannot follow.
// True when the help text was showing, modal to the window.
inline bool ShowQuietly(CDlgDuplicateResults& window)
{
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.setUpdatesEnabled(false);
    window.show();
    OpenHelp(window);
    QMessageBox* help = window.HelpBox();
    const bool shown = help && help->isVisible() && help->windowModality() == Qt::WindowModal;
    if (help)
        help->button(QMessageBox::Ok)->click();
    return shown;
}

// Shows the window on its input and waits until its scan has gone through every step.
inline bool OpenAndScan(CDlgDuplicateResults& window)
{
    QSignalSpy finished(&window, &CDlgDuplicateResults::scanFinished);
    const bool helpShown = ShowQuietly(window);
    return helpShown && (finished.count() > 0 || finished.wait(60000));
}

} // namespace DuplicatesTest
