#include "engine/text/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace quillux::engine {
namespace {

TEST(Windows1252, EveryByteSurvivesARoundTripThroughUtf8) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(one)), one) << "byte " << byte;
    }
}

struct Case {
    const char* name;
    unsigned char byte;
    const char* utf8;
};

// The bytes where Windows-1252 differs from Latin-1, and the edges around them.
const Case kCases[] = {
    {"euro", 0x80, "\xE2\x82\xAC"},
    {"undefined_81_kept_as_c1", 0x81, "\xC2\x81"},
    {"single_low_quote", 0x82, "\xE2\x80\x9A"},
    {"trademark", 0x99, "\xE2\x84\xA2"},
    {"y_diaeresis", 0x9F, "\xC5\xB8"},
    {"nbsp", 0xA0, "\xC2\xA0"},
    {"e_acute", 0xE9, "\xC3\xA9"},
    {"y_dieresis_small", 0xFF, "\xC3\xBF"},
};

class Windows1252Test : public ::testing::TestWithParam<Case> {};

TEST_P(Windows1252Test, MapsTheByteToItsCharacter) {
    const Case& c = GetParam();
    EXPECT_EQ(Windows1252ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8);
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), std::string(1, static_cast<char>(c.byte)));
}

INSTANTIATE_TEST_SUITE_P(Bytes, Windows1252Test, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Windows1252, LatinOneControlsWithoutAWindowsMeaningBecomeQuestionMarks) {
    // U+0080 is not a character of Windows-1252 (byte 0x80 is the euro sign).
    EXPECT_EQ(Utf8ToWindows1252("\xC2\x80"), "?");
}

}  // namespace
}  // namespace quillux::engine
