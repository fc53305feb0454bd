// The export where the temporary folder cannot take the list: a full disk and a read-only folder.
// Both are small file systems mounted in this program's own mount namespace (root only), so no one
// else sees them and they go away with the program.
#include "support/TestSupport.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Why the file systems below cannot be made; empty when they can.
QString g_cannotMount;

QString EnterPrivateMountNamespace()
{
    if (::geteuid() != 0)
        return QStringLiteral("needs root to mount small file systems");
    // Only while the program has one thread: before the application object exists.
    if (::unshare(CLONE_NEWNS) != 0)
        return QStringLiteral("no private mount namespace: ") + QString::fromLocal8Bit(std::strerror(errno));
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QStringLiteral("mounts cannot be made private: ") +
               QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

// A tmpfs of `size` on a fresh temporary folder, made the temporary folder of the program.
class SmallTempFolder
{
public:
    explicit SmallTempFolder(const char* options)
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options) == 0;
        m_oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    }
    ~SmallTempFolder()
    {
        qputenv("TMPDIR", m_oldTemp);
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallTempFolder(const SmallTempFolder&) = delete;
    SmallTempFolder& operator=(const SmallTempFolder&) = delete;

    bool Mounted() const { return m_mounted; }
    QString Path() const { return m_dir.path(); }
    bool MakeReadOnly()
    {
        return ::mount(nullptr, QFile::encodeName(m_dir.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                       nullptr) == 0;
    }
    QStringList Files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldTemp;
    bool m_mounted = false;
};

} // namespace

class TestExportLimits : public QObject
{
    Q_OBJECT
public:
    explicit TestExportLimits(const TestHome&) {}

private:
    QList<Shell::Launch> m_launches;
    QList<Seams::MessageBoxCall> m_boxes;
    int m_boxesUnderBusyCursor = 0;

private slots:
    void initTestCase()
    {
        Shell::SetLauncher([this](const Shell::Launch& launch) {
            m_launches << launch;
            return true;
        });
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            m_boxes << call;
            const QCursor* cursor = QGuiApplication::overrideCursor();
            if (cursor && cursor->shape() == Qt::WaitCursor)
                ++m_boxesUnderBusyCursor;
            return QMessageBox::Ok;
        });
    }
    void init()
    {
        if (!g_cannotMount.isEmpty())
            QSKIP(qPrintable(g_cannotMount));
        m_launches.clear();
        m_boxes.clear();
        m_boxesUnderBusyCursor = 0;
    }

    void anExportThatFillsTheDiskIsReportedAndRemoved()
    {
        SmallTempFolder temp("size=256k,mode=0700");
        QVERIFY(temp.Mounted());
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        // Before any run the view exports the found paths: about 2 MB of them for 256 KB of room.
        QVERIFY(!view.DisplayFileList());
        const QString folder =
            QStringLiteral("/a/folder/deep/enough/to/make/every/line/long/") + QString(40, u'x');
        for (int i = 0; i < 20000; ++i)
            view.m_foundPaths.append(folder + QStringLiteral("/file%1.txt").arg(i));

        view.ExportFileList();
        QVERIFY(m_launches.isEmpty()); // a truncated list is never opened
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].icon, QMessageBox::Warning);
        QVERIFY2(m_boxes[0].text.contains(QStringLiteral("could not be written completely")),
                 qPrintable(m_boxes[0].text));
        QVERIFY2(m_boxes[0].text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
                 qPrintable(m_boxes[0].text));
        QCOMPARE(m_boxesUnderBusyCursor, 0);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(temp.Files(), QStringList()); // the partial file is gone

        // A list that fits is written whole and opened, without a word.
        view.m_foundPaths.clear();
        view.m_foundPaths.append(QStringLiteral("/x/a.txt"));
        view.m_foundPaths.append(QStringLiteral("/x/b.txt"));
        view.ExportFileList();
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_launches.size(), 1);
        QFile exported(QFile::decodeName(QByteArray::fromStdString(m_launches[0].arguments.back())));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), QByteArray("/x/a.txt\n/x/b.txt"));
    }

    void aReadOnlyTemporaryFolderEndsTheExportQuietly()
    {
        SmallTempFolder temp("size=64k,mode=0700");
        QVERIFY(temp.Mounted());
        QVERIFY(temp.MakeReadOnly());
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.m_foundPaths.append(QStringLiteral("/x/a.txt"));
        view.ExportFileList();
        // No file could be made: nothing is opened and, as ever, nothing is said.
        QVERIFY(m_launches.isEmpty());
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(temp.Files(), QStringList());
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

int main(int argc, char** argv)
{
    g_cannotMount = EnterPrivateMountNamespace();
    TestHome home;
    QApplication app(argc, argv);
    TestExportLimits test(home);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exportlimits.moc"
