// A settings store that cannot be written: the main window says so once, and goes on.
#include "engine/SettingsSection.h"
#include "platform/SettingsStore.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QStatusBar>
#include <cerrno>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class TestSettingsNotice : public QObject
{
    Q_OBJECT
public:
    explicit TestSettingsNotice(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void aFailedWriteIsToldOnceAndTheSessionGoesOn()
    {
        CSettingsSection settings;
        QVERIFY(settings.WriteInt(Settings::Name(Settings::Key::SearchSubFolders), 0));
        const QByteArray folder = QFile::encodeName(m_home.ConfigHome() + QStringLiteral("/Tresmolo"));
        // Root ignores permission bits: the folder becomes a read-only mount in a private namespace.
        if (::geteuid() == 0) {
            if (::unshare(CLONE_NEWNS) != 0 ||
                ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) != 0 ||
                ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
                QSKIP("no private read-only mount");
        } else {
            ::chmod(QFile::encodeName(platform::ProfileStoreFile()).constData(), 0444);
            ::chmod(folder.constData(), 0500);
        }

        struct Unblock
        {
            const QByteArray& folder;
            ~Unblock()
            {
                if (::geteuid() == 0)
                    ::umount2(folder.constData(), MNT_DETACH);
                else
                    ::chmod(folder.constData(), 0700);
            }
        } unblock{folder};

        // Start-up writes already fail: the notice shows, once, and the program comes up.
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        QStatusBar* bar = app.MainFrame()->statusBar();
        QTRY_VERIFY(bar->currentMessage().contains(QStringLiteral("cannot be saved")));
        QVERIFY(bar->currentMessage().contains(platform::ProfileStoreFile()));
        bar->clearMessage();
        QVERIFY(!settings.WriteInt(Settings::Name(Settings::Key::ViewFilesCount), 1));
        QTest::qWait(800); // three rounds of command updates
        QVERIFY(bar->currentMessage().isEmpty());
        QCOMPARE(settings.GetSwitch(Settings::Key::SearchSubFolders), 0);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestSettingsNotice)
#include "tst_settings_notice.moc"
