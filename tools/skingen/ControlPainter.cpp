#include "ControlPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "Theme.h"

using namespace theme;

QRect ToQRect(const SkinRect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

namespace {

QRectF Inner(const QRect& rect, qreal by = 0.5) {
    return QRectF(rect).adjusted(by, by, -by, -by);
}

QColor CaptionColor(SkinState state) {
    switch (state) {
        case SkinState::Over:
            return Qt::white;
        case SkinState::Down:
            return kAccent;
        case SkinState::Disable:
            return kTextOff;
        default:
            return kText;
    }
}

void Caption(QPainter& p, const QRect& rect, std::string_view text, SkinState state,
             int flags = Qt::AlignCenter, int pixels = 12, bool bold = false) {
    p.setFont(Font(pixels, bold));
    p.setPen(CaptionColor(state));
    p.drawText(rect, flags, QString::fromUtf8(text.data(), qsizetype(text.size())));
}

// A rounded key with a vertical sheen; the state sets the edge and the fill.
void Key(QPainter& p, const QRect& rect, SkinState state, qreal radius = 3) {
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    QColor edge = kControlEdge;
    switch (state) {
        case SkinState::Over:
            fill.setColorAt(0, kControl.lighter(135));
            fill.setColorAt(1, kControlLow.lighter(130));
            edge = kAccent;
            break;
        case SkinState::Down:
            fill.setColorAt(0, kAccentDeep.lighter(130));
            fill.setColorAt(1, kAccentDeep);
            edge = kAccent;
            break;
        case SkinState::Disable:
            fill.setColorAt(0, kControlLow);
            fill.setColorAt(1, kControlLow);
            edge = kControlLow.lighter(140);
            break;
        default:
            fill.setColorAt(0, kControl);
            fill.setColorAt(1, kControlLow);
            break;
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(Inner(rect), radius, radius);
    if (state == SkinState::Down) {
        // The pressed glow: an accent line along the bottom edge.
        p.setPen(QPen(kAccent, 2));
        p.drawLine(QPointF(rect.left() + radius, rect.bottom() - 0.5),
                   QPointF(rect.right() - radius + 1, rect.bottom() - 0.5));
    }
}

void Chevron(QPainter& p, QPointF centre, qreal size, const QColor& color) {
    QPainterPath path;
    path.moveTo(centre.x() - size, centre.y() - size / 2);
    path.lineTo(centre.x(), centre.y() + size / 2);
    path.lineTo(centre.x() + size, centre.y() - size / 2);
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void PaintTab(QPainter& p, const QRect& r, std::string_view caption, SkinState state) {
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, state == SkinState::Down ? kControl.lighter(120) : kControlLow);
    fill.setColorAt(1, state == SkinState::Down ? kAccentDeep : kWindow);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    QPainterPath shape;
    shape.moveTo(r.left() + 0.5, r.bottom() + 1);
    shape.lineTo(r.left() + 8, r.top() + 0.5);
    shape.lineTo(r.right() - 7, r.top() + 0.5);
    shape.lineTo(r.right() + 0.5, r.bottom() + 1);
    p.drawPath(shape);
    p.setPen(QPen(state == SkinState::Normal ? kPanelEdge : kAccent, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    if (state == SkinState::Down || state == SkinState::Over) {
        p.setPen(QPen(kAccent, state == SkinState::Down ? 3 : 1));
        p.drawLine(QPointF(r.left() + 6, r.bottom() - 1), QPointF(r.right() - 5, r.bottom() - 1));
    }
    Caption(p, r, caption, state, Qt::AlignCenter, 13, true);
}

void PaintCheckBox(QPainter& p, const QRect& r, std::string_view caption, SkinState state) {
    const int box = std::min(12, r.height() - 2);
    const QRect square(r.left() + 2, r.top() + (r.height() - box) / 2, box, box);
    p.setPen(QPen(state == SkinState::Over || state == SkinState::Down ? kAccent
                  : state == SkinState::Disable                        ? kTextOff
                                                                       : kControlEdge.lighter(130),
                  1));
    p.setBrush(state == SkinState::Down ? kAccent : kInset);
    p.drawRoundedRect(Inner(square), 2, 2);
    if (state == SkinState::Down) {
        QPainterPath tick;
        tick.moveTo(square.left() + box * 0.22, square.top() + box * 0.52);
        tick.lineTo(square.left() + box * 0.42, square.top() + box * 0.74);
        tick.lineTo(square.left() + box * 0.80, square.top() + box * 0.28);
        p.setPen(QPen(kWindow, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    const QRect text = r.adjusted(box + 7, 0, 0, 0);
    Caption(p, text, caption, state == SkinState::Down ? SkinState::Normal : state,
            Qt::AlignLeft | Qt::AlignVCenter, 11);
}

void PaintLatch(QPainter& p, const QRect& r, std::string_view caption, SkinState state) {
    const qreal d = std::min(10, r.height() - 6);
    const QRectF dot(r.left() + 3, r.top() + (r.height() - d) / 2.0, d, d);
    p.setPen(QPen(state == SkinState::Normal    ? kControlEdge.lighter(130)
                  : state == SkinState::Disable ? kTextOff
                                                : kAccent,
                  1.2));
    p.setBrush(kInset);
    p.drawEllipse(dot);
    if (state == SkinState::Down) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(dot.adjusted(2.2, 2.2, -2.2, -2.2));
    }
    Caption(p, r.adjusted(int(d) + 9, 0, 0, 0), caption, state, Qt::AlignLeft | Qt::AlignVCenter,
            12);
}

void PaintMarker(QPainter& p, const QRect& r, std::string_view caption, SkinState state) {
    const qreal d = std::min(r.width(), r.height()) - 3;
    const QRectF circle(r.left() + (r.width() - d) / 2.0, r.top() + (r.height() - d) / 2.0, d, d);
    p.setPen(QPen(state == SkinState::Normal ? kTextDim : kAccent, 1.5));
    p.setBrush(state == SkinState::Down ? kAccent : kPanel);
    p.drawEllipse(circle);
    p.setFont(Font(11, true));
    p.setPen(state == SkinState::Down ? kWindow : kText);
    p.drawText(circle, Qt::AlignCenter, QString::fromUtf8(caption.data(), caption.size()));
}

void PaintCombo(QPainter& p, const QRect& r, SkinState state) {
    Key(p, r, state, 2);
    const qreal size = std::min(3.5, r.height() / 5.0);
    const QPointF centre(r.right() - std::min(8, r.width() / 2) + 0.5, r.center().y() + 1);
    Chevron(p, centre, size,
            state == SkinState::Disable  ? kTextOff
            : state == SkinState::Normal ? kTextDim
                                         : kAccent);
}

void PaintTrack(QPainter& p, const QRect& r, SkinState state, int centreY) {
    const QColor groove = state == SkinState::Disable ? kControlLow : kInset;
    p.setPen(QPen(state == SkinState::Disable ? kControlLow.lighter(130) : kControlEdge, 1));
    p.setBrush(groove);
    p.drawRoundedRect(QRectF(r.left() + 3.5, centreY - 2.5, r.width() - 7, 5), 2.5, 2.5);
    // Tick marks every tenth of the way.
    p.setPen(QPen(state == SkinState::Disable ? kControlLow.lighter(130) : kTextOff, 1));
    for (int i = 0; i <= 10; ++i) {
        const qreal x = r.left() + 6 + (r.width() - 12) * i / 10.0;
        p.drawLine(QPointF(x, centreY + 4.5), QPointF(x, centreY + 6.5));
    }
}

void PaintGauge(QPainter& p, const QRect& r, SkinState state) {
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(kInset);
    p.drawRoundedRect(Inner(r), 4, 4);
    const int segments = 10;
    const QRect bar = r.adjusted(14, 6, -14, -6);
    const qreal h = bar.height() / qreal(segments);
    for (int i = 0; i < segments; ++i) {
        const QRectF cell(bar.left(), bar.bottom() + 1 - (i + 1) * h + 1, bar.width(), h - 2);
        QColor lit = QColor::fromHsvF(0.01 + 0.22 * i / (segments - 1), 0.85, 0.95);
        p.setPen(Qt::NoPen);
        p.setBrush(state == SkinState::Down ? lit : kControlLow);
        p.drawRoundedRect(cell, 1.5, 1.5);
    }
}

void PaintColorCell(QPainter& p, const QRect& r, unsigned rgb, SkinState state) {
    const QColor color((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    p.setPen(QPen(state == SkinState::Over   ? Qt::white
                  : state == SkinState::Down ? kAccent
                                             : kPanelEdge,
                  state == SkinState::Down ? 2 : 1));
    p.setBrush(state == SkinState::Disable ? color.darker(300) : color);
    p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 2, 2);
}

void PaintColorButton(QPainter& p, const QRect& r, std::string_view caption, SkinState state) {
    Key(p, r, state, 2);
    p.setFont(Font(10, true));
    p.setPen(CaptionColor(state));
    p.drawText(r, Qt::AlignCenter, QString::fromUtf8(caption.data(), caption.size()));
}

void PaintInset(QPainter& p, const QRect& r, SkinState state, qreal radius = 2) {
    p.setPen(QPen(state == SkinState::Over ? kAccent : kPanelEdge, 1));
    p.setBrush(kInset);
    p.drawRoundedRect(Inner(r), radius, radius);
}

}  // namespace

void PaintControl(QPainter& p, const ControlSpec& control, SkinState state) {
    if (state == SkinState::Background) {
        return;
    }
    const QRect r = ToQRect(control.ImageRect());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setClipRect(r);
    switch (control.kind) {
        case ControlKind::Tab:
            PaintTab(p, r, control.caption, state);
            break;
        case ControlKind::Button:
            Key(p, r, state);
            Caption(p, r, control.caption == "Close" ? "\u00d7" : control.caption, state,
                    Qt::AlignCenter, control.caption == "Close" ? 16 : 12);
            break;
        case ControlKind::NameButton:
            Key(p, r, state, 2);
            break;
        case ControlKind::LatchButton:
            PaintLatch(p, r, control.caption, state);
            break;
        case ControlKind::ComboButton:
            PaintCombo(p, r, state);
            break;
        case ControlKind::CheckBox:
            PaintCheckBox(p, r, control.caption, state);
            break;
        case ControlKind::Marker:
            PaintMarker(p, r, control.caption, state);
            break;
        case ControlKind::Slider:
            PaintTrack(p, r, state, r.top() + 8);
            break;
        case ControlKind::Slider3D:
            PaintTrack(p, r, state, r.top() + kSlider3DThumbHeight / 2);
            break;
        case ControlKind::Gauge:
            PaintGauge(p, r, state);
            break;
        case ControlKind::Picture:
        case ControlKind::Edit:
        case ControlKind::List:
            PaintInset(p, r, control.kind == ControlKind::Edit ? state : SkinState::Normal);
            break;
        case ControlKind::Label:
            break;  // the program draws the text on the background
        case ControlKind::ColorButton:
            PaintColorButton(p, r, control.caption, state);
            break;
        case ControlKind::ColorCell:
            PaintColorCell(p, r, control.color, state);
            break;
        case ControlKind::MousePicture:
            p.fillRect(r, Qt::black);
            break;
        case ControlKind::Page:
            p.setPen(QPen(kPanelEdge, 1));
            p.setBrush(kPanel);
            p.drawRect(Inner(r));
            break;
    }
    p.restore();
}
