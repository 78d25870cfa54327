#pragma once
// Applying the detail dialog's cleared tick to the catalogue.

#include "catalogue.h"
#include "current_quest.h"

namespace kestrow {

struct ClearUpdate {
    bool changed = false;   // a flag was rewritten: the document is now modified
    int selected_row = -1;  // the row to select afterwards, -1 for none
};

// The row that stays selected after the rows were rebuilt: the same index,
// or the new last row when the list became shorter than that. Nothing when
// nothing was selected before or the list is now empty.
int row_kept_after_update(int selected_before, int count_after);

// Sets the clear flag of every held line with the quest's Code to new_state
// (non-zero: cleared) and rebuilds the rows of the selected category. Does
// nothing when new_state equals the cleared value the quest was loaded with.
ClearUpdate update_clear_state(Catalogue& state, const CurrentQuest& quest, int new_state, int selected_row);

}  // namespace kestrow
