// The search filters against what the walk finds with them off: skip patterns, how the word
// matches, size and date limits, text inside files, and Stop during a text search.
#include "EngineTestUtil.h"
#include "engine/TextSearch.h"
#include "engine/Wildcard.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using Settings::Key;

namespace {

// What a walk with `filters` finds below `folder`: file names relative to it, in the walk's order.
struct Found
{
    QStringList files;
    int ignored = 0;
    int parsed = 0;
    int notRead = 0;
};

Found Walk(const QString& folder, const SearchFilters& filters, const QString& word = {})
{
    SaveSearchFilters(filters);
    RecordingEngine engine;
    engine.Search(folder, word);
    Found found;
    for (const QString& path : engine.found)
        found.files << path.mid(folder.size() + 1);
    found.ignored = engine.m_foldersIgnored;
    found.parsed = engine.m_foldersParsed;
    found.notRead = engine.m_filesNotRead;
    return found;
}

// The files of `all` (in their order) that `keep` says yes to.
QStringList Only(const QStringList& all, const std::function<bool(const QString&)>& keep)
{
    QStringList kept;
    for (const QString& file : all)
        if (keep(file))
            kept << file;
    return kept;
}

void SetModified(const QString& path, std::int64_t seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

} // namespace

class TestFilters : public QObject
{
    Q_OBJECT
public:
    explicit TestFilters(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void init() { m_home.ClearSettings(); }

    void wildcardSemantics()
    {
        const auto match = [](const char* pattern, std::string_view text, unsigned flags = 0) {
            return Wildcard(pattern, flags).Matches(text);
        };
        // "?" is one character: one UTF-8 sequence, or one byte that is not UTF-8.
        QVERIFY(match("?", "\xc3\xa9") && !match("??", "\xc3\xa9") && match("?", "\xff"));
        QVERIFY(match("*", "\xff\xfe") && match("a*\xc3\xa9", "abc\xc3\xa9") && match("[!a]", "\xff"));
        QVERIFY(match("[a-c]x", "bx") && !match("[a-c]x", "dx") && match("[]]", "]") && match("[^x]", "y"));
        QVERIFY(match("\\*", "*") && !match("\\*", "a") && match("[x", "[x") && !match("a*b", "a/b/c"));
        // Paths: "*" stays within a name, "**" does not.
        const unsigned path = Wildcard::PathPattern;
        QVERIFY(match("src/*", "src/a", path) && !match("src/*", "src/a/b", path) &&
                match("**/b", "x/y/b", path));
        QVERIFY(!match("*/b", "x/y/b", path) && match("a/**/c", "a/x/y/c", path) &&
                !match("a?b", "a/b", path));
        // "**/" takes whole folders, none too: at the top, and between two names.
        QVERIFY(match("**/b", "b", path) && match("a/**/c", "a/c", path) && match("**/a/**/c", "a/c", path));
        QVERIFY(!match("**/b", "xb", path) && !match("a/**/c", "a/xc", path) &&
                match("a**/c", "ab/c", path) && match("**/x/**/*.o", "q/x/r/s/t.o", path));
        // Without regard to case for the word, also beyond ASCII.
        const unsigned fold = Wildcard::CaseInsensitive;
        QVERIFY(match("*.TXT", "a.txt", fold) && match("ä*", "\xc3\x84pfel", fold) &&
                match("[A-Z]", "q", fold));
        QVERIFY(!match("*.TXT", "a.txt"));
    }

    void skipPatterns()
    {
        QTemporaryDir dir;
        const QString top = dir.path() + QStringLiteral("/proj");
        MakeTree(top, {QStringLiteral("a.o"), QStringLiteral("b.txt"), QStringLiteral("build/x.txt"),
                       QStringLiteral("src/build/y.txt"), QStringLiteral("src/main.c"),
                       QStringLiteral("src/cache/z.txt"), QStringLiteral("\u00e9.md"),
                       QStringLiteral("ab.md"), QStringLiteral("data/d.txt"), QStringLiteral("src/data"),
                       QStringLiteral("proj/p.txt"), QStringLiteral("[x].txt"), QStringLiteral("sp ")});
        WriteFile(QFile::decodeName(QFile::encodeName(top) + "/odd\xff.bin"));
        const Found all = Walk(top, {});
        QCOMPARE(all.files.size(), 14);
        const auto skipping = [&](const QStringList& patterns) {
            SearchFilters filters;
            filters.skipPatterns = patterns;
            return Walk(top, filters);
        };
        // Literal names and suffixes; both "build" folders count as ignored, not parsed.
        Found found = skipping({QStringLiteral("*.o"), QStringLiteral("build")});
        QCOMPARE(found.files, Only(all.files, [](const QString& f) {
                     return !f.endsWith(u".o") && !f.contains(u"build");
                 }));
        QCOMPARE(found.ignored, all.ignored + 2);
        QCOMPARE(found.parsed, all.parsed - 2);
        // A path pattern, one character, a name that is not UTF-8, and the chosen folder's own name.
        found = skipping({QStringLiteral("src/cache"), QStringLiteral("?.md"), QStringLiteral("odd?.bin"),
                          QStringLiteral("proj"), QStringLiteral("\\[x].txt")});
        QCOMPARE(found.files, Only(all.files, [](const QString& f) {
                     return !f.startsWith(u"src/cache") && f != u"\u00e9.md" && !f.startsWith(u"odd") &&
                            !f.startsWith(u"proj/") && f != u"[x].txt";
                 }));
        QCOMPARE(found.ignored, all.ignored + 2);
        // Patterns as meant: white space around them, "./" and "//" do not count; "\\ " keeps a space.
        found = skipping({QStringLiteral(" ./src//cache\t"), QStringLiteral("  *.o "),
                          QStringLiteral("data/./d.txt"), QStringLiteral("sp\\ "), QStringLiteral(" "),
                          QStringLiteral("./")});
        QCOMPARE(found.files, Only(all.files, [](const QString& f) {
                     return !f.startsWith(u"src/cache") && !f.endsWith(u".o") && f != u"data/d.txt" &&
                            f != u"sp ";
                 }));
        QCOMPARE(SplitSkipPatterns(QStringLiteral("a\n \t\r\nb")),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
        // "**/build" skips the folder "build" at the top too.
        found = skipping({QStringLiteral("**/build")});
        QCOMPARE(found.files, Only(all.files, [](const QString& f) { return !f.contains(u"build"); }));
        QCOMPARE(found.ignored, all.ignored + 2);
        // A trailing "/" is for folders only: the folder "data" goes, the file "src/data" stays.
        found = skipping({QStringLiteral("data/")});
        QCOMPARE(found.files, Only(all.files, [](const QString& f) { return !f.startsWith(u"data/"); }));
    }

    void wordMatchesAsTheOptionSays()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("Report.TXT"), QStringLiteral("report.txt.bak"),
                              QStringLiteral("notes2.md"), QStringLiteral("\u00c4pfel.txt")});
        const Found all = Walk(dir.path(), {});
        SearchFilters filters;
        filters.nameMatch = SearchFilters::NameMatch::Wildcard;
        QCOMPARE(Walk(dir.path(), filters, QStringLiteral("*.txt")).files,
                 Only(all.files, [](const QString& f) { return f.endsWith(u".txt", Qt::CaseInsensitive); }));
        QCOMPARE(Walk(dir.path(), filters, QStringLiteral("\u00e4*")).files,
                 QStringList{QStringLiteral("\u00c4pfel.txt")});
        filters.nameMatch = SearchFilters::NameMatch::RegularExpression;
        QCOMPARE(Walk(dir.path(), filters, QStringLiteral("^re.*t$")).files,
                 QStringList{QStringLiteral("Report.TXT")});
        QCOMPARE(Walk(dir.path(), filters, QStringLiteral("\\d")).files,
                 QStringList{QStringLiteral("notes2.md")});
        // Names an expression backtracks on without end are given up on, counted once each as not
        // read, also when helpers search the text ahead; after a Stop no further name is tested.
        {
            QTemporaryDir many;
            for (int i = 0; i < 6; ++i)
                WriteFile(many.path() + QStringLiteral("/%1%2.t").arg(QString(200, QLatin1Char('a'))).arg(i),
                          "text");
            WriteFile(many.path() + QStringLiteral("/aaaa"), "text");
            SearchFilters costly = filters;
            for (const QString& text : {QString(), QStringLiteral("TEXT")}) {
                costly.containingText = text;
                SaveSearchFilters(costly);
                RecordingEngine engine;
                engine.SetReadAhead(CAppHelper::ReadAhead::Always);
                engine.Search(many.path(), QStringLiteral("^(a+)+$"));
                QCOMPARE(engine.SortedNames(), QStringList{QStringLiteral("aaaa")});
                QCOMPARE(engine.m_filesNotRead, 6);
            }
            SaveSearchFilters(filters);
            RecordingEngine engine;
            engine.onFound = [&](const CFileFind&) { engine.m_run = false; };
            engine.Search(many.path(), QStringLiteral("a"));
            QCOMPARE(engine.found.size(), 1);
        }
        // An invalid expression is refused with its reason and place, and finds nothing.
        const PatternCheck check = CheckSearchFilters(filters, QStringLiteral("ab(c"));
        QVERIFY(!check.valid && !check.error.isEmpty() && check.offset == 4);
        QVERIFY(CheckSearchFilters(filters, QStringLiteral("ab(c)")).valid);
        filters.nameMatch = SearchFilters::NameMatch::Contains;
        QVERIFY(CheckSearchFilters(filters, QStringLiteral("ab(c")).valid);
        filters.containingText = QStringLiteral("[");
        filters.textIsRegularExpression = true;
        QVERIFY(!CheckSearchFilters(filters, {}).valid);
        QVERIFY(Walk(dir.path(), filters).files.isEmpty());
        // Stored and read back whole.
        filters.skipPatterns = QStringList{QStringLiteral("a b"), QStringLiteral("*.o")};
        filters.minSize = {true, 3, SearchFilters::SizeUnit::MB};
        filters.modifiedTo = QDate(2024, 2, 29);
        SaveSearchFilters(filters);
        QVERIFY(LoadSearchFilters() == filters);
    }

    void sizeAndDateLimitsAtTheirEdges()
    {
        QTemporaryDir dir;
        for (int size : {1023, 1024, 1025})
            WriteFile(dir.path() + QStringLiteral("/s%1").arg(size), QByteArray(size, 'x'));
        const std::int64_t day = QDate(2024, 3, 10).startOfDay().toSecsSinceEpoch();
        const std::int64_t now = QDateTime::currentSecsSinceEpoch();
        const QList<QPair<QString, std::int64_t>> times = {{QStringLiteral("t-before"), day - 1},
                                                           {QStringLiteral("t-start"), day},
                                                           {QStringLiteral("t-next"), day + 86400},
                                                           {QStringLiteral("t-recent"), now - 86400 + 120},
                                                           {QStringLiteral("t-older"), now - 86400 - 120}};
        for (const auto& [name, seconds] : times) {
            WriteFile(dir.path() + QLatin1Char('/') + name, QByteArray(2048, 'y'));
            SetModified(dir.path() + QLatin1Char('/') + name, seconds);
        }
        const auto sorted = [](QStringList list) {
            list.sort();
            return list;
        };
        SearchFilters filters;
        filters.minSize = {true, 1, SearchFilters::SizeUnit::KB};
        filters.maxSize = {true, 1025, SearchFilters::SizeUnit::Bytes};
        QCOMPARE(sorted(Walk(dir.path(), filters).files),
                 (QStringList{QStringLiteral("s1024"), QStringLiteral("s1025")}));
        filters = {};
        filters.modifiedFrom = filters.modifiedTo = QDate(2024, 3, 10);
        QCOMPARE(Walk(dir.path(), filters).files, QStringList{QStringLiteral("t-start")});
        filters.modifiedTo = {};
        filters.modifiedWithinDays = 1;
        QCOMPARE(Walk(dir.path(), filters).files.filter(QStringLiteral("t-")),
                 QStringList{QStringLiteral("t-recent")});

        // A file whose status cannot be read (its folder may be listed, not searched) passes no
        // limit and is counted as not read.
        MakeTree(dir.path() + QStringLiteral("/closed"), {QStringLiteral("c1"), QStringLiteral("c2")});
        QVERIFY(::chmod(QFile::encodeName(dir.path() + QStringLiteral("/closed")).constData(), 0444) == 0);
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        {
            SearchFilters sizeOnly;
            sizeOnly.maxSize = {true, 1, SearchFilters::SizeUnit::GB};
            SaveSearchFilters(sizeOnly);
            RecordingEngine engine;
            engine.LoadOptions();
            engine.m_startFolder = dir.path();
            const bool asNobody = ::geteuid() == 0 && ::seteuid(65534) == 0; // root searches anything
            engine.RunSearch();
            if (asNobody && ::seteuid(0) != 0)
                qFatal("cannot become root again");
            QCOMPARE(engine.found.size(), 8);
            QCOMPARE(engine.m_filesNotRead, 2);
        }
        QVERIFY(::chmod(QFile::encodeName(dir.path() + QStringLiteral("/closed")).constData(), 0755) == 0);

        // The size and time read for the limits reach the consumer through the cursor.
        SaveSearchFilters(filters);
        RecordingEngine engine;
        QList<std::int64_t> sizes;
        engine.onFound = [&](const CFileFind& find) {
            QVERIFY(find.StatusRead());
            sizes << find.GetLength();
        };
        engine.Search(dir.path());
        QVERIFY(!sizes.isEmpty() && sizes.count(2048) == 1);
    }

    void textInsideFiles()
    {
        QTemporaryDir dir;
        constexpr int kBlock = 128 << 10;
        // Across the first block's end, in the very last byte, inside a binary file, in UTF-8.
        WriteFile(dir.path() + QStringLiteral("/across.txt"),
                  QByteArray(kBlock - 3, 'a') + "NeedLe" + QByteArray(9, 'b'));
        WriteFile(dir.path() + QStringLiteral("/last.txt"), QByteArray(3 * kBlock, 'a') + "needlE");
        WriteFile(dir.path() + QStringLiteral("/miss.txt"), QByteArray(3 * kBlock, 'a') + "needl");
        WriteFile(dir.path() + QStringLiteral("/binary.dat"), QByteArray("x\0y needle", 10));
        WriteFile(dir.path() + QStringLiteral("/apples.txt"), "ein \xc3\xa4pfel-Needle\nline2 needle42\n");
        WriteFile(dir.path() + QStringLiteral("/locked.txt"), "needle");
        QVERIFY(::chmod(QFile::encodeName(dir.path() + QStringLiteral("/locked.txt")).constData(), 0) == 0);
        QVERIFY(::mkfifo(QFile::encodeName(dir.path() + QStringLiteral("/pipe")).constData(), 0644) == 0);
        QVERIFY(
            QFile::link(dir.path() + QStringLiteral("/last.txt"), dir.path() + QStringLiteral("/link.txt")));
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        const Found all = Walk(dir.path(), {});
        QCOMPARE(all.files.size(), 8);
        const auto with = [&](const QString& text, bool regex = false, bool binary = false) {
            SearchFilters filters;
            filters.containingText = text;
            filters.textIsRegularExpression = regex;
            filters.searchBinaryFiles = binary;
            SaveSearchFilters(filters);
            // Searched by helpers ahead of the walk and by the walk alone: the same files, in order.
            Found found[2];
            for (const auto mode : {CAppHelper::ReadAhead::Always, CAppHelper::ReadAhead::Never}) {
                RecordingEngine engine;
                engine.SetReadAhead(mode);
                engine.LoadOptions();
                engine.m_startFolder = dir.path();
                // As a user who may not read locked.txt (root reads anything).
                const bool asNobody = ::geteuid() == 0 && ::seteuid(65534) == 0;
                engine.RunSearch();
                if (asNobody && ::seteuid(0) != 0)
                    qFatal("cannot become root again");
                Found& one = found[mode == CAppHelper::ReadAhead::Never];
                for (const QString& path : engine.found)
                    one.files << path.mid(dir.path().size() + 1);
                one.notRead = engine.m_filesNotRead;
            }
            if (found[0].files != found[1].files || found[0].notRead != found[1].notRead)
                found[0].files = QStringList{QStringLiteral("the helpers and the walk disagree")};
            return found[0];
        };
        const auto only = [&](const QStringList& names) {
            return Only(all.files, [&](const QString& f) { return names.contains(f); });
        };
        Found found = with(QStringLiteral("needle"));
        QCOMPARE(found.files, only({QStringLiteral("across.txt"), QStringLiteral("last.txt"),
                                    QStringLiteral("apples.txt")}));
        QCOMPARE(found.notRead, 1);
        QCOMPARE(with(QStringLiteral("needle"), false, true).files,
                 only({QStringLiteral("across.txt"), QStringLiteral("last.txt"), QStringLiteral("apples.txt"),
                       QStringLiteral("binary.dat")}));
        QCOMPARE(with(QStringLiteral("\u00c4PFEL")).files, only({QStringLiteral("apples.txt")}));
        QCOMPARE(with(QStringLiteral("^line2 NEEDLE\\d+$"), true).files,
                 only({QStringLiteral("apples.txt")}));
        QCOMPARE(with(QStringLiteral("a{5}needle$"), true).files, only({QStringLiteral("last.txt")}));
    }

    void regularExpressionsMatchLineByLine()
    {
        // Each line on its own, as its own subject: nothing across lines, "\\A" at every line's start.
        const QByteArray lines = "abc\ndef\nKelvin \xe2\x84\xaa\xc5\xbftring\nx.y a{2}b\n\nlast";
        const QList<QPair<const char*, bool>> expected = {
            {"c\\nd", false}, {"c\\sd", false}, {"c[^x]d", false}, {"(?s)c.d", false}, {"\\Adef\\z", true},
            {"^abc$", true},  {"^$", true},     {"^last$", true},  {"bc$", true},      {"z{0}def", true}};
        for (const auto& [pattern, match] : expected)
            QVERIFY2(TextMatcher(QString::fromUtf8(pattern), true)
                             .FindInLines(lines.constData(), size_t(lines.size())) == match,
                     pattern);
        // Lines looked through for a plain part first, or blocks of lines matched first: the same
        // answers as matching each line.
        for (const char* pattern : {"abc",
                                    "ab?c",
                                    "abx?",
                                    "a{2}b",
                                    "a\\{2}b",
                                    "x(?:ab)?c",
                                    "elvin \\x{212a}",
                                    "kelvin k",
                                    "string",
                                    "st.ing",
                                    "\\.y a",
                                    "[.]y",
                                    "(de)f",
                                    "foo|def",
                                    "\\Qa{2}\\E",
                                    "x\\.y a\\{2",
                                    "(?x) d e f",
                                    "d(?=e)ef",
                                    "[[:alpha:]]bc",
                                    "[]a]bc",
                                    "[a-c]\\s[d-f]",
                                    "[a-c]\\n?[d-f]",
                                    "^$",
                                    "\\w$",
                                    "^.{4}$",
                                    "(?:[x-z]\\W){2}"}) {
            const TextMatcher matcher(QString::fromUtf8(pattern), true);
            const QRegularExpression reference(QString::fromUtf8(pattern),
                                               QRegularExpression::CaseInsensitiveOption);
            bool any = false;
            for (const QByteArray& line : lines.split('\n')) {
                const bool one = reference.match(QString::fromUtf8(line)).hasMatch();
                const QByteArray ended = line + '\n';
                QVERIFY2(matcher.FindInLines(ended.constData(), size_t(ended.size())) == one, pattern);
                any = any || one;
            }
            QVERIFY2(matcher.FindInLines(lines.constData(), size_t(lines.size())) == any, pattern);
        }
        // The same answer wherever the lines lie against the blocks files are read in.
        QTemporaryDir dir;
        const int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(fd >= 0);
        constexpr int kBlock = 128 << 10;
        for (int before : {0, 100, kBlock - 5, kBlock - 1, kBlock, 3 * kBlock + 2}) {
            const QByteArray contents = QByteArray(before, 'x') + "\nabc\ndef\n";
            WriteFile(dir.path() + QStringLiteral("/f.txt"), contents);
            for (const auto& [pattern, match] : expected) {
                const TextMatcher matcher(QString::fromUtf8(pattern), true);
                ContentTest test;
                test.text = &matcher;
                const bool found = SearchFileContents(fd, "f.txt", test) == ContentOutcome::Match;
                const QRegularExpression reference(QString::fromUtf8(pattern),
                                                   QRegularExpression::CaseInsensitiveOption);
                bool wanted = false;
                for (const QByteArray& line : contents.chopped(1).split('\n'))
                    wanted = wanted || reference.match(QString::fromUtf8(line)).hasMatch();
                QVERIFY2(found == wanted, qPrintable(QString::fromUtf8(pattern) + QString::number(before)));
            }
        }
        ::close(fd);
    }

    void helpersAndTheWalkAgreeOnAWideTree()
    {
        // Many folders of a few files, nested, some holding the text: the helpers searching ahead
        // change nothing, also when the walk is stopped half-way.
        QTemporaryDir dir;
        for (int a = 0; a < 30; ++a)
            for (int f = 0; f < 12; ++f)
                WriteFile(dir.path() + QStringLiteral("/d%1/%2e%3/f%4.txt")
                                           .arg(a)
                                           .arg(a % 3 ? QString() : QStringLiteral("sub/"))
                                           .arg(a)
                                           .arg(f),
                          (a + f) % 4 ? QByteArray("plain") : QByteArray("a needle"));
        SearchFilters filters;
        filters.containingText = QStringLiteral("NEEDLE");
        SaveSearchFilters(filters);
        for (const QString& stopAt : {QString(), QStringLiteral("f5.txt")}) {
            QStringList found[2];
            for (const auto mode : {CAppHelper::ReadAhead::Never, CAppHelper::ReadAhead::Always}) {
                RecordingEngine engine;
                engine.SetReadAhead(mode);
                int seen = 0;
                engine.onFound = [&](const CFileFind& find) {
                    if (!stopAt.isEmpty() && find.GetFileName() == stopAt && ++seen == 3)
                        engine.m_run = false;
                };
                engine.Search(dir.path());
                found[mode == CAppHelper::ReadAhead::Always] = engine.found;
            }
            QCOMPARE(found[1], found[0]);
            QVERIFY(stopAt.isEmpty() ? found[0].size() == 30 * 3 : found[0].size() < 30 * 3);
        }
    }

    void plainTextAtEveryOffset()
    {
        // The vector scan and the byte-wise tail agree wherever the text lies.
        for (const char* needle : {"q", "qz", "Q-r!",
                                   "\xc3\xa4"
                                   "b",
                                   "k\xc3\xa4"}) {
            const TextMatcher matcher(QString::fromUtf8(needle), false);
            const QByteArray upper = QString::fromUtf8(needle).toUpper().toUtf8();
            for (int at = 0; at + int(upper.size()) <= 70; ++at) {
                QByteArray data(70, 'x');
                data.replace(at, upper.size(), upper);
                QVERIFY2(matcher.Find(data.constData(), size_t(data.size())), needle);
                data[at + int(upper.size()) - 1] = 'x';
                QVERIFY(upper.size() == 1 || !matcher.Find(data.constData(), size_t(data.size())));
            }
        }
    }

    void stopDuringATextSearchEndsItPromptly()
    {
        // A sparse file far too large to read through: Stop must end the read within it.
        QTemporaryDir dir;
        QFile huge(dir.path() + QStringLiteral("/huge.bin"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 40));
        huge.close();
        WriteFile(dir.path() + QStringLiteral("/other.txt"), "needle");
        SearchFilters filters;
        filters.containingText = QStringLiteral("needle");
        filters.searchBinaryFiles = true;
        SaveSearchFilters(filters);
        RecordingEngine engine;
        engine.LoadOptions();
        engine.m_startFolder = dir.path();
        engine.m_run = true;
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            engine.m_run = false;
        });
        QElapsedTimer timer;
        timer.start();
        engine.RunSearch(false);
        stopper.join();
        QVERIFY2(timer.elapsed() < 60000, "the read went on after Stop");
        QVERIFY(!engine.found.contains(dir.path() + QStringLiteral("/huge.bin")));
        QCOMPARE(engine.m_filesNotRead, 0);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestFilters)
#include "tst_filters.moc"
