#include <gtest/gtest.h>

#include "catalogue/arrange.h"
#include "catalogue/catalogue_changes.h"
#include "catalogue/copy_find.h"
#include "catalogue/held_line.h"
#include "catalogue/progress.h"
#include "catalogue/rows.h"
#include "test_support.h"

// What each entry of the chooser shows: a category, a search or the new quests; and copying it.
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
        build_rows(state, lines);
        return shown_codes(state);
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

// A first run reports nothing; a change reports new and gone Codes (gone
// cleared ones counted), and its new Codes last until the next change.
TEST(CatalogueChanges, NewAndGoneCodesAndTheNewQuestsEntryUntilTheNextChange) {
    const std::string clear = "11001\r\n11003\r\n";
    Catalogue first = make_catalogue("011000,A\n11001,a,0\n11002,b,0\n11003,c,0\n", clear);
    EXPECT_FALSE(compare_catalogue(first, std::nullopt).any());
    const SeenCatalogue seen = seen_now(first, std::nullopt, {});
    ASSERT_EQ(parse_seen(seen_bytes(seen))->codes, (Strings{"11001", "11002", "11003"}));

    Catalogue second = make_catalogue("011000,A\n11004,d,0\n11001,a,0\n11004,d2,0\n11005,e,0\n", clear);
    const CatalogueChanges changes = compare_catalogue(second, parse_seen(seen_bytes(seen)));
    EXPECT_EQ(changes.added, (Strings{"11004", "11005"}));
    EXPECT_EQ(changes.gone, (Strings{"11002", "11003"}));
    EXPECT_EQ(changes.gone_cleared, 1u);
    const SeenCatalogue after = seen_now(second, seen, changes);
    add_new_quests_entry(second, after.new_codes);
    select_entry(second, static_cast<int>(second.chooser.size()) - 1);
    EXPECT_EQ(shown_codes(second), (Strings{"11004", "11004", "11005"}));

    // The same catalogue again: nothing to report, the new ones still new.
    const auto stored = parse_seen(seen_bytes(after));
    ASSERT_TRUE(stored);
    EXPECT_FALSE(compare_catalogue(second, stored).any());
    EXPECT_EQ(seen_now(second, stored, {}).new_codes, (Strings{"11004", "11005"}));
    // A file that is not this file's is nothing seen.
    for (const std::string bad : {"", "garbage\r\n11001\r\n", "Kestrow.seen 1\r\n2\r\n1\r\n"})
        EXPECT_FALSE(parse_seen(bad)) << bad;
}

}  // namespace
}  // namespace kestrow::test
