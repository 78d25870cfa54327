#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "catalogue/clear_state.h"
#include "catalogue/copy_find.h"
#include "catalogue/current_quest.h"
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
    for (std::size_t row = 0; row < state.rows.size(); ++row) areas.push_back(cell_text(state, row, 6));
    // Area 11 is named by the last area line in sorted order. A Code without leading digits has area number
    // 0, as has an area line with letters at bytes 1-2.
    EXPECT_EQ(areas, (Strings{"A2", "Odd", "", "Low", "S"}));
}

TEST(Filter, EachCategoryCodeSelectsItsLinesInFileOrder) {
    Catalogue state = make_catalogue("011000,A\n012000,B\n11001,Alpha,0\n11002,[WS]Alpha,0\n12001,Beta,0\n"
                                     "12002,[ENM]Gamma,1\n11003,WWS,0\n12003,[1]AF x,0\n12004,[" + hyo + "AF,0\n"
                                     "12005,xyzAF,0\n11004,[1]\x83\x57\x83\x87\x83\x75Q,0\n"    // ジョブ
                                     "Z2,\x83\x57\x83\x87\x83\x75,0\n22C,Zed,0\n-1x,Neg,0\n",
                                     "11001\n11002\n12004\n22C\n");
    const std::vector<std::pair<int, Strings>> cases = {
        {11000, {"11001", "11002", "11003", "11004"}},
        {91000, {"11001", "22C"}},  // a Name beginning '[' is never counted
        {92000, {"12001", "11003", "12005", "Z2", "-1x"}},
        {93000, {"11004"}},                    // ジョブ at bytes 3-8 only
        {94000, {"12003", "12004", "12005"}},  // AF at bytes 3-4, with '[' or without
        {95000, {"11002", "11003"}},           // WS at bytes 1-2, with '[' or without
        {96000, {"12002"}}, {98000, {}}, {-1, {"-1x"}}, {99000, {}}};  // no search text: no search result
    for (const auto& [code, expected] : cases) {
        build_rows(state, filter_lines(state, code));
        EXPECT_EQ(shown_codes(state), expected) << code;
    }
    select_entry(state, 2);  // no such entry: nothing selected, which reads as code -1
    EXPECT_EQ(shown_codes(state), Strings{"-1x"});
}

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

TEST(Rows, CellsAndCurrentQuestShowTheFieldsMarksAndAreaName) {
    Catalogue state = make_catalogue("011000,A\n11001,N<BR>2,R,L,C,D<BR>,0\n77001,,r,l,c,d,\n"
                                     "11002,n,r,l,c,d,0,x\n", "11001\n");
    build_rows(state, {0, 1, 2});
    // ○ for a Repeatable field other than exactly "0", even an empty one; no area line carries 77.
    const std::vector<Strings> cells = {{" N\r\n2", "R", "L", "C", "D\r\n", batsu, "A"},
                                        {" ", "r", "l", "c", "d", "\x81\x9B", ""}};
    for (std::size_t row = 0; row < cells.size(); ++row)
        for (int c = 0; c < column_count; ++c) EXPECT_EQ(cell_text(state, row, c), cells[row][c]) << row << "," << c;
    EXPECT_EQ(load_current_quest(state, 0), (CurrentQuest{"11001", "N\r\n2", "R", "L", "C", "D\r\n", batsu, 1}));
    // Cleared is 0 only for a field 8 of exactly "0", even when that is a surplus field.
    EXPECT_EQ(std::pair(load_current_quest(state, 1).cleared, load_current_quest(state, 2).cleared), std::pair(0, 1));
}

TEST(RowSteps, NextAndPreviousWrapAtEitherEnd) {
    // selected, count -> next, previous
    for (const auto& [selected, count, next, previous] : std::vector<std::tuple<int, int, int, int>>{
             {2, 3, 0, 1}, {0, 3, 1, 2}, {-1, 3, 0, -1}, {0, 1, 0, 0}, {0, 0, -1, -1}})
        EXPECT_EQ(std::pair(next_row(selected, count), previous_row(selected, count)), std::pair(next, previous))
            << selected << " of " << count;
}

TEST(CopyFind, FindRelabelsAndSelectsTheSearchEntryAndCopyGivesItsRows) {
    Catalogue state = make_catalogue("011000,A\n099000,S\n11001,Alpha,,0\n11002,Beta," + hyo + ",0\n"
                                     "11003,Alpha<BR>bet,0\n", "11003\n");
    const std::string open = "\x8C\x9F\x8D\xF5\x8C\x8B\x89\xCA\x81\x75", close = "\x81\x76";  // 検索結果「 」
    const std::vector<std::pair<std::string, Strings>> cases = {
        {"\\", {}},  // only a trail byte of 表 is 0x5C
        {",0,1", {"11003"}}, {"Beta", {"11002"}}, {"Alpha", {"11001", "11003"}}};  // the whole held line is searched
    for (const auto& [text, shown] : cases) {
        EXPECT_TRUE(find(state, text));
        EXPECT_EQ(state.chooser, (std::vector<ChooserEntry>{{"A", 11000}, {open + text + close, 99000}}));
        EXPECT_EQ(std::pair(state.selected_entry, shown_codes(state)), std::pair(1, shown)) << text;
    }
    // Copy gives each shown line as held, commas turned into tabs.
    EXPECT_EQ(copy_text(state), "11001\tAlpha\t\t0\t0\r\n11003\tAlpha<BR>bet\t0\t1\r\n");
    select_entry(state, 0);
    EXPECT_FALSE(find(state, ""));  // an empty text changes nothing
    EXPECT_EQ(state.search_text, "Alpha");
    state.chooser.pop_back();
    EXPECT_FALSE(find(state, "Beta"));  // no search entry: the text is only kept for the next search dialog
    EXPECT_EQ(state.search_text, "Beta");
    EXPECT_EQ(std::pair(state.selected_entry, shown_codes(state)), std::pair(0, Strings{"11001", "11002", "11003"}));
}

class ClearState : public ::testing::Test {
protected:
    Catalogue state = make_catalogue("011000,A\n092000,N\n11001,One,0\n11002,Two,0\n11003,Three,0\n11004,Four,0\n"
                                     "11005,Five,0\n", "11005\n");
    // What the detail dialog does when its tick is toggled for the quest of a row: the row kept selected, and
    // the rows.
    std::pair<int, Strings> toggle(int row, int selected) {
        const CurrentQuest q = load_current_quest(state, static_cast<std::size_t>(row));
        return {update_clear_state(state, q, 1 - q.cleared, selected).selected_row, shown_codes(state)};
    }
};

TEST_F(ClearState, InAnAreaTheRowStaysAndItsIconChanges) {
    select_entry(state, 0);  // area 11
    const Strings all = {"11001", "11002", "11003", "11004", "11005"};
    EXPECT_EQ(toggle(1, 1), std::pair(1, all));
    EXPECT_EQ(toggle(4, 4), std::pair(4, all));
    EXPECT_EQ(std::pair(state.rows[1].icon, state.rows[4].icon), (std::pair<std::uint8_t, std::uint8_t>(0, 1)));
    // A tick equal to the value the quest was loaded with changes nothing, whatever its line holds now.
    const CurrentQuest q = load_current_quest(state, 0);
    state.quest_lines[0].back() = '1';
    EXPECT_FALSE(update_clear_state(state, q, 0, 0).changed);
    EXPECT_EQ(state.quest_lines[0].back(), '1');
}

TEST_F(ClearState, InTheNotClearedListTheSelectionMovesToTheFollowingQuest) {
    select_entry(state, 1);  // not cleared
    EXPECT_EQ(toggle(1, 1), std::pair(1, Strings{"11001", "11003", "11004"}));  // a middle row: the next one moves up
    EXPECT_EQ(toggle(2, -1), std::pair(-1, Strings{"11001", "11003"}));         // none selected before, none after
    EXPECT_EQ(toggle(1, 1), std::pair(0, Strings{"11001"}));                    // the last row: the new last row
    EXPECT_EQ(toggle(0, 0), std::pair(-1, Strings{}));                          // the list empties
    EXPECT_EQ(row_kept_after_update(4, 2), 1);                                  // two lines of one Code left at once
}

TEST(ClearStateUpdate, ChangesEveryLineWithTheCodeAndOnlyThose) {
    Catalogue state = make_catalogue("X1,a,0\nX10,b,0\nX1,c,0\nx1,d,0\nX1<BR>,e,0\n");
    build_rows(state, {0, 4});
    const CurrentQuest x1 = load_current_quest(state, 0), x1_br = load_current_quest(state, 1);  // "X1\r\n"
    EXPECT_TRUE(update_clear_state(state, x1, 2, -1).changed);  // any non-zero value ticks
    EXPECT_EQ(state.quest_lines, (Strings{"X1,a,0,1", "X10,b,0,0", "X1,c,0,1", "x1,d,0,0", "X1<BR>,e,0,0"}));
    EXPECT_TRUE(update_clear_state(state, x1_br, 1, -1).changed);
    EXPECT_EQ(state.quest_lines.back(), "X1<BR>,e,0,1");
}

}  // namespace
}  // namespace kestrow::test
