#include "skin/SkinCatalog.h"

namespace {

constexpr std::array<std::string_view, kSkinFileCount> kFiles = {
    "Main_Normal.bmp",
    "Main_Over.bmp",
    "Main_Down.bmp",
    "Main_Disable.bmp",
    "MouseSetting_Normal.bmp",
    "MouseSetting_Over.bmp",
    "MouseSetting_Down.bmp",
    "MouseSetting_Disable.bmp",
    "Sensor_Normal.bmp",
    "Sensor_Over.bmp",
    "Sensor_Down.bmp",
    "Sensor_Disable.bmp",
    "ColorSetting_BK.bmp",
    "ColorSetting_Normal.bmp",
    "ColorSetting_Over.bmp",
    "ColorSetting_Down.bmp",
    "ColorSetting_Disable.bmp",
    "MacroSetting_BK.bmp",
    "MacroSetting_Normal.bmp",
    "MacroSetting_Over.bmp",
    "MacroSetting_Down.bmp",
    "MacroSetting_Disable.bmp",
    "Support_Normal.bmp",
    "Support_Over.bmp",
    "Support_Down.bmp",
    "Support_Disable.bmp",
    "Slider_Normal.bmp",
    "Slider_Disable.bmp",
    "Slider1.bmp",
    "Slider2.bmp",
    "Slider3.bmp",
    "ColorPanel.bmp",
    "Mouse.png",
    "ReName_Normal.bmp",
    "ReName_Over.bmp",
    "ReName_Down.bmp",
    "ReName_Disable.bmp",
    "Scroll_Normal.bmp",
    "Scroll_Over.bmp",
    "Scroll_Down.bmp",
    "LeftClickWarn_Normal.bmp",
    "LeftClickWarn_Over.bmp",
    "LeftClickWarn_Down.bmp",
    "DeleteMacro_Normal.bmp",
    "DeleteMacro_Over.bmp",
    "DeleteMacro_Down.bmp",
    "SensorSQAT1_Normal.bmp",
    "SensorSQAT1_Over.bmp",
    "SensorSQAT1_Down.bmp",
    "SensorSQAT2_Normal.bmp",
    "SensorSQAT2_Over.bmp",
    "SensorSQAT2_Down.bmp",
    "SensorSQAT3_Normal.bmp",
    "SensorSQAT3_Over.bmp",
    "SensorSQAT3_Down.bmp",
    "ResetWarn_Normal.bmp",
    "ResetWarn_Over.bmp",
    "ResetWarn_Down.bmp",
    "AssignKey_Normal.bmp",
    "AssignKey_Over.bmp",
    "AssignKey_Down.bmp",
    "AssignKey_Disable.bmp",
};

// A family of part numbers cut from one screen's state pictures.
struct Family {
    int whole;  // the number of the whole picture
    SkinResult wholeAs;
    int wholeSlot;
    int first, last;    // the part numbers
    int stateSlots[4];  // the picture of each state; −1: the family has no such state
};

constexpr Family kFamilies[] = {
    {0, SkinResult::Copy, 0, 1, 21, {0, 1, 2, 3}},              // Main
    {22, SkinResult::Shared, 4, 23, 44, {4, 5, 6, 7}},          // MouseSetting
    {45, SkinResult::Shared, 8, 46, 55, {8, 9, 10, 11}},        // Sensor
    {57, SkinResult::Shared, 12, 58, 97, {13, 14, 15, 16}},     // ColorSetting
    {99, SkinResult::Shared, 17, 100, 107, {18, 19, 20, 21}},   // MacroSetting
    {108, SkinResult::Shared, 22, 109, 114, {22, 23, 24, 25}},  // Support
    {125, SkinResult::Shared, 33, 126, 129, {33, 34, 35, 36}},  // ReName
    // The scroll bar's parts: state 0 is the pressed-looking picture, 1 the hover one.
    {120, SkinResult::Copy, 37, 121, 123, {39, 38, -1, -1}},    // Scroll
    {130, SkinResult::Shared, 40, 131, 132, {40, 41, 42, -1}},  // LeftClickWarn
    {133, SkinResult::Shared, 43, 134, 136, {43, 44, 45, -1}},  // DeleteMacro
    {137, SkinResult::Shared, 46, 138, 140, {46, 47, 48, -1}},  // SensorSQAT1
    {141, SkinResult::Shared, 49, 142, 146, {49, 50, 51, -1}},  // SensorSQAT2
    {147, SkinResult::Shared, 52, 148, 149, {52, 53, 54, -1}},  // SensorSQAT3
    {150, SkinResult::Shared, 55, 151, 153, {55, 56, 57, -1}},  // ResetWarn
    {154, SkinResult::Shared, 58, 155, 158, {58, 59, 60, 61}},  // AssignKey
};

// Pictures handed out whole, as copies, whatever the state.
constexpr struct {
    int number;
    int slot;
} kSingles[] = {{98, 32}, {115, 26}, {116, 27}, {117, 28}, {118, 29}, {119, 30}, {124, 31}};

}  // namespace

const std::array<std::string_view, kSkinFileCount>& SkinFileNames() {
    return kFiles;
}

std::optional<int> SkinSlotOf(std::string_view fileName) {
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        if (kFiles[std::size_t(slot)] == fileName) {
            return slot;
        }
    }
    return std::nullopt;
}

std::optional<SkinSelection> SelectSkin(int number, int state) {
    for (const auto& single : kSingles) {
        if (single.number == number) {
            return SkinSelection{single.slot, SkinResult::Copy};
        }
    }
    for (const Family& family : kFamilies) {
        if (number == family.whole) {
            return SkinSelection{family.wholeSlot, family.wholeAs};
        }
        if (number >= family.first && number <= family.last) {
            if (state < 0 || state > 3 || family.stateSlots[state] < 0) {
                return std::nullopt;
            }
            return SkinSelection{family.stateSlots[state], SkinResult::Part};
        }
    }
    return std::nullopt;
}
