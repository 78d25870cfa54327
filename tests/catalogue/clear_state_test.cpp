#include <gtest/gtest.h>

#include "catalogue/clear_state.h"
#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

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

TEST(SetCleared, ChangesEveryLineWithTheCodeAndOnlyThose) {
    Catalogue state = make_catalogue("X1,a,0\nX10,b,0\nX1,c,0\nx1,d,0\nX1<BR>,e,0\n");
    build_rows(state, {0, 4});
    const CurrentQuest x1 = load_current_quest(state, 0), x1_br = load_current_quest(state, 1);  // "X1\r\n"
    EXPECT_TRUE(update_clear_state(state, x1, 2, -1).changed);  // any non-zero value ticks
    EXPECT_EQ(state.quest_lines, (Strings{"X1,a,0,1", "X10,b,0,0", "X1,c,0,1", "x1,d,0,0", "X1<BR>,e,0,0"}));
    EXPECT_TRUE(update_clear_state(state, x1_br, 1, -1).changed);
    EXPECT_EQ(state.quest_lines.back(), "X1<BR>,e,0,1");
    // The lines that carry a Code, and how many of them changed.
    const auto counts = [&](std::string_view code, bool cleared) {
        const ClearChange c = set_cleared(state, code, cleared);
        return std::pair(c.lines, c.changed);
    };
    EXPECT_EQ(counts("X1", true), (std::pair<std::size_t, std::size_t>(2, 0)));
    EXPECT_EQ(counts("X1", false), (std::pair<std::size_t, std::size_t>(2, 2)));
    EXPECT_EQ(counts("X1<BR>", true), (std::pair<std::size_t, std::size_t>(0, 0)));  // the Code as shown is "X1\r\n"
}

}  // namespace
}  // namespace kestrow::test
