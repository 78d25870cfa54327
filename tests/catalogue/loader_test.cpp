#include <gtest/gtest.h>

#include "test_support.h"

namespace kestrow::test {
namespace {

using namespace std::string_literals;

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

}  // namespace
}  // namespace kestrow::test
