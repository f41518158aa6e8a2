#include "skin/SkinStore.h"

#include <gtest/gtest.h>

#include "support/RecordedMessages.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSkins = VOSK8200_SKINS_DIR;

QImage Picture(const std::string& name) {
    return QImage(QString::fromStdString((kSkins / name).string()));
}

struct Store {
    explicit Store(fs::path folder = kSkins)
        : store(std::move(folder), messages, [this] { ++quits; }) {}
    RecordedMessages messages;
    int quits = 0;
    SkinStore store;
    bool Failed() const { return messages.shown == std::vector<std::string>{"ui load failed!"}; }
};

TEST(SkinCatalog, NumbersAndStatesSelectTheirPictures) {
    const struct {
        int number;
        int state;
        const char* file;  // nullptr: invalid
        SkinResult result;
    } cases[] = {
        {0, 3, "Main_Normal.bmp", SkinResult::Copy},
        {5, 1, "Main_Over.bmp", SkinResult::Part},
        {21, 3, "Main_Disable.bmp", SkinResult::Part},
        {22, 2, "MouseSetting_Normal.bmp", SkinResult::Shared},
        {57, 0, "ColorSetting_BK.bmp", SkinResult::Shared},
        {97, 2, "ColorSetting_Down.bmp", SkinResult::Part},
        {98, 2, "Mouse.png", SkinResult::Copy},
        {99, 0, "MacroSetting_BK.bmp", SkinResult::Shared},
        {100, 0, "MacroSetting_Normal.bmp", SkinResult::Part},
        {120, 1, "Scroll_Normal.bmp", SkinResult::Copy},
        {122, 0, "Scroll_Down.bmp", SkinResult::Part},
        {122, 1, "Scroll_Over.bmp", SkinResult::Part},
        {122, 2, nullptr, SkinResult::Part},
        {124, 0, "ColorPanel.bmp", SkinResult::Copy},
        {131, 2, "LeftClickWarn_Down.bmp", SkinResult::Part},
        {131, 3, nullptr, SkinResult::Part},
        {158, 3, "AssignKey_Disable.bmp", SkinResult::Part},
        {56, 0, nullptr, SkinResult::Part},
        {159, 0, nullptr, SkinResult::Part},
        {-1, 0, nullptr, SkinResult::Part},
        {5, 4, nullptr, SkinResult::Part},
    };
    for (const auto& c : cases) {
        const auto selection = SelectSkin(c.number, c.state);
        ASSERT_EQ(selection.has_value(), c.file != nullptr) << c.number << "/" << c.state;
        if (c.file) {
            EXPECT_EQ(SkinFileNames()[std::size_t(selection->slot)], c.file) << c.number;
            EXPECT_EQ(selection->result, c.result) << c.number;
        }
    }
}

TEST(SkinStore, APartIsItsRectangleOfTheStatePicture) {
    Store s;
    const auto part = s.store.SkinPart(5, 1, 65, 150, 187, 185);
    ASSERT_TRUE(part.has_value());
    EXPECT_EQ(part->kind, SkinResult::Part);
    EXPECT_EQ(part->image().size(), QSize(122, 35));
    EXPECT_EQ(part->image(), Picture("Main_Over.bmp").copy(65, 150, 122, 35));

    const auto scrollDown = s.store.SkinPart(122, 0, 0, 206, 23, 222);
    const auto scrollOver = s.store.SkinPart(122, 1, 0, 206, 23, 222);
    ASSERT_TRUE(scrollDown && scrollOver);
    EXPECT_EQ(scrollDown->image(), Picture("Scroll_Down.bmp").copy(0, 206, 23, 16));
    EXPECT_EQ(scrollOver->image(), Picture("Scroll_Over.bmp").copy(0, 206, 23, 16));
    EXPECT_TRUE(s.messages.shown.empty());

    // A rectangle outside the picture gives nothing, without a message.
    EXPECT_FALSE(s.store.SkinPart(5, 1, 790, 590, 810, 610).has_value());
    EXPECT_FALSE(s.store.SkinPart(5, 1, 10, 10, 10, 20).has_value());
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_EQ(s.quits, 0);
}

TEST(SkinStore, SharedPicturesAreOneAndCopiesAreTheCallers) {
    Store s;
    const auto first = s.store.SkinPart(22, 0, 0, 0, 0, 0);
    const auto second = s.store.SkinPart(22, 3, 0, 0, 0, 0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->kind, SkinResult::Shared);
    EXPECT_EQ(first->shared.get(), second->shared.get());

    auto copyA = s.store.SkinPart(0, 0, 0, 0, 0, 0);
    auto copyB = s.store.SkinPart(0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(copyA && copyB);
    EXPECT_EQ(copyA->kind, SkinResult::Copy);
    EXPECT_EQ(copyA->image(), Picture("Main_Normal.bmp"));
    copyA->owned.fill(Qt::red);
    EXPECT_EQ(copyB->image(), Picture("Main_Normal.bmp")) << "a copy is the caller's own";
    EXPECT_EQ(s.store.SkinPart(0, 0, 0, 0, 0, 0)->image(), Picture("Main_Normal.bmp"));
}

TEST(SkinStore, InvalidRequestsSayUiLoadFailedAndAskToQuit) {
    const struct {
        int number;
        int state;
    } cases[] = {{56, 0}, {122, 2}, {131, 3}, {200, 0}};
    for (const auto& c : cases) {
        Store s;
        EXPECT_FALSE(s.store.SkinPart(c.number, c.state, 0, 0, 10, 10).has_value());
        EXPECT_TRUE(s.Failed()) << c.number;
        EXPECT_EQ(s.quits, 1) << c.number;
    }
}

TEST(SkinStore, AMissingPictureFailsOnlyWhenItIsCut) {
    TempDir folder;
    for (const auto& entry : fs::directory_iterator(kSkins)) {
        if (entry.path().filename() != "Main_Down.bmp") {
            fs::copy_file(entry.path(), folder / entry.path().filename());
        }
    }
    WriteBytes(folder / "Main_Over.bmp", {'B', 'M', 0, 1});  // not a picture either
    Store s(folder.path());
    s.store.Load();
    EXPECT_TRUE(s.store.loaded());
    EXPECT_TRUE(s.messages.shown.empty()) << "loading goes on silently";
    EXPECT_TRUE(s.store.SkinPart(1, 0, 65, 150, 187, 185).has_value());
    EXPECT_TRUE(s.messages.shown.empty());

    EXPECT_FALSE(s.store.SkinPart(1, 2, 65, 150, 187, 185).has_value());
    EXPECT_TRUE(s.Failed());
    EXPECT_EQ(s.quits, 1);
    EXPECT_FALSE(s.store.SkinPart(1, 1, 65, 150, 187, 185).has_value());
    EXPECT_EQ(s.quits, 2);
}

TEST(SkinStore, TheSkinFolderIsBesideTheProgramOrInstalled) {
    TempDir root;
    fs::create_directories(root / "bin");
    EXPECT_EQ(SkinFolderFor(root / "bin"), root / "bin/Skins");
    fs::create_directories(root / "share/vosk8200/Skins");
    EXPECT_EQ(SkinFolderFor(root / "bin"), root / "share/vosk8200/Skins");
    fs::create_directories(root / "bin/Skins");
    EXPECT_EQ(SkinFolderFor(root / "bin"), root / "bin/Skins");
    EXPECT_EQ(LanguageFileFor(root / "bin"), root / "bin/language.ini");
}

TEST(LabelText, CentringTruncatesItsHalves) {
    const struct {
        QSize text;
        bool h, v;
        QPoint origin;
    } cases[] = {
        {{40, 12}, true, false, {40, 5}},   // 10 + (110 − 40 − 10) / 2
        {{40, 12}, false, true, {10, 10}},  // 5 + (28 − 12 − 5) / 2 = 5 + 5
        {{41, 13}, true, true, {39, 10}},
        {{141, 40}, true, true, {-10, -3}},  // wider and taller: halves truncate toward zero
        {{40, 12}, false, false, {10, 5}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LabelOrigin(c.text, c.h, c.v, 10, 5, 110, 28), c.origin)
            << c.text.width() << "x" << c.text.height();
    }
}

}  // namespace
