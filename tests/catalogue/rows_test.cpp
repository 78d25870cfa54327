#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "catalogue/clear_state.h"
#include "catalogue/current_quest.h"
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

// A line too short for its fields must not show its clear flag as text, nor one too long read a surplus field
// as the flag: the cells, the icon and the detail dialog read the held line's last byte.
TEST(Rows, CellsAndTheCurrentQuestShowTheLinesOwnFieldsAndTheIconItsHeldFlagBeforeAndAfterATick) {
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
        std::vector<int> icons, cleared;
        for (std::size_t row = 0; row < cells.size(); ++row) {
            icons.push_back(state.rows[row].icon);
            for (int c = 0; c < column_count; ++c)
                EXPECT_EQ(cell_text(state, state.rows[row], c), cells[row][c]) << ticked << " " << row << "," << c;
            const CurrentQuest q = load_current_quest(state, row);
            cleared.push_back(q.cleared);
            EXPECT_EQ((Strings{" " + q.name, q.reward, q.location, q.condition, q.details, q.repeat_mark}),
                      Strings(cells[row].begin(), cells[row].begin() + 6)) << ticked << " " << row;
        }
        EXPECT_EQ(icons, (ticked ? std::vector{0, 1, 0, 5} : std::vector{0, 1, 1, 2}));
        EXPECT_EQ(cleared, (std::vector<int>{1, 0, ticked, ticked}));
    }
}

TEST(AreaIndex, ChooserEntriesAndAreaNamesFollowTheSortedAreaLines) {
    Catalogue state = make_catalogue("012000,B\n011500,A2\n011000,A\n0ZZ,Odd\n0-9,Low\n099000,S\n013000,X<BR>Y\n"
                                     "11001,q\nQQ1,q\n77001,q\n-9x,q\n99001,q\n");
    EXPECT_EQ(state.chooser, (std::vector<ChooserEntry>{{"Low", 0}, {"A", 11000}, {"A2", 11500}, {"B", 12000},
                                                         {"X\r\nY", 13000}, {"S", 99000}, {"Odd", 0}}));
    for (const int unknown : {14, 100, -10, INT_MIN, INT_MAX}) EXPECT_EQ(area_name(state, unknown), "") << unknown;
    build_rows(state, {0, 1, 2, 3, 4});
    Strings areas;
    for (std::size_t row = 0; row < state.rows.size(); ++row) areas.push_back(cell_text(state, state.rows[row], 6));
    // Area 11 is named by the last area line in sorted order. A Code without leading digits has area number
    // 0, as has an area line with letters at bytes 1-2.
    EXPECT_EQ(areas, (Strings{"A2", "Odd", "", "Low", "S"}));
}

TEST(RowSteps, NextAndPreviousWrapAtEitherEndAndFollowAQuestThatLeft) {
    // selected, count -> next, previous
    for (const auto& [selected, count, next, previous] : std::vector<std::tuple<int, int, int, int>>{
             {2, 3, 0, 1}, {0, 3, 1, 2}, {-1, 3, 0, -1}, {0, 1, 0, 0}, {0, 0, -1, -1}})
        EXPECT_EQ(std::pair(next_row(selected, count), previous_row(selected, count)), std::pair(next, previous))
            << selected << " of " << count;
    // After the tick: count before, after, the row then selected -> what Next and Previous show.
    using enum AfterTick;
    for (const auto& [before, after, selected, next, previous] : std::vector<std::tuple<int, int, int, AfterTick, AfterTick>>{
             {5, 5, 2, StepOn, StepOn}, {5, 4, 2, ShowSelected, StepOn}, {1, 0, -1, KeepShown, KeepShown}})
        EXPECT_EQ(std::pair(after_tick(Step::Next, before, after, selected), after_tick(Step::Previous, before, after, selected)),
                  std::pair(next, previous)) << before << " to " << after;
}

}  // namespace
}  // namespace kestrow::test
