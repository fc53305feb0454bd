#pragma once

#include "engine/AppHelper.h"

#include <QFile>
#include <QStringList>
#include <QTest>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

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

// Makes `levels` nested folders named "dd" under `root`, each holding one file "f<level>", working
// relative to open descriptors so no path is ever longer than one name.
inline void MakeDeepChain(const QString& root, int levels)
{
    int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    for (int level = 0; level < levels; ++level) {
        const QByteArray file = "f" + QByteArray::number(level);
        const int f = ::openat(fd, file.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(f >= 0);
        ::close(f);
        QVERIFY(::mkdirat(fd, "dd", 0755) == 0);
        const int next = ::openat(fd, "dd", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        QVERIFY(next >= 0);
        fd = next;
    }
    ::close(fd);
}

// Removes what MakeDeepChain made, bottom up, holding one descriptor at a time.
inline void RemoveDeepChain(const QString& root, int levels)
{
    int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; fd >= 0 && level < levels; ++level) {
        const int next = ::openat(fd, "dd", O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        ::close(fd);
        fd = next;
    }
    for (int level = levels; fd >= 0 && level > 0; --level) {
        const int up = ::openat(fd, "..", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = up;
        if (fd < 0)
            break;
        ::unlinkat(fd, "dd", AT_REMOVEDIR);
        ::unlinkat(fd, QByteArray("f" + QByteArray::number(level - 1)).constData(), 0);
    }
    if (fd >= 0)
        ::close(fd);
}
