// Where the user guide is read from: the installed copy beside the installed program, or the build
// tree's copy for a program inside that build tree; never a copy of its own in the user's folders.
#include "BuildInfo.h"
#include "shell/HelpPage.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDirIterator>
#include <QRegularExpression>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FilesBelow(const QString& root)
{
    QStringList files;
    for (QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        files.append(it.next());
    return files;
}

} // namespace

class TestHelpPage : public QObject
{
    Q_OBJECT
public:
    explicit TestHelpPage(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QTemporaryDir m_root;

    QString Folder(const QString& relative) const
    {
        const QString path = m_root.path() + QLatin1Char('/') + relative;
        QDir().mkpath(path);
        return path;
    }

private slots:
    void cleanup() { HelpPage::SetLauncher({}); }

    // An installed program: <prefix>/bin/tresmolo reads <prefix>/share/tresmolo/help/index.html.
    void theInstalledGuide()
    {
        const QString bin = Folder(QStringLiteral("usr/bin"));
        const QString guide = m_root.path() + QStringLiteral("/usr/share/tresmolo/help/index.html");
        const HelpPage::Places places{bin, QStringLiteral(TRESMOLO_HELP_FROM_PROGRAM), {}};
        QCOMPARE(HelpPage::Find(places), QString());
        WriteFile(guide, "<html>installed</html>");
        QCOMPARE(HelpPage::Find(places), guide);
        // A guide that cannot be read, or a folder in its place, is no guide.
        QFile::remove(guide);
        QVERIFY(QDir().mkpath(guide));
        QCOMPARE(HelpPage::Find(places), QString());
    }

    // The build tree's guide counts only for a program inside that build tree.
    void theBuildTreesGuide()
    {
        const QString build = Folder(QStringLiteral("build"));
        const QString guide = build + QStringLiteral("/help/index.html");
        WriteFile(guide, "<html>built</html>");
        const QString program = Folder(QStringLiteral("build/src"));
        QCOMPARE(HelpPage::Find({program, QStringLiteral(TRESMOLO_HELP_FROM_PROGRAM), guide}), guide);
        QCOMPARE(HelpPage::Find({build, {}, guide}), guide);
        // Another folder whose name merely begins like the build folder's is outside it.
        QCOMPARE(HelpPage::Find({Folder(QStringLiteral("build-other/src")), {}, guide}), QString());
        QCOMPARE(HelpPage::Find({Folder(QStringLiteral("opt/bin")), {}, guide}), QString());

        // An installed guide wins over the build tree's.
        const QString installed = m_root.path() + QStringLiteral("/build/share/tresmolo/help/index.html");
        WriteFile(installed, "<html>installed</html>");
        QCOMPARE(HelpPage::Find({program, QStringLiteral(TRESMOLO_HELP_FROM_PROGRAM), guide}), installed);
        QFile::remove(guide);
        QCOMPARE(HelpPage::Find({build, {}, guide}), QString());
    }

    // This test program lives in the build tree: it is given the build tree's guide, with this
    // version filled in, and opening it writes nothing into the user's folders.
    void thisBuildOpensItsGuide()
    {
        const QString path = HelpPage::Path();
        QCOMPARE(path, QDir::cleanPath(QStringLiteral(TRESMOLO_BUILD_TREE_HELP)));
        const QString page = QString::fromUtf8(ReadAll(path));
        QVERIFY(page.contains(QStringLiteral("<title>Tresmolo User Guide</title>")));
        QVERIFY(page.contains(QStringLiteral("Version " TRESMOLO_VERSION "<")));
        QVERIFY(!page.contains(QLatin1Char('@')));

        QList<QUrl> launched;
        HelpPage::SetLauncher([&launched](const QUrl& url) {
            launched.append(url);
            return true;
        });
        QVERIFY(HelpPage::Open());
        QCOMPARE(launched, QList<QUrl>{QUrl::fromLocalFile(path)});
        QCOMPARE(FilesBelow(m_home.DataHome()), QStringList());
        QCOMPARE(FilesBelow(m_home.Path() + QStringLiteral("/cache")), QStringList());
    }

    void openReportsTheDesktopsAnswer()
    {
        HelpPage::SetLauncher([](const QUrl&) { return false; });
        QVERIFY(!HelpPage::Open());
    }

    // The guide is self-contained: every link leads to a section of the page itself.
    void theGuidesLinksStayInside()
    {
        const QString page = QString::fromUtf8(ReadAll(HelpPage::Path()));
        static const QRegularExpression reference(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
        int links = 0;
        for (auto it = reference.globalMatch(page); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            QVERIFY2(target.startsWith(QLatin1Char('#')) &&
                         page.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1))),
                     qPrintable(target));
        }
        QVERIFY(links > 0);
        QVERIFY(!page.contains(QStringLiteral("://")));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestHelpPage)

#include "tst_helppage.moc"
