#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kestrow::test
