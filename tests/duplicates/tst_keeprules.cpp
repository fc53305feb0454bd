// Choosing the file that stays by rule, and freeing the space of the others, without the window:
// each rule and their order, protected files, the settings texts, and an action that never loses
// the last copy, never touches a protected file and never acts on a file changed after its check.
#include "duplicates/scan/FreeSpace.h"
#include "duplicates/scan/KeepRules.h"
#include "platform/ActionLog.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace KeepRules;
namespace fs = std::filesystem;

namespace {

struct Named
{
    std::string folder, name;
    std::int64_t modified;
    std::uint64_t inode;
};

std::vector<Mark> MarksFor(const std::vector<Named>& named, const std::string& order)
{
    std::vector<Candidate> files;
    for (const Named& file : named)
        files.push_back({file.folder, file.name, 1, file.modified, 0, file.modified >= 0, 1, file.inode});
    ReferenceFolders folders({"/nowhere/r1", "/nowhere/r2"});
    return Choose(files, RuleSet::FromTexts(order, ""), folders);
}

int Keeper(const std::vector<Mark>& marks)
{
    const auto found = std::find(marks.begin(), marks.end(), Mark::Keeps);
    return found == marks.end() ? -1 : int(found - marks.begin());
}

std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}
std::uint64_t Inode(const std::string& path)
{
    struct stat status = {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

class TestKeepRules : public QObject
{
    Q_OBJECT
public:
    explicit TestKeepRules(const TestHome&) {}

private slots:
    void eachRuleInItsOrder()
    {
        // 0 sits in the second reference folder; 1 and 3 are the oldest; 2 the newest and longest;
        // 3 the shortest; 4 is 3 again (a hard link); 5 has no time.
        const std::vector<Named> files = {{"/nowhere/r2/x/", "aaa", 300, 10}, {"/b/", "aaaa", 100, 11},
                                          {"/cccccccc/", "ab", 500, 12},      {"/d/", "a", 100, 13},
                                          {"/e/", "abcdefgh", 100, 13},       {"/f/", "a", -1, 14}};
        const struct
        {
            const char* order;
            int keeper;
        } cases[] = {{"reference,oldest,shortest", 0},
                     {"-reference,oldest,shortest", 3},
                     {"-reference,oldest,-shortest,longest", 4},
                     {"newest,reference", 2},
                     {"shortest,reference", 3},
                     {"shortest,oldest", 3},
                     {"-reference,oldest,longest", 4},
                     {"longest,oldest", 0},
                     {"-reference,-oldest,-newest,-shortest", 0}};
        for (const auto& c : cases)
            QVERIFY2(Keeper(MarksFor(files, c.order)) == c.keeper, c.order);

        // The one in a reference folder is never checked, whoever stays; hard links of a file
        // that stays free nothing.
        const std::vector<Mark> marks = MarksFor(files, "-reference,oldest,shortest");
        QVERIFY(marks == std::vector<Mark>({Mark::Protected, Mark::Remove, Mark::Remove, Mark::Keeps,
                                            Mark::Unneeded, Mark::Remove}));
        // Only files of a group with two or more are marked.
        std::vector<Candidate> loose = {{"/a/", "x", 1, 0, 0, true, 1, 1},
                                        {"/a/", "y", -1, 0, 0, true, 1, 2}};
        ReferenceFolders none;
        QVERIFY(Choose(loose, RuleSet::Defaults(), none) == std::vector<Mark>(2, Mark::None));
    }

    void theChoiceIsKeptAsText()
    {
        RuleSet rules = RuleSet::Defaults();
        QCOMPARE(rules.OrderText(), std::string("reference,oldest,-newest,shortest,-longest"));
        rules.order = {{Rule::LongestPath, true}, {Rule::ReferenceFolder, false}};
        rules.referenceFolders = {"/a:b/50%", "/odd \xff", "/"};
        const RuleSet back = RuleSet::FromTexts(rules.OrderText(), rules.FoldersText());
        QVERIFY(back.referenceFolders == rules.referenceFolders);
        // Missing rules follow, off; unknown, repeated and relative entries are dropped.
        const RuleSet read = RuleSet::FromTexts("longest,bogus,-reference,longest,first", "rel:%2Fx%2F:/x");
        QCOMPARE(read.OrderText(), std::string("longest,-reference,-oldest,-newest,-shortest"));
        QVERIFY(read.referenceFolders == std::vector<std::string>({"/x"}));
        QCOMPARE(RuleSet::FromTexts("", "").OrderText(), RuleSet::Defaults().OrderText());
    }

    void referenceFoldersAreFoundThroughLinksAndMounts()
    {
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        fs::create_directories(root + "/ref/sub");
        fs::create_directories(root + "/refx");
        fs::create_directories(root + "/second");
        fs::create_directory_symlink(root + "/ref/sub", root + "/link");
        ReferenceFolders folders({root + "/second", root + "/ref/"});
        QCOMPARE(folders.Holding(root + "/ref/sub/"), 1);
        QCOMPARE(folders.Holding(root + "/link/"), 1);
        QCOMPARE(folders.Holding(root + "/refx/"), -1);
        if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0 ||
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            QSKIP("a second mount of a folder needs root");
        fs::create_directories(root + "/mounted");
        QVERIFY(::mount((root + "/ref").c_str(), (root + "/mounted").c_str(), nullptr, MS_BIND, nullptr) ==
                0);
        QCOMPARE(folders.Holding(root + "/mounted/sub"), 1);
        ::umount2((root + "/mounted").c_str(), MNT_DETACH);
    }

    void freeingNeverLosesACopyNorTouchesWhatItMustNot()
    {
        // Random groups of files, some checked, some protected, some written or removed after the
        // check; the log records every file acted on before and after.
        std::mt19937 random(20240501);
        for (int round = 0; round < 60; ++round) {
            QTemporaryDir dir;
            const std::string root = Native(dir.path());
            std::vector<FreeSpace::File> files;
            std::vector<std::string> contents;
            std::vector<bool> touched;
            for (int group = 0; group < 3; ++group) {
                const int members = 2 + int(random() % 3);
                for (int m = 0; m < members; ++m) {
                    FreeSpace::File file;
                    file.path = root + "/g" + std::to_string(group) + "-" + std::to_string(m);
                    file.group = random() % 8 == 0 ? -1 : group;
                    file.checked = random() % 3 != 0;
                    file.keeps = m == 0;
                    file.inReference = random() % 5 == 0;
                    contents.push_back("group " + std::to_string(group));
                    Write(file.path, contents.back());
                    file.verified = platform::IdentifyFile(file.path, &file.identity);
                    files.push_back(file);
                }
            }
            for (size_t i = 0; i < files.size(); ++i) {
                const unsigned fate = random() % 6;
                touched.push_back(fate < 2);
                if (fate == 0)
                    Write(files[i].path, contents[i] + "!");
                else if (fate == 1)
                    fs::remove(files[i].path);
            }
            std::vector<std::uint64_t> inodes;
            for (const FreeSpace::File& file : files)
                inodes.push_back(Inode(file.path));

            platform::ActionLog log(root + "/actions.log");
            const FreeSpace::Report report = FreeSpace::Run(FreeSpace::Method::HardLink, files, log);
            int done = 0;
            for (size_t i = 0; i < files.size(); ++i) {
                const FreeSpace::FileResult& result = report.files[i];
                const bool replaced = result.outcome == FreeSpace::Outcome::Done;
                done += replaced;
                // Only an unprotected, checked, untouched file of a group is ever replaced, and
                // then by an unchanged copy of its own contents.
                if (!files[i].checked || files[i].inReference || touched[i] || files[i].group < 0)
                    QVERIFY(!replaced);
                if (!touched[i]) {
                    QCOMPARE(Read(files[i].path), contents[i]);
                    QCOMPARE(Inode(files[i].path) == inodes[i], !replaced);
                }
                if (touched[i])
                    QCOMPARE(Inode(files[i].path), inodes[i]);
                if (files[i].inReference && files[i].checked)
                    QCOMPARE(result.outcome, FreeSpace::Outcome::Protected);
                // What stays is an unchecked, untouched file of the same group.
                const auto kept = std::find_if(files.begin(), files.end(), [&](const FreeSpace::File& file) {
                    return file.path == result.kept;
                });
                if (replaced)
                    QVERIFY(kept->group == files[i].group && !kept->checked &&
                            !touched[size_t(kept - files.begin())]);
            }
            QCOMPARE(report.done, done);
            const std::string logText = Read(root + "/actions.log");
            QVERIFY(std::count(logText.begin(), logText.end(), '\n') >= 2 * done && !log.Failed());
        }
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestKeepRules)
#include "tst_keeprules.moc"
