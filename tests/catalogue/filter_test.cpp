#include <gtest/gtest.h>

#include "catalogue/arrange.h"
#include "catalogue/copy_find.h"
#include "catalogue/held_line.h"
#include "catalogue/progress.h"
#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

// The progress figures count in one pass what each entry's filter shows.
TEST(Filter, EachCategoryCodeSelectsItsLinesInFileOrderAndItsProgressFigureCountsThem) {
    Catalogue state = make_catalogue("011000,A\n011500,A2\n012000,B\n0-1,Neg\n05,Five\n091000,C\n092000,N\n093000,J\n"
                                     "094000,F\n095000,W\n096000,E\n098000,None\n099000,S\n11001,Alpha,0\n11002,[WS]Alpha,0\n"
                                     "12001,Beta,0\n12002,[ENM]Gamma,1\n11003,WWS,0\n12003,[1]AF x,0\n12004,[" + hyo + "AF,0\n"
                                     "12005,xyzAF,0\n11004,[1]\x83\x57\x83\x87\x83\x75Q,0\n"    // ジョブ
                                     "Z2,\x83\x57\x83\x87\x83\x75,0\n22C,Zed,0\n-1x,Neg,0\n11005,A<BR>lpha,0\n",
                                     "11001\n11002\n12004\n22C\n");
    const std::vector<std::pair<int, Strings>> cases = {
        {11000, {"11001", "11002", "11003", "11004", "11005"}},
        {91000, {"11001", "22C"}},  // a Name beginning '[' is never counted
        {92000, {"12001", "11003", "12005", "Z2", "-1x", "11005"}},
        {93000, {"11004"}},                    // ジョブ at bytes 3-8 only
        {94000, {"12003", "12004", "12005"}},  // AF at bytes 3-4, with '[' or without
        {95000, {"11002", "11003"}},           // WS at bytes 1-2, with '[' or without
        {96000, {"12002"}}, {98000, {}}, {-1, {"-1x"}}, {99000, {}}};  // no search text: no search result
    for (const auto& [code, expected] : cases) {
        build_rows(state, filter_lines(state, code));
        EXPECT_EQ(shown_codes(state), expected) << code;
    }
    select_entry(state, 99);  // no such entry: nothing selected, which reads as code -1
    EXPECT_EQ(shown_codes(state), Strings{"-1x"});
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
        EXPECT_EQ(figures[1], (Progress{2, 5}));       // area 11
        EXPECT_EQ(figures.back(), (Progress{2, 3}));  // the search
        EXPECT_EQ(overall_progress(state), (Progress{4, 13}));
    }
}

// Hiding and sorting apply to every category and survive a rebuild of the rows.
TEST(Filter, HiddenClearedAndSortedRowsKeepFileOrderForEqualKeys) {
    Catalogue state = make_catalogue("011000,A\n012000,B\n12001,b,x,,,,0\n11002,a,y,,,,0\n11003,c,x,,,,1\n"
                                     "12004,a,x,,,,0\n11005," + ze + ",\x81\x40,,,,0\n",  // ゼ, a full-width space
                                     "11003\n12004\n");
    const auto arranged = [&](int column, bool descending, bool hide = false) {
        state.sort_column = column, state.sort_descending = descending, state.hide_cleared = hide;
        std::vector<std::uint32_t> lines{0, 1, 2, 3, 4};
        arrange_lines(state, lines);
        Strings codes;
        for (const auto i : lines) codes.emplace_back(clear_key(state.quest_lines[i]));
        return codes;
    };
    EXPECT_EQ(arranged(-1, false, true), (Strings{"12001", "11002", "11005"}));
    // Status (not cleared first) then Name; bytes compare unsigned, so ゼ follows ASCII.
    EXPECT_EQ(arranged(0, false), (Strings{"11002", "12001", "11005", "12004", "11003"}));
    EXPECT_EQ(arranged(0, true), (Strings{"11003", "12004", "11005", "12001", "11002"}));
    // Reward: x, y and a full-width space; equal keys keep file order either way.
    EXPECT_EQ(arranged(1, false), (Strings{"12001", "11003", "12004", "11002", "11005"}));
    EXPECT_EQ(arranged(1, true), (Strings{"11005", "11002", "12001", "11003", "12004"}));
    EXPECT_EQ(arranged(6, false, true), (Strings{"11002", "11005", "12001"}));  // by area, hidden ones left out
}

}  // namespace
}  // namespace kestrow::test
