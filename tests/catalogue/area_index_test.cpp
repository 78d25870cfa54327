#include <gtest/gtest.h>

#include <climits>

#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TEST(AreaIndex, ChooserEntriesAndAreaNamesFollowTheSortedAreaLines) {
    Catalogue state = make_catalogue("012000,B\n011500,A2\n011000,A\n0ZZ,Odd\n0-9,Low\n099000,S\n013000,X<BR>Y\n"
                                     "11001,q\nQQ1,q\n77001,q\n-9x,q\n99001,q\n");
    EXPECT_EQ(state.chooser, (std::vector<ChooserEntry>{{"Low", 0}, {"A", 11000}, {"A2", 11500}, {"B", 12000},
                                                         {"X\r\nY", 13000}, {"S", 99000}, {"Odd", 0}}));
    EXPECT_EQ(state.selected_entry, -1);
    for (const int unknown : {14, 100, -10, INT_MIN, INT_MAX}) EXPECT_EQ(area_name(state, unknown), "") << unknown;
    build_rows(state, {0, 1, 2, 3, 4});
    Strings areas;
    for (std::size_t row = 0; row < state.rows.size(); ++row) areas.push_back(cell_text(state, state.rows[row], 6));
    // Area 11 is named by the last area line in sorted order. A Code without leading digits has area number
    // 0, as has an area line with letters at bytes 1-2.
    EXPECT_EQ(areas, (Strings{"A2", "Odd", "", "Low", "S"}));
}

}  // namespace
}  // namespace kestrow::test
