#include "current_quest.h"

#include "field.h"
#include "rows.h"

namespace kestrow {

CurrentQuest load_current_quest(const Catalogue& state, std::size_t row) {
    const std::string_view line = shown_line(state, row);
    CurrentQuest q;
    q.code = field(line, 1);
    q.name = field(line, 2);
    q.reward = field(line, 3);
    q.location = field(line, 4);
    q.condition = field(line, 5);
    q.details = field(line, 6);
    q.repeat_mark = std::string(repeat_mark(field(line, 7)));
    q.cleared = field(line, 8) == "0" ? 0 : 1;
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

}  // namespace kestrow
