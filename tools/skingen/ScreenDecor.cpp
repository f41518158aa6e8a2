#include "ScreenDecor.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "Theme.h"

using namespace theme;

namespace {

void Text(QPainter& p, const QRect& rect, const QString& text, int flags = Qt::AlignLeft,
          int pixels = 12, const QColor& color = kTextDim, bool bold = false) {
    p.setFont(Font(pixels, bold));
    p.setPen(color);
    p.drawText(rect, flags, text);
}

// A section title with a short accent bar before it.
void Heading(QPainter& p, int x, int y, const QString& text, int width = 240) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRect(QRectF(x, y + 3, 3, 11));
    Text(p, QRect(x + 9, y, width, 18), text, Qt::AlignLeft | Qt::AlignTop, 13, kText, true);
}

void Panel(QPainter& p, const QRect& rect) {
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

void Backdrop(QPainter& p, int width, int height) {
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, kWindowTop);
    fill.setColorAt(1, kWindow);
    p.fillRect(0, 0, width, height, fill);
}

// Thin diagonal lines fading out: the laser motif of the header.
void LaserLines(QPainter& p, const QRect& area) {
    p.save();
    p.setClipRect(area);
    for (int i = 0; i < 14; ++i) {
        QColor c = kAccent;
        c.setAlphaF(0.05 + 0.02 * (i % 4));
        p.setPen(QPen(c, 1));
        const int x = area.right() - 40 - i * 26;
        p.drawLine(x, area.top(), x + 90, area.bottom());
    }
    p.restore();
}

void PageBackdrop(QPainter& p, const ScreenSpec& s) {
    Backdrop(p, s.width, s.height);
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, s.width - 1, s.height - 1));
}

void PaintMain(QPainter& p, const ScreenSpec& s) {
    Backdrop(p, s.width, s.height);
    QRadialGradient glow(QPointF(560, 70), 320);
    QColor accent = kAccent;
    accent.setAlphaF(0.10);
    glow.setColorAt(0, accent);
    glow.setColorAt(1, Qt::transparent);
    p.fillRect(0, 0, s.width, 150, glow);
    LaserLines(p, QRect(360, 0, 440, 148));
    p.setPen(QPen(kPanelEdge, 1));
    p.drawRect(QRectF(0.5, 0.5, s.width - 1, s.height - 1));

    // Brand and model.
    Text(p, QRect(40, 44, 300, 20), "OSTREL", Qt::AlignLeft, 15, kAccent, true);
    Text(p, QRect(38, 60, 420, 56), "VOSK8200", Qt::AlignLeft, 46, kText, true);
    Text(p, QRect(41, 114, 420, 18), "LASER GAMING MOUSE  \u00b7  CONFIGURATION", Qt::AlignLeft, 11,
         kTextDim);
    Text(p, QRect(170, 7, 64, 13), "Version", Qt::AlignRight | Qt::AlignVCenter, 11, kTextDim);

    // The profile row and the command bar.
    p.setPen(QPen(kPanelEdge, 1));
    p.drawLine(QPointF(9, 185.5), QPointF(791, 185.5));
    Text(p, QRect(9, 136, 60, 14), "PROFILES", Qt::AlignLeft, 9, kTextOff, true);
    p.drawLine(QPointF(9, 558.5), QPointF(791, 558.5));
}

void PaintMouseSetting(QPainter& p, const ScreenSpec& s) {
    PageBackdrop(p, s);
    Heading(p, 20, 14, "Button Assignment");
    for (int i = 0; i < 7; ++i) {
        static const int kY[] = {43, 76, 109, 141, 173, 205, 238};
        Text(p, QRect(18, kY[i], 36, 23), QString("B%1").arg(i + 1),
             Qt::AlignRight | Qt::AlignVCenter, 11, kTextDim, true);
    }
    // A top view of the mouse between the two marker columns.
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(QRectF(310, 48, 140, 210), 66, 80);
    p.setPen(QPen(kControlEdge, 1.5));
    p.setBrush(kControlLow);
    p.drawPath(body);
    p.setPen(QPen(kControlEdge, 1));
    p.drawLine(QPointF(380, 50), QPointF(380, 128));
    p.drawLine(QPointF(314, 128), QPointF(446, 128));
    p.setBrush(kInset);
    p.drawRoundedRect(QRectF(373, 70, 14, 34), 6, 6);
    for (int i = 0; i < 2; ++i) {
        p.drawRoundedRect(QRectF(392, 98 + i * 14, 10, 10), 2, 2);
    }
    p.setPen(QPen(kTextOff, 1, Qt::DotLine));
    for (int y : {86, 113, 144, 167}) {
        p.drawLine(QPointF(284, y), QPointF(330, y));
    }
    for (int y : {86, 113, 135}) {
        p.drawLine(QPointF(430, y), QPointF(471, y));
    }

    Heading(p, 47, 280, "Polling Rate (Hz)");
    Heading(p, 545, 45, "Double Click Speed");
    Text(p, QRect(560, 90, 176, 14), "Slow", Qt::AlignLeft, 10);
    Text(p, QRect(560, 90, 176, 14), "Fast", Qt::AlignRight, 10);
    Heading(p, 545, 146, "Scroll Speed");
    Text(p, QRect(545, 191, 200, 14), "1 line", Qt::AlignLeft, 10);
    Text(p, QRect(545, 191, 200, 14), "6 lines", Qt::AlignRight, 10);
    Heading(p, 545, 246, "Pointer Acceleration");
    Text(p, QRect(545, 289, 200, 14), "Low", Qt::AlignLeft, 10);
    Text(p, QRect(545, 289, 200, 14), "High", Qt::AlignRight, 10);
}

void PaintSensor(QPainter& p, const ScreenSpec& s) {
    PageBackdrop(p, s);
    Heading(p, 20, 14, "Resolution Levels (DPI)");
    Text(p, QRect(20, 36, 400, 14), "Three levels per axis; the DPI buttons step through them.",
         Qt::AlignLeft, 11);
    Text(p, QRect(30, 71, 44, 18), "X", Qt::AlignRight | Qt::AlignVCenter, 14, kText, true);
    Text(p, QRect(30, 117, 44, 18), "Y", Qt::AlignRight | Qt::AlignVCenter, 14, kText, true);
    Heading(p, 20, 180, "Surface Quality");
    Text(p, QRect(150, 214, 76, 40), "Tracking\nsurface", Qt::AlignRight | Qt::AlignVCenter, 11);
    Text(p, QRect(150, 262, 190, 30), "Analyze the surface your mouse\nworks on.", Qt::AlignLeft,
         10);
    Heading(p, 424, 188, "Pointer Speed");
    Text(p, QRect(444, 230, 288, 14), "1", Qt::AlignLeft, 10);
    Text(p, QRect(444, 230, 288, 14), "10", Qt::AlignRight, 10);
    Heading(p, 424, 255, "Lift-off Distance");
    Text(p, QRect(424, 297, 329, 14), "Low", Qt::AlignLeft, 10);
    Text(p, QRect(424, 297, 329, 14), "High", Qt::AlignRight, 10);
}

void PaintColorSetting(QPainter& p, const ScreenSpec& s) {
    PageBackdrop(p, s);
    Heading(p, 40, 45, "LED Zones");
    Heading(p, 40, 232, "Light Effect");
    Heading(p, 266, 45, "Preview");
    p.fillRect(QRect(266, 85, 205, 212), Qt::black);
    p.setPen(QPen(kPanelEdge, 1));
    p.drawRect(QRectF(265.5, 84.5, 206, 213));
    Heading(p, 540, 22, "Color Mode", 200);
    Heading(p, 540, 240, "Custom Color (RGB)", 220);
    Text(p, QRect(540, 266, 11, 15), "R", Qt::AlignLeft | Qt::AlignVCenter, 10, kText, true);
    Text(p, QRect(589, 266, 10, 15), "G", Qt::AlignLeft | Qt::AlignVCenter, 10, kText, true);
    Text(p, QRect(635, 266, 10, 15), "B", Qt::AlignLeft | Qt::AlignVCenter, 10, kText, true);
    Text(p, QRect(540, 290, 200, 28), "Pick a preset or type values\n0 to 255, then press Enter.",
         Qt::AlignLeft, 10);
}

void PaintMacroSetting(QPainter& p, const ScreenSpec& s) {
    PageBackdrop(p, s);
    Heading(p, 36, 52, "Macros");
    Heading(p, 276, 52, "Events");
    Heading(p, 537, 50, "Recording");
    Text(p, QRect(537, 200, 230, 90),
         "Record Delay keeps the time\nbetween keys. Right-click the\nevents to insert mouse "
         "events,\nedit delays or delete.",
         Qt::AlignLeft, 10);
}

void PaintSupport(QPainter& p, const ScreenSpec& s) {
    PageBackdrop(p, s);
    Panel(p, QRect(120, 60, 250, 260));
    Panel(p, QRect(485, 60, 250, 220));
    Heading(p, 134, 72, "Help");
    Text(p, QRect(149, 96, 210, 24), "Answers to common questions.", Qt::AlignLeft, 11);
    Text(p, QRect(149, 236, 210, 36), "Contact the OSTREL support team.", Qt::AlignLeft, 11);
    Heading(p, 499, 72, "Updates");
    Text(p, QRect(514, 96, 210, 24), "Newer software for your mouse.", Qt::AlignLeft, 11);
    Text(p, QRect(514, 236, 210, 36), "Firmware and manuals.", Qt::AlignLeft, 11);
    Text(p, QRect(500, 303, 134, 13), "Firmware version", Qt::AlignRight | Qt::AlignVCenter, 11);
    Text(p, QRect(500, 316, 134, 12), "Software version", Qt::AlignRight | Qt::AlignVCenter, 11);
}

// The pop-ups: a title bar, the wording and the frame.
void PaintDialog(QPainter& p, const ScreenSpec& s, const QString& title, const QString& body,
                 bool warning = false) {
    Backdrop(p, s.width, s.height);
    QLinearGradient bar(0, 0, 0, 24);
    bar.setColorAt(0, kControl);
    bar.setColorAt(1, kPanel);
    p.fillRect(0, 0, s.width, 24, bar);
    p.setPen(QPen(warning ? kWarn : kAccent, 2));
    p.drawLine(QPointF(0, 24), QPointF(s.width, 24));
    Text(p, QRect(12, 0, s.width - 60, 24), title, Qt::AlignLeft | Qt::AlignVCenter, 12, kText,
         true);
    if (warning) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath sign;
        sign.moveTo(38, 46);
        sign.lineTo(56, 78);
        sign.lineTo(20, 78);
        sign.closeSubpath();
        p.setPen(QPen(kWarn, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(sign);
        Text(p, QRect(20, 52, 36, 24), "!", Qt::AlignHCenter | Qt::AlignBottom, 16, kWarn, true);
    }
    const int left = warning ? 72 : 20;
    Text(p, QRect(left, 44, s.width - left - 20, 90), body, Qt::AlignLeft | Qt::TextWordWrap, 13,
         kText);
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, s.width - 1, s.height - 1));
}

}  // namespace

void PaintBackdrop(QPainter& p, const ScreenSpec& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (s.screen) {
        case Screen::Main:
            PaintMain(p, s);
            break;
        case Screen::MouseSetting:
            PaintMouseSetting(p, s);
            break;
        case Screen::Sensor:
            PaintSensor(p, s);
            break;
        case Screen::ColorSetting:
            PaintColorSetting(p, s);
            break;
        case Screen::MacroSetting:
            PaintMacroSetting(p, s);
            break;
        case Screen::Support:
            PaintSupport(p, s);
            break;
        case Screen::ReName:
            PaintDialog(p, s, "Rename Profile", "");
            Text(p, QRect(20, 44, 88, 15), "New name", Qt::AlignRight | Qt::AlignVCenter, 12,
                 kText);
            Text(p, QRect(112, 66, 260, 40),
                 "The name shows on the profile button and is\n"
                 "sent to the mouse (15 characters).",
                 Qt::AlignLeft, 10);
            break;
        case Screen::LeftClickWarn:
            PaintDialog(p, s, "Left Click needed",
                        "One button must keep \"Left Click\".\nGive Left Click to another "
                        "button first, then change this one.",
                        true);
            break;
        case Screen::DeleteMacro:
            PaintDialog(p, s, "Delete Macro",
                        "Delete the selected macro?\nButtons that play it return to their "
                        "default function.",
                        true);
            break;
        case Screen::SensorSQAT1:
            PaintDialog(p, s, "Surface Analysis  \u00b7  Step 1 of 3",
                        "Place the mouse on the surface you play on.\nPress Start, then move "
                        "the mouse slowly in circles\nuntil the countdown ends.");
            break;
        case Screen::SensorSQAT2:
            PaintDialog(p, s, "Surface Analysis  \u00b7  Step 2 of 3", "");
            Text(p, QRect(222, 62, 160, 60), "Keep moving the mouse\nslowly in circles.",
                 Qt::AlignLeft, 12, kText);
            Text(p, QRect(222, 133, 60, 12), "Time left", Qt::AlignLeft | Qt::AlignVCenter, 11);
            Text(p, QRect(300, 133, 20, 12), "s", Qt::AlignLeft | Qt::AlignVCenter, 11);
            break;
        case Screen::SensorSQAT3:
            PaintDialog(p, s, "Surface Analysis  \u00b7  Step 3 of 3",
                        "The analysis is complete.\nPress Finish to see how well the sensor "
                        "tracks\non this surface.");
            break;
        case Screen::ResetWarn:
            PaintDialog(p, s, "Reset to Default",
                        "Reset all five profiles to their factory settings?\nYour own settings "
                        "are lost when you apply.",
                        true);
            break;
        case Screen::AssignKey:
            PaintDialog(p, s, "Single Key Assignment",
                        "Press the key this button should send.\nOK assigns the key shown "
                        "below.");
            Panel(p, QRect(124, 95, 79, 24));
            break;
    }
    p.restore();
}
