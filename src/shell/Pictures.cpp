#include "shell/Pictures.h"

#include "BuildInfo.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgRenderer>

namespace Pictures {
namespace {

const QString kIconFile = QStringLiteral(":/app/icon.svg");

qreal ValidRatio(qreal dpr)
{
    return dpr > 0.0 ? dpr : 1.0;
}

// A transparent pixmap of `logical` size for `dpr`, with the drawing in `file` scaled to fill it.
QPixmap RenderDrawing(const QString& file, QSize logical, qreal dpr)
{
    dpr = ValidRatio(dpr);
    QPixmap pixmap(logical * dpr);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

QFont SplashFont(int pixelSize, QFont::Weight weight)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void PaintSplashBackground(QPainter& painter, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(0x13, 0x33, 0x66));
    sky.setColorAt(0.55, QColor(0x1D, 0x5C, 0xA6));
    sky.setColorAt(1.0, QColor(0x24, 0x9C, 0xC2));
    painter.fillRect(area, sky);

    // Large, faint rings on the right give the flat background some depth.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 18));
    painter.drawEllipse(QPointF(area.right() - 40, area.top() - 10), 150, 150);
    painter.setBrush(QColor(255, 255, 255, 14));
    painter.drawEllipse(QPointF(area.right() + 10, area.bottom() + 5), 95, 95);

    // A thin accent in the folder's colour along the bottom edge.
    painter.fillRect(QRectF(area.left(), area.bottom() - 4, area.width(), 4), QColor(0xFF, 0xC8, 0x3D));

    // A fine dark edge keeps the picture apart from a light desktop.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 70), 1));
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void PaintSplashIcon(QPainter& painter, const QRectF& iconArea)
{
    // A soft glow behind the icon.
    QRadialGradient glow(iconArea.center(), iconArea.width() * 0.62);
    glow.setColorAt(0.0, QColor(255, 255, 255, 70));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(iconArea.center(), iconArea.width() * 0.62, iconArea.width() * 0.62);

    QSvgRenderer renderer(kIconFile);
    if (renderer.isValid())
        renderer.render(&painter, iconArea);
}

void PaintSplashTexts(QPainter& painter, qreal left, const QRectF& area)
{
    painter.setPen(Qt::white);
    painter.setFont(SplashFont(46, QFont::Bold));
    painter.drawText(QPointF(left, 92), QStringLiteral("Tresmolo"));

    painter.setPen(QColor(255, 255, 255, 220));
    painter.setFont(SplashFont(18, QFont::Normal));
    painter.drawText(QPointF(left + 2, 124),
                     QCoreApplication::translate("CDlgSplash", "File search for your folders"));

    painter.setPen(QColor(255, 255, 255, 190));
    painter.setFont(SplashFont(13, QFont::Normal));
    painter.drawText(QPointF(left + 2, area.bottom() - 24),
                     QCoreApplication::translate("CDlgSplash", "Loading..."));
    const QString version =
        QCoreApplication::translate("CDlgSplash", "Version %1").arg(QStringLiteral(TRESMOLO_VERSION));
    const qreal versionWidth = painter.fontMetrics().horizontalAdvance(version);
    painter.drawText(QPointF(area.right() - 22 - versionWidth, area.bottom() - 24), version);
}

} // namespace

QIcon AppIcon()
{
    // Qt's SVG icon engine draws the drawing at each size and pixel ratio asked for.
    return QIcon(kIconFile);
}

QPixmap InfoBarPicture(qreal dpr)
{
    return RenderDrawing(QStringLiteral(":/app/infobar.svg"), QSize(20, 20), dpr);
}

QPixmap AppButtonPicture(qreal dpr)
{
    return RenderDrawing(QStringLiteral(":/app/appbutton.svg"), QSize(26, 26), dpr);
}

QPixmap SplashPicture(qreal dpr)
{
    dpr = ValidRatio(dpr);
    QPixmap pixmap(QSize(kSplashWidth, kSplashHeight) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::black);

    // Everything below is in logical pixels; the painter scales to the device pixels.
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const QRectF area(0, 0, kSplashWidth, kSplashHeight);
    PaintSplashBackground(painter, area);

    const qreal iconSide = 116;
    const QRectF iconArea(34, (kSplashHeight - iconSide) / 2 - 2, iconSide, iconSide);
    PaintSplashIcon(painter, iconArea);
    PaintSplashTexts(painter, iconArea.right() + 32, area);
    return pixmap;
}

} // namespace Pictures
