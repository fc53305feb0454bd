#include "view/DlgSearchParameters.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CDlgSearchParameters::CDlgSearchParameters(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    auto* group = new QGroupBox(tr("Search by Partial or Full File Name"), this);
    auto* wordLabel = new QLabel(tr("&Search Word :"), group);
    m_wordEdit = new QLineEdit(group);
    wordLabel->setBuddy(m_wordEdit);
    auto* pathLabel = new QLabel(tr("Search &Path :"), group);
    m_pathEdit = new QLineEdit(group);
    m_pathEdit->setReadOnly(true);
    m_pathEdit->setFocusPolicy(Qt::ClickFocus); // shown only: no tab stop
    pathLabel->setBuddy(m_pathEdit);
    // The labels' colons and mnemonic marks are not said.
    m_wordEdit->setAccessibleName(tr("Search Word"));
    m_pathEdit->setAccessibleName(tr("Search Path"));

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(14, 18, 14, 14);
    grid->setVerticalSpacing(12);
    grid->addWidget(wordLabel, 0, 0);
    grid->addWidget(m_wordEdit, 0, 1);
    grid->addWidget(pathLabel, 1, 0);
    grid->addWidget(m_pathEdit, 1, 1);

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    auto* ok = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    ok->setDefault(true);
    ok->setMinimumSize(140, 44);
    cancel->setMinimumSize(140, 44);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(icon);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setMinimumWidth(474);

    OnInitDialog();
}

void CDlgSearchParameters::OnInitDialog()
{
    m_settings.ReadLastFolderSelected(m_pathText);
    m_settings.ReadSearchWord(m_wordText);
    m_pathEdit->setText(m_pathText);
    m_wordEdit->setText(m_wordText);
    setWindowTitle(tr("Specify Search Parameters - %1").arg(QCoreApplication::applicationName()));
    setWindowIcon(QApplication::windowIcon());
    m_wordEdit->setFocus();
}

void CDlgSearchParameters::accept()
{
    m_wordText = m_wordEdit->text();
    m_settings.WriteSearchWord(m_wordText);
    QDialog::accept();
}
