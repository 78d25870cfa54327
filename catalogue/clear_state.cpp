#include "clear_state.h"

#include "filter.h"
#include "held_line.h"

namespace kestrow {

ClearChange set_cleared(CatalogueData& state, std::string_view code, bool cleared) {
    const char flag = cleared ? cleared_flag : not_cleared_flag;
    ClearChange change;
    const CodeMatch carries(code);
    for (auto& line : state.quest_lines) {
        if (!carries(line)) continue;
        ++change.lines;
        if (held_flag(line) == flag) continue;
        set_held_flag(line, flag);
        ++change.changed;
    }
    return change;
}

int row_kept_after_update(int selected_before, int count_after) {
    if (selected_before < 0 || count_after <= 0) return -1;
    return selected_before > count_after - 1 ? count_after - 1 : selected_before;
}

ClearUpdate update_clear_state(Catalogue& state, const CurrentQuest& quest, int new_state, int selected_row) {
    if (new_state == quest.cleared) return {false, selected_row};
    if (set_cleared(state, quest.code, new_state != 0).changed == 0) return {false, selected_row};
    apply_filter(state);
    return {true, row_kept_after_update(selected_row, static_cast<int>(state.rows.size()))};
}

}  // namespace kestrow
