// The catalogue checker itself, on small made-up catalogues: every kind of fault is found and named,
// and a catalogue without faults passes.
#include "TsCheck.h"

#include <QBuffer>
#include <QtTest>

namespace {

// A catalogue of `language` with one context "Ctx" holding `messages` (XML of <message> elements).
TsCheck::Catalogue Catalogue(const char* messages, const char* language = "de")
{
    QByteArray xml =
        QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" "
                          "language=\"") +
        language + "\"><context><name>Ctx</name>" + messages + "</context></TS>";
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    return TsCheck::Read(buffer);
}

QByteArray Message(const char* source, const char* translation, const char* type = nullptr)
{
    return QByteArrayLiteral("<message><source>") + source + "</source><translation" +
           (type ? QByteArrayLiteral(" type=\"") + type + "\"" : QByteArray()) + ">" + translation +
           "</translation></message>";
}

QStringList Faults(const QByteArray& message, const char* language = "de")
{
    return TsCheck::Check(Catalogue(message.constData(), language));
}

} // namespace

class TestTsCheck : public QObject
{
    Q_OBJECT
private slots:
    void faultsAreFoundAndNamed_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fault");
        auto row = [](const char* name, const QByteArray& message, const char* fault,
                      const char* language = "de") {
            QTest::newRow(name) << message << QString::fromLatin1(language) << QString::fromUtf8(fault);
        };
        row("unfinished", Message("Open", "Öffnen", "unfinished"), "de: Ctx: \"Open\": unfinished");
        row("vanished", Message("Open", "Öffnen", "vanished"), "vanished");
        row("obsolete", Message("Open", "Öffnen", "obsolete"), "obsolete");
        row("empty", Message("Open", ""), "empty translation");
        row("no translation", "<message><source>Open</source></message>", "no translation");
        row("missing numerus form",
            "<message numerus=\"yes\"><source>%n file(s)</source><translation><numerusform>%n "
            "файл</numerusform>"
            "<numerusform>%n файла</numerusform></translation></message>",
            "2 numerus forms instead of 3", "ru");
        row("empty numerus form",
            "<message numerus=\"yes\"><source>%n file(s)</source><translation><numerusform>%n "
            "Datei</numerusform>"
            "<numerusform></numerusform></translation></message>",
            "empty translation");
        row("lost placeholder", Message("%1 of %2", "%1 von"), "placeholders %1 instead of %1 %2");
        row("doubled placeholder", Message("%1 files", "%1 Dateien (%1)"),
            "placeholders %1 %1 instead of %1");
        row("localised placeholder", Message("%L1 files", "%1 Dateien"), "placeholders %1 instead of %L1");
        row("printf placeholder", Message("%s and %d", "%s und"), "%s or %d placeholders differ");
        row("%n outside numerus", Message("%n found", "gefunden"), "%n placeholders differ");
        row("accelerator lost", Message("&amp;Open", "Öffnen"), "0 & accelerators instead of 1");
        row("accelerator doubled", Message("&amp;Open", "Ö&amp;ff&amp;nen"), "2 & accelerators instead of 1");
        row("line break", Message("Done", "Fertig\n"), "ends with a line break");
        row("malformed", "<message><source>Open</translation></message>", "line 3");
    }

    void faultsAreFoundAndNamed()
    {
        QFETCH(QByteArray, message);
        QFETCH(QString, language);
        QFETCH(QString, fault);
        const QStringList faults = Faults(message, language.toLatin1().constData());
        QVERIFY2(faults.size() == 1 && faults.front().contains(fault),
                 qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // What translators may do: reorder placeholders, leave %n out of a numerus form, write && or
    // an entity, put the accelerator in brackets, keep a line break the source has.
    void soundTranslationsPass()
    {
        const QByteArray messages = Message("%1 of %2", "%2 中的 %1") + Message("%s: %d", "%s : %d") +
                                    Message("Save &amp;&amp; &amp;Quit", "保存 &amp;&amp; 退出(&amp;Q)") +
                                    Message("A &lt;b&gt;bold&lt;/b&gt; &amp;nbsp; &amp;Word",
                                            "Ein &lt;b&gt;fettes&lt;/b&gt; &amp;nbsp; &amp;Wort") +
                                    Message("Line\n", "Zeile\n") +
                                    "<message numerus=\"yes\"><source>%n file(s) in "
                                    "%1</source><translation><numerusform>один файл в %1</numerusform>"
                                    "<numerusform>%n файла в %1</numerusform><numerusform>%n файлов в "
                                    "%1</numerusform></translation></message>";
        const TsCheck::Catalogue catalogue = Catalogue(messages.constData(), "ru");
        QCOMPARE(catalogue.language, QStringLiteral("ru"));
        QCOMPARE(catalogue.messages.size(), 6);
        QCOMPARE(catalogue.messages.back().forms.size(), 3);
        QCOMPARE(TsCheck::Check(catalogue), QStringList());
        QCOMPARE(TsCheck::PluralForms(QStringLiteral("zh_CN")), 1);
        QCOMPARE(TsCheck::PluralForms(QStringLiteral("pt_BR")), 2);
    }

    // One menu: a letter two items share in the translation but not in English is a clash; one they
    // already share in English is not.
    void acceleratorClashes()
    {
        QCOMPARE(TsCheck::Accelerator(QStringLiteral("文件(&F)")), QLatin1Char('f'));
        QCOMPARE(TsCheck::Accelerator(QStringLiteral("Fish && &Chips")), QLatin1Char('c'));
        QVERIFY(TsCheck::Accelerator(QStringLiteral("Fish && Chips")).isNull());
        // "&Files" and "&Find" share F in English, so their translations may share a letter too.
        const QStringList english{QStringLiteral("&Status Bar"), QStringLiteral("&Caption Bar"),
                                  QStringLiteral("&Files"), QStringLiteral("&Find")};
        QCOMPARE(TsCheck::AcceleratorClashes(english,
                                             {QStringLiteral("&Statusleiste"), QStringLiteral("&Titelleiste"),
                                              QStringLiteral("&Dateien"), QStringLiteral("&Dateisuche")}),
                 QStringList());
        QCOMPARE(TsCheck::AcceleratorClashes(
                     english, {QStringLiteral("&Statusleiste"), QStringLiteral("&Schriftleiste"),
                               QStringLiteral("&Dateien"), QStringLiteral("&Dateisuche")}),
                 QStringList(QStringLiteral("&Statusleiste / &Schriftleiste (&s)")));
    }
};

QTEST_GUILESS_MAIN(TestTsCheck)
#include "tst_tscheck.moc"
