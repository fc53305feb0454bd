#include "shell/PendrakeApp.h"

#include "BuildInfo.h"
#include "engine/SettingsSection.h"
#include "platform/Paths.h"
#include "shell/AboutDlg.h"
#include "shell/MainFrame.h"
#include "shell/Pictures.h"
#include "shell/Splash.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"

#include <QApplication>

CPendrakeApp::CPendrakeApp()
{
    OnCommand(Commands::AppAbout, [this] { OnAppAbout(); });
    OnCommand(Commands::AppExit, [this] {
        if (m_frame)
            m_frame->close();
    });
}

CPendrakeApp::~CPendrakeApp()
{
    delete m_splash;
}

bool CPendrakeApp::InitInstance(const CommandLine::Options& options)
{
    // The profile store lives under these names (~/.config/Tresmolo/Tresmolo.conf). On X11 the
    // application name is also the windows' class (WM_CLASS), which the desktop entry's
    // StartupWMClass names, so docks group the window with its launcher.
    QCoreApplication::setOrganizationName(QStringLiteral("Tresmolo"));
    QCoreApplication::setApplicationName(QStringLiteral("Tresmolo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRESMOLO_VERSION));
    // Lets docks and compositors match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(TRESMOLO_APP_ID));
    QApplication::setWindowIcon(Pictures::AppIcon());

    m_splash = new CDlgSplash;
    m_splash->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // A folder from the command line becomes the folder chosen last, which the frame selects in the
    // tree at its creation, as a click would.
    const CSettingsSection settings;
    if (!options.folder.isEmpty())
        settings.WriteLastFolderSelected(platform::StoredPath(options.folder));

    m_frame = std::make_unique<CMainFrame>(&m_document, this);
    if (!m_frame->OnCreate())
        return false;
    CPendrakeView* view = m_frame->View();
    QObject::connect(view, &CPendrakeView::firstUpdateDone, view, [this] {
        if (m_splash) {
            m_splash->close();
            m_splash->deleteLater();
            m_splash = nullptr;
        }
    });
    m_frame->RestorePlacement();
    view->OnInitialUpdate();
    // The first update starts the automatic search itself when that switch is on.
    if (options.search && !settings.GetSwitch(Settings::Key::AutoListLastFolderAtStartup))
        QMetaObject::invokeMethod(view, &CPendrakeView::OnStartSearch, Qt::QueuedConnection);
    m_frame->show();
    m_frame->setWindowTitle(QCoreApplication::applicationName());
    return true;
}

void CPendrakeApp::OnAppAbout()
{
    CAboutDlg dialog(m_frame.get());
    Seams::RunDialog(dialog);
}
