#include "ProfileText.h"

#include <QStringList>

namespace {

QString Name(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QString ZonesText(std::int32_t zones) {
    if (zones == 15) {
        return "ON";
    }
    if (zones == 0) {
        return "OFF";
    }
    static const char* const kZones[] = {"scroll wheel", "DPI indicator", "DPI buttons", "logo"};
    QStringList lit;
    for (int bit = 0; bit < kLedZoneCount; ++bit) {
        if (zones & (1 << bit)) {
            lit << kZones[bit];
        }
    }
    return "Select: " + (lit.isEmpty() ? QString("none") : lit.join(", "));
}

QString EffectText(std::int32_t effect) {
    static const char* const kEffects[] = {"?", "Solid", "Blinking", "Pulsating", "Breathing"};
    const int low = effect & 15;
    const QString name = low >= 1 && low <= 4 ? kEffects[low] : QString("unknown %1").arg(low);
    return name + ((effect & 16) ? ", Color Shift" : ", Solid Color");
}

QString ColorText(std::uint32_t ref) {
    // Shown as the usual #RRGGBB; the record keeps 0x00BBGGRR.
    return QString("#%1%2%3")
        .arg(ref & 0xFF, 2, 16, QChar('0'))
        .arg((ref >> 8) & 0xFF, 2, 16, QChar('0'))
        .arg((ref >> 16) & 0xFF, 2, 16, QChar('0'))
        .toUpper();
}

QString ButtonText(const ProfileRecord& record, const ButtonAssignment& button) {
    QString text = Name(ButtonFunctionLabel(button.function));
    if (text.isEmpty()) {
        text = QString("function %1").arg(button.function);
    }
    if (button.function == static_cast<std::uint8_t>(ButtonFunction::SingleKey)) {
        text += QString(" (virtual key %1)").arg(button.param);
    } else if (button.function == static_cast<std::uint8_t>(ButtonFunction::RecordMacro)) {
        text +=
            QString(" (macro %1 \"%2\")").arg(button.param).arg(Name(record.MacroNameOf(button)));
    }
    return text;
}

}  // namespace

QString DescribeProfile(const ProfileRecord& r) {
    QStringList lines;
    lines << QString("Profile \"%1\" (slot index %2, %3)")
                 .arg(Name(r.name))
                 .arg(r.slotIndex)
                 .arg(r.enabled ? "enabled" : "disabled");
    const int hz = r.pollingInterval > 0 ? 1000 / r.pollingInterval : 0;
    lines << QString("Polling:        every %1 ms (%2 Hz)").arg(r.pollingInterval).arg(hz);
    lines << QString("Double-click:   slider %1 (system time %2 ms)")
                 .arg(r.doubleClickSpeed)
                 .arg(1600 - r.doubleClickSpeed);
    lines << QString("Wheel:          %1 lines, by lines %2, by page %3")
                 .arg(r.scrollLines)
                 .arg(r.scrollByLines)
                 .arg(r.scrollByPage);
    lines << QString("Acceleration:   %1").arg(r.accelerationEnabled ? "on" : "off");
    lines << QString("Pointer speed:  %1").arg(r.pointerSpeed);
    lines << QString("DPI:            level byte %1, X/Y separate %2, defined mode %3")
                 .arg(r.dpiLevel)
                 .arg(r.xySeparate)
                 .arg(r.definedMode);
    for (int i = 0; i < kDpiLevelCount; ++i) {
        lines << QString("  level %1:      %2 x %3")
                     .arg(i + 1)
                     .arg(r.dpiLevels[i].x)
                     .arg(r.dpiLevels[i].y);
    }
    lines << QString("Lift distance:  %1").arg(r.liftDistance);
    lines << QString("Surface grade:  %1").arg(r.surfaceQuality);
    lines << QString("LED zones:      %1 (%2)").arg(r.ledZones).arg(ZonesText(r.ledZones));
    lines << QString("LED effect:     %1 (%2)").arg(r.ledEffect).arg(EffectText(r.ledEffect));
    lines << QString("LED colours:    wheel %1, DPI indicator %2, DPI buttons %3, logo %4")
                 .arg(ColorText(r.ledColors[0]), ColorText(r.ledColors[1]),
                      ColorText(r.ledColors[2]), ColorText(r.ledColors[3]));
    lines << "Buttons:";
    for (int i = 0; i < kButtonCount; ++i) {
        lines << QString("  %1: %2").arg(i + 1).arg(ButtonText(r, r.buttons[i]));
    }
    lines << "Macro copies:";
    for (int i = 0; i < kButtonCount; ++i) {
        const ProfileMacro& macro = r.macros[i];
        lines << QString("  slot %1: id %2 \"%3\", %4 events")
                     .arg(i)
                     .arg(macro.macroId)
                     .arg(Name(macro.name))
                     .arg(macro.events.size());
        for (const CMacroEvent& e : macro.events) {
            lines << QString("    kind %1 key %2 %3 after %4 ms")
                         .arg(e.kind)
                         .arg(e.keyCode)
                         .arg(e.direction ? "up" : "down")
                         .arg(e.delay);
        }
    }
    return lines.join('\n') + '\n';
}
