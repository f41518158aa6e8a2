#include "profile/Folders.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

TEST(Folders, UserDataFolderPrefersAbsoluteXdgConfigHome) {
    struct Case {
        const char* xdg;
        const char* home;
        std::optional<fs::path> expected;
    };
    const Case cases[] = {
        {"/x/config", "/home/u", fs::path("/x/config/Ostrel/VOSK8200")},
        {nullptr, "/home/u", fs::path("/home/u/.config/Ostrel/VOSK8200")},
        {"relative/config", "/home/u", fs::path("/home/u/.config/Ostrel/VOSK8200")},
        {"", "/home/u", fs::path("/home/u/.config/Ostrel/VOSK8200")},
        {nullptr, nullptr, std::nullopt},
        {"rel", "also-rel", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UserDataFolderFrom(c.xdg, c.home), c.expected)
            << (c.xdg ? c.xdg : "(unset)") << " / " << (c.home ? c.home : "(unset)");
    }
}

TEST(Folders, ProgramFolderHoldsTheRunningExecutable) {
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    EXPECT_EQ(ProgramFolder(), fs::path(self).parent_path());
    EXPECT_EQ(ExchangeFolder(), ProgramFolder() / "Profiles");
}

TEST(Folders, EnsureFoldersTakesADottedLastComponentForAFile) {
    TempDir dir;
    EnsureFolders(dir / "A/B/file.profile");
    EXPECT_TRUE(fs::is_directory(dir / "A/B"));
    EXPECT_FALSE(fs::exists(dir / "A/B/file.profile"));

    EnsureFolders(dir / "C/B.d/file");
    EXPECT_TRUE(fs::is_directory(dir / "C/B.d/file"));

    WriteBytes(dir / "existing.txt", {1});
    EnsureFolders(dir / "existing.txt");
    EXPECT_TRUE(fs::is_regular_file(dir / "existing.txt"));
}

TEST(Folders, EnsureFoldersIgnoresFailures) {
    TempDir dir;
    WriteBytes(dir / "file", {1});
    EnsureFolders(dir / "file/sub/x.profile");  // cannot create below a file: nothing happens
    EXPECT_TRUE(fs::is_regular_file(dir / "file"));
}

TEST(Folders, EmptyFolderRemovesNestedContentButKeepsTheFolder) {
    TempDir dir;
    const fs::path macros = dir / "Macros";
    fs::create_directories(macros / "a/b/c");
    WriteBytes(macros / "one.macro", {1});
    WriteBytes(macros / "a/two.macro", {2});
    WriteBytes(macros / "a/b/c/three.macro", {3});
    // A link to a folder outside must go without anything behind it going.
    fs::create_directories(dir / "outside");
    WriteBytes(dir / "outside/keep.txt", {4});
    fs::create_directory_symlink(dir / "outside", macros / "link");

    EmptyFolder(macros);
    EXPECT_TRUE(fs::is_directory(macros));
    EXPECT_TRUE(fs::is_empty(macros));
    EXPECT_TRUE(fs::exists(dir / "outside/keep.txt"));

    RemoveFolderTree(dir / "outside");
    EXPECT_FALSE(fs::exists(dir / "outside"));
    EmptyFolder(dir / "missing");  // nothing to do, no error
}

}  // namespace
