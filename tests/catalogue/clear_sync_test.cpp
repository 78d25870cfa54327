#include <gtest/gtest.h>

#include "catalogue/clear_state.h"
#include "catalogue/clear_sync.h"
#include "catalogue/save.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

TextFile on_disk(std::string bytes) {
    TextFile file;
    file.status = ReadStatus::Ok;
    file.bytes = std::move(bytes);
    return file;
}

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

TEST(ClearSync, SettingTheKeysOfAnEarlierVersionIsAChangeOfThisRun) {
    Catalogue state = make_catalogue("A,a,0\nB,b,0\n", "A\r\nZ1\r\n");
    state.clear_file_seen = "A\r\nZ1\r\n";
    set_clear_keys(state, "B\r\nY2\r\n");
    EXPECT_EQ(own_changes(state), (OwnChanges{{"B"}, {"A"}}));
    EXPECT_EQ(state.kept_keys, Strings{"Y2"});
    FakeSink sink;
    const TextFile same = on_disk("A\r\nZ1\r\n");
    EXPECT_EQ(save_clear_file(state, sink, &same), SaveOutcome::Saved);
    EXPECT_EQ(sink.bytes, "B\r\nY2\r\n");
}

// The preview of a version is exactly what taking it does; a Code on two
// lines counts once, and keys no quest carries change no line.
TEST(ClearSync, TheChangesOfAClearTextAreThoseThatSettingItMakes) {
    Catalogue state = make_catalogue("A,a,0\nB,b,0\nC,c,0\nB,b2,0\n", "A\r\nC\r\n");
    const std::string text = "\r\nB\r\nC\r\nX9\r\n";
    const ClearTextChanges changes = clear_text_changes(state, text);
    EXPECT_EQ(changes.lines, (std::vector<FlagChange>{{0, '1', '0'}, {1, '0', '1'}, {3, '0', '1'}}));
    EXPECT_EQ(changes.ticked * 10 + changes.unticked, 11u);  // B once, A
    EXPECT_EQ(code_count(text), 3u);
    const std::string before = flags_of(state);
    set_clear_keys(state, text);
    EXPECT_EQ(step_since(state, before, {}).changes, changes.lines);
    EXPECT_TRUE(clear_text_changes(state, text).lines.empty());
}

}  // namespace
}  // namespace kestrow::test
