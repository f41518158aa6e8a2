#include "ProfileJson.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include "profile/ProfileCodec.h"
#include "support/TempDir.h"

namespace {

QJsonObject EditedJson() {
    ProfileRecord record;
    EXPECT_TRUE(LoadProfile(TestData("profile/edited.profile"), record));
    return ProfileToJson(record);
}

std::string Refusal(const QJsonObject& json) {
    ProfileRecord record;
    record.name = u"untouched";
    QString error;
    EXPECT_FALSE(ProfileFromJson(json, record, error));
    EXPECT_EQ(record.name, u"untouched");
    return error.toStdString();
}

TEST(ProfileJson, HoldsExactlyTheFileFields) {
    const QJsonObject json = ProfileToJson(ProfileRecord());
    const QStringList expected = {"accelerationEnabled",
                                  "buttons",
                                  "definedMode",
                                  "doubleClickSpeed",
                                  "dpiLevel",
                                  "dpiLevels",
                                  "enabled",
                                  "ledColors",
                                  "ledEffect",
                                  "ledZones",
                                  "liftDistance",
                                  "macros",
                                  "name",
                                  "pointerSpeed",
                                  "pollingInterval",
                                  "reservedWord",
                                  "scrollByLines",
                                  "scrollByPage",
                                  "scrollLines",
                                  "slotIndex",
                                  "surfaceQuality",
                                  "xySeparate"};
    EXPECT_EQ(json.keys(), expected);
    EXPECT_EQ(json["ledColors"].toArray().at(0).toInteger(), 455174);
    EXPECT_EQ(json["buttons"].toArray().size(), 7);
    EXPECT_EQ(json["buttons"].toArray().at(3).toObject().keys(),
              (QStringList{"function", "macroSlot", "param"}));
    EXPECT_EQ(json["macros"].toArray().at(0).toObject().keys(),
              (QStringList{"events", "macroId", "name"}));
}

TEST(ProfileJson, RoundTripsEveryFileField) {
    ProfileRecord original;
    ASSERT_TRUE(LoadProfile(TestData("profile/edited.profile"), original));
    // Through text, as the tool does.
    const QByteArray text = QJsonDocument(ProfileToJson(original)).toJson();
    ProfileRecord back;
    QString error;
    ASSERT_TRUE(ProfileFromJson(QJsonDocument::fromJson(text).object(), back, error))
        << error.toStdString();
    DataStream a, b;
    WriteProfile(a, original);
    WriteProfile(b, back);
    EXPECT_TRUE(std::ranges::equal(a.Bytes(), b.Bytes()));
}

TEST(ProfileJson, RefusalsNameTheKey) {
    struct Case {
        const char* what;
        QJsonObject json;
        std::string error;
    };
    std::vector<Case> cases;
    auto edit = [&](const char* what, auto change, std::string error) {
        QJsonObject json = EditedJson();
        change(json);
        cases.push_back({what, json, std::move(error)});
    };
    edit(
        "missing", [](QJsonObject& j) { j.remove("liftDistance"); }, "liftDistance: is missing");
    edit(
        "unknown", [](QJsonObject& j) { j["ledColours"] = 1; }, "ledColours: is not a known key");
    edit(
        "string for int", [](QJsonObject& j) { j["enabled"] = "1"; },
        "enabled: must be an integer");
    edit(
        "fraction", [](QJsonObject& j) { j["scrollLines"] = 2.5; },
        "scrollLines: must be an integer");
    edit(
        "byte range", [](QJsonObject& j) { j["slotIndex"] = 256; },
        "slotIndex: must be from 0 to 255, not 256");
    edit(
        "int16 range", [](QJsonObject& j) { j["reservedWord"] = -32769; },
        "reservedWord: must be from -32768 to 32767, not -32769");
    edit(
        "name type", [](QJsonObject& j) { j["name"] = 5; }, "name: must be a string");
    edit(
        "short array",
        [](QJsonObject& j) {
            j["ledColors"] = QJsonArray{1, 2, 3};
        },
        "ledColors: must hold 4 entries, not 3");
    edit(
        "colour range",
        [](QJsonObject& j) {
            j["ledColors"] = QJsonArray{1, 2, 3, -1};
        },
        "ledColors[3]: must be from 0 to 4294967295, not -1");
    edit(
        "nested",
        [](QJsonObject& j) {
            QJsonArray buttons = j["buttons"].toArray();
            QJsonObject button = buttons[2].toObject();
            button["function"] = 300;
            buttons[2] = button;
            j["buttons"] = buttons;
        },
        "buttons[2].function: must be from 0 to 255, not 300");
    edit(
        "event",
        [](QJsonObject& j) {
            QJsonArray macros = j["macros"].toArray();
            QJsonObject macro = macros[2].toObject();
            QJsonArray events = macro["events"].toArray();
            QJsonObject event = events[1].toObject();
            event.remove("delay");
            events[1] = event;
            macro["events"] = events;
            macros[2] = macro;
            j["macros"] = macros;
        },
        "macros[2].events[1].delay: is missing");
    edit(
        "dpi not object",
        [](QJsonObject& j) {
            j["dpiLevels"] = QJsonArray{1, 2, 3};
        },
        "dpiLevels[0]: must be an object");
    for (const Case& c : cases) {
        EXPECT_EQ(Refusal(c.json), c.error) << c.what;
    }
}

}  // namespace
