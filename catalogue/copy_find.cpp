#include "copy_find.h"

#include <algorithm>

#include "arrange.h"
#include "bytes.h"
#include "cp932_text.h"
#include "held_line.h"
#include "filter.h"
#include "rows.h"

namespace kestrow {

std::string copy_text(const Catalogue& state) {
    std::string text;
    for (std::size_t row = 0; row < state.rows.size(); ++row) {
        text.append(shown_line(state, row));
        text.append("\r\n");
    }
    std::replace(text.begin(), text.end(), ',', '\t');
    return text;
}

std::string copy_shown_text(const Catalogue& state) {
    std::string text;
    for (const Row& row : state.rows) {
        const bool cleared = held_flag(state.quest_lines[row.line]) == cleared_flag;
        text.append(cleared ? cp932::cleared_mark : cp932::not_cleared_mark);
        for (int column = 0; column < column_count; ++column) {
            std::string cell = replace_all(cell_text(state, row, column), cp932::crlf, " ");
            std::replace(cell.begin(), cell.end(), '\t', ' ');
            text.push_back('\t');
            text.append(column == 0 && cell.starts_with(' ') ? cell.substr(1) : cell);
        }
        text.append(cp932::crlf);
    }
    return text;
}

int search_quests(Catalogue& state, std::string_view text, bool loose) {
    if (text.empty()) return -1;
    // One scan: what it finds tells whether anything changes, and is the list.
    std::vector<std::uint32_t> found = search_lines(state, text, loose);
    if (found.empty()) return search_found_nothing;
    state.search_text = std::string(text);
    state.search_loose = loose;
    for (std::size_t i = 0; i < state.chooser.size(); ++i) {
        if (state.chooser[i].code != category::search) continue;
        std::string label(cp932::search_open);
        label.append(text);
        label.append(cp932::search_close);
        state.chooser[i].text = std::move(label);
        state.selected_entry = static_cast<int>(i);
        arrange_lines(state, found);
        build_rows(state, found);
        return static_cast<int>(i);
    }
    return -1;
}

}  // namespace kestrow
