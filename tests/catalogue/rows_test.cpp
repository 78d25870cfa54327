#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TEST(Rows, IconFollowsTagAndClearFlag) {
    const std::vector<std::tuple<std::string, char, int>> cases = {
        {"Alpha", '1', 0}, {"Alpha", '0', 1}, {"[WS]x", '0', 2}, {"[WS]x", '1', 5}, {"[" + hyo + "AF1]", '0', 3},
        {"[" + hyo + "AF1]", '1', 6}, {"[WSAF]", '0', 3}, {"[WSAF]", '1', 6},  // AF is tested before WS
        {"[ENM]", '0', 4}, {"[ENM", '1', 7}, {"[AF]x", '0', 1}, {"xWS", '0', 1}, {"xyzAF", '1', 0},
        {"[ws]", '0', 1}, {"[EN", '0', 1}, {"", '0', 1}};
    for (const auto& [name, flag, icon] : cases)
        EXPECT_EQ(icon_of_line("Q," + name + ",r,l,c,d,0," + flag), icon) << name << " " << flag;
    EXPECT_EQ(icon_of_line("Q,[WS]x,0,1"), 5);            // short line: the flag is its last field
    EXPECT_EQ(icon_of_line("Q,Alpha,r,l,c,d,0,x,0"), 0);  // field 8 is read as the flag, even a surplus one
}

TEST(Rows, CellsShowTheFieldsTheRepeatMarkAndTheAreaName) {
    Catalogue state = make_catalogue("011000,A\n11001,N<BR>2,R,L,C,D<BR>,0\n77001,,r,l,c,d,\n"
                                     "11002,n,r,l,c,d,0,x\n", "11001\n");
    build_rows(state, {0, 1, 2});
    // ○ for a Repeatable field other than exactly "0", even an empty one; no area line carries 77.
    const std::vector<Strings> cells = {{" N\r\n2", "R", "L", "C", "D\r\n", batsu, "A"},
                                        {" ", "r", "l", "c", "d", "\x81\x9B", ""}};
    for (std::size_t row = 0; row < cells.size(); ++row)
        for (int c = 0; c < column_count; ++c)
            EXPECT_EQ(cell_text(state, state.rows[row], c), cells[row][c]) << row << "," << c;
}

}  // namespace
}  // namespace kestrow::test
