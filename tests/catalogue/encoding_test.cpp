#include <gtest/gtest.h>

#include "catalogue/encoding.h"

namespace kestrow {
namespace {

TEST(Encoding, UTF8IsTakenOnlyWhenValidAndNotPlainASCII) {
    const std::pair<std::string_view, bool> cases[] = {
        {"\xE8\xA1\xA8", true},  {"a\xC3\xA9", true},   {"plain", false},     {"\x95\x5C", false} /* 表 in 932 */,
        {"\xC0\x80", false} /* overlong */, {"\xED\xA0\x80", false} /* surrogate */, {"\xF4\x90\x80\x80", false},
        {"\xE8\xA1", false} /* cut short */, {"\xF0\x9F\x98\x80", true}};
    for (const auto& [bytes, utf8] : cases) EXPECT_EQ(is_multibyte_utf8(bytes), utf8) << bytes;
}

TEST(Encoding, UTF16PairsSurrogatesAndMarksWhatIsBroken) {
    using namespace std::string_literals;
    // 😀 as a pair; a lone low surrogate, a lone high one at the end and an odd last byte become U+FFFD.
    EXPECT_EQ(utf16_to_utf8("=\xD8\x00\xDE" "a\x00"s, false), "\xF0\x9F\x98\x80" "a");
    EXPECT_EQ(utf16_to_utf8("\xDC\x00\x00" "b\xD8\x3D" "c"s, true), "\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace kestrow
