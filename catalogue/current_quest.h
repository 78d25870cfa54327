#pragma once
// The quest that the detail dialog shows, and the row steps of its Next and
// Previous buttons.

#include <cstddef>
#include <string>

#include "catalogue.h"

namespace kestrow {

struct CurrentQuest {
    std::string code, name, reward, location, condition, details;
    std::string repeat_mark;  // "○" or "×", code page 932
    int cleared = 0;          // 0 when the held clear flag is "0", otherwise 1
    bool operator==(const CurrentQuest&) const = default;
};

// The fields of the quest in a row (empty where its line has none); row must exist.
CurrentQuest load_current_quest(const Catalogue& state, std::size_t row);

// The row that Next and Previous select from row `selected` of `count` rows,
// wrapping at either end; -1 when there is nothing to step to (an empty list,
// or Previous without a selected row).
int next_row(int selected, int count);
int previous_row(int selected, int count);

enum class Step { Next, Previous };

// What the detail dialog shows once Next or Previous has applied the tick of
// the quest shown (which may have taken it out of the list).
enum class AfterTick {
    StepOn,        // select the next or previous row and show it
    ShowSelected,  // Next after the quest left the list: its successor (or
                   // the new last row) already holds the selection; show it
    KeepShown,     // the list emptied, nothing is selected: keep the quest on show
};
AfterTick after_tick(Step step, int count_before, int count_after, int selected_after);

}  // namespace kestrow
