#include "arrange.h"

#include <algorithm>
#include <string>
#include <utility>

#include "area_index.h"
#include "field.h"
#include "held_line.h"
#include "rows.h"

namespace kestrow {

namespace {

constexpr int status_column = 0;
constexpr int area_column = 6;

// The sort key of a line in a column: cells compare as bytes.
std::string sort_key(const Catalogue& state, std::uint32_t line, int column) {
    const std::string_view held = state.quest_lines[line];
    if (column == status_column) {
        std::string key(1, held_flag(held) == cleared_flag ? '1' : '0');
        key.append(field(held, 2));
        return key;
    }
    if (column == area_column) {
        // Area numbers run from -9 to 99: offset them to sort as one byte.
        return std::string(1, static_cast<char>(area_number(held) + 10));
    }
    return cell_text(state, Row{line, 0}, column);
}

}  // namespace

void arrange_lines(const Catalogue& state, std::vector<std::uint32_t>& lines) {
    if (state.hide_cleared)
        std::erase_if(lines, [&](std::uint32_t i) { return held_flag(state.quest_lines[i]) == cleared_flag; });
    const int column = state.sort_column;
    if (column < 0 || column >= column_count) return;
    std::vector<std::pair<std::string, std::uint32_t>> keyed;
    keyed.reserve(lines.size());
    for (const std::uint32_t i : lines) keyed.emplace_back(sort_key(state, i, column), i);
    const bool descending = state.sort_descending;
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        return descending ? b.first < a.first : a.first < b.first;
    });
    for (std::size_t k = 0; k < keyed.size(); ++k) lines[k] = keyed[k].second;
}

}  // namespace kestrow
