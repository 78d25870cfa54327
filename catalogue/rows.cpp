#include "rows.h"

#include "area_index.h"
#include "bytes.h"
#include "cp932_text.h"
#include "held_line.h"
#include "name_tag.h"

namespace kestrow {

int icon_index(Tag tag, bool cleared) {
    switch (tag) {
        case Tag::None: return cleared ? 0 : 1;
        case Tag::WS: return cleared ? 5 : 2;
        case Tag::AF: return cleared ? 6 : 3;
        case Tag::ENM: return cleared ? 7 : 4;
    }
    return 0;
}

int icon_of_line(std::string_view held_line) {
    return icon_index(quest_tag(name_head(data_line(held_line))), shows_cleared(held_line));
}

void build_rows(Catalogue& state, const std::vector<std::uint32_t>& lines) {
    state.rows.clear();
    state.rows.reserve(lines.size());
    for (const auto i : lines)
        state.rows.push_back({i, static_cast<std::uint8_t>(icon_of_line(state.quest_lines[i]))});
}

std::string_view shown_line(const Catalogue& state, std::size_t row) {
    return state.quest_lines[state.rows[row].line];
}

std::string_view repeat_mark(std::string_view repeatable) {
    return repeatable == "0" ? cp932::once_only : cp932::repeatable;
}

std::string cell_text(const Catalogue& state, const Row& row, int column) {
    const std::string_view line = state.quest_lines[row.line];
    switch (column) {
        case 0: {
            std::string name(" ");
            name.append(quest_field(line, 2));
            return name;
        }
        case 1: return quest_field(line, 3);
        case 2: return quest_field(line, 4);
        case 3: return quest_field(line, 5);
        case 4: return quest_field(line, 6);
        case 5: return std::string(repeat_mark(quest_field(line, 7)));
        case 6: return std::string(area_name(state, area_number(line)));
        default: return {};
    }
}

}  // namespace kestrow
