#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/clear_state.h"
#include "catalogue/current_quest.h"
#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TEST(CurrentQuest, CopiesTheLinesOwnFieldsWithItsMarkAndItsHeldFlagBeforeAndAfterATick) {
    Catalogue state = make_catalogue("11001,N<BR>2,R,L,C,D<BR>,0\n77001,,r,l,c,d,\n11014," + hyo +
                                     "\n11002,n,r,l,c,d,0,x\n", "11001\n11002\n");
    build_rows(state, {0, 1, 2, 3});
    EXPECT_EQ(load_current_quest(state, 0), (CurrentQuest{"11001", "N\r\n2", "R", "L", "C", "D\r\n", batsu, 1}));
    EXPECT_EQ(load_current_quest(state, 1).cleared, 0);
    // A short line shows no flag in its missing fields; a surplus field is not the flag.
    for (const int cleared : {1, 0, 1}) {
        for (const char* code : {"11014", "11002"}) set_cleared(state, code, cleared != 0);
        EXPECT_EQ(load_current_quest(state, 2), (CurrentQuest{"11014", hyo, "", "", "", "", "\x81\x9B", cleared}));
        EXPECT_EQ(load_current_quest(state, 3), (CurrentQuest{"11002", "n", "r", "l", "c", "d", batsu, cleared}));
    }
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
