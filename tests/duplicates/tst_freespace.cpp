// Freeing space from the results window: the rules dialog and what it remembers, checking by rule
// with "keeps" and the summary, reference folders under Check All and every removing command, and
// the two replacements with their report and log.
#include "DuplicatesTestUtil.h"
#include "duplicates/DlgKeepRules.h"
#include "platform/SettingsStore.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSettings>

using namespace DuplicatesTest;

class TestFreeSpace : public QObject
{
    Q_OBJECT
public:
    explicit TestFreeSpace(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

    static QStringList RuleTexts(DlgKeepRules& dialog)
    {
        QStringList texts;
        for (int row = 0; row < dialog.RuleList().count(); ++row) {
            const QListWidgetItem* item = dialog.RuleList().item(row);
            texts << (item->checkState() == Qt::Checked ? QStringLiteral("+") : QStringLiteral("-")) +
                         item->text();
        }
        return texts;
    }
    static void Click(QWidget& dialog, const QString& text, int occurrence = 0)
    {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text && occurrence-- == 0) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button ") + text));
    }

private slots:
    void init() { m_home.ClearSettings(); }

    void theRulesDialogOrdersRulesAndFoldersAndRemembersThem()
    {
        DlgKeepRules dialog(LoadKeepRules());
        QCOMPARE(RuleTexts(dialog), Texts({"+In a reference folder", "+Oldest modified", "-Newest modified",
                                           "+Shortest path", "-Longest path", "+First in the list"}));
        // "First in the list" stays last, on, and cannot be moved past.
        dialog.RuleList().setCurrentRow(4);
        Click(dialog, QStringLiteral("Move Down"));
        dialog.RuleList().setCurrentRow(2);
        Click(dialog, QStringLiteral("Move Up"));
        Click(dialog, QStringLiteral("Move Up"));
        dialog.RuleList().item(0)->setCheckState(Qt::Checked);
        dialog.RuleList().item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(RuleTexts(dialog), Texts({"+Newest modified", "-In a reference folder", "+Oldest modified",
                                           "+Shortest path", "-Longest path", "+First in the list"}));
        QVERIFY(!(dialog.RuleList().item(5)->flags() & Qt::ItemIsUserCheckable));

        // Folders come from the folder chooser, once each, in order; the first can go down.
        QTemporaryDir dir;
        const QString second = dir.path() + QStringLiteral("/second");
        QDir().mkpath(second);
        Seams::SetDialogRunner([&](QDialog& chooser) {
            static_cast<QFileDialog&>(chooser).selectFile(second);
            return int(QDialog::Accepted);
        });
        dialog.AddReferenceFolder(QFile::encodeName(dir.path()).toStdString() + "/");
        dialog.AddFolderButton().click();
        dialog.AddFolderButton().click();
        Seams::SetDialogRunner({});
        QCOMPARE(dialog.FolderList().count(), 2);
        dialog.FolderList().setCurrentRow(0);
        Click(dialog, QStringLiteral("Move Down"), 1);
        SaveKeepRules(dialog.Rules());

        const KeepRules::RuleSet read = LoadKeepRules();
        QCOMPARE(read.OrderText(), std::string("newest,-reference,oldest,shortest,-longest"));
        QVERIFY(read.referenceFolders ==
                std::vector<std::string>(
                    {QFile::encodeName(second).toStdString(), QFile::encodeName(dir.path()).toStdString()}));
        // Its own settings group: the "Settings" group is not touched.
        QSettings store(platform::ProfileStoreFile(), QSettings::NativeFormat);
        QVERIFY(store.childGroups().contains(QStringLiteral("Duplicates")));
        QVERIFY(!store.childGroups().contains(QStringLiteral("Settings")));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestFreeSpace)
#include "tst_freespace.moc"
