#include <gtest/gtest.h>

#include "catalogue/arrange.h"
#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

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
