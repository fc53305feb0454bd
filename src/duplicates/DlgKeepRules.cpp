#include "duplicates/DlgKeepRules.h"

#include "engine/SettingsKeys.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "view/Seams.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using KeepRules::Rule;

namespace {

QString Section()
{
    return QString::fromLatin1(Settings::kDuplicatesSection);
}

constexpr int kRuleRole = Qt::UserRole;
constexpr int kNativeRole = Qt::UserRole + 1;

} // namespace

QString DlgKeepRules::RuleText(Rule rule)
{
    switch (rule) {
    case Rule::ReferenceFolder:
        return tr("In a reference folder");
    case Rule::OldestModified:
        return tr("Oldest modified");
    case Rule::NewestModified:
        return tr("Newest modified");
    case Rule::ShortestPath:
        return tr("Shortest path");
    case Rule::LongestPath:
        return tr("Longest path");
    case Rule::FirstInList:
        break;
    }
    return tr("First in the list");
}

DlgKeepRules::DlgKeepRules(const KeepRules::RuleSet& rules, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KeepRules"));
    setWindowTitle(tr("Select Files to Remove"));

    for (const KeepRules::RuleSwitch& entry : rules.order) {
        auto* item = new QListWidgetItem(RuleText(entry.rule), &m_rules);
        item->setData(kRuleRole, int(entry.rule));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.on ? Qt::Checked : Qt::Unchecked);
    }
    // Always on and always last: it decides whatever the others leave open.
    auto* last = new QListWidgetItem(RuleText(Rule::FirstInList), &m_rules);
    last->setData(kRuleRole, int(Rule::FirstInList));
    last->setFlags(Qt::NoItemFlags);
    last->setCheckState(Qt::Checked);
    m_rules.setAccessibleName(tr("Rules"));
    for (const std::string& folder : rules.referenceFolders)
        AddReferenceFolder(folder);
    m_folders.setAccessibleName(tr("Reference folders"));

    m_ruleUp.setText(tr("Move Up"));
    m_ruleDown.setText(tr("Move Down"));
    m_folderUp.setText(tr("Move Up"));
    m_folderDown.setText(tr("Move Down"));
    m_addFolder.setText(tr("Add Folder..."));
    m_removeFolder.setText(tr("Remove"));
    for (QPushButton* button :
         {&m_ruleUp, &m_ruleDown, &m_folderUp, &m_folderDown, &m_addFolder, &m_removeFolder})
        button->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    auto* rulesLabel = new QLabel(
        tr("The file that stays in each group is chosen by the first rule that tells the files apart:"));
    rulesLabel->setWordWrap(true);
    layout->addWidget(rulesLabel, 0, 0, 1, 2);
    layout->addWidget(&m_rules, 1, 0);
    auto* ruleButtons = new QVBoxLayout;
    ruleButtons->addWidget(&m_ruleUp);
    ruleButtons->addWidget(&m_ruleDown);
    ruleButtons->addStretch();
    layout->addLayout(ruleButtons, 1, 1);
    auto* foldersLabel = new QLabel(tr("Reference folders, first the most important (files in them are never "
                                       "checked, not even by Check All):"));
    foldersLabel->setWordWrap(true);
    layout->addWidget(foldersLabel, 2, 0, 1, 2);
    layout->addWidget(&m_folders, 3, 0);
    auto* folderButtons = new QVBoxLayout;
    for (QPushButton* button : {&m_addFolder, &m_removeFolder, &m_folderUp, &m_folderDown})
        folderButtons->addWidget(button);
    folderButtons->addStretch();
    layout->addLayout(folderButtons, 3, 1);
    auto* note = new QLabel(tr("OK checks every other file of each group, except hard links of the file that "
                               "stays."));
    note->setWordWrap(true);
    layout->addWidget(note, 4, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons, 5, 0, 1, 2);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_ruleUp, &QPushButton::clicked, this, [this] { MoveRule(-1); });
    connect(&m_ruleDown, &QPushButton::clicked, this, [this] { MoveRule(1); });
    connect(&m_folderUp, &QPushButton::clicked, this, [this] { MoveFolder(-1); });
    connect(&m_folderDown, &QPushButton::clicked, this, [this] { MoveFolder(1); });
    connect(&m_addFolder, &QPushButton::clicked, this, &DlgKeepRules::ChooseFolder);
    connect(&m_removeFolder, &QPushButton::clicked, this, &DlgKeepRules::RemoveFolder);
    connect(&m_rules, &QListWidget::currentRowChanged, this, &DlgKeepRules::UpdateButtons);
    connect(&m_folders, &QListWidget::currentRowChanged, this, &DlgKeepRules::UpdateButtons);
    m_rules.setCurrentRow(0);
    UpdateButtons();
}

KeepRules::RuleSet DlgKeepRules::Rules() const
{
    KeepRules::RuleSet rules;
    for (int row = 0; row + 1 < m_rules.count(); ++row) {
        const QListWidgetItem* item = m_rules.item(row);
        rules.order.push_back({Rule(item->data(kRuleRole).toInt()), item->checkState() == Qt::Checked});
    }
    for (int row = 0; row < m_folders.count(); ++row)
        rules.referenceFolders.push_back(m_folders.item(row)->data(kNativeRole).toByteArray().toStdString());
    return rules;
}

void DlgKeepRules::AddReferenceFolder(const std::string& native)
{
    std::string folder = native;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (folder.empty() || folder.front() != '/')
        return;
    for (int row = 0; row < m_folders.count(); ++row) {
        if (m_folders.item(row)->data(kNativeRole).toByteArray().toStdString() == folder)
            return;
    }
    auto* item = new QListWidgetItem(platform::DisplayText(folder), &m_folders);
    item->setData(kNativeRole, QByteArray::fromStdString(folder));
    m_folders.setCurrentItem(item);
    UpdateButtons();
}

void DlgKeepRules::MoveRule(int step)
{
    // The last line, "first in the list", never moves, and nothing moves below it.
    const int row = m_rules.currentRow();
    const int to = row + step;
    if (row < 0 || row + 1 >= m_rules.count() || to < 0 || to + 1 >= m_rules.count())
        return;
    m_rules.insertItem(to, m_rules.takeItem(row));
    m_rules.setCurrentRow(to);
}

void DlgKeepRules::MoveFolder(int step)
{
    const int row = m_folders.currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= m_folders.count())
        return;
    m_folders.insertItem(to, m_folders.takeItem(row));
    m_folders.setCurrentRow(to);
}

void DlgKeepRules::ChooseFolder()
{
    QFileDialog dialog(this, tr("Add Reference Folder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (Seams::RunDialog(dialog) != QDialog::Accepted)
        return;
    for (const QString& folder : dialog.selectedFiles())
        AddReferenceFolder(QFile::encodeName(folder).toStdString());
}

void DlgKeepRules::RemoveFolder()
{
    delete m_folders.takeItem(m_folders.currentRow());
    UpdateButtons();
}

void DlgKeepRules::UpdateButtons()
{
    const int rule = m_rules.currentRow();
    m_ruleUp.setEnabled(rule > 0 && rule + 1 < m_rules.count());
    m_ruleDown.setEnabled(rule >= 0 && rule + 2 < m_rules.count());
    const int folder = m_folders.currentRow();
    m_removeFolder.setEnabled(folder >= 0);
    m_folderUp.setEnabled(folder > 0);
    m_folderDown.setEnabled(folder >= 0 && folder + 1 < m_folders.count());
}

KeepRules::RuleSet LoadKeepRules()
{
    using Settings::DuplicatesKey;
    const QString order = platform::GetProfileString(Section(), Settings::Name(DuplicatesKey::KeepRules),
                                                     Settings::StringDefault(DuplicatesKey::KeepRules));
    const QString folders =
        platform::GetProfileString(Section(), Settings::Name(DuplicatesKey::ReferenceFolders),
                                   Settings::StringDefault(DuplicatesKey::ReferenceFolders));
    return KeepRules::RuleSet::FromTexts(order.toLatin1().toStdString(), folders.toLatin1().toStdString());
}

void SaveKeepRules(const KeepRules::RuleSet& rules)
{
    using Settings::DuplicatesKey;
    const platform::ProfileWriteBatch batch; // both values in one rewrite
    platform::WriteProfileString(Section(), Settings::Name(DuplicatesKey::KeepRules),
                                 QString::fromStdString(rules.OrderText()));
    platform::WriteProfileString(Section(), Settings::Name(DuplicatesKey::ReferenceFolders),
                                 QString::fromStdString(rules.FoldersText()));
}
