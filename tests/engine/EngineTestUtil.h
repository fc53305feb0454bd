#pragma once

#include "engine/AppHelper.h"

#include <QStringList>
#include <functional>

// An engine that records what the walk reports.
class RecordingEngine : public CAppHelper
{
public:
    QStringList found;        // full paths, in the order reported
    QStringList foundFolders; // folder text of each report (GetRoot without the trailing "/")
    std::function<void(const CFileFind&)> onFound;

    void OnFileFound(const CFileFind& find) override
    {
        found << find.GetFilePath();
        QString root = find.GetRoot();
        if (root.size() > 1)
            root.chop(1);
        foundFolders << root;
        if (onFound)
            onFound(find);
    }

    // LoadOptions, then the walk of `folder` with `word`.
    void Search(const QString& folder, const QString& word = {})
    {
        LoadOptions();
        m_startFolder = folder;
        m_searchWord = word;
        RunSearch();
    }

    QStringList SortedNames() const
    {
        QStringList names;
        for (const QString& path : found)
            names << path.section(QLatin1Char('/'), -1);
        names.sort();
        return names;
    }
};
