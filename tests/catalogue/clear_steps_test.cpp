#include <gtest/gtest.h>

#include "catalogue/clear_state.h"
#include "catalogue/clear_steps.h"
#include "catalogue/clear_sync.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

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
    EXPECT_EQ(flags_of(state), "011");
    ASSERT_TRUE(steps.undo(state));
    EXPECT_EQ(flags_of(state), "111");
    const auto undone = steps.undo(state);
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->changes, (std::vector<FlagChange>{{1, '0', '1'}, {2, '0', '1'}}));
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
    EXPECT_TRUE(state.kept_keys.empty());
    steps.undo(state);
    EXPECT_EQ(state.kept_keys, Strings{"ZZ9"});

    for (std::size_t i = 0; i < ClearSteps::most + 5; ++i) tick("11001", i % 2 == 0);
    std::size_t undone_count = 0;
    while (steps.undo(state)) ++undone_count;
    EXPECT_EQ(undone_count, ClearSteps::most);
}

}  // namespace
}  // namespace kestrow::test
