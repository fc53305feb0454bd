#include "BuildInfo.h"
#include "shell/AboutDlg.h"
#include "shell/HelpPage.h"
#include "shell/Pictures.h"
#include "shell/Splash.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>

namespace {

using PictureMaker = QPixmap (*)(qreal);

int ColourCount(const QImage& image, const QRect& area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> T* Child(const QObject& parent, const char* name)
{
    return parent.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TestSplashAbout : public QObject
{
    Q_OBJECT

public:
    explicit TestSplashAbout(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QList<QUrl> m_launched;

    void RecordLaunches(bool answer)
    {
        m_launched.clear();
        HelpPage::SetLauncher([this, answer](const QUrl& url) {
            m_launched.append(url);
            return answer;
        });
    }

private slots:
    void init() { QCoreApplication::setApplicationName(QStringLiteral("Tresmolo")); }
    void cleanup() { HelpPage::SetLauncher({}); }

    void splashWindow()
    {
        CDlgSplash splash;
        QCOMPARE(splash.size(), QSize(545, 201));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
        QCOMPARE(splash.windowTitle(), QStringLiteral("Tresmolo Loading..."));
        const Qt::WindowFlags flags = splash.windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::SplashScreen);
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint) && flags.testFlag(Qt::WindowStaysOnTopHint));

        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        // The window shows the splash picture, pixel for pixel.
        const QImage shown = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = Pictures::SplashPicture(splash.devicePixelRatioF()).toImage();
        QVERIFY(shown == picture.convertToFormat(QImage::Format_RGB32));

        QCoreApplication::setApplicationName(QStringLiteral("Finder Two"));
        QCOMPARE(CDlgSplash().windowTitle(), QStringLiteral("Finder Two Loading..."));
    }

    void splashPicture_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("normal") << 1.0;
        QTest::newRow("double") << 2.0;
        QTest::newRow("fractional") << 1.5;
    }

    void splashPicture()
    {
        QFETCH(qreal, dpr);
        const QPixmap picture = Pictures::SplashPicture(dpr);
        QCOMPARE(picture.devicePixelRatio(), dpr);
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(545, 201));

        // A gradient, an icon and text give many colours; a blank or flat fill gives few.
        const QImage image = picture.toImage();
        QVERIFY2(ColourCount(image, image.rect()) > 500, "the splash picture looks blank");
        // The title is drawn right of the icon: its letters are near-white on the dark background.
        const QRect title = QRectF(180 * dpr, 50 * dpr, 220 * dpr, 45 * dpr).toRect();
        bool whiteFound = false;
        for (int y = title.top(); y <= title.bottom() && !whiteFound; ++y)
            for (int x = title.left(); x <= title.right(); ++x)
                whiteFound = whiteFound || QColor(image.pixel(x, y)).lightness() > 240;
        QVERIFY(whiteFound);
    }

    void smallPictures_data()
    {
        QTest::addColumn<PictureMaker>("make");
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("information bar") << PictureMaker(&Pictures::InfoBarPicture) << 20 << 1.0;
        QTest::newRow("information bar, double") << PictureMaker(&Pictures::InfoBarPicture) << 20 << 2.0;
        QTest::newRow("application button") << PictureMaker(&Pictures::AppButtonPicture) << 26 << 1.0;
        QTest::newRow("application button, double") << PictureMaker(&Pictures::AppButtonPicture) << 26 << 2.0;
    }

    // Both are round drawings: filled in the middle, see-through in the corners.
    void smallPictures()
    {
        QFETCH(PictureMaker, make);
        QFETCH(int, side);
        QFETCH(qreal, dpr);
        const QPixmap picture = make(dpr);
        QCOMPARE(picture.devicePixelRatio(), dpr);
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(side, side));

        const QImage image = picture.toImage();
        const int last = image.width() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(image.pixelColor(corner).alpha(), 0);
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).alpha(), 255);

        const QImage icon = Pictures::AppIcon().pixmap(QSize(side, side), 1.0).toImage();
        QCOMPARE(icon.size(), QSize(side, side));
        QVERIFY(ColourCount(icon, icon.rect()) > 8);
    }

    void aboutContents()
    {
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tresmolo"));
        QVERIFY(about.isModal());
        auto* icon = Child<QLabel>(about, "aboutIcon");
        auto* version = Child<QLabel>(about, "versionText");
        auto* support = Child<QLabel>(about, "supportText");
        auto* guide = Child<QLabel>(about, "guideLink");
        auto* donate = Child<QPushButton>(about, "donateButton");
        auto* ok = Child<QPushButton>(about, "okButton");
        QVERIFY(icon && version && support && guide && donate && ok);

        QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(version->text(), QStringLiteral("Tresmolo, Version " TRESMOLO_VERSION));
        QVERIFY(support->text().startsWith(QStringLiteral("Support:")));
        QVERIFY(
            guide->text().contains(QRegularExpression(QStringLiteral("<a [^>]*>Tresmolo User Guide</a>"))));
        QCOMPARE(donate->text(), QStringLiteral("Donate"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());

        // The icon left of the texts; Donate bottom left, OK bottom right.
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto at = [&about](QWidget* w) { return w->mapTo(&about, QPoint()); };
        QVERIFY(at(icon).x() < at(version).x());
        QVERIFY(at(donate).y() > at(guide).y() && at(donate).x() < at(ok).x());
    }

    void aboutLinkAndDonateOpenGuide()
    {
        RecordLaunches(true);
        CAboutDlg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        auto* guide = Child<QLabel>(about, "guideLink");
        QTest::mouseClick(guide, Qt::LeftButton, {}, QPoint(8, guide->height() / 2));
        QCOMPARE(m_launched.size(), 1);
        QTest::mouseClick(Child<QPushButton>(about, "donateButton"), Qt::LeftButton);
        QCOMPARE(m_launched.size(), 2);
        QVERIFY(about.isVisible());

        for (const QUrl& url : std::as_const(m_launched)) {
            QVERIFY(url.isLocalFile());
            QCOMPARE(QFileInfo(url.toLocalFile()).fileName(), QStringLiteral("index.html"));
            QVERIFY(ReadAll(url.toLocalFile()).contains("Tresmolo"));
        }

        QTest::mouseClick(Child<QPushButton>(about, "okButton"), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // The installed PNG icons are renders of the drawing: a changed drawing needs new renders.
    void installedIconsMatchTheDrawing()
    {
        QSvgRenderer drawing(QStringLiteral(TRESMOLO_SOURCE_DIR "/resources/app/icon.svg"));
        QVERIFY(drawing.isValid());
        for (int side : {48, 128}) {
            const QString file = QStringLiteral(TRESMOLO_SOURCE_DIR "/resources/app/icon-%1.png").arg(side);
            const QImage installed = QImage(file).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(installed.size(), QSize(side, side));
            QImage fresh(side, side, QImage::Format_ARGB32_Premultiplied);
            fresh.fill(Qt::transparent);
            QPainter painter(&fresh);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            drawing.render(&painter);
            painter.end();
            fresh = fresh.convertToFormat(QImage::Format_ARGB32);
            int worst = 0;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const QColor a = installed.pixelColor(x, y), b = fresh.pixelColor(x, y);
                    worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                      std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
                }
            QVERIFY2(worst <= 8, qPrintable(QStringLiteral("%1: differs by %2").arg(file).arg(worst)));
        }
    }

    // Enter means OK even while Donate has the focus.
    void aboutEnterMeansOk()
    {
        RecordLaunches(true);
        CAboutDlg about;
        about.show();
        QTest::keyClick(Child<QPushButton>(about, "donateButton"), Qt::Key_Return);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(m_launched.isEmpty());
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestSplashAbout)

#include "tst_splash_about.moc"
