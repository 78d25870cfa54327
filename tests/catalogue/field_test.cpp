#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/field.h"

namespace kestrow {
namespace {

TEST(Field, ExtractsTheNthFieldWithLineBreaks) {
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"A,B,C", 1, "A"}, {"A,B,C", 3, "C"}, {"A,B,C", 5, "C"}, {"A,,C", 2, ""}, {",B", 1, ""}, {"", 1, ""},
        {"x,one<BR>two", 2, "one\r\ntwo"}, {"<BR><BR>,x", 1, "\r\n\r\n"}, {"a<BR,x", 1, "a<BR"},
        {"\x81,B", 1, "\x81"}, {"\x81,B", 2, "B"}};
    for (const auto& [line, n, expected] : cases) EXPECT_EQ(field(line, n), expected) << line << " #" << n;
}

}  // namespace
}  // namespace kestrow
