#include <gtest/gtest.h>

#include "catalogue/copy_find.h"
#include "catalogue/rows.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TEST(CopyFind, FindRelabelsAndSelectsTheSearchEntryAndCopyGivesItsRowsAsHeldAndAsShown) {
    Catalogue state = make_catalogue("011000,A\n099000,S\n11001,Alpha,r\tx,0\n11002,Beta," + hyo + ",0\n"
                                     "11003,Alpha<BR>bet,0\n", "11003\n");
    const std::string open = "\x8C\x9F\x8D\xF5\x8C\x8B\x89\xCA\x81\x75", close = "\x81\x76";  // 検索結果「 」
    const std::vector<std::pair<std::string, Strings>> cases = {
        {",0,1", {"11003"}}, {"Beta", {"11002"}}, {"Alpha", {"11001", "11003"}}};  // the whole held line is searched
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(search_quests(state, text), 1);
        EXPECT_EQ(state.chooser, (std::vector<ChooserEntry>{{"A", 11000}, {open + text + close, 99000}}));
        EXPECT_EQ(std::pair(state.selected_entry, shown_codes(state)), std::pair(1, shown)) << text;
    }
    EXPECT_EQ(search_quests(state, "\\"), search_found_nothing);  // only a trail byte of 表 is 0x5C
    // Copy gives each shown line as held, commas turned into tabs.
    EXPECT_EQ(copy_text(state), "11001\tAlpha\tr\tx\t0\t0\r\n11003\tAlpha<BR>bet\t0\t1\r\n");
    // Copy as shown: 未 96 A2 or 済 8D CF, then the seven cells; a line break and a tab inside a cell become spaces.
    EXPECT_EQ(copy_shown_text(state), "\x96\xA2\tAlpha\tr x\t0\t\t\t\x81\x9B\tA\r\n"
                                      "\x8D\xCF\tAlpha bet\t0\t\t\t\t\x81\x9B\tA\r\n");
    select_entry(state, 0);
    EXPECT_EQ(search_quests(state, ""), -1);  // an empty text changes nothing
    EXPECT_EQ(state.search_text, "Alpha");
    state.chooser.pop_back();
    EXPECT_EQ(search_quests(state, "Beta"), -1);  // no search entry: the text is only kept for the next search dialog
    EXPECT_EQ(state.search_text, "Beta");
    EXPECT_EQ(std::pair(state.selected_entry, shown_codes(state)), std::pair(0, Strings{"11001", "11002", "11003"}));
}

TEST(CopyFind, ALooseSearchReadsWhatTheRowShowsAndTheCodesStartAndFindingNothingChangesNothing) {
    // ゼリー<BR>職人, ｶﾞ, 表, a Details naming the area, and a short line.
    Catalogue state = make_catalogue(
        "011000,Port\n099000,S\n11001,\x83\x5B\x83\x8A\x81\x5B<BR>\x90\x45\x90\x6C,R,L,C,D,0\n"
        "11002,[WS]x,\xB6\xDE" "a<BR>b,L,C,D,1\n21100,y,R," + hyo + ",C,Port,1\n12001,z\n", "21100\n");
    const Strings codes_from_110 = {"11001", "11002"};
    const std::vector<std::pair<std::string, Strings>> cases = {
        {"\xBE\xDE\xD8\xB0", {"11001"}}, {"\x82\xBA\x82\xE8\x81\x5B", {"11001"}},  // ｾﾞﾘｰ ぜりー
        {"\x82\x76\x82\x72", {"11002"}}, {"[ws]", {"11002"}}, {"port", {"21100"}},    // ＷＳ; not the area name
        {"\x82\xAA" "A", {"11002"}}, {"\xB6", {}}, {"\x81\x4A", {}}, {"\\", {}},  // がA; ｶﾞ is neither ｶ nor ゛; 表
        {"110", codes_from_110}, {"\x82\x50\x82\x50\x82\x4F\x82\x4F", codes_from_110},  // the Code's start; １１００
        {"0", {}}, {"d,1", {}}, {"x,", {}}, {"<BR>", {}}, {"\x81\x5B\x90\x45", {}}};  // flag, Repeatable, ー<BR>職
    for (const auto& [text, shown] : cases) {
        select_entry(state, 0);
        const Catalogue before = state;
        const int entry = search_quests(state, text, true);
        if (shown.empty()) {
            EXPECT_EQ(entry, search_found_nothing) << text;
            EXPECT_TRUE(state.chooser == before.chooser && state.rows == before.rows &&
                        state.search_text == before.search_text && state.search_loose == before.search_loose) << text;
            continue;
        }
        // The search stays loose when the list is filtered again, as after a tick.
        select_entry(state, 0);
        select_entry(state, entry);
        EXPECT_EQ(shown_codes(state), shown) << text;
    }
    EXPECT_EQ(search_quests(state, "0", false), 1);  // exactly, the whole line
    EXPECT_EQ(shown_codes(state), (Strings{"11001", "11002", "21100", "12001"}));
}

}  // namespace
}  // namespace kestrow::test
