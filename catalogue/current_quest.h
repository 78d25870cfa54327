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
    int cleared = 0;          // 0 when the clear flag is exactly "0", otherwise 1
    bool operator==(const CurrentQuest&) const = default;
};

// The fields of the quest in a row; row must exist.
CurrentQuest load_current_quest(const Catalogue& state, std::size_t row);

// The row that Next and Previous select from row `selected` of `count` rows,
// wrapping at either end; -1 when there is nothing to step to (an empty list,
// or Previous without a selected row).
int next_row(int selected, int count);
int previous_row(int selected, int count);

}  // namespace kestrow
