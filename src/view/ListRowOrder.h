#pragma once

#include "view/ListSortFilter.h"

class FileListModel;
class FolderListModel;

// The file list's rows: File Name sorts by name, then folder; Folder by folder, then name; both in
// natural order, ties in the found order. Size sorts by the number of bytes, Modified by the time,
// ties in the found order, files whose status cannot be read (or is not read yet: no status is read
// for a sort, which waits for the reader on its own thread) first and status lines last. The
// filter keeps rows whose name or folder contains its text, case-insensitive.
class FileRows : public RowSource
{
public:
    explicit FileRows(const FileListModel& model) : m_model(model) {}
    std::vector<int> SortedRows(int column) const override;
    Matcher MakeMatcher(const QString& text) const override;
    std::string RowPath(int row) const override;

private:
    std::vector<int> SortedByStatus(int column) const;

    const FileListModel& m_model;
};

// The folder list's rows: Folder sorts in natural order, Files Count by the count; ties in the
// found order. The folder list has no filter.
class FolderRows : public RowSource
{
public:
    explicit FolderRows(const FolderListModel& model) : m_model(model) {}
    std::vector<int> SortedRows(int column) const override;
    Matcher MakeMatcher(const QString&) const override { return {}; }
    std::string RowPath(int row) const override;

private:
    const FolderListModel& m_model;
};
