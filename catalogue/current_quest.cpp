#include "current_quest.h"

#include "held_line.h"
#include "rows.h"

namespace kestrow {

CurrentQuest load_current_quest(const Catalogue& state, std::size_t row) {
    const std::string_view line = shown_line(state, row);
    CurrentQuest q;
    q.code = quest_field(line, 1);
    q.name = quest_field(line, 2);
    q.reward = quest_field(line, 3);
    q.location = quest_field(line, 4);
    q.condition = quest_field(line, 5);
    q.details = quest_field(line, 6);
    q.repeat_mark = std::string(repeat_mark(quest_field(line, 7)));
    q.cleared = shows_cleared(line) ? 1 : 0;
    return q;
}

int next_row(int selected, int count) {
    if (count <= 0) return -1;
    if (selected < 0 || selected >= count - 1) return 0;
    return selected + 1;
}

int previous_row(int selected, int count) {
    if (count <= 0 || selected < 0) return -1;
    if (selected == 0 || selected > count) return count - 1;
    return selected - 1;
}

AfterTick after_tick(Step step, int count_before, int count_after, int selected_after) {
    if (selected_after < 0) return AfterTick::KeepShown;
    if (step == Step::Next && count_after != count_before) return AfterTick::ShowSelected;
    return AfterTick::StepOn;
}

}  // namespace kestrow
