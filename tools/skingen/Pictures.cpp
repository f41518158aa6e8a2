#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "Theme.h"
#include "skin/ScreenTables.h"

using namespace theme;

namespace {

QImage Blank(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// A thumb with a pointed foot, on the track's own dark so its corners blend in.
QPainterPath ThumbShape(qreal width, qreal height) {
    QPainterPath path;
    path.moveTo(1, 1.5);
    path.lineTo(width - 1, 1.5);
    path.lineTo(width - 1, height * 0.62);
    path.lineTo(width / 2, height - 1);
    path.lineTo(1, height * 0.62);
    path.closeSubpath();
    return path;
}

const QColor kThumbColors[] = {kAccent, QColor(0x35, 0xC8, 0xD3), QColor(0xE0, 0x8A, 0x2C)};

QColor LevelColor(int level) {
    return QColor::fromHsvF(0.01 + 0.24 * level / 10.0, 0.85, 0.95);
}

}  // namespace

QImage SliderThumb(bool enabled) {
    QImage image = Blank(kSliderThumbWidth, kSliderThumbHeight, kWindow);
    QPainter p(&image);
    Smooth(p);
    QLinearGradient fill(0, 0, kSliderThumbWidth, 0);
    fill.setColorAt(0, enabled ? kText : kTextOff);
    fill.setColorAt(1, enabled ? kTextDim : kControlEdge);
    p.setPen(QPen(enabled ? Qt::white : kTextOff, 1));
    p.setBrush(fill);
    p.drawPath(ThumbShape(kSliderThumbWidth, kSliderThumbHeight));
    if (enabled) {
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(kSliderThumbWidth / 2.0, 4), QPointF(kSliderThumbWidth / 2.0, 9));
    }
    return image;
}

QImage Slider3DThumb(int thumb) {
    QImage image = Blank(kSlider3DThumbWidth, kSlider3DThumbHeight, kWindow);
    QPainter p(&image);
    Smooth(p);
    const QColor color = kThumbColors[(thumb - 1) % 3];
    p.setPen(QPen(color.lighter(140), 1));
    p.setBrush(color);
    p.drawPath(ThumbShape(kSlider3DThumbWidth, kSlider3DThumbHeight));
    p.setFont(Font(9, true));
    p.setPen(kWindow);
    p.drawText(QRect(0, 1, kSlider3DThumbWidth, 11), Qt::AlignCenter, QString::number(thumb));
    return image;
}

QImage ColorPanelPicture() {
    QImage image = Blank(kColorPanelWidth, kColorPanelHeight, QColor(0x30, 0x34, 0x39));
    QPainter p(&image);
    for (const ColorCellSpec& cell : ColorPanelCells()) {
        const unsigned ref = cell.colorRef;
        p.fillRect(QRect(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top),
                   QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF));
    }
    return image;
}

QImage MousePicture() {
    QImage image(kMousePictureWidth, kMousePictureHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    // Seen from above and behind its left side: the nose top left, the palm bottom right.
    p.translate(95, 103);
    p.rotate(-36);
    QPainterPath body;
    body.addEllipse(QRectF(-84, -109, 168, 218));
    QLinearGradient shell(-84, 0, 84, 0);
    shell.setColorAt(0, QColor(0x2A, 0x2E, 0x33));
    shell.setColorAt(0.5, QColor(0x1A, 0x1D, 0x21));
    shell.setColorAt(1, QColor(0x0F, 0x11, 0x13));
    p.setPen(QPen(QColor(0x4A, 0x50, 0x57), 1.5));
    p.setBrush(shell);
    p.drawPath(body);
    p.setPen(QPen(QColor(0x3A, 0x40, 0x47), 1.2));
    p.drawLine(QPointF(0, -110), QPointF(0, -20));
    p.drawArc(QRectF(-82, -50, 164, 60), 200 * 16, 140 * 16);
    p.resetTransform();
    // A thumb wing on the left carries the DPI buttons.
    p.setPen(QPen(QColor(0x4A, 0x50, 0x57), 1.2));
    p.setBrush(QColor(0x1E, 0x21, 0x25));
    p.drawRoundedRect(QRectF(0.5, 27.5, 26, 30), 6, 6);
    // The LED zones let the colours underneath show through.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::transparent);
    for (const SkinRect& zone : MouseZoneRects()) {
        p.drawRoundedRect(QRectF(zone.x, zone.y, zone.width, zone.height), 5, 5);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    for (const SkinRect& zone : MouseZoneRects()) {
        p.drawRoundedRect(QRectF(zone.x + 0.5, zone.y + 0.5, zone.width - 1, zone.height - 1), 5,
                          5);
    }
    return image;
}

QImage ScrollPicture(int look) {
    // The bar cuts its resting parts from "Scroll_Down" and its pressed parts from
    // "Scroll_Over"; "Scroll_Normal" is only its background.
    QImage image = Blank(kScrollWidth, kScrollHeight, kInset);
    QPainter p(&image);
    Smooth(p);
    const bool pressedLook = look == 1;
    const QColor active = pressedLook ? kAccent : kTextDim;
    auto button = [&](const SkinRect& r, bool up) {
        p.setPen(QPen(pressedLook ? kAccent : kControlEdge, 1));
        p.setBrush(pressedLook ? kAccentDeep : kControl);
        p.drawRoundedRect(QRectF(r.x + 1.5, r.y + 0.5, r.width - 3, r.height - 1), 2, 2);
        const qreal cx = r.x + r.width / 2.0;
        const qreal cy = r.y + r.height / 2.0;
        QPainterPath arrow;
        arrow.moveTo(cx - 4, up ? cy + 2 : cy - 2);
        arrow.lineTo(cx, up ? cy - 2 : cy + 2);
        arrow.lineTo(cx + 4, up ? cy + 2 : cy - 2);
        p.setPen(QPen(active, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrow);
    };
    // The track, then the buttons and the thumb where the scroll bar cuts them.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x12, 0x14));
    p.drawRoundedRect(QRectF(8, 18, 7, kScrollHeight - 36), 3, 3);
    if (look == 0) {
        return image;  // the track alone
    }
    button(kScrollStart, true);
    button(kScrollEnd, false);
    const SkinRect& t = kScrollThumb;
    p.setPen(QPen(pressedLook ? kAccent : kControlEdge.lighter(130), 1));
    p.setBrush(pressedLook ? kAccent : kControl.lighter(140));
    p.drawRoundedRect(QRectF(t.x + 5.5, t.y + 1.5, t.width - 11, t.height - 3), 4, 4);
    return image;
}

QImage SurfacePicture(int level) {
    QImage image = Blank(kSurfacePictureWidth, kSurfacePictureHeight, kInset);
    QPainter p(&image);
    Smooth(p);
    p.setFont(Font(18, true));
    p.setPen(level == 0 ? kTextOff : LevelColor(level));
    p.drawText(QRect(0, 2, kSurfacePictureWidth, 26), Qt::AlignCenter,
               QString("%1%").arg(level * 10));
    // Ten segments, lit up to the level.
    for (int i = 0; i < 10; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i < level ? LevelColor(i + 1) : kControlLow);
        p.drawRoundedRect(QRectF(8 + i * 8.2, 32, 6.4, 10), 1.5, 1.5);
    }
    return image;
}

QImage AnalysisFrame(int frame) {
    QImage image = Blank(kAnalysisPictureWidth, kAnalysisPictureHeight, kInset);
    QPainter p(&image);
    Smooth(p);
    // The surface: a faint grid.
    p.setPen(QPen(QColor(0x1C, 0x20, 0x24), 1));
    for (int x = 6; x < kAnalysisPictureWidth; x += 12) {
        p.drawLine(x, 0, x, kAnalysisPictureHeight);
    }
    for (int y = 6; y < kAnalysisPictureHeight; y += 12) {
        p.drawLine(0, y, kAnalysisPictureWidth, y);
    }
    const QPointF centre(98, 48);
    const qreal radius = 26;
    // The circle the mouse follows, and the part it has travelled in this frame.
    p.setPen(QPen(kTextOff, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    const int start = 90 * 16 - frame * 120 * 16;
    p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), start,
              -100 * 16);
    const qreal angle = (90 - frame * 120 - 100) * std::numbers::pi / 180;
    const QPointF at(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
    p.setPen(QPen(QColor(0x4A, 0x50, 0x57), 1.2));
    p.setBrush(kControl);
    p.drawRoundedRect(QRectF(at.x() - 9, at.y() - 13, 18, 26), 8, 9);
    QColor laser = kAccent;
    laser.setAlpha(200);
    p.setPen(Qt::NoPen);
    p.setBrush(laser);
    p.drawEllipse(at, 2.5, 2.5);
    return image;
}
