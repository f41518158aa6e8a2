// widget-gallery: every skinned control on one window, working, with the generated skin.
// --render OUT.png draws it offscreen for review.
#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QPainter>

#include <cstdio>

#include "platform/Messages.h"
#include "skin/ScreenTables.h"
#include "skin/SkinStore.h"
#include "skin/SknButtons.h"
#include "skin/SknImageDialog.h"
#include "skin/SknLabels.h"
#include "skin/SknMenu.h"
#include "skin/SknMouseStatic.h"
#include "skin/SknSliders.h"

namespace {

class StderrMessages : public Messages {
  public:
    void Show(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

// Cuts a control's looks out of its screen's pictures, as the screens will.
class Cutter {
  public:
    explicit Cutter(SkinStore& store) : store_(store) {}
    std::optional<QImage> Look(int partNumber, int state, Screen screen, int id) {
        const SkinRect r = FindControl(screen, id)->ImageRect();
        auto image = store_.SkinPart(partNumber, state, r.x, r.y, r.right(), r.bottom());
        return image ? std::optional(image->image()) : std::nullopt;
    }
    QImage Whole(int number) {
        auto image = store_.SkinPart(number, 0, 0, 0, 0, 0);
        return image ? image->image() : QImage();
    }
    QImage File(const char* name) {
        return LoadImageFile(store_.folder() / name).value_or(QImage());
    }

  private:
    SkinStore& store_;
};

QLabel* Caption(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet("color: #8C9299; font: 11px 'Arial';");
    label->move(x, y);
    return label;
}

void Place(QWidget* widget, Screen screen, int id, QPoint at) {
    const SkinRect r = FindControl(screen, id)->rect;
    widget->setGeometry(at.x(), at.y(), r.width, r.height);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Every skinned control of the VOSK8200 program, working.");
    parser.addHelpOption();
    const QCommandLineOption render("render", "Draw the gallery into FILE and quit.", "FILE");
    parser.addOption(render);
    parser.process(app);

    StderrMessages messages;
    SkinStore store(SkinFolderFor(QCoreApplication::applicationDirPath().toStdString()), messages,
                    [] { QCoreApplication::exit(1); });
    Cutter cut(store);

    CSknImageDialog window;
    window.setWindowTitle("VOSK8200 widget gallery");
    QImage backdrop(880, 420, QImage::Format_RGB32);
    backdrop.fill(QColor(0x12, 0x14, 0x17));
    window.SetBackground(backdrop);

    // Buttons: three command buttons, a latched tab and a profile name with its text.
    int x = 20;
    for (int id : {1041, 1042, 1044}) {
        auto* button = new CSknButton(id, &window);
        Place(button, Screen::Main, id, {x, 30});
        button->SetImages(cut.Look(1, 0, Screen::Main, id), cut.Look(1, 1, Screen::Main, id),
                          cut.Look(1, 2, Screen::Main, id), cut.Look(1, 3, Screen::Main, id));
        x += button->width() + 8;
    }
    auto* tab = new CSknButton(1001, &window);
    Place(tab, Screen::Main, 1001, {210, 24});
    tab->SetImages(cut.Look(1, 0, Screen::Main, 1001), cut.Look(1, 1, Screen::Main, 1001),
                   cut.Look(1, 2, Screen::Main, 1001), {});
    tab->latched = 1;
    auto* name = new CSknButton(1007, &window);
    Place(name, Screen::Main, 1007, {410, 32});
    name->SetImages(cut.Look(1, 0, Screen::Main, 1007), cut.Look(1, 1, Screen::Main, 1007),
                    cut.Look(1, 2, Screen::Main, 1007), {});
    name->SetText("Profile1");
    Caption(&window, "buttons: command, latched tab, profile name", 20, 8);

    // A function box with its two-level menu, a check box, a colour button with its panel.
    auto* box = new CSknComboButton(1012, &window);
    Place(box, Screen::MouseSetting, 1012, {20, 100});
    box->SetImages(cut.Look(23, 0, Screen::MouseSetting, 1012),
                   cut.Look(23, 1, Screen::MouseSetting, 1012),
                   cut.Look(23, 2, Screen::MouseSetting, 1012));
    box->AddEntry(255, "Default Commands");
    for (auto [id, text] : {std::pair{0, "Left Click"}, {1, "Right Click"}, {2, "Scroll Click"}}) {
        box->AddSubEntry(id, 255, text);
    }
    box->AddEntry(9, "Profile switch up");
    box->AddEntry(13, "Single key assign...");
    box->menu()->Submenu(255)->resize(100, 10);
    box->SetValue("Left Click", 0, -1);
    auto* check = new CSknCheckBox(1030, &window);
    Place(check, Screen::MouseSetting, 1030, {230, 102});
    check->SetImages(cut.Look(23, 0, Screen::MouseSetting, 1030),
                     cut.Look(23, 1, Screen::MouseSetting, 1030),
                     cut.Look(23, 2, Screen::MouseSetting, 1030), {});
    check->checked = 1;
    auto* colour = new CSknCbnColorButton(1034, &window);
    Place(colour, Screen::ColorSetting, 1034, {330, 104});
    colour->SetImagesAndPanel(cut.Look(58, 0, Screen::ColorSetting, 1034),
                              cut.Look(58, 1, Screen::ColorSetting, 1034),
                              cut.Look(58, 2, Screen::ColorSetting, 1034), cut.Whole(124));
    Caption(&window, "combo with menu, check box, colour button with panel", 20, 78);

    // Sliders, scroll bar, gauge.
    auto* slider = new CSknSliderCtrl(1014, &window);
    Place(slider, Screen::MouseSetting, 1014, {20, 170});
    slider->SetImages(cut.Look(23, 0, Screen::MouseSetting, 1014), cut.Whole(115), cut.Whole(115),
                      cut.Whole(116));
    slider->rangeMin = 200;
    slider->rangeMax = 1400;
    slider->step = 200;
    slider->SetPosition(800);
    auto* axis = new CSknSliderCtrl3D(1022, &window);
    Place(axis, Screen::Sensor, 1022, {20, 220});
    axis->SetImages(cut.Look(46, 0, Screen::Sensor, 1022),
                    {cut.Whole(117), cut.Whole(118), cut.Whole(119)});
    axis->rangeMin = 200;
    axis->rangeMax = 8200;
    axis->step = 200;
    axis->showValue = 1;
    for (int k = 1; k <= 3; ++k) {
        axis->SetThumbPosition(k, 2000 * k, false);
    }
    auto* scroll = new CSknScrollCtrl(100, &window);
    scroll->setGeometry(820, 30, kScrollWidth, kScrollHeight);
    auto part = [&](int number, int state, const SkinRect& r) {
        auto image = store.SkinPart(number, state, r.x, r.y, r.right(), r.bottom());
        return image ? image->image() : QImage();
    };
    scroll->SetImagesAndLayout({cut.Whole(120), part(123, 0, kScrollThumb),
                                part(123, 1, kScrollThumb), part(121, 0, kScrollStart),
                                part(121, 1, kScrollStart), part(122, 0, kScrollEnd),
                                part(122, 1, kScrollEnd)});
    scroll->rangeMin = 11;
    scroll->rangeMax = 20;
    scroll->SetPosition(14);
    auto* gauge = new CSknProgressCtrl(&window);
    Place(gauge, Screen::Sensor, 1026, {560, 30});
    gauge->background = cut.Look(46, 0, Screen::Sensor, 1026);
    gauge->barImage = cut.Look(46, 2, Screen::Sensor, 1026);
    gauge->rangeMax = 10;
    gauge->position = 7;
    gauge->vertical = 1;
    Caption(&window, "slider, three-thumb slider, scroll bar, gauge", 20, 150);

    // Static picture, edit, the live mouse picture.
    auto* surface = new CSknStatic(1027, &window);
    surface->setGeometry(20, 300, kSurfacePictureWidth, kSurfacePictureHeight);
    for (const char* file : {"0.bmp", "10.bmp", "20.bmp", "30.bmp", "40.bmp", "50.bmp", "60.bmp",
                             "70.bmp", "80.bmp", "90.bmp", "100.bmp"}) {
        surface->AddImage(cut.File(file));
    }
    surface->imageIndex = 8;
    auto* edit = new CSknEdit(1082, &window);
    Place(edit, Screen::ColorSetting, 1082, {140, 316});
    edit->background = cut.Look(58, 0, Screen::ColorSetting, 1082);
    edit->setText("179");
    auto* mouse = new CSknMouseStatic(&window);
    mouse->setGeometry(560, 180, kMousePictureWidth, kMousePictureHeight);
    mouse->SetOverlay(cut.File("Mouse.png"));
    mouse->zoneColors = {0xFFB3D335, 0xFF35C8D3, 0xFFE08A2C, 0xFFB3D335};
    mouse->SetEffect(3);
    Caption(&window, "picture, edit, mouse preview (breathing)", 20, 280);

    if (parser.isSet(render)) {
        window.adjustSize();
        window.show();
        QCoreApplication::processEvents();
        const bool saved = window.grab().save(parser.value(render));
        return saved ? 0 : 1;
    }
    window.show();
    return app.exec();
}
