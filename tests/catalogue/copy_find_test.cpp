#include <gtest/gtest.h>

#include "catalogue/copy_find.h"
#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TEST(CopyFind, FindRelabelsAndSelectsTheSearchEntryAndCopyGivesItsRows) {
    Catalogue state = make_catalogue("011000,A\n099000,S\n11001,Alpha,,0\n11002,Beta," + hyo + ",0\n"
                                     "11003,Alpha<BR>bet,0\n", "11003\n");
    const std::string open = "\x8C\x9F\x8D\xF5\x8C\x8B\x89\xCA\x81\x75", close = "\x81\x76";  // 検索結果「 」
    const std::vector<std::pair<std::string, Strings>> cases = {
        {"\\", {}},  // only a trail byte of 表 is 0x5C
        {",0,1", {"11003"}}, {"Beta", {"11002"}}, {"Alpha", {"11001", "11003"}}};  // the whole held line is searched
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(search_quests(state, text), 1);
        EXPECT_EQ(state.chooser, (std::vector<ChooserEntry>{{"A", 11000}, {open + text + close, 99000}}));
        EXPECT_EQ(std::pair(state.selected_entry, shown_codes(state)), std::pair(1, shown)) << text;
    }
    // Copy gives each shown line as held, commas turned into tabs.
    EXPECT_EQ(copy_text(state), "11001\tAlpha\t\t0\t0\r\n11003\tAlpha<BR>bet\t0\t1\r\n");
    select_entry(state, 0);
    EXPECT_EQ(search_quests(state, ""), -1);  // an empty text changes nothing
    EXPECT_EQ(state.search_text, "Alpha");
    state.chooser.pop_back();
    EXPECT_EQ(search_quests(state, "Beta"), -1);  // no search entry: the text is only kept for the next search dialog
    EXPECT_EQ(state.search_text, "Beta");
    EXPECT_EQ(std::pair(state.selected_entry, shown_codes(state)), std::pair(0, Strings{"11001", "11002", "11003"}));
}

TEST(CopyFind, CopyAsShownGivesTheStatusAndTheSevenCellsOfEachRow) {
    Catalogue state = make_catalogue("011000,A\n11001,Alpha,r,l,c,d,0\n11003,Al<BR>pha,r\tx,l,c,d,1\n", "11003\n");
    select_entry(state, 0);
    // 済 8D CF, 未 96 A2; a line break and a tab inside a cell become spaces.
    EXPECT_EQ(copy_shown_text(state), "\x96\xA2\tAlpha\tr\tl\tc\td\t\x81\x7E\tA\r\n"
                                      "\x8D\xCF\tAl pha\tr x\tl\tc\td\t\x81\x9B\tA\r\n");
}

}  // namespace
}  // namespace kestrow::test
