#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "catalogue/bytes.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

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

}  // namespace
}  // namespace kestrow::test
