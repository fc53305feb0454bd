#include "TsCheck.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace TsCheck {
namespace {

// Reads one <message>: its source, its translation or numerus forms; the reader stands on its start.
Message ReadMessage(QXmlStreamReader& xml, const QString& context)
{
    Message message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus) {
                message.forms.append(xml.readElementText());
                continue;
            }
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("numerusform"))
                    message.forms.append(xml.readElementText());
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

// The placeholders of `text` by kind: "%1", "%L2", ... as they are written, and the counts of %s,
// %d and %n (%Ln counts as %n). "%%" is a plain percent sign.
struct Placeholders
{
    QStringList numbered;
    int s = 0;
    int d = 0;
    int n = 0;
};

Placeholders PlaceholdersOf(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%%|%L?[0-9]{1,2}|%L?n|%s|%d"));
    Placeholders found;
    for (auto it = pattern.globalMatch(text); it.hasNext();) {
        const QString token = it.next().captured();
        if (token == QLatin1String("%%"))
            continue;
        if (token.back() == QLatin1Char('n'))
            ++found.n;
        else if (token == QLatin1String("%s"))
            ++found.s;
        else if (token == QLatin1String("%d"))
            ++found.d;
        else
            found.numbered.append(token);
    }
    found.numbered.sort();
    return found;
}

// Where the & accelerators of `text` stand: a single & before a character, unless it begins an
// entity such as &amp; (a rich text's). "&&" is a plain ampersand.
QList<qsizetype> AcceleratorPlaces(const QString& text)
{
    static const QRegularExpression entity(QStringLiteral("^&(#[0-9]+|#x[0-9a-fA-F]+|[A-Za-z]+);"));
    QList<qsizetype> places;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&'))
            ++i;
        else if (!entity.match(QStringView(text).mid(i)).hasMatch())
            places.append(i);
    }
    return places;
}

qsizetype AcceleratorCount(const QString& text)
{
    return AcceleratorPlaces(text).size();
}

bool EndsWithLineBreak(const QString& text)
{
    return text.endsWith(QLatin1Char('\n'));
}

// Compares one translated form with the source; `mayLeaveOutN` for numerus forms.
void CheckForm(const QString& source, const QString& form, bool mayLeaveOutN, QStringList& faults)
{
    if (form.isEmpty()) {
        faults.append(QStringLiteral("empty translation"));
        return;
    }
    const Placeholders want = PlaceholdersOf(source);
    const Placeholders got = PlaceholdersOf(form);
    if (got.numbered != want.numbered)
        faults.append(QStringLiteral("placeholders %1 instead of %2")
                          .arg(got.numbered.join(QLatin1Char(' ')), want.numbered.join(QLatin1Char(' '))));
    if (got.s != want.s || got.d != want.d)
        faults.append(QStringLiteral("%s or %d placeholders differ from the source"));
    if (got.n != want.n && !(mayLeaveOutN && got.n == 0))
        faults.append(QStringLiteral("%n placeholders differ from the source"));
    if (AcceleratorCount(form) != AcceleratorCount(source))
        faults.append(QStringLiteral("%1 & accelerators instead of %2")
                          .arg(AcceleratorCount(form))
                          .arg(AcceleratorCount(source)));
    if (EndsWithLineBreak(form) && !EndsWithLineBreak(source))
        faults.append(QStringLiteral("ends with a line break the source does not have"));
}

} // namespace

Catalogue Read(QIODevice& device)
{
    Catalogue catalogue;
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        catalogue.error = QStringLiteral("not a Qt Linguist catalogue");
        return catalogue;
    }
    catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                catalogue.messages.append(ReadMessage(xml, context));
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        catalogue.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return catalogue;
}

Catalogue ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Catalogue catalogue;
        catalogue.error = file.errorString();
        return catalogue;
    }
    return Read(file);
}

int PluralForms(const QString& language)
{
    const QString code = language.section(QLatin1Char('_'), 0, 0);
    static const QMap<QString, int> forms{{QStringLiteral("ja"), 1}, {QStringLiteral("zh"), 1},
                                          {QStringLiteral("ko"), 1}, {QStringLiteral("ru"), 3},
                                          {QStringLiteral("uk"), 3}, {QStringLiteral("pl"), 3}};
    return forms.value(code, 2);
}

QStringList Check(const Catalogue& catalogue)
{
    // A catalogue that could not be read whole is that one fault; what was read of it may be cut.
    if (!catalogue.error.isEmpty())
        return {QStringLiteral("%1: %2").arg(catalogue.language, catalogue.error)};
    QStringList found;
    for (const Message& message : catalogue.messages) {
        QStringList faults;
        if (message.type == QLatin1String("unfinished"))
            faults.append(QStringLiteral("unfinished"));
        else if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete"))
            faults.append(QStringLiteral("%1 (the sources no longer have it)").arg(message.type));
        const int wanted = message.numerus ? PluralForms(catalogue.language) : 1;
        if (message.forms.isEmpty())
            faults.append(QStringLiteral("no translation"));
        else if (message.type.isEmpty() && message.forms.size() != wanted)
            faults.append(
                QStringLiteral("%1 numerus forms instead of %2").arg(message.forms.size()).arg(wanted));
        if (message.type.isEmpty()) {
            for (const QString& form : message.forms)
                CheckForm(message.source, form, message.numerus, faults);
        }
        faults.removeDuplicates();
        for (const QString& fault : faults)
            found.append(QStringLiteral("%1: %2: \"%3\": %4")
                             .arg(catalogue.language, message.context, message.source, fault));
    }
    return found;
}

QChar Accelerator(const QString& text)
{
    const QList<qsizetype> places = AcceleratorPlaces(text);
    return places.isEmpty() ? QChar() : text[places.front() + 1].toLower();
}

QStringList AcceleratorClashes(const QStringList& english, const QStringList& translated)
{
    QStringList clashes;
    const qsizetype count = qMin(english.size(), translated.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QChar letter = Accelerator(translated[i]);
        if (letter.isNull())
            continue;
        for (qsizetype j = i + 1; j < count; ++j) {
            if (Accelerator(translated[j]) != letter)
                continue;
            const QChar was = Accelerator(english[i]);
            if (was.isNull() || was != Accelerator(english[j]))
                clashes.append(QStringLiteral("%1 / %2 (&%3)").arg(translated[i], translated[j], letter));
        }
    }
    return clashes;
}

} // namespace TsCheck
