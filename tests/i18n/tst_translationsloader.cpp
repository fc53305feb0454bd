// How the program picks and loads its catalogues: the user's languages in order (English first means
// none), the installed folder before the build tree's, Qt's own catalogue beside the program's.
#include "shell/Translations.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTranslator>

class TestTranslationsLoader : public QObject
{
    Q_OBJECT
public:
    explicit TestTranslationsLoader(const TestHome&) {}

private:
    QTemporaryDir m_root;

    QString Folder(const QString& relative) const
    {
        const QString path = m_root.filePath(relative);
        QDir().mkpath(path);
        return path;
    }

private slots:
    void theFirstLanguageWithACatalogueWins()
    {
        const QString folder = Folder(QStringLiteral("choose"));
        for (const char* name : {"tresmolo_de.qm", "tresmolo_pt_BR.qm", "tresmolo_zh_CN.qm"})
            WriteFile(folder + QLatin1Char('/') + QLatin1String(name), "x");
        auto choose = [&](const QStringList& languages) { return Translations::Choose(languages, folder); };
        QCOMPARE(choose({QStringLiteral("de-DE"), QStringLiteral("de-Latn-DE"), QStringLiteral("de")}),
                 QStringLiteral("de"));
        QCOMPARE(choose({QStringLiteral("nl-NL"), QStringLiteral("xx-YY"), QStringLiteral("de-AT")}),
                 QStringLiteral("de"));
        QCOMPARE(choose({QStringLiteral("pt-PT"), QStringLiteral("pt")}), QStringLiteral("pt_BR"));
        QCOMPARE(choose({QStringLiteral("zh-Hans-CN")}), QStringLiteral("zh_CN"));
        // English is the sources' language, C the untranslated locale: nothing after them counts.
        QCOMPARE(choose({QStringLiteral("en-GB"), QStringLiteral("de-DE")}), QString());
        QCOMPARE(choose({QStringLiteral("C")}), QString());
        QCOMPARE(choose({QStringLiteral("fr-FR"), QStringLiteral("ja-JP")}), QString());
        QCOMPARE(Translations::Choose({QStringLiteral("de")}, QString()), QString());
    }

    // <prefix>/bin/tresmolo reads <prefix>/share/tresmolo/translations; a program inside a build
    // tree reads that tree's; any other program neither.
    void theInstalledFolderThenTheBuildTrees()
    {
        const QString build = Folder(QStringLiteral("build"));
        const QString built = Folder(QStringLiteral("build/translations"));
        const QString program = Folder(QStringLiteral("build/src"));
        const QString fromProgram = QStringLiteral("../share/tresmolo/translations");
        QCOMPARE(Translations::Folder({program, fromProgram, built}), QString());
        WriteFile(built + QStringLiteral("/tresmolo_de.qm"), "x");
        QCOMPARE(Translations::Folder({program, fromProgram, built}), built);
        QCOMPARE(Translations::Folder({build, fromProgram, built}), built);
        QCOMPARE(Translations::Folder({Folder(QStringLiteral("build-other/src")), fromProgram, built}),
                 QString());

        const QString installed = Folder(QStringLiteral("build/share/tresmolo/translations"));
        QCOMPARE(Translations::Folder({program, fromProgram, built}), built);
        WriteFile(installed + QStringLiteral("/tresmolo_fr.qm"), "x");
        QCOMPARE(Translations::Folder({program, fromProgram, built}), installed);
    }

    // The program's catalogue and Qt's (qtbase_, else qt_) are installed, parented to the
    // application; a catalogue without translations, or one that is no catalogue, is not.
    void bothCataloguesAreInstalled()
    {
        const QString folder = Folder(QStringLiteral("install"));
        const QString qt = Folder(QStringLiteral("qt"));
        WriteFile(
            folder + QStringLiteral("/source.ts"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de\">"
            "<context><name>Probe</name><message><source>Open</source><translation>Öffnen</translation>"
            "</message></context></TS>");
        QCOMPARE(QProcess::execute(QStringLiteral(TRESMOLO_LRELEASE),
                                   {QStringLiteral("-silent"), folder + QStringLiteral("/source.ts"),
                                    QStringLiteral("-qm"), folder + QStringLiteral("/tresmolo_de.qm")}),
                 0);
        QFile::copy(folder + QStringLiteral("/tresmolo_de.qm"), qt + QStringLiteral("/qt_de.qm"));
        WriteFile(folder + QStringLiteral("/tresmolo_fr.qm"), "no catalogue");
        QCoreApplication& app = *QCoreApplication::instance();

        QCOMPARE(Translations::Install(app, QStringLiteral("fr"), folder, qt), 0);
        QCOMPARE(Translations::Install(app, QStringLiteral("de"), folder, qt), 2);
        QCOMPARE(app.findChildren<QTranslator*>().size(), 2);
        QCOMPARE(QCoreApplication::translate("Probe", "Open"), QStringLiteral("Öffnen"));
        qDeleteAll(app.findChildren<QTranslator*>());
        QCOMPARE(QCoreApplication::translate("Probe", "Open"), QStringLiteral("Open"));
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestTranslationsLoader)
#include "tst_translationsloader.moc"
