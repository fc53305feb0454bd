// Every catalogue of translations/ is whole (tests/i18n/TsCheck.h says what that means) and holds
// exactly the texts the sources show, so a text added without scripts/update-translations.sh, or one
// left behind after its removal, fails here too. The accelerators within one menu are checked on
// the real menus, by tst_translatedwindows.
#include "TsCheck.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString CataloguePath(const QString& language)
{
    return QStringLiteral(TRESMOLO_TRANSLATIONS_DIR "/tresmolo_%1.ts").arg(language);
}

// Each message as "context | source" (and " | comment" when it has one), the key by which the program looks
// it up.
QSet<QString> Keys(const TsCheck::Catalogue& catalogue)
{
    QSet<QString> keys;
    for (const TsCheck::Message& message : catalogue.messages)
        keys.insert(message.context + QStringLiteral(" | ") + message.source +
                    (message.comment.isEmpty() ? QString() : QStringLiteral(" | ") + message.comment));
    return keys;
}

// Fails with up to 40 of `lines`, and how many there are.
void FailWith(const QString& what, QStringList lines)
{
    const qsizetype count = lines.size();
    if (count > 40)
        lines = lines.mid(0, 40) << QStringLiteral("...");
    QFAIL(qPrintable(QStringLiteral("%1 (%2):\n").arg(what).arg(count) + lines.join(QLatin1Char('\n'))));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
    QTemporaryDir m_temporary;
    QSet<QString> m_sourceKeys; // what lupdate finds in the sources today

    static void LanguageRows()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringLiteral(TRESMOLO_LANGUAGES).split(QLatin1Char(' ')))
            QTest::newRow(qPrintable(language)) << language;
    }

private slots:
    // The catalogues in translations/ are those of the languages the build knows, no more.
    void initTestCase()
    {
        QStringList languages = QStringLiteral(TRESMOLO_LANGUAGES).split(QLatin1Char(' '));
        QStringList files;
        for (const QString& name :
             QDir(QStringLiteral(TRESMOLO_TRANSLATIONS_DIR)).entryList({QStringLiteral("*.ts")}, QDir::Files))
            files << name;
        for (QString& language : languages)
            language = QStringLiteral("tresmolo_%1.ts").arg(language);
        languages.sort();
        QCOMPARE(files, languages);

        // A fresh catalogue from the sources, as scripts/update-translations.sh would make one.
        QVERIFY(m_temporary.isValid());
        const QString fresh = m_temporary.filePath(QStringLiteral("tresmolo_de.ts"));
        QProcess lupdate;
        const QStringList arguments = QStringList{QStringLiteral("@" TRESMOLO_TRANSLATED_SOURCES_LIST)}
                                      << QStringLiteral(TRESMOLO_LUPDATE_OPTIONS).split(QLatin1Char(' '))
                                      << QStringLiteral("-silent") << QStringLiteral("-ts") << fresh;
        lupdate.start(QStringLiteral(TRESMOLO_LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAllStandardError().constData());
        const TsCheck::Catalogue catalogue = TsCheck::ReadFile(fresh);
        QCOMPARE(catalogue.error, QString());
        m_sourceKeys = Keys(catalogue);
        QVERIFY(m_sourceKeys.size() > 100);
    }

    void catalogueIsWhole_data() { LanguageRows(); }
    void catalogueIsWhole()
    {
        QFETCH(QString, language);
        const TsCheck::Catalogue catalogue = TsCheck::ReadFile(CataloguePath(language));
        // lupdate names the territory too ("de_DE" for tresmolo_de.ts).
        QCOMPARE(QLocale(catalogue.language).language(), QLocale(language).language());
        const QStringList faults = TsCheck::Check(catalogue);
        if (!faults.isEmpty())
            FailWith(QStringLiteral("faults in the %1 catalogue").arg(language), faults);
    }

    void catalogueHoldsTheSourcesTexts_data() { LanguageRows(); }
    void catalogueHoldsTheSourcesTexts()
    {
        QFETCH(QString, language);
        const QSet<QString> keys = Keys(TsCheck::ReadFile(CataloguePath(language)));
        QStringList wrong;
        for (const QString& key : m_sourceKeys - keys)
            wrong << QStringLiteral("%1: not in the catalogue: %2").arg(language, key);
        for (const QString& key : keys - m_sourceKeys)
            wrong << QStringLiteral("%1: no longer in the sources: %2").arg(language, key);
        wrong.sort();
        if (!wrong.isEmpty())
            FailWith(QStringLiteral("run scripts/update-translations.sh"), wrong);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
