#include "shell/Translations.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {
namespace {

const QLatin1String kPrefix("tresmolo_");
const QLatin1String kSuffix(".qm");

// True when `folder` holds at least one of the program's catalogues.
bool HoldsCatalogues(const QString& folder)
{
    const QDir dir(folder);
    return dir.exists() &&
           !dir.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Readable).isEmpty();
}

// True when `path` is `folder` or lies below it.
bool IsInside(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

bool IsReadableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// Loads `path` into a translator owned by `app` and installs it; false when it is no catalogue or
// one without a single translation (which Qt does not install).
bool InstallFile(QCoreApplication& app, const QString& path)
{
    if (!IsReadableFile(path))
        return false;
    auto* translator = new QTranslator(&app);
    if (!translator->load(path) || translator->isEmpty()) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

Places DefaultPlaces()
{
    return {QCoreApplication::applicationDirPath(), QStringLiteral(TRESMOLO_TRANSLATIONS_FROM_PROGRAM),
            QStringLiteral(TRESMOLO_BUILD_TREE_TRANSLATIONS)};
}

QString Folder(const Places& places)
{
    if (!places.programFolder.isEmpty() && !places.fromProgram.isEmpty()) {
        const QString installed =
            QDir::cleanPath(QDir(places.programFolder).absoluteFilePath(places.fromProgram));
        if (HoldsCatalogues(installed))
            return installed;
    }
    if (!places.buildTree.isEmpty()) {
        // The catalogues lie in <build>/translations/; the program somewhere else below <build>.
        const QString folder = QDir::cleanPath(places.buildTree);
        const QString canonicalBuild = QFileInfo(QFileInfo(folder).absolutePath()).canonicalFilePath();
        const QString program = QFileInfo(places.programFolder).canonicalFilePath();
        if (!program.isEmpty() && !canonicalBuild.isEmpty() && IsInside(program, canonicalBuild) &&
            HoldsCatalogues(folder))
            return folder;
    }
    return {};
}

QString Choose(const QStringList& uiLanguages, const QString& folder)
{
    if (folder.isEmpty())
        return {};
    for (const QString& entry : uiLanguages) {
        // The sources are English; "C" is the untranslated locale.
        if (entry == QLatin1String("C") || entry == QLatin1String("POSIX"))
            return {};
        const QLocale locale(entry);
        if (locale.language() == QLocale::English)
            return {};
        // A language Qt does not know reads as C: it has no catalogue either.
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
            continue;
        // QLocale fills in what the entry leaves out: a bare "pt" is pt_BR, "zh-Hans" is zh_CN.
        const QString withTerritory = locale.name();
        const QString language = QLocale::languageToCode(locale.language());
        for (const QString& name : {withTerritory, language}) {
            if (IsReadableFile(folder + QLatin1Char('/') + kPrefix + name + kSuffix))
                return name;
        }
    }
    return {};
}

int Install(QCoreApplication& app, const QString& language, const QString& folder, const QString& qtFolder)
{
    if (language.isEmpty() || folder.isEmpty())
        return 0;
    int installed = InstallFile(app, folder + QLatin1Char('/') + kPrefix + language + kSuffix) ? 1 : 0;
    // Qt's own texts (the standard buttons, the file dialogs) in the same language: the catalogue
    // of the base module, or else the one that gathers all of Qt's.
    for (const QLatin1String qtPrefix : {QLatin1String("qtbase_"), QLatin1String("qt_")}) {
        if (InstallFile(app, qtFolder + QLatin1Char('/') + qtPrefix + language + kSuffix)) {
            ++installed;
            break;
        }
    }
    return installed;
}

} // namespace Translations

void InstallTranslations(QCoreApplication& app)
{
    const QString folder = Translations::Folder(Translations::DefaultPlaces());
    Translations::Install(app, Translations::Choose(QLocale().uiLanguages(), folder), folder,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
