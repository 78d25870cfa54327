#include "clear_state.h"

#include "field.h"
#include "filter.h"

namespace kestrow {

namespace {

// The Code as field extraction gives it; the stored bytes serve unless they
// hold a line-break marker.
bool code_equals(std::string_view line, std::string_view code) {
    const std::string_view raw = code_of(line);
    if (raw.find('<') == std::string_view::npos) return raw == code;
    return field(line, 1) == code;
}

}  // namespace

int row_kept_after_update(int selected_before, int count_after) {
    if (selected_before < 0 || count_after <= 0) return -1;
    return selected_before > count_after - 1 ? count_after - 1 : selected_before;
}

ClearUpdate update_clear_state(Catalogue& state, const CurrentQuest& quest, int new_state, int selected_row) {
    if (new_state == quest.cleared) return {false, selected_row};
    const char flag = new_state != 0 ? cleared_flag : not_cleared_flag;
    bool changed = false;
    for (auto& line : state.quest_lines) {
        if (line.back() != flag && code_equals(line, quest.code)) {
            line.back() = flag;
            changed = true;
        }
    }
    if (!changed) return {false, selected_row};
    apply_filter(state);
    return {true, row_kept_after_update(selected_row, static_cast<int>(state.rows.size()))};
}

}  // namespace kestrow
