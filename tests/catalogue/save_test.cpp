#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/clear_state.h"
#include "catalogue/save.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

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
    // Nothing cleared, nothing kept: an empty file.
    Catalogue none = make_catalogue("11001,N,0\n");
    FakeSink empty;
    EXPECT_EQ(std::pair(save_clear_file(none, empty), empty.bytes), std::pair(SaveOutcome::Saved, std::string()));
}

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
        EXPECT_EQ(std::pair(save_clear_file(state, sink), sink.steps), std::pair(outcome, steps)) << fail_at;
    }
}

}  // namespace
}  // namespace kestrow::test
