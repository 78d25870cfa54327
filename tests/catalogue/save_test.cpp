#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/clear_state.h"
#include "catalogue/clear_sync.h"
#include "catalogue/save.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

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

// What someone else saved meanwhile is taken, with this run's own changes on top.
TEST(ClearSync, AnOutsideChangeIsTakenWithThisRunsOwnChangesOnTop) {
    Catalogue state = make_catalogue("A,a,0\nB,b,0\nC,c,0\nD,d,0\nE,e,0\n", "A\r\nB\r\n");
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
}

// The preview of an earlier version is exactly what taking it does, and taking it is a change of this run's
// own; a Code on two lines counts once, and keys no quest carries change no line but are kept.
TEST(ClearSync, TakingAnEarlierVersionMakesTheChangesItsPreviewShowsAsThisRunsOwn) {
    Catalogue state = make_catalogue("A,a,0\nB,b,0\nC,c,0\nB,b2,0\n", "A\r\nC\r\nZ1\r\n");
    state.clear_file_seen = "A\r\nC\r\nZ1\r\n";
    const std::string text = "\r\nB\r\nC\r\nY2\r\n";
    const ClearTextChanges changes = clear_text_changes(state, text);
    EXPECT_EQ(changes.lines, (std::vector<FlagChange>{{0, '1', '0'}, {1, '0', '1'}, {3, '0', '1'}}));
    EXPECT_EQ(changes.ticked * 10 + changes.unticked, 11u);  // B once, A
    EXPECT_EQ(code_count(text), 3u);
    const std::string before = flags_of(state);
    set_clear_keys(state, text);
    EXPECT_EQ(step_since(state, before, {"Z1"}).changes, changes.lines);
    EXPECT_EQ(own_changes(state), (OwnChanges{{"B"}, {"A"}}));
    EXPECT_EQ(state.kept_keys, Strings{"Y2"});
    FakeSink sink;
    const TextFile same = on_disk("A\r\nC\r\nZ1\r\n");
    EXPECT_EQ(save_clear_file(state, sink, &same), SaveOutcome::Saved);
    EXPECT_EQ(sink.bytes, "B\r\nB\r\nC\r\nY2\r\n");
}

}  // namespace
}  // namespace kestrow::test
