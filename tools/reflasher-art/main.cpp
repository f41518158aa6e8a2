// reflasher-art: draws the firmware updater's windows and buttons (masks, backgrounds with their
// texts, button looks) as PNG files named by resource number, and the resource list that embeds
// them in Reflasher.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor kAccent(0xB3, 0xD3, 0x35);
const QColor kWarn(0xE0, 0x8A, 0x2C);
const QColor kText(0xD2, 0xD2, 0xD2);
const QColor kTextDim(0x8C, 0x92, 0x99);
constexpr int kWidth = 376;
constexpr int kHeight = 177;

QFont Font(int pixels, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPainterPath Outline() {
    // A plate with one corner cut, the updater's own silhouette.
    QPainterPath path;
    path.moveTo(12, 0);
    path.lineTo(kWidth - 12, 0);
    path.quadTo(kWidth, 0, kWidth, 12);
    path.lineTo(kWidth, kHeight - 22);
    path.lineTo(kWidth - 22, kHeight);
    path.lineTo(12, kHeight);
    path.quadTo(0, kHeight, 0, kHeight - 12);
    path.lineTo(0, 12);
    path.quadTo(0, 0, 12, 0);
    return path;
}

QImage Mask() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(Outline());
    p.end();
    // One bit a pixel: what is not pure white is outside.
    return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

QImage Background(const QString& title, const QString& body, bool warning, bool progress) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient fill(0, 0, 0, kHeight);
    fill.setColorAt(0, QColor(0x1A, 0x1E, 0x22));
    fill.setColorAt(1, QColor(0x0A, 0x0C, 0x0E));
    p.setBrush(fill);
    p.setPen(QPen(QColor(0x3A, 0x40, 0x47), 1.5));
    p.drawPath(Outline());
    // Laser lines behind the title.
    for (int i = 0; i < 8; ++i) {
        QColor line = kAccent;
        line.setAlphaF(0.06);
        p.setPen(QPen(line, 1));
        p.drawLine(200 + i * 22, 0, 260 + i * 22, 60);
    }
    const QColor mark = warning ? kWarn : kAccent;
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawRect(QRectF(18, 10, 3, 14));
    p.setFont(Font(15, true));
    p.setPen(warning ? kWarn : kText);
    p.drawText(QRect(28, 6, 300, 22), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QPen(QColor(0x2A, 0x2F, 0x35), 1));
    p.drawLine(QPointF(18, 32.5), QPointF(kWidth - 18, 32.5));
    p.setFont(Font(12));
    p.setPen(kText);
    p.drawText(QRect(22, 44, 332, progress ? 44 : 96), Qt::AlignLeft | Qt::TextWordWrap, body);
    if (progress) {
        p.setFont(Font(10, true));
        p.setPen(kTextDim);
        p.drawText(QRect(22, 90, 200, 12), Qt::AlignLeft | Qt::AlignVCenter, "PROGRESS");
        p.setPen(QPen(QColor(0x3A, 0x40, 0x47), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(20.5, 103.5, 333, 18));
    }
    p.setFont(Font(10, true));
    p.setPen(kTextDim);
    p.drawText(QRect(22, 150, 170, 22), Qt::AlignLeft | Qt::AlignVCenter, "OSTREL  VOSK8200");
    return image;
}

enum class Look { Normal, Hover, Pressed };

QImage Button(QSize size, const QString& caption, Look look, bool primary) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0x0E, 0x10, 0x12));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient fill(0, 0, 0, size.height());
    QColor edge(0x3A, 0x40, 0x47);
    QColor text = kText;
    if (look == Look::Pressed) {
        fill.setColorAt(0, QColor(0x3A, 0x48, 0x14));
        fill.setColorAt(1, QColor(0x2C, 0x36, 0x10));
        edge = kAccent;
        text = kAccent;
    } else if (look == Look::Hover) {
        fill.setColorAt(0, QColor(0x34, 0x3A, 0x40));
        fill.setColorAt(1, QColor(0x22, 0x26, 0x2B));
        edge = kAccent;
        text = Qt::white;
    } else {
        fill.setColorAt(0, primary ? QColor(0x2E, 0x38, 0x12) : QColor(0x26, 0x2A, 0x2F));
        fill.setColorAt(1, primary ? QColor(0x20, 0x28, 0x0C) : QColor(0x1A, 0x1D, 0x21));
        edge = primary ? kAccent.darker(160) : edge;
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    p.setFont(Font(caption == "\u00d7" ? 15 : 11, primary));
    p.setPen(text);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, caption);
    return image;
}

struct ButtonArt {
    int normal, hover, pressed;
    QSize size;
    const char* caption;
    bool primary;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: reflasher-art FOLDER\n", stderr);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "reflasher-art: cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<std::pair<int, QImage>> art = {
        {130, Mask()},
        {146, Mask()},
        {143, Background("New firmware version available",
                         "A new firmware version is available. Do you want to upgrade to the new "
                         "version now?",
                         false, false)},
        {157, Background("WARNING!",
                         "The firmware update overwrites the game profiles, macros and settings "
                         "stored on the mouse. Back up your profiles in the VOSK8200 program "
                         "(Export Profile) before you continue.",
                         true, false)},
        {145, Background("Firmware upgrade",
                         "IMPORTANT: Do not unplug the mouse cable while the new firmware is "
                         "being installed!",
                         false, true)},
        {139, Background("Error!",
                         "Firmware upgrade failed. Please try again. If the problem persists, "
                         "please contact the support.",
                         true, false)},
    };
    const ButtonArt buttons[] = {
        {155, 153, 154, {112, 20}, "Upgrade Firmware", true},
        {149, 147, 148, {51, 20}, "Cancel", false},
        {137, 138, 136, {23, 18}, "\u00d7", false},
        {160, 158, 159, {63, 20}, "Continue", true},
        {141, 142, 140, {51, 20}, "Ok", true},
    };
    for (const ButtonArt& b : buttons) {
        art.emplace_back(b.normal, Button(b.size, b.caption, Look::Normal, b.primary));
        art.emplace_back(b.hover, Button(b.size, b.caption, Look::Hover, b.primary));
        art.emplace_back(b.pressed, Button(b.size, b.caption, Look::Pressed, b.primary));
    }
    QString qrc = "<RCC>\n  <qresource prefix=\"/reflasher\">\n";
    for (const auto& [number, image] : art) {
        const QString name = QString("%1.png").arg(number);
        if (!image.save(folder.filePath(name))) {
            std::fprintf(stderr, "reflasher-art: cannot write %s\n", qPrintable(name));
            return 1;
        }
        qrc += QString("    <file>%1</file>\n").arg(name);
    }
    qrc += "  </qresource>\n</RCC>\n";
    QFile list(folder.filePath("reflasher.qrc"));
    if (!list.open(QIODevice::WriteOnly) || list.write(qrc.toUtf8()) < 0) {
        std::fputs("reflasher-art: cannot write reflasher.qrc\n", stderr);
        return 1;
    }
    return 0;
}
