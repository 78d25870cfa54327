#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "catalogue/bytes.h"
#include "catalogue/encoding.h"
#include "catalogue/field.h"
#include "test_support.h"

// The byte-level readings every file goes through: characters, fields, lines and encodings.
namespace kestrow::test {
namespace {

using namespace std::string_literals;

TEST(Bytes, FindNeverMatchesOnTheSecondByteOfADoubleByteCharacter) {
    const std::vector<std::tuple<std::string, std::string, std::size_t>> cases = {
        {"x" + hyo + "y", "\\", npos}, {"x" + hyo + "\\", "\\", 3}, {"a" + batsu, "~", npos}, {"a" + ze, "[", npos},
        {"[" + ze, "[", 0}, {"\x81" "AB", "A", npos}, {"\x81" "AB", "B", 2}, {"ab\x81", "\x81", 2}, {"abc", "", 0},
        {"\x81,\\", ",", 1}, {"\x81,\\", "\\", 2},  // ',' is no trail byte: 0x81 stands alone
        {"\x88" + hyo, hyo, npos},  // 0x88 pairs with 0x95, so 表 would start on a trail byte
        {"a\x81\x81\\", "\\", 3}, {"a\x81\x81\x81\\", "\\", npos}, {"", "a", npos}};  // lead bytes pair from the left
    for (const auto& [text, needle, at] : cases) EXPECT_EQ(find(text, needle), at) << text << " / " << needle;
    EXPECT_EQ(replace_all(hyo + "\\", "\\", "/"), hyo + "/");
}

TEST(Bytes, DecimalValueReadsLikeAtoiButClampsToTheIntRange) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0}, {"011000", 11000}, {"  \t42x", 42}, {"-17", -17}, {"+8", 8}, {"- 3", 0}, {"2147483648", INT_MAX},
        {"99999999999999999999", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN}};
    for (const auto& [text, value] : cases) EXPECT_EQ(decimal_value(text), value) << text;
}

TEST(Bytes, CollationFoldsAsciiCaseButNeverTrailBytesAndKeepsDuplicates) {
    // ア (83 41) and ヂ (83 61) differ only in a trail byte that looks like 'A' and 'a'.
    const std::vector<std::pair<std::string_view, std::string_view>> ascending = {
        {"a", "B"}, {"ab", "ABC"}, {"Z", "\x83\x41"}, {"\x83\x41", "\x83\x61"},
        {std::string_view("\x81" "A", 1), "\x81,"}};  // a lead byte ending a slice stands alone
    for (const auto& [a, b] : ascending) EXPECT_TRUE(collate_less(a, b) && !collate_less(b, a)) << a << " < " << b;
    Catalogue state;  // equal keys keep their order
    read_clear_keys(state, "b\r\nA\r\nX1\r\na\r\nB\r\nX1\r\n");
    EXPECT_EQ(state.clear_keys, (Strings{"A", "a", "b", "B", "X1", "X1"}));
}

TEST(Field, ExtractsTheNthFieldWithLineBreaks) {
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"A,B,C", 1, "A"}, {"A,B,C", 3, "C"}, {"A,B,C", 5, "C"}, {"A,,C", 2, ""}, {",B", 1, ""}, {"", 1, ""},
        {"x,one<BR>two", 2, "one\r\ntwo"}, {"<BR><BR>,x", 1, "\r\n\r\n"}, {"a<BR,x", 1, "a<BR"},
        {"\x81,B", 1, "\x81"}, {"\x81,B", 2, "B"}};
    for (const auto& [line, n, expected] : cases) EXPECT_EQ(field(line, n), expected) << line << " #" << n;
}

TEST(TextLines, ReadLikeTextModeReading) {
    const std::vector<std::pair<std::string, std::vector<std::string_view>>> cases = {
        {"a\r\nb\nc", {"a", "b", "c"}}, {"\n\r\n", {"", ""}}, {"a\rb\r\r\n", {"a\rb\r"}},
        {"a\nb\x1A" "c\nd\n", {"a", "b"}}, {"a\0b\nc\n"s, {"a", "c"}} /* a NUL ends its line */};
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(text_lines(bytes), lines) << ::testing::PrintToString(bytes);
    // Whatever the bytes, every quest line ends in its clear flag and no line holds a NUL. A clear-file
    // line keeps the key before its NUL.
    const Catalogue state =
        make_catalogue("11001,N\0ul,r\n11002,\x81\n11003,\xFF\xFE\x80\xA0,r\n0\x81,\xFC\n\x81"s, "11001\0,x\r\n"s);
    EXPECT_EQ(state.quest_lines, (Strings{"11001,N,1", "11002,\x81,0", "11003,\xFF\xFE\x80\xA0,r,0", "\x81,0"}));
    EXPECT_EQ(state.area_lines, Strings{"0\x81,\xFC"});
}

TEST(Encoding, UTF8IsTakenOnlyWhenValidAndNotPlainASCIIAndUTF16MarksWhatIsBroken) {
    const std::pair<std::string_view, bool> cases[] = {
        {"\xE8\xA1\xA8", true},  {"a\xC3\xA9", true},   {"plain", false},     {"\x95\x5C", false} /* 表 in 932 */,
        {"\xC0\x80", false} /* overlong */, {"\xED\xA0\x80", false} /* surrogate */, {"\xF4\x90\x80\x80", false},
        {"\xE8\xA1", false} /* cut short */, {"\xF0\x9F\x98\x80", true}};
    for (const auto& [bytes, utf8] : cases) EXPECT_EQ(is_multibyte_utf8(bytes), utf8) << bytes;
    // 😀 as a pair; a lone low surrogate, a lone high one at the end and an odd last byte become U+FFFD.
    EXPECT_EQ(utf16_to_utf8("=\xD8\x00\xDE" "a\x00"s, false), "\xF0\x9F\x98\x80" "a");
    EXPECT_EQ(utf16_to_utf8("\xDC\x00\x00" "b\xD8\x3D" "c"s, true), "\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kestrow::test
