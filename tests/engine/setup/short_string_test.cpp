#include "engine/setup/short_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace quillux::engine {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

struct Case {
    const char* name;
    std::string utf8;     // what the program stores
    std::string stored;   // the bytes that land after the length byte
    std::string readBack; // what the program reads again
};

const Case kCases[] = {
    {"plain_ascii", "C:\\Shows\\", "C:\\Shows\\", "C:\\Shows\\"},
    {"latin1_letter", "Ren\xC3\xA9", "Ren\xE9", "Ren\xC3\xA9"},
    {"euro_sign_in_high_controls", "\xE2\x82\xAC" "5", "\x80" "5", "\xE2\x82\xAC" "5"},
    {"cjk_becomes_question_mark", "\xE6\x97\xA5" "x", "?x", "?x"},
    {"four_byte_sequence_is_one_question_mark", "a\xF0\x9F\x92\xA1" "b", "a?b", "a?b"},
    {"broken_utf8_is_question_mark", "a\xC3" "b", "a?b", "a?b"},
    {"empty", "", "", ""},
    {"cut_at_255_ascii", std::string(300, 'x'), std::string(255, 'x'), std::string(255, 'x')},
    {"cut_at_255_characters_not_bytes", Repeat("\xC3\xA9", 300), std::string(255, '\xE9'),
     Repeat("\xC3\xA9", 255)},
    {"cut_never_mid_sequence", std::string(254, 'x') + "\xE2\x82\xAC\xE2\x82\xAC",
     std::string(254, 'x') + "\x80", std::string(254, 'x') + "\xE2\x82\xAC"},
};

class ShortStringTest : public ::testing::TestWithParam<Case> {};

TEST_P(ShortStringTest, StoresWindows1252AndReadsBackUtf8) {
    const Case& c = GetParam();
    ShortString s;
    std::memset(&s, 0, sizeof(s));
    s.Set(c.utf8);
    EXPECT_EQ(std::string(s.text, s.length), c.stored);
    EXPECT_EQ(s.Get(), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(Conversions, ShortStringTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShortString, ShorterTextKeepsTheBytesAfterIt) {
    ShortString s;
    std::memset(&s, 0, sizeof(s));
    s.Set("abcdef");
    s.Set("XY");
    EXPECT_EQ(s.length, 2);
    EXPECT_EQ(s.Get(), "XY");
    EXPECT_EQ(std::string(s.text, 6), "XYcdef");
    EXPECT_EQ(s.text[6], '\0');
}

TEST(ShortString, ReadsOnlyTheStoredLength) {
    ShortString s;
    std::memset(&s, 'z', sizeof(s));
    s.length = 3;
    EXPECT_EQ(s.Get(), "zzz");
}

}  // namespace
}  // namespace quillux::engine
