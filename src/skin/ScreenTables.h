#pragma once

#include <optional>
#include <span>
#include <string_view>

// Every screen of the configuration program as one table of its controls. The screens place
// their controls from these rows and the skin generator draws the pictures from the same rows,
// so a control's position and the place its images are cut from can never drift apart.

struct SkinRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
    friend bool operator==(const SkinRect&, const SkinRect&) = default;
};

enum class ControlKind {
    Tab,           // a page tab of the main window
    Button,        // a push button with its caption painted in
    NameButton,    // a button whose caption the program draws (profile names)
    LatchButton,   // one of a radio group; the selected one shows the Down look
    ComboButton,   // opens a menu; the program draws its text
    CheckBox,      // the box and its caption; checked shows the Down look
    Marker,        // a numbered badge without behaviour
    Slider,        // a track; the thumb is a separate picture
    Slider3D,      // a track with three thumbs and their values
    Gauge,         // Normal: empty, Down: filled from the bottom
    Picture,       // a picture the program shows (surface quality, analysis animation)
    Label,         // a text the program draws on the background
    Edit,          // an edit box on the background
    ColorButton,   // drops down the colour panel
    ColorCell,     // a preset colour
    MousePicture,  // the live LED preview
    List,          // the macro list and the event editor
    Page,          // where a page sits inside the main window
};

struct ControlSpec {
    int id;
    std::string_view caption;
    ControlKind kind;
    SkinRect rect;                                 // where the control sits in its window
    std::optional<SkinRect> image = std::nullopt;  // where its images are cut, when elsewhere
    unsigned color = 0;                            // preset cells: 0xRRGGBB

    SkinRect ImageRect() const { return image.value_or(rect); }
};

enum class Screen {
    Main,
    MouseSetting,
    Sensor,
    ColorSetting,
    MacroSetting,
    Support,
    ReName,
    LeftClickWarn,
    DeleteMacro,
    SensorSQAT1,
    SensorSQAT2,
    SensorSQAT3,
    ResetWarn,
    AssignKey,
};

struct ScreenSpec {
    Screen screen;
    std::string_view family;  // the pictures' file-name prefix
    int width;
    int height;
    bool hasBackground;  // a separate "<family>_BK" picture without the controls
    bool hasDisable;     // a "<family>_Disable" picture
    std::span<const ControlSpec> controls;
};

std::span<const ScreenSpec> Screens();
const ScreenSpec& ScreenOf(Screen screen);
const ControlSpec* FindControl(Screen screen, int id);

// Sizes of the pictures that stand alone.
inline constexpr SkinRect kPageRect{9, 209, 783, 349};  // a page inside the main window
inline constexpr int kScrollWidth = 23;
inline constexpr int kScrollHeight = 222;
inline constexpr SkinRect kScrollStart{0, 0, 23, 16};
inline constexpr SkinRect kScrollThumb{0, 41, 23, 56};
inline constexpr SkinRect kScrollEnd{0, 206, 23, 16};
inline constexpr int kSliderThumbWidth = 12;
inline constexpr int kSliderThumbHeight = 17;
inline constexpr int kSlider3DThumbWidth = 12;
inline constexpr int kSlider3DThumbHeight = 18;
inline constexpr int kSurfacePictureWidth = 96;
inline constexpr int kSurfacePictureHeight = 49;
inline constexpr int kAnalysisPictureWidth = 196;
inline constexpr int kAnalysisPictureHeight = 95;
inline constexpr int kMousePictureWidth = 205;
inline constexpr int kMousePictureHeight = 212;

// The colour panel: 20 cells of a 5 × 4 grid with one-pixel lines between them.
struct ColorCellSpec {
    int left, top, right, bottom;  // right and bottom exclusive
    unsigned colorRef;             // 0x00BBGGRR
};
inline constexpr int kColorPanelWidth = 102;
inline constexpr int kColorPanelHeight = 82;
std::span<const ColorCellSpec> ColorPanelCells();

// The four LED zones of the mouse picture, in the profile's zone-bit order.
std::span<const SkinRect> MouseZoneRects();
