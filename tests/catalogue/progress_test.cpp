#include <gtest/gtest.h>

#include "catalogue/copy_find.h"
#include "catalogue/held_line.h"
#include "catalogue/progress.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TEST(Progress, EachEntryCountsWhatItsFilterShows) {
    Catalogue state = make_catalogue(
        "011000,A\n011500,A2\n012000,B\n0-1,Neg\n05,Five\n091000,C\n092000,N\n093000,J\n094000,F\n095000,W\n"
        "096000,E\n098000,None\n099000,S\n11001,Alpha,0\n11002,[WS]Two,0\n12001,[\x83\x41" "AF1],0\n"
        "12002,[ENM]x,0\n11003,[1]\x83\x57\x83\x87\x83\x75,0\n12003,WWS,0\n-1x,Neg,0\n11004,A<BR>lpha,0\n",
        "11001\n11002\n12001\n-1x\n");
    for (const bool loose : {false, true}) {
        ASSERT_EQ(search_quests(state, loose ? "\x82\x6B\x82\x6F\x82\x67\x82\x60" : "lpha", loose), 12);  // ＬＰＨＡ
        const std::vector<Progress> figures = chooser_progress(state);
        ASSERT_EQ(figures.size(), state.chooser.size());
        for (std::size_t i = 0; i < state.chooser.size(); ++i) {
            Progress expected;
            for (const auto line : filter_lines(state, state.chooser[i].code)) {
                ++expected.shown;
                if (held_flag(state.quest_lines[line]) == cleared_flag) ++expected.cleared;
            }
            EXPECT_EQ(figures[i], expected) << state.chooser[i].code;
        }
        // Not all empty: the comparison above says something.
        EXPECT_EQ(figures[1], (Progress{2, 4}));       // area 11
        EXPECT_EQ(figures.back(), (Progress{1, 2}));  // the search
        EXPECT_EQ(overall_progress(state), (Progress{4, 8}));
    }
}

}  // namespace
}  // namespace kestrow::test
