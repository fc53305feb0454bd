#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's message catalogues (tresmolo_<lang>.qm) and Qt's own, chosen by the user's
// languages. English is the language of the sources and needs none.
namespace Translations {

// Where the program's catalogues may lie, in the order they are tried.
struct Places
{
    QString programFolder; // the running program's folder
    QString fromProgram;   // the installed catalogues' folder, relative to the installed program's folder
    QString buildTree;     // the catalogues' folder of the build tree the program was built in
};

// The places of this program: the installed layout (`bin/tresmolo` beside
// `share/tresmolo/translations/`), then the build tree's `translations/`.
Places DefaultPlaces();

// The first folder of `places` that holds a catalogue, as a clean absolute path; empty when there
// is none. The build tree's folder counts only for a program inside that build tree.
QString Folder(const Places& places);

// The language of the first entry of `uiLanguages` (as QLocale::uiLanguages() gives them, best
// first) that has a catalogue in `folder`, as the catalogue's name spells it ("de", "pt_BR"). Empty
// when an English entry (or the C locale) comes first, or when no entry has one. An entry tries
// its language and territory ("pt_BR"), then its language alone ("de").
QString Choose(const QStringList& uiLanguages, const QString& folder);

// Installs the catalogue of `language` from `folder`, and Qt's own for it from `qtFolder`
// (qtbase_<lang>, else qt_<lang>), both parented to `app`. Returns how many were installed; a
// catalogue without a single translation is left out.
int Install(QCoreApplication& app, const QString& language, const QString& folder, const QString& qtFolder);

} // namespace Translations

// Installs the catalogues for the user's languages (QLocale().uiLanguages()) from DefaultPlaces()
// and Qt's translations folder. Called once, right after the application object exists.
void InstallTranslations(QCoreApplication& app);
