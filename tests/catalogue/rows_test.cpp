#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/clear_state.h"
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
}

TEST(Rows, CellsShowTheLinesOwnFieldsAndTheIconItsHeldFlagBeforeAndAfterATick) {
    Catalogue state = make_catalogue("011000,A\n11001,N<BR>2,R,L,C,D<BR>,0\n77001,,r,l,c,d,\n11014," + hyo +
                                     "\n11002,[WS]n,r,l,c,d,0,x\n", "11001\n");
    // ○ for a Repeatable field other than exactly "0", even an empty or missing one; no area line
    // carries 77. Fields that a short line lacks stay empty, a surplus field is not the flag.
    const std::string maru = "\x81\x9B";  // ○
    const std::vector<Strings> cells = {{" N\r\n2", "R", "L", "C", "D\r\n", batsu, "A"},
                                        {" ", "r", "l", "c", "d", maru, ""},
                                        {" " + hyo, "", "", "", "", maru, "A"},
                                        {" [WS]n", "r", "l", "c", "d", batsu, "A"}};
    for (const bool ticked : {false, true}) {
        for (const char* code : {"11014", "11002"}) set_cleared(state, code, ticked);
        build_rows(state, {0, 1, 2, 3});
        std::vector<int> icons;
        for (std::size_t row = 0; row < cells.size(); ++row) {
            icons.push_back(state.rows[row].icon);
            for (int c = 0; c < column_count; ++c)
                EXPECT_EQ(cell_text(state, state.rows[row], c), cells[row][c]) << ticked << " " << row << "," << c;
        }
        EXPECT_EQ(icons, (ticked ? std::vector{0, 1, 0, 5} : std::vector{0, 1, 1, 2}));
    }
}

}  // namespace
}  // namespace kestrow::test
