#include "shell/Splash.h"

#include "shell/Pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

CDlgSplash::CDlgSplash(QWidget* parent)
    // The splash window type already carries the tool bits, so the window gets no task-bar button.
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    OnInitDialog();
}

void CDlgSplash::OnInitDialog()
{
    QString appName = QCoreApplication::applicationName();
    if (appName.isEmpty())
        appName = QStringLiteral("Tresmolo");
    setWindowTitle(tr("%1 Loading...").arg(appName));
    setWindowIcon(Pictures::AppIcon());

    setFixedSize(Pictures::kSplashWidth, Pictures::kSplashHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

void CDlgSplash::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    if (m_picture.isNull() || !qFuzzyCompare(m_picture.devicePixelRatio(), dpr))
        m_picture = Pictures::SplashPicture(dpr);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
