// The generated pictures against the screen tables they were drawn from.
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "skin/ScreenTables.h"
#include "skin/SkinCatalog.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSkins = VOSK8200_SKINS_DIR;

QImage Picture(const std::string& name) {
    return QImage(QString::fromStdString((kSkins / name).string()));
}

std::vector<std::string> StateFiles(const ScreenSpec& screen) {
    const std::string family(screen.family);
    std::vector<std::string> files = {family + "_Normal.bmp", family + "_Over.bmp",
                                      family + "_Down.bmp"};
    if (screen.hasDisable) {
        files.push_back(family + "_Disable.bmp");
    }
    if (screen.hasBackground) {
        files.push_back(family + "_BK.bmp");
    }
    return files;
}

QRect ToQRect(const SkinRect& r) {
    return {r.x, r.y, r.width, r.height};
}

TEST(SkinPictures, EverySkinFileIsThereAndDecodes) {
    for (std::string_view name : SkinFileNames()) {
        EXPECT_FALSE(Picture(std::string(name)).isNull()) << name;
    }
}

TEST(SkinPictures, EveryControlLiesInsidePicturesOfOneSize) {
    std::set<std::string> covered;
    for (const ScreenSpec& screen : Screens()) {
        const QRect frame(0, 0, screen.width, screen.height);
        for (const std::string& file : StateFiles(screen)) {
            covered.insert(file);
            EXPECT_EQ(Picture(file).size(), frame.size()) << file;
        }
        std::set<int> ids;
        for (const ControlSpec& control : screen.controls) {
            EXPECT_TRUE(ids.insert(control.id).second) << screen.family << " id " << control.id;
            EXPECT_TRUE(frame.contains(ToQRect(control.rect)))
                << screen.family << " " << control.id;
            EXPECT_TRUE(frame.contains(ToQRect(control.ImageRect())))
                << screen.family << " " << control.id;
        }
    }
    // Every screen picture of the catalogue belongs to a table.
    for (std::string_view name : SkinFileNames()) {
        const bool screenPicture = name.find('_') != std::string_view::npos &&
                                   !name.starts_with("Slider_") && !name.starts_with("Scroll_");
        if (screenPicture) {
            EXPECT_TRUE(covered.contains(std::string(name))) << name;
        }
    }
}

TEST(SkinPictures, StatesDifferWhereTheControlsAre) {
    // A button's Over and Down looks are its own, cut from the same place.
    const ControlSpec* apply = FindControl(Screen::Main, 1042);
    ASSERT_NE(apply, nullptr);
    const QRect r = ToQRect(apply->rect);
    const QImage normal = Picture("Main_Normal.bmp").copy(r);
    EXPECT_NE(normal, Picture("Main_Over.bmp").copy(r));
    EXPECT_NE(normal, Picture("Main_Down.bmp").copy(r));
    EXPECT_NE(normal, Picture("Main_Disable.bmp").copy(r));
    // Away from every control the states are the same picture.
    const QRect header(300, 20, 60, 20);
    EXPECT_EQ(Picture("Main_Normal.bmp").copy(header), Picture("Main_Over.bmp").copy(header));
    // The background pictures hold no controls: a hidden one leaves the page behind it.
    const ControlSpec* stop = FindControl(Screen::MacroSetting, 1068);
    ASSERT_NE(stop, nullptr);
    const QRect stopLook = ToQRect(stop->ImageRect());
    EXPECT_NE(Picture("MacroSetting_BK.bmp").copy(stopLook),
              Picture("MacroSetting_Normal.bmp").copy(stopLook));
}

TEST(SkinPictures, StandAlonePicturesHaveTheirSizes) {
    const struct {
        std::string file;
        QSize size;
    } cases[] = {
        {"Slider_Normal.bmp", {12, 17}}, {"Slider_Disable.bmp", {12, 17}},
        {"Slider1.bmp", {12, 18}},       {"Slider2.bmp", {12, 18}},
        {"Slider3.bmp", {12, 18}},       {"ColorPanel.bmp", {102, 82}},
        {"Mouse.png", {205, 212}},       {"Scroll_Normal.bmp", {23, 222}},
        {"Scroll_Over.bmp", {23, 222}},  {"Scroll_Down.bmp", {23, 222}},
        {"TQA2-1.bmp", {196, 95}},       {"TQA2-2.bmp", {196, 95}},
        {"TQA2-3.bmp", {196, 95}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Picture(c.file).size(), c.size) << c.file;
    }
    for (int level = 0; level <= 100; level += 10) {
        EXPECT_EQ(Picture(std::to_string(level) + ".bmp").size(), QSize(96, 49)) << level;
    }
    const QImage thumbs[] = {Picture("Slider1.bmp"), Picture("Slider2.bmp"),
                             Picture("Slider3.bmp")};
    EXPECT_NE(thumbs[0], thumbs[1]);
    EXPECT_NE(thumbs[1], thumbs[2]);
}

TEST(SkinPictures, TheColourPanelShowsItsCellsAndTheMouseItsZones) {
    const QImage panel = Picture("ColorPanel.bmp");
    for (const ColorCellSpec& cell : ColorPanelCells()) {
        const QColor expected(cell.colorRef & 0xFF, (cell.colorRef >> 8) & 0xFF,
                              (cell.colorRef >> 16) & 0xFF);
        EXPECT_EQ(panel.pixelColor(cell.left, cell.top), expected) << cell.left << "," << cell.top;
        EXPECT_EQ(panel.pixelColor(cell.right - 1, cell.bottom - 1), expected);
    }
    EXPECT_NE(panel.pixelColor(21, 10), panel.pixelColor(20, 10)) << "the dividing line";

    const QImage mouse = Picture("Mouse.png");
    ASSERT_TRUE(mouse.hasAlphaChannel());
    for (const SkinRect& zone : MouseZoneRects()) {
        const QPoint centre(zone.x + zone.width / 2, zone.y + zone.height / 2);
        EXPECT_EQ(mouse.pixelColor(centre).alpha(), 0) << centre.x() << "," << centre.y();
    }
    EXPECT_EQ(mouse.pixelColor(100, 70).alpha(), 255) << "the body hides what is under it";
}

}  // namespace
