// The main window on a high-resolution screen: ctest runs this program at scale factors 1.25, 1.5
// and 2 (QT_SCALE_FACTOR). The first window fits the screen, no label of the command panel is cut,
// and every picture is drawn from its SVG at the screen's pixel ratio, not scaled up from a bitmap.
#include "shell/ApplicationButton.h"
#include "shell/InfoBar.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "shell/Pictures.h"
#include "shell/Ribbon.h"
#include "shell/RibbonElements.h"
#include "shell/WindowPlacement.h"
#include "support/TestSupport.h"
#include "view/Commands.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTabBar>
#include <QToolButton>

namespace {

// The drawing in `file` rendered straight to `pixels` device pixels.
QImage Drawn(const QString& file, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(file).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

// The largest difference of one colour channel between two pictures of the same size; -1 when
// their sizes differ.
int Difference(QImage a, QImage b)
{
    if (a.size() != b.size())
        return -1;
    a = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    b = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return most;
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT
public:
    explicit TestHiDpi(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void initTestCase()
    {
        const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(qApp->devicePixelRatio(), factor);
    }
    void init() { m_home.ClearSettings(); }

    // The first window fits the screen, and every label of the command panel shows whole.
    void firstWindowFitsWithWholeLabels()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        const QRect available = frame->screen()->availableGeometry();
        QCOMPARE(frame->geometry(), WindowPlacement::FirstGeometry(available));
        QVERIFY(available.contains(frame->frameGeometry()));
        QCOMPARE(frame->devicePixelRatioF(), qApp->devicePixelRatio());

        CRibbonBar* ribbon = frame->Ribbon();
        QList<QWidget*> parts = {ribbon->StyleButton(), ribbon->Tabs()};
        parts.append(frame->CountPane());
        for (QWidget* part : ribbon->findChildren<QWidget*>())
            if ((qobject_cast<QAbstractButton*>(part) || qobject_cast<QLabel*>(part)) && part->isVisible())
                parts.append(part);
        QVERIFY(parts.size() > 15);
        for (QWidget* part : parts) {
            QVERIFY2(part->width() >= part->sizeHint().width() && part->height() >= part->sizeHint().height(),
                     qPrintable(part->objectName()));
            if (const auto* label = qobject_cast<QLabel*>(part); label && !label->text().isEmpty())
                QVERIFY2(label->contentsRect().width() >=
                             label->fontMetrics().horizontalAdvance(label->text()),
                         qPrintable(label->text()));
        }
    }

    // The command panel's pictures, the application icon, the information bar's "i" and the
    // application button's face are drawn at the screen's pixel ratio from their drawings.
    void picturesAreDrawnForTheScreen()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        const qreal dpr = frame->devicePixelRatioF();
        const auto pixels = [dpr](int side) { return QSize(qRound(side * dpr), qRound(side * dpr)); };

        const QList<std::pair<int, const char*>> commands = {{Commands::StartSearch, "media-playback-start"},
                                                             {Commands::ExportFileList, "document-export"},
                                                             {Commands::DuplicateFiles, "edit-copy"},
                                                             {Commands::AppAbout, "help-about"}};
        for (const auto& [id, name] : commands) {
            auto* button = qobject_cast<QToolButton*>(frame->Ribbon()->Element(id));
            QVERIFY(button);
            const QPixmap shown = button->icon().pixmap(button->iconSize(), dpr);
            QCOMPARE(shown.size(), pixels(button->iconSize().width()));
            QVERIFY2(
                Difference(shown.toImage(), Drawn(QStringLiteral(":/ribbon/%1.svg").arg(QLatin1String(name)),
                                                  pixels(button->iconSize().width()))) <= 2,
                name);
        }
        for (int side : {16, 32, 48}) {
            const QPixmap icon = Pictures::AppIcon().pixmap(QSize(side, side), dpr);
            QCOMPARE(icon.size(), pixels(side));
            QVERIFY(Difference(icon.toImage(), Drawn(QStringLiteral(":/app/icon.svg"), pixels(side))) <= 2);
        }

        QWidget* info = frame->InfoBar()->findChild<QWidget*>(QStringLiteral("InfoBarPicture"));
        QVERIFY(info);
        const QImage infoShown = info->grab().toImage();
        QCOMPARE(infoShown.size(), pixels(info->width()));
        // Drawn over the bar's background: where the drawing is opaque, the two agree.
        const QImage infoDrawn = Drawn(QStringLiteral(":/app/infobar.svg"), infoShown.size());
        const QPoint middle(infoShown.width() / 2, infoShown.height() / 2);
        QCOMPARE(qAlpha(infoDrawn.pixel(middle)), 255);
        int opaqueDiffering = 0;
        for (int y = 0; y < infoDrawn.height(); ++y)
            for (int x = 0; x < infoDrawn.width(); ++x)
                if (qAlpha(infoDrawn.pixel(x, y)) == 255 &&
                    (infoDrawn.pixel(x, y) & 0xffffff) != (infoShown.pixel(x, y) & 0xffffff))
                    ++opaqueDiffering;
        QCOMPARE(opaqueDiffering, 0);

        const QPixmap face = Pictures::AppButtonPicture(dpr);
        QCOMPARE(face.size(), pixels(26));
        QCOMPARE(frame->Ribbon()->ApplicationButton()->grab().devicePixelRatio(), dpr);
    }
};

int main(int argc, char** argv)
{
    TestHome home;
    // A screen of 2560 x 1600 device pixels, as a laptop's high-resolution screen has.
    const QString screens = home.Path() + QStringLiteral("/screens.json");
    WriteFile(screens, R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 2560, "height": 1600,
                                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=") + screens.toLocal8Bit());
    QApplication app(argc, argv);
    TestHiDpi test(home);
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hidpi.moc"
