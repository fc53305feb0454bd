#pragma once

#include <QString>

#include "view/Commands.h"

// The document: nothing but the folder chosen last in the folder tree. Lives on the user-interface
// thread; a search takes its own copy when it starts.
class CPendrakeDoc : public CCmdTarget
{
public:
    void SetSelectedFolder(QString path) { m_selectedFolder = std::move(path); }
    const QString& SelectedFolder() const { return m_selectedFolder; }

    QString m_selectedFolder;
};
