#pragma once

#include <QColor>
#include <QFont>

// One dark look for every picture: near-black panels, the yellow-green accent the controls use
// for latched and hover texts, light grey text.
namespace theme {

inline const QColor kWindow{0x0B, 0x0D, 0x0F};
inline const QColor kWindowTop{0x15, 0x18, 0x1C};
inline const QColor kPanel{0x14, 0x17, 0x1A};
inline const QColor kPanelEdge{0x2A, 0x2F, 0x35};
inline const QColor kInset{0x08, 0x09, 0x0A};
inline const QColor kControl{0x22, 0x26, 0x2B};
inline const QColor kControlLow{0x19, 0x1C, 0x20};
inline const QColor kControlEdge{0x3A, 0x40, 0x47};
inline const QColor kAccent{0xB3, 0xD3, 0x35};
inline const QColor kAccentDeep{0x2C, 0x36, 0x10};
inline const QColor kText{0xD2, 0xD2, 0xD2};
inline const QColor kTextDim{0x8C, 0x92, 0x99};
inline const QColor kTextOff{0x4E, 0x53, 0x58};
inline const QColor kWarn{0xE0, 0x8A, 0x2C};

inline QFont Font(int pixels, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace theme
