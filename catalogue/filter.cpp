#include "filter.h"

#include <algorithm>
#include <string>

#include "bytes.h"
#include "arrange.h"
#include "held_line.h"
#include "name_tag.h"
#include "quest_search.h"
#include "rows.h"

namespace kestrow {

bool is_new_quest(const Catalogue& state, std::string_view line) {
    return !state.new_codes.empty() &&
           std::binary_search(state.new_codes.begin(), state.new_codes.end(), clear_key(line), std::less<>());
}

int entry_of_code(const Catalogue& state, int code) {
    const auto& chooser = state.chooser;
    const auto entry = std::find_if(chooser.begin(), chooser.end(), [code](const ChooserEntry& e) { return e.code == code; });
    return entry == chooser.end() ? -1 : static_cast<int>(entry - chooser.begin());
}

int selected_code(const Catalogue& state) {
    if (state.selected_entry < 0 || state.selected_entry >= static_cast<int>(state.chooser.size())) return -1;
    return state.chooser[static_cast<std::size_t>(state.selected_entry)].code;
}

std::string area_prefix(int code) { return std::string(left(std::to_string(code), 2)); }

bool in_clear_lists(std::string_view name) { return !name.starts_with('['); }

unsigned tag_category_bit(int code) {
    switch (code) {
        case category::job: return tag_bit::job;
        case category::af: return tag_bit::af;
        case category::ws: return tag_bit::ws;
        case category::enm: return tag_bit::enm;
        default: return 0;
    }
}

std::vector<std::uint32_t> filter_lines(const Catalogue& state, int code) {
    std::vector<std::uint32_t> result;
    const std::string prefix = area_prefix(code);
    const auto& lines = state.quest_lines;
    const auto count = static_cast<std::uint32_t>(lines.size());

    if (prefix.front() != '9') {
        for (std::uint32_t i = 0; i < count; ++i)
            if (left(lines[i], 2) == prefix) result.push_back(i);
        return result;
    }
    if (code == category::cleared || code == category::not_cleared) {
        const char wanted = code == category::cleared ? cleared_flag : not_cleared_flag;
        for (std::uint32_t i = 0; i < count; ++i)
            if (held_flag(lines[i]) == wanted && in_clear_lists(stored_name(lines[i]))) result.push_back(i);
        return result;
    }
    if (code == category::new_quests) {
        for (std::uint32_t i = 0; i < count; ++i)
            if (is_new_quest(state, lines[i])) result.push_back(i);
        return result;
    }
    if (code == category::search)
        return state.search_text.empty() ? result : search_lines(state, state.search_text, state.search_loose);
    if (const unsigned bit = tag_category_bit(code)) {
        for (std::uint32_t i = 0; i < count; ++i)
            if (tag_categories(name_head(lines[i])) & bit) result.push_back(i);
    }
    return result;
}

std::vector<std::uint32_t> search_lines(const Catalogue& state, std::string_view text, bool loose) {
    std::vector<std::uint32_t> result;
    QuestSearch found(text, loose);
    const auto count = static_cast<std::uint32_t>(state.quest_lines.size());
    for (std::uint32_t i = 0; i < count; ++i)
        if (found(state.quest_lines[i])) result.push_back(i);
    return result;
}

void apply_filter(Catalogue& state) {
    std::vector<std::uint32_t> lines = filter_lines(state, selected_code(state));
    arrange_lines(state, lines);
    build_rows(state, lines);
}

void select_entry(Catalogue& state, int index) {
    state.selected_entry = (index >= 0 && index < static_cast<int>(state.chooser.size())) ? index : -1;
    apply_filter(state);
}

}  // namespace kestrow
