#include "ProfileJson.h"

#include <QJsonArray>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

template <typename T>
QJsonValue Number(T value) {
    return QJsonValue(static_cast<qint64>(value));
}

QJsonValue Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QJsonObject MacroToJson(const ProfileMacro& macro) {
    QJsonArray events;
    for (const CMacroEvent& event : macro.events) {
        events.append(QJsonObject{{"kind", Number(event.kind)},
                                  {"keyCode", Number(event.keyCode)},
                                  {"direction", Number(event.direction)},
                                  {"delay", Number(event.delay)}});
    }
    return {{"macroId", Number(macro.macroId)}, {"name", Text(macro.name)}, {"events", events}};
}

template <typename T>
bool IntValue(const QJsonValue& value, const QString& path, T& out, QString& error) {
    const double number = value.toDouble();
    if (!value.isDouble() || std::trunc(number) != number) {
        error = path + ": must be an integer";
        return false;
    }
    constexpr auto low = static_cast<double>(std::numeric_limits<T>::min());
    constexpr auto high = static_cast<double>(std::numeric_limits<T>::max());
    if (number < low || number > high) {
        error = path + QString(": must be from %1 to %2, not %3")
                           .arg(qint64(low))
                           .arg(qint64(high))
                           .arg(number, 0, 'g', 17);
        return false;
    }
    out = static_cast<T>(number);
    return true;
}

// Reads one JSON object's fields, naming "path.key" in every complaint.
class ObjectReader {
  public:
    ObjectReader(const QJsonObject& object, QString path, QString& error)
        : object_(object), path_(std::move(path)), error_(error) {}

    // Refuses keys the object should not have, so a misspelt key is not silently dropped.
    bool OnlyKeys(const QStringList& keys) {
        for (const QString& key : object_.keys()) {
            if (!keys.contains(key)) {
                return Fail(key, "is not a known key");
            }
        }
        return true;
    }

    template <typename T>
    bool Int(const char* key, T& out) {
        QJsonValue value;
        if (!Get(key, value)) {
            return false;
        }
        return IntValue(value, Path(key), out, error_);
    }

    bool String(const char* key, std::u16string& out) {
        QJsonValue value;
        if (!Get(key, value)) {
            return false;
        }
        if (!value.isString()) {
            return Fail(key, "must be a string");
        }
        out = value.toString().toStdU16String();
        return true;
    }

    // An array; exactSize < 0 takes any length.
    bool Array(const char* key, qsizetype exactSize, QJsonArray& out) {
        QJsonValue value;
        if (!Get(key, value)) {
            return false;
        }
        if (!value.isArray()) {
            return Fail(key, "must be an array");
        }
        out = value.toArray();
        if (exactSize >= 0 && out.size() != exactSize) {
            return Fail(key,
                        QString("must hold %1 entries, not %2").arg(exactSize).arg(out.size()));
        }
        return true;
    }

    // Element i of an array read with Array(): its own reader, or nothing if it is no object.
    std::optional<ObjectReader> Element(const char* key, const QJsonArray& array, qsizetype i) {
        const QString path = Path(key) + QString("[%1]").arg(i);
        if (!array.at(i).isObject()) {
            error_ = path + ": must be an object";
            return std::nullopt;
        }
        return ObjectReader(array.at(i).toObject(), path, error_);
    }

    template <typename T, std::size_t N>
    bool Ints(const char* key, std::array<T, N>& out) {
        QJsonArray array;
        if (!Array(key, qsizetype(N), array)) {
            return false;
        }
        for (qsizetype i = 0; i < qsizetype(N); ++i) {
            const QString path = Path(key) + QString("[%1]").arg(i);
            if (!IntValue(array.at(i), path, out[std::size_t(i)], error_)) {
                return false;
            }
        }
        return true;
    }

  private:
    QString Path(const QString& key) const { return path_.isEmpty() ? key : path_ + "." + key; }

    bool Get(const char* key, QJsonValue& value) {
        if (!object_.contains(key)) {
            return Fail(key, "is missing");
        }
        value = object_.value(key);
        return true;
    }

    bool Fail(const QString& key, const QString& what) {
        error_ = Path(key) + ": " + what;
        return false;
    }

    QJsonObject object_;
    QString path_;
    QString& error_;
};

bool ReadEvent(ObjectReader& in, CMacroEvent& event) {
    return in.OnlyKeys({"kind", "keyCode", "direction", "delay"}) && in.Int("kind", event.kind) &&
           in.Int("keyCode", event.keyCode) && in.Int("direction", event.direction) &&
           in.Int("delay", event.delay);
}

bool ReadMacro(ObjectReader& in, ProfileMacro& macro) {
    QJsonArray events;
    if (!in.OnlyKeys({"macroId", "name", "events"}) || !in.Int("macroId", macro.macroId) ||
        !in.String("name", macro.name) || !in.Array("events", -1, events)) {
        return false;
    }
    macro.events.resize(std::size_t(events.size()));
    for (qsizetype i = 0; i < events.size(); ++i) {
        auto event = in.Element("events", events, i);
        if (!event || !ReadEvent(*event, macro.events[std::size_t(i)])) {
            return false;
        }
    }
    return true;
}

bool ReadButton(ObjectReader& in, ButtonAssignment& button) {
    return in.OnlyKeys({"macroSlot", "function", "param"}) &&
           in.Int("macroSlot", button.macroSlot) && in.Int("function", button.function) &&
           in.Int("param", button.param);
}

bool ReadDpi(ObjectReader& in, DpiSetting& level) {
    return in.OnlyKeys({"x", "y"}) && in.Int("x", level.x) && in.Int("y", level.y);
}

template <typename T, std::size_t N, typename ReadOne>
bool ReadObjects(ObjectReader& in, const char* key, std::array<T, N>& out, ReadOne readOne) {
    QJsonArray array;
    if (!in.Array(key, qsizetype(N), array)) {
        return false;
    }
    for (qsizetype i = 0; i < qsizetype(N); ++i) {
        auto element = in.Element(key, array, i);
        if (!element || !readOne(*element, out[std::size_t(i)])) {
            return false;
        }
    }
    return true;
}

const QStringList kRecordKeys = {"name",
                                 "enabled",
                                 "slotIndex",
                                 "reservedWord",
                                 "pollingInterval",
                                 "doubleClickSpeed",
                                 "scrollLines",
                                 "scrollByLines",
                                 "scrollByPage",
                                 "accelerationEnabled",
                                 "xySeparate",
                                 "definedMode",
                                 "dpiLevel",
                                 "dpiLevels",
                                 "pointerSpeed",
                                 "liftDistance",
                                 "surfaceQuality",
                                 "ledColors",
                                 "ledZones",
                                 "ledEffect",
                                 "buttons",
                                 "macros"};

}  // namespace

QJsonObject ProfileToJson(const ProfileRecord& r) {
    QJsonArray dpiLevels;
    for (const DpiSetting& level : r.dpiLevels) {
        dpiLevels.append(QJsonObject{{"x", Number(level.x)}, {"y", Number(level.y)}});
    }
    QJsonArray colors;
    for (std::uint32_t color : r.ledColors) {
        colors.append(Number(color));
    }
    QJsonArray buttons;
    for (const ButtonAssignment& button : r.buttons) {
        buttons.append(QJsonObject{{"macroSlot", Number(button.macroSlot)},
                                   {"function", Number(button.function)},
                                   {"param", Number(button.param)}});
    }
    QJsonArray macros;
    for (const ProfileMacro& macro : r.macros) {
        macros.append(MacroToJson(macro));
    }
    return {
        {"name", Text(r.name)},
        {"enabled", Number(r.enabled)},
        {"slotIndex", Number(r.slotIndex)},
        {"reservedWord", Number(r.reservedWord)},
        {"pollingInterval", Number(r.pollingInterval)},
        {"doubleClickSpeed", Number(r.doubleClickSpeed)},
        {"scrollLines", Number(r.scrollLines)},
        {"scrollByLines", Number(r.scrollByLines)},
        {"scrollByPage", Number(r.scrollByPage)},
        {"accelerationEnabled", Number(r.accelerationEnabled)},
        {"xySeparate", Number(r.xySeparate)},
        {"definedMode", Number(r.definedMode)},
        {"dpiLevel", Number(r.dpiLevel)},
        {"dpiLevels", dpiLevels},
        {"pointerSpeed", Number(r.pointerSpeed)},
        {"liftDistance", Number(r.liftDistance)},
        {"surfaceQuality", Number(r.surfaceQuality)},
        {"ledColors", colors},
        {"ledZones", Number(r.ledZones)},
        {"ledEffect", Number(r.ledEffect)},
        {"buttons", buttons},
        {"macros", macros},
    };
}

bool ProfileFromJson(const QJsonObject& json, ProfileRecord& record, QString& error) {
    ProfileRecord r = record;
    ObjectReader in(json, QString(), error);
    const bool ok =
        in.OnlyKeys(kRecordKeys) && in.String("name", r.name) && in.Int("enabled", r.enabled) &&
        in.Int("slotIndex", r.slotIndex) && in.Int("reservedWord", r.reservedWord) &&
        in.Int("pollingInterval", r.pollingInterval) &&
        in.Int("doubleClickSpeed", r.doubleClickSpeed) && in.Int("scrollLines", r.scrollLines) &&
        in.Int("scrollByLines", r.scrollByLines) && in.Int("scrollByPage", r.scrollByPage) &&
        in.Int("accelerationEnabled", r.accelerationEnabled) &&
        in.Int("xySeparate", r.xySeparate) && in.Int("definedMode", r.definedMode) &&
        in.Int("dpiLevel", r.dpiLevel) && ReadObjects(in, "dpiLevels", r.dpiLevels, ReadDpi) &&
        in.Int("pointerSpeed", r.pointerSpeed) && in.Int("liftDistance", r.liftDistance) &&
        in.Int("surfaceQuality", r.surfaceQuality) && in.Ints("ledColors", r.ledColors) &&
        in.Int("ledZones", r.ledZones) && in.Int("ledEffect", r.ledEffect) &&
        ReadObjects(in, "buttons", r.buttons, ReadButton) &&
        ReadObjects(in, "macros", r.macros, ReadMacro);
    if (!ok) {
        return false;
    }
    record = std::move(r);
    return true;
}
