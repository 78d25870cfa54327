#pragma once
// Changing the clear state of a quest.

#include <cstddef>
#include <string_view>

#include "catalogue.h"
#include "current_quest.h"

namespace kestrow {

struct ClearChange {
    std::size_t lines = 0;    // quest lines that carry the Code
    std::size_t changed = 0;  // of those, how many flags were rewritten
};

// Sets the held flag of every quest line whose Code is code (as the user sees
// it: field 1 with "<BR>" as a line break) to cleared or not. Rows are left
// as they were.
ClearChange set_cleared(CatalogueData& state, std::string_view code, bool cleared);

struct ClearUpdate {
    bool changed = false;   // a flag was rewritten: the document is now modified
    int selected_row = -1;  // the row to select afterwards, -1 for none
};

// The row that stays selected after the rows were rebuilt: the same index,
// or the new last row when the list became shorter than that. Nothing when
// nothing was selected before or the list is now empty.
int row_kept_after_update(int selected_before, int count_after);

// The detail dialog's tick applied to the current quest: sets its clear state
// (non-zero new_state: cleared) and rebuilds the rows of the selected
// category. Does nothing when new_state equals the cleared value the quest
// was loaded with.
ClearUpdate update_clear_state(Catalogue& state, const CurrentQuest& quest, int new_state, int selected_row);

}  // namespace kestrow
