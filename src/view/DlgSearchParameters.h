#pragma once

#include "engine/SettingsSection.h"

#include <QDialog>

class QLineEdit;

// Asks for the search word; shows the folder to search, read-only. OK stores the word.
class CDlgSearchParameters : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgSearchParameters(QWidget* parent = nullptr);

    QLineEdit* WordEdit() const { return m_wordEdit; }
    QLineEdit* PathEdit() const { return m_pathEdit; }

    void accept() override; // OnOK

private:
    void OnInitDialog();

    CSettingsSection m_settings;
    QString m_pathText;
    QString m_wordText;
    QLineEdit* m_wordEdit = nullptr;
    QLineEdit* m_pathEdit = nullptr;
};
