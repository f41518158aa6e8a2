#include "skin/ScreenTables.h"

#include <stdexcept>

namespace {

using K = ControlKind;

constexpr ControlSpec kMain[] = {
    {1000, "Mouse Settings", K::Tab, {65, 150, 122, 35}},
    {1001, "Sensor Performance", K::Tab, {187, 150, 182, 35}},
    {1002, "Color Settings", K::Tab, {369, 150, 141, 35}},
    {1003, "Macro Settings", K::Tab, {519, 150, 136, 35}},
    {1004, "Support", K::Tab, {655, 150, 97, 35}},
    {1020, "1", K::ComboButton, {9, 187, 16, 20}},
    {1007, "Profile 1", K::NameButton, {25, 187, 140, 20}},
    {1019, "2", K::ComboButton, {165, 187, 17, 20}},
    {1008, "Profile 2", K::NameButton, {182, 187, 139, 20}},
    {1018, "3", K::ComboButton, {321, 187, 16, 20}},
    {1009, "Profile 3", K::NameButton, {337, 187, 140, 20}},
    {1017, "4", K::ComboButton, {477, 187, 15, 20}},
    {1010, "Profile 4", K::NameButton, {492, 187, 141, 20}},
    {1016, "5", K::ComboButton, {633, 187, 16, 20}},
    {1011, "Profile 5", K::NameButton, {649, 187, 142, 20}},
    {1031, "Reset to Default", K::Button, {38, 563, 89, 24}},
    {1032, "Language", K::ComboButton, {146, 563, 117, 24}},
    {1041, "OK", K::Button, {555, 563, 56, 24}},
    {1042, "Apply", K::Button, {617, 563, 55, 24}},
    {1044, "Cancel", K::Button, {678, 563, 54, 24}},
    {1080, "Version", K::Label, {239, 7, 29, 13}},
    {0, "Page", K::Page, kPageRect},
};

constexpr ControlSpec kMouseSetting[] = {
    {1012, "Function1", K::ComboButton, {57, 43, 182, 23}},
    {1021, "Function2", K::ComboButton, {57, 76, 182, 23}},
    {1022, "Function3", K::ComboButton, {57, 109, 182, 23}},
    {1023, "Function4", K::ComboButton, {57, 141, 182, 23}},
    {1024, "Function5", K::ComboButton, {57, 173, 182, 23}},
    {1025, "Function6", K::ComboButton, {57, 205, 182, 23}},
    {1026, "Function7", K::ComboButton, {57, 238, 182, 22}},
    {1032, "1", K::Marker, {258, 75, 24, 22}},
    {1033, "2", K::Marker, {473, 75, 26, 22}},
    {1013, "3", K::Marker, {258, 101, 24, 24}},
    {1034, "4", K::Marker, {258, 133, 24, 23}},
    {1037, "5", K::Marker, {258, 156, 24, 23}},
    {1035, "6", K::Marker, {473, 101, 26, 24}},
    {1036, "7", K::Marker, {473, 124, 26, 23}},
    {1028, "125", K::CheckBox, {47, 305, 62, 22}},
    {1027, "250", K::CheckBox, {126, 305, 64, 22}},
    {1029, "500", K::CheckBox, {205, 305, 64, 22}},
    {1030, "1000", K::CheckBox, {276, 305, 69, 22}},
    {1014, "Double Click", K::Slider, {560, 70, 176, 17}},
    {1015, "Scroll Speed", K::Slider, {545, 171, 200, 17}},
    {1016, "Point Acceleration", K::Slider, {545, 271, 200, 15}},
    {1040, "Enable", K::CheckBox, {540, 312, 59, 16}},
};

constexpr ControlSpec kSensor[] = {
    {1022, "Xaxis", K::Slider3D, {78, 71, 672, 41}},
    {1023, "Yaxis", K::Slider3D, {78, 117, 672, 40}},
    {1018, "Enable X or Y Separate Setting", K::CheckBox, {580, 43, 173, 17}},
    {1087, "Enable Defined mode", K::CheckBox, {584, 14, 140, 26}},
    {1024, "Point Speed", K::Slider, {444, 211, 288, 17}},
    {1025, "Lift Distance", K::Slider, {424, 278, 329, 17}},
    {1026, "Quality Analyzer", K::Gauge, {36, 207, 101, 107}},
    {1027, "Surface", K::Picture, {233, 210, 96, 49}},
    {1021, "Analyze Surface", K::Button, {230, 297, 104, 24}},
    {1020, "Test", K::Button, {636, 315, 54, 24}},
    {1019, "Save", K::Button, {697, 315, 56, 24}},
};

// The preset grid: identifier 1038 + 6 (row − 1) + (column − 1), 22 × 22 cells.
constexpr int kGridX[] = {550, 578, 605, 633, 661};
constexpr int kGridY[] = {118, 145, 173, 202};
constexpr unsigned kGridColors[4][5] = {
    {0xD1292B, 0xF6734D, 0xF7943F, 0xF8B932, 0xFCFF00},
    {0xB5FF00, 0x57FF00, 0x5CBA16, 0x5CFFA6, 0x63FFFF},
    {0x5AD5FF, 0x52AAFF, 0x4D7CFF, 0x4600FF, 0x8800FF},
    {0xAC00FF, 0xD100FF, 0xF800FF, 0xF616B2, 0xF52F2C},
};
constexpr std::string_view kGridCaptions[4][5] = {
    {"11", "12", "13", "14", "15"},
    {"21", "22", "23", "24", "25"},
    {"31", "32", "33", "34", "35"},
    {"41", "42", "43", "44", "45"},
};
constexpr ControlSpec Cell(int row, int column) {
    return {1038 + 6 * (row - 1) + (column - 1),
            kGridCaptions[row - 1][column - 1],
            K::ColorCell,
            {kGridX[column - 1], kGridY[row - 1], 22, 22},
            std::nullopt,
            kGridColors[row - 1][column - 1]};
}

constexpr ControlSpec kColorSetting[] = {
    {1027, "ON", K::LatchButton, {46, 68, 154, 20}},
    {1028, "OFF", K::LatchButton, {46, 88, 168, 20}},
    {1029, "Select", K::LatchButton, {46, 108, 82, 21}},
    {1030, "Scroll Wheel", K::CheckBox, {106, 146, 108, 18}},
    {1031, "DPI Indicator", K::CheckBox, {106, 164, 108, 19}},
    {1032, "DPI Buttons", K::CheckBox, {106, 183, 108, 20}},
    {1033, "LogoType", K::CheckBox, {106, 203, 108, 18}},
    {1034, "1", K::ColorButton, {73, 145, 17, 16}},
    {1035, "2", K::ColorButton, {73, 166, 17, 16}},
    {1036, "3", K::ColorButton, {73, 186, 17, 16}},
    {1037, "4", K::ColorButton, {73, 205, 17, 15}},
    Cell(1, 1),
    Cell(1, 2),
    Cell(1, 3),
    Cell(1, 4),
    Cell(1, 5),
    Cell(2, 1),
    Cell(2, 2),
    Cell(2, 3),
    Cell(2, 4),
    Cell(2, 5),
    Cell(3, 1),
    Cell(3, 2),
    Cell(3, 3),
    Cell(3, 4),
    Cell(3, 5),
    Cell(4, 1),
    Cell(4, 2),
    Cell(4, 3),
    Cell(4, 4),
    Cell(4, 5),
    {1043, "Solid", K::LatchButton, {46, 256, 81, 28}},
    {1049, "Blinking", K::LatchButton, {46, 284, 81, 19}},
    {1055, "Pulsating", K::LatchButton, {46, 303, 81, 19}},
    {1061, "Breathing", K::LatchButton, {46, 323, 81, 20}},
    {1062, "Color Shift", K::LatchButton, {544, 67, 86, 19}},
    {1063, "Solid Color", K::LatchButton, {544, 87, 86, 20}},
    {1082, "R", K::Edit, {552, 266, 36, 15}},
    {1083, "G", K::Edit, {599, 266, 37, 15}},
    {1084, "B", K::Edit, {645, 266, 36, 15}},
    {1085, "Mouse", K::MousePicture, {266, 85, 205, 212}},
};

constexpr ControlSpec kMacroSetting[] = {
    {1069, "Macro", K::List, {42, 75, 200, 199}},
    {1070, "Events", K::List, {282, 75, 200, 199}},
    {1064, "New Macro", K::Button, {39, 288, 83, 23}},
    {1065, "Delete", K::Button, {136, 288, 84, 23}},
    {1066, "Record Delay", K::CheckBox, {543, 73, 86, 17}},
    {1071, "Record Hold", K::CheckBox, {543, 95, 86, 19}},
    {1067, "Start Record", K::Button, {542, 127, 86, 25}},
    // Shown in Start Record's place while recording; its looks sit below it in the pictures.
    {1068, "Stop Record", K::Button, {542, 127, 86, 25}, SkinRect{542, 165, 86, 25}},
};

constexpr ControlSpec kSupport[] = {
    {1086, "FAQ", K::Button, {149, 122, 115, 25}},
    {1071, "Online Support", K::Button, {149, 274, 115, 24}},
    {1072, "Check Updates", K::Button, {514, 122, 131, 25}},
    {1073, "Check Firmware", K::Button, {514, 274, 131, 24}},
    {1081, "Soft Version", K::Label, {639, 316, 21, 12}},
    {1082, "Firm Version", K::Label, {639, 303, 21, 13}},
};

constexpr ControlSpec kReName[] = {
    {1072, "OK", K::Button, {273, 130, 55, 25}},
    {1073, "Cancel", K::Button, {336, 130, 55, 25}},
    {1074, "Close", K::Button, {376, 0, 21, 22}},
    {1075, "Name", K::Edit, {112, 44, 199, 15}},
};

constexpr ControlSpec kLeftClickWarn[] = {
    {1076, "OK", K::Button, {317, 150, 56, 24}},
    {1078, "Close", K::Button, {348, 0, 27, 23}},
};

constexpr ControlSpec kDeleteMacro[] = {
    {1076, "OK", K::Button, {257, 150, 55, 24}},
    {1077, "Cancel", K::Button, {317, 150, 57, 24}},
    {1078, "Close", K::Button, {348, 0, 27, 23}},
};

constexpr ControlSpec kSensorSQAT1[] = {
    {1076, "Start", K::Button, {224, 157, 104, 23}},
    {1077, "Cancel", K::Button, {335, 157, 54, 23}},
    {1078, "Close", K::Button, {376, 0, 21, 22}},
};

constexpr ControlSpec kSensorSQAT2[] = {
    {1076, "Next", K::Button, {224, 157, 104, 23}}, {1077, "Cancel", K::Button, {335, 157, 54, 23}},
    {1078, "Close", K::Button, {376, 0, 21, 22}},   {1079, "Time", K::Label, {284, 133, 15, 12}},
    {1080, "Image", K::Picture, {16, 62, 196, 95}},
};

constexpr ControlSpec kSensorSQAT3[] = {
    {1076, "Finish", K::Button, {305, 157, 84, 23}},
    {1078, "Close", K::Button, {376, 0, 21, 22}},
};

constexpr ControlSpec kResetWarn[] = {
    {1076, "OK", K::Button, {257, 150, 55, 24}},
    {1077, "Cancel", K::Button, {317, 150, 56, 24}},
    {1078, "Close", K::Button, {348, 0, 27, 23}},
};

constexpr ControlSpec kAssignKey[] = {
    {1076, "OK", K::Button, {274, 131, 54, 25}},
    {1077, "Cancel", K::Button, {334, 131, 55, 25}},
    {1078, "Close", K::Button, {378, 0, 19, 23}},
    {1079, "Key", K::Label, {132, 99, 63, 16}},
};

constexpr ScreenSpec kScreens[] = {
    {Screen::Main, "Main", 800, 600, false, true, kMain},
    {Screen::MouseSetting, "MouseSetting", 783, 349, false, true, kMouseSetting},
    {Screen::Sensor, "Sensor", 783, 349, false, true, kSensor},
    {Screen::ColorSetting, "ColorSetting", 783, 349, true, true, kColorSetting},
    {Screen::MacroSetting, "MacroSetting", 783, 349, true, true, kMacroSetting},
    {Screen::Support, "Support", 783, 349, false, true, kSupport},
    {Screen::ReName, "ReName", 397, 170, false, true, kReName},
    {Screen::LeftClickWarn, "LeftClickWarn", 375, 190, false, false, kLeftClickWarn},
    {Screen::DeleteMacro, "DeleteMacro", 375, 190, false, false, kDeleteMacro},
    {Screen::SensorSQAT1, "SensorSQAT1", 397, 195, false, false, kSensorSQAT1},
    {Screen::SensorSQAT2, "SensorSQAT2", 397, 195, false, false, kSensorSQAT2},
    {Screen::SensorSQAT3, "SensorSQAT3", 397, 195, false, false, kSensorSQAT3},
    {Screen::ResetWarn, "ResetWarn", 375, 190, false, false, kResetWarn},
    {Screen::AssignKey, "AssignKey", 397, 170, false, true, kAssignKey},
};

constexpr ColorCellSpec kPanelCells[] = {
    {1, 1, 21, 21, 0x2C2AD2},    {22, 1, 41, 21, 0x4D73F6},   {42, 1, 61, 21, 0x3F94F7},
    {62, 1, 81, 21, 0x32B9F8},   {82, 1, 101, 21, 0x00FFFC},  {1, 22, 21, 41, 0x00FFB5},
    {22, 22, 41, 41, 0x00FF57},  {42, 22, 61, 41, 0x16BA5C},  {62, 22, 81, 41, 0xA6FF5C},
    {82, 22, 101, 41, 0xFFFF63}, {1, 42, 21, 61, 0xFFD55A},   {22, 42, 41, 61, 0xFFAA52},
    {42, 42, 61, 61, 0xFF7C4D},  {62, 42, 81, 61, 0xFF0046},  {82, 42, 101, 61, 0xFF0088},
    {1, 62, 21, 81, 0xFF00AC},   {22, 62, 41, 81, 0xFF00D1},  {42, 62, 61, 81, 0xFF00F8},
    {62, 62, 81, 81, 0xB216F6},  {82, 62, 101, 81, 0x2C2FF5},
};

constexpr SkinRect kZones[] = {
    {45, 6, 30, 18},    // scroll wheel
    {69, 23, 30, 22},   // DPI indicator
    {0, 31, 14, 21},    // DPI buttons
    {108, 98, 45, 41},  // logo
};

}  // namespace

std::span<const ScreenSpec> Screens() {
    return kScreens;
}

const ScreenSpec& ScreenOf(Screen screen) {
    for (const ScreenSpec& entry : kScreens) {
        if (entry.screen == screen) {
            return entry;
        }
    }
    throw std::out_of_range("unknown screen");
}

const ControlSpec* FindControl(Screen screen, int id) {
    for (const ControlSpec& control : ScreenOf(screen).controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

std::span<const ColorCellSpec> ColorPanelCells() {
    return kPanelCells;
}

std::span<const SkinRect> MouseZoneRects() {
    return kZones;
}
