#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// Reads Qt Linguist catalogues (.ts) and finds what would show a user a wrong or missing text.
namespace TsCheck {

struct Message
{
    QString context;
    QString source;
    QString comment; // the disambiguation, which tells apart messages of the same source
    bool numerus = false;
    QString type;      // the translation's type attribute: "", "unfinished", "vanished", "obsolete"
    QStringList forms; // the translation, or each numerus form in order
};

struct Catalogue
{
    QString language; // the TS element's language attribute, e.g. "de" or "pt_BR"
    QList<Message> messages;
    QString error; // why the file could not be read; empty when it was read whole
};

Catalogue Read(QIODevice& device);
Catalogue ReadFile(const QString& path);

// How many plural forms Qt's lrelease wants for `language` (its rules: one for Chinese and
// Japanese, three for Russian, two for the others we translate into).
int PluralForms(const QString& language);

// Every fault of `catalogue`, one line each: language, context, source text and what is wrong.
// Faults: a translation unfinished, vanished, obsolete or empty, a missing numerus form, %1..%99
// placeholders that differ from the source's as a multiset, a different count of %s, %d or %n (a
// numerus form may leave %n out), a different count of & accelerators (&& and entities such as
// &amp; are none), and a trailing line break the source does not have.
QStringList Check(const Catalogue& catalogue);

// The letter a & accelerator picks in `text` (lower case), or a null QChar when it has none.
QChar Accelerator(const QString& text);

// One menu (or one dialog's labelled controls), the English texts and their translations in the
// same order: every pair of items that share an accelerator letter in the translation but not in
// English, as "<translated> / <translated> (&x)".
QStringList AcceleratorClashes(const QStringList& english, const QStringList& translated);

} // namespace TsCheck
