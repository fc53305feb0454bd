#pragma once

#include "engine/SettingsSection.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class SearchOptionsPanel;

// Asks for the search word; shows the folder to search, read-only. The word box offers the words
// searched for last. "More Options" unfolds the options beyond the word (SearchFilters), folded at
// first; while folded, options in force are named under the word. A regular expression that cannot
// be used is shown beside its field and OK stays disabled. OK stores the word, the word history and
// the options.
class CDlgSearchParameters : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgSearchParameters(QWidget* parent = nullptr);

    QComboBox* WordBox() const { return m_wordBox; }
    QLineEdit* WordEdit() const;
    QLineEdit* PathEdit() const { return m_pathEdit; }
    QToolButton* MoreOptionsButton() const { return m_moreOptions; }
    SearchOptionsPanel* OptionsPanel() const { return m_panel; }
    QPushButton* OkButton() const { return m_ok; }
    QLabel* WordError() const { return m_wordError; }
    QLabel* OptionsNote() const { return m_optionsNote; }

    void accept() override; // OnOK

private:
    void OnInitDialog();
    void ShowMoreOptions(bool show);
    // Checks the word and the options, shows what is wrong and enables OK only when nothing is.
    void CheckInput();

    CSettingsSection m_settings;
    QString m_pathText;
    QString m_wordText;
    QComboBox* m_wordBox = nullptr;
    QLineEdit* m_pathEdit = nullptr;
    QLabel* m_wordError = nullptr;
    QLabel* m_optionsNote = nullptr;
    QToolButton* m_moreOptions = nullptr;
    SearchOptionsPanel* m_panel = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
