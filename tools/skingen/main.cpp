// skingen: draws the skin pictures of the configuration program from the screen tables.
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

#include "ControlPainter.h"
#include "Pictures.h"
#include "ScreenDecor.h"
#include "Theme.h"

namespace {

QImage RenderScreen(const ScreenSpec& screen, SkinState state) {
    QImage image(screen.width, screen.height, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintBackdrop(painter, screen);
    for (const ControlSpec& control : screen.controls) {
        PaintControl(painter, control, state);
    }
    return image;
}

std::vector<SkinState> StatesOf(const ScreenSpec& screen) {
    std::vector<SkinState> states{SkinState::Normal, SkinState::Over, SkinState::Down};
    if (screen.hasDisable) {
        states.push_back(SkinState::Disable);
    }
    if (screen.hasBackground) {
        states.push_back(SkinState::Background);
    }
    return states;
}

// --png writes every picture as PNG, for review and documentation.
bool gPng = false;

bool Save(const QImage& image, const QDir& folder, QString name) {
    if (gPng) {
        name.replace(".bmp", ".png");
    }
    const QString path = folder.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteSkins(const QDir& folder) {
    bool ok = true;
    for (const ScreenSpec& screen : Screens()) {
        for (SkinState state : StatesOf(screen)) {
            const QString name = QString("%1_%2.bmp")
                                     .arg(QString::fromUtf8(screen.family))
                                     .arg(QString::fromUtf8(SuffixOf(state)));
            ok &= Save(RenderScreen(screen, state), folder, name);
        }
    }
    ok &= Save(SliderThumb(true), folder, "Slider_Normal.bmp");
    ok &= Save(SliderThumb(false), folder, "Slider_Disable.bmp");
    for (int thumb = 1; thumb <= 3; ++thumb) {
        ok &= Save(Slider3DThumb(thumb), folder, QString("Slider%1.bmp").arg(thumb));
    }
    ok &= Save(ColorPanelPicture(), folder, "ColorPanel.bmp");
    ok &= Save(MousePicture(), folder, "Mouse.png");
    const char* const scrollLooks[] = {"Normal", "Over", "Down"};
    for (int look = 0; look < 3; ++look) {
        ok &= Save(ScrollPicture(look), folder, QString("Scroll_%1.bmp").arg(scrollLooks[look]));
    }
    for (int level = 0; level <= 10; ++level) {
        ok &= Save(SurfacePicture(level), folder, QString("%1.bmp").arg(level * 10));
    }
    for (int frame = 0; frame < 3; ++frame) {
        ok &= Save(AnalysisFrame(frame), folder, QString("TQA2-%1.bmp").arg(frame + 1));
    }
    return ok;
}

// Each screen's Normal picture with every control outlined and labelled with its id.
bool WritePreviews(const QDir& folder) {
    bool ok = true;
    for (const ScreenSpec& screen : Screens()) {
        QImage image = RenderScreen(screen, SkinState::Normal);
        QPainter painter(&image);
        painter.setFont(theme::Font(9, true));
        for (const ControlSpec& control : screen.controls) {
            const QRect rect = ToQRect(control.ImageRect());
            painter.setPen(QPen(QColor(255, 0, 200), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            const QString label = QString::number(control.id);
            const QRect tag(rect.left(), rect.top(),
                            painter.fontMetrics().horizontalAdvance(label) + 4, 11);
            painter.fillRect(tag, QColor(255, 0, 200));
            painter.setPen(Qt::white);
            painter.drawText(tag, Qt::AlignCenter, label);
        }
        ok &= Save(image, folder, QString::fromUtf8(screen.family) + ".png");
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing text needs a font database, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Draw the skin pictures of the VOSK8200 configuration program into FOLDER.");
    parser.addHelpOption();
    const QCommandLineOption preview(
        "preview", "Write each screen's layout, every control outlined with its id.");
    const QCommandLineOption png("png", "Write PNG files instead of BMP files.");
    parser.addOptions({preview, png});
    parser.addPositionalArgument("FOLDER", "Where the pictures go; created when missing.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fputs("skingen: takes one FOLDER (see --help)\n", stderr);
        return 2;
    }
    const QString path = parser.positionalArguments().at(0);
    if (!QDir().mkpath(path)) {
        std::fprintf(stderr, "skingen: cannot create %s\n", qPrintable(path));
        return 1;
    }
    const QDir folder(path);
    gPng = parser.isSet(png);
    return (parser.isSet(preview) ? WritePreviews(folder) : WriteSkins(folder)) ? 0 : 1;
}
