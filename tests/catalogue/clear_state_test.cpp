#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/clear_state.h"
#include "catalogue/clear_steps.h"
#include "catalogue/clear_sync.h"
#include "catalogue/rows.h"
#include "catalogue/save.h"
#include "test_support.h"

// Ticks, their undo steps, and saving them with what others saved meanwhile.
namespace kestrow::test {
namespace {

// The detail dialog's tick, as it toggles the quest of a row: in an area the row stays and its icon changes;
// in the not-cleared list the selection moves to the following quest.
TEST(ClearState, TheTickKeepsTheRowInAnAreaAndMovesTheSelectionOnInTheNotClearedList) {
    Catalogue state = make_catalogue("011000,A\n092000,N\n11001,One,0\n11002,Two,0\n11003,Three,0\n11004,Four,0\n"
                                     "11005,Five,0\n", "11005\n");
    // The row kept selected, and the rows.
    const auto toggle = [&](int row, int selected) -> std::pair<int, Strings> {
        const CurrentQuest q = load_current_quest(state, static_cast<std::size_t>(row));
        return {update_clear_state(state, q, 1 - q.cleared, selected).selected_row, shown_codes(state)};
    };
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
    state.quest_lines[0].back() = '0';

    select_entry(state, 1);  // not cleared: 11001, 11003, 11004, 11005
    EXPECT_EQ(toggle(1, 1), std::pair(1, Strings{"11001", "11004", "11005"}));  // a middle row: the next one moves up
    EXPECT_EQ(toggle(2, -1), std::pair(-1, Strings{"11001", "11004"}));         // none selected before, none after
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

// A step undoes exactly what it did, also where a later change touched
// other lines, and the oldest steps go beyond the limit.
TEST(ClearSteps, UndoAndRedoRewriteOnlyTheStepsLinesAndKeepAtMostTheLimit) {
    Catalogue state = make_catalogue("11001,A,0\n11002,B,0\n11002,B2,0\n", "11001\r\nZZ9\r\n");
    ClearSteps steps;
    const auto tick = [&](std::string_view code, bool cleared) {
        const std::string before = flags_of(state);
        set_cleared(state, code, cleared);
        steps.push(step_since(state, before, state.kept_keys));
    };
    tick("11002", true);
    tick("11001", false);
    ASSERT_TRUE(steps.undo(state));
    EXPECT_EQ(flags_of(state), "111");
    ASSERT_TRUE(steps.undo(state));
    EXPECT_EQ(flags_of(state), "100");
    EXPECT_FALSE(has_own_changes(state));  // back where the file was
    EXPECT_FALSE(steps.undo(state));
    ASSERT_TRUE(steps.redo(state));
    EXPECT_EQ(flags_of(state), "111");
    tick("11001", false);  // a new step: the other undone one cannot be redone any more
    EXPECT_FALSE(steps.redo(state));

    // A restored version changes the kept keys too, and undo puts them back.
    const std::string before = flags_of(state);
    const auto kept = state.kept_keys;
    set_clear_keys(state, "11001\r\n");
    steps.push(step_since(state, before, kept));
    steps.undo(state);
    EXPECT_EQ(state.kept_keys, Strings{"ZZ9"});

    for (std::size_t i = 0; i < ClearSteps::most + 5; ++i) tick("11001", i % 2 == 0);
    std::size_t undone_count = 0;
    while (steps.undo(state)) ++undone_count;
    EXPECT_EQ(undone_count, ClearSteps::most);
}

TextFile on_disk(std::string bytes) { return {.status = ReadStatus::Ok, .bytes = std::move(bytes), .decoded = {}}; }

TEST(Save, WritesTheClearKeysOfClearedLinesSortedAndKeepsWhatNoQuestCarries) {
    Catalogue state = make_catalogue("AB123,N,0\nab123,N,0\n11003,N3,1\n11003,again\nX<BR>,Broken,0\n,Nameless,0\n",
                                     "\r\nAB123\r\nZZ9\r\nab12\r\n11003\r\nX<BR>\r\n");
    set_cleared(state, "AB123", false);
    set_cleared(state, "ab123", true);
    FakeSink sink;
    EXPECT_EQ(save_clear_file(state, sink), SaveOutcome::Saved);
    // A Code with a line-break marker is written as stored, so it loads as cleared again; both lines of
    // 11003 write it; the empty Code of a cleared quest is written too.
    EXPECT_EQ(sink.bytes, "\r\n11003\r\n11003\r\nab12\r\nab123\r\nX<BR>\r\nZZ9\r\n");
    EXPECT_EQ(make_catalogue("X<BR>,Broken,0\n", sink.bytes).quest_lines, Strings{"X<BR>,Broken,0,1"});
}

// Nothing cleared, nothing kept: an empty file, unless a step fails.
TEST(Save, ReportsTheStepThatFailedAndGoesNoFurther) {
    using enum SaveOutcome;
    const std::vector<std::tuple<bool, std::string, SaveOutcome, std::string>> cases = {
        {false, "", Saved, "open write commit "}, {true, "", RefusedUnreadClearFile, ""},
        {false, "open", CannotOpen, "open "}, {false, "write", CannotWrite, "open write "},
        {false, "commit", CannotWrite, "open write commit "}};
    for (const auto& [unreadable, fail_at, outcome, steps] : cases) {
        Catalogue state = make_catalogue("11001,n,0\n");
        state.clear_file_unreadable = unreadable;
        FakeSink sink;
        sink.fail_at = fail_at;
        EXPECT_EQ(std::tuple(save_clear_file(state, sink), sink.steps, sink.bytes), std::tuple(outcome, steps, std::string()))
            << fail_at;
    }
}

// What someone else saved meanwhile is taken, with this run's own changes on top. The preview of an earlier
// version is exactly what taking it does, and taking it is a change of this run's own; a Code on two lines
// counts once, and keys no quest carries change no line but are kept.
TEST(ClearSync, OutsideChangesAndEarlierVersionsAreTakenWithThisRunsOwnChangesOnTop) {
    Catalogue state = make_catalogue("A,a,0\nB,b,0\nC,c,0\nD,d,0\nE,e,0\nB,b2,0\n", "A\r\nB\r\n");
    state.clear_file_seen = "A\r\nB\r\n";
    set_cleared(state, "A", false);
    set_cleared(state, "C", true);
    set_cleared(state, "E", true);
    set_cleared(state, "E", false);  // back as it was: no change of its own
    EXPECT_EQ(own_changes(state), (OwnChanges{{"C"}, {"A"}}));
    EXPECT_FALSE(changed_on_disk(state, on_disk("A\r\nB\r\n")));
    EXPECT_FALSE(changed_on_disk(state, TextFile{}));  // gone: what is held here is written back
    // Someone else cleared A and D, unticked B and kept a key no quest carries, in
    // another encoding: its text counts, not its bytes.
    TextFile now = on_disk("stored otherwise");
    now.decoded = {"A\r\nD\r\nX9\r\n", true};
    ASSERT_TRUE(changed_on_disk(state, now));
    FakeSink sink;
    EXPECT_EQ(save_clear_file(state, sink, &now), SaveOutcome::Saved);
    EXPECT_EQ(sink.bytes, "C\r\nD\r\nX9\r\n");
    EXPECT_EQ(own_changes(state), OwnChanges{});

    const std::string text = "\r\nB\r\nC\r\nY2\r\n";
    const ClearTextChanges changes = clear_text_changes(state, text);
    EXPECT_EQ(changes.lines, (std::vector<FlagChange>{{1, '0', '1'}, {3, '1', '0'}, {5, '0', '1'}}));
    EXPECT_EQ(changes.ticked * 10 + changes.unticked, 11u);  // B once, D
    EXPECT_EQ(code_count(text), 3u);
    const std::string before = flags_of(state);
    set_clear_keys(state, text);
    EXPECT_EQ(step_since(state, before, {"X9"}).changes, changes.lines);
    EXPECT_EQ(own_changes(state), (OwnChanges{{"B"}, {"D"}}));
    EXPECT_EQ(state.kept_keys, Strings{"Y2"});
    const TextFile same = on_disk("C\r\nD\r\nX9\r\n");
    EXPECT_EQ(save_clear_file(state, sink, &same), SaveOutcome::Saved);
    EXPECT_EQ(sink.bytes, "B\r\nB\r\nC\r\nY2\r\n");
}

}  // namespace
}  // namespace kestrow::test
