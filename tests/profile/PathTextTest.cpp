#include "profile/PathText.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, RoundTripsEveryPathAndNeverThrows) {
    const std::string paths[] = {
        "/home/user/.config/Ostrel/VOSK8200/Macros/Run.macro",
        "/tmp/\xC3\x89lan \xE2\x9C\x93/\xF0\x9F\x96\xB1.profile",  // É, ✓, a four-byte character
        "/tmp/latin1-\xE9t\xE9/bad\xFF\xC3",                       // not UTF-8
        "/tmp/overlong-\xC0\xAF/surrogate-\xED\xA0\x80",
    };
    for (const std::string& bytes : paths) {
        const std::filesystem::path path(bytes);
        EXPECT_EQ(PathFromUtf16(Utf16FromPath(path)), path) << bytes;
    }
    EXPECT_EQ(Utf16FromPath("/a/\xC3\x89"), u"/a/\u00c9");
    EXPECT_EQ(Utf16FromPath("/a/\xE9"), u"/a/\xDCE9");
}

TEST(PathText, ALoneSurrogateInATextBecomesTheReplacementCharacter) {
    EXPECT_EQ(PathFromUtf16(u"a\xD800"
                            u"b"),
              std::filesystem::path("a\xEF\xBF\xBD"
                                    "b"));
    EXPECT_EQ(PathFromUtf16(u"\xDC00"), std::filesystem::path("\xEF\xBF\xBD"));
    EXPECT_EQ(PathFromUtf16(u"\U0001F5B1"), std::filesystem::path("\xF0\x9F\x96\xB1"));
}

}  // namespace
