#pragma once

#include "duplicates/scan/KeepRules.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <string>

// "Select Files to Remove": the ordered rules that choose the file that stays in each group (each
// on or off; "first in the list" always last) and the reference folders in order of priority. The
// window reads the choice back when the user presses OK; LoadKeepRules and SaveKeepRules keep it
// in the settings between sessions.
class DlgKeepRules : public QDialog
{
    Q_OBJECT
public:
    explicit DlgKeepRules(const KeepRules::RuleSet& rules, QWidget* parent = nullptr);

    KeepRules::RuleSet Rules() const;
    // Adds a folder (exact bytes) at the end of the reference folders, once.
    void AddReferenceFolder(const std::string& native);

    // For tests.
    QListWidget& RuleList() { return m_rules; }
    QListWidget& FolderList() { return m_folders; }
    QPushButton& AddFolderButton() { return m_addFolder; }

    // The user's display name of a rule.
    static QString RuleText(KeepRules::Rule rule);

private:
    void MoveRule(int step);
    void MoveFolder(int step);
    void ChooseFolder();
    void RemoveFolder();
    void UpdateButtons();

    QListWidget m_rules;
    QListWidget m_folders;
    QPushButton m_ruleUp, m_ruleDown, m_addFolder, m_removeFolder, m_folderUp, m_folderDown;
};

// The choice as the settings hold it (group "Duplicates"); the defaults when never kept.
KeepRules::RuleSet LoadKeepRules();
void SaveKeepRules(const KeepRules::RuleSet& rules);
