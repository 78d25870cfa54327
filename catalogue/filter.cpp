#include "filter.h"

#include <algorithm>
#include <string>

#include "bytes.h"
#include "cp932_text.h"
#include "field.h"
#include "held_line.h"
#include "rows.h"

namespace kestrow {

int selected_code(const Catalogue& state) {
    if (state.selected_entry < 0 || state.selected_entry >= static_cast<int>(state.chooser.size())) return -1;
    return state.chooser[static_cast<std::size_t>(state.selected_entry)].code;
}

std::string name_head(std::string_view line) {
    // Each marker before byte 12 shortens the text by two bytes, and at most
    // three fit there, so 24 stored bytes always cover the first twelve.
    const std::string_view stored = left(raw_field(line, 2), 24);
    if (stored.find('<') == npos) return std::string(left(stored, 12));
    std::string head = replace_all(stored, cp932::line_break_marker, cp932::crlf);
    head.resize(std::min<std::size_t>(head.size(), 12));
    return head;
}

std::string area_prefix(int code) { return std::string(left(std::to_string(code), 2)); }

bool in_clear_list(std::string_view line, char wanted) {
    return held_flag(line) == wanted && raw_field(line, 2).substr(0, 1) != "[";
}

bool in_tag_category(int code, std::string_view name) {
    switch (code) {
        case category::job: return mid(name, 3, 6) == cp932::job;
        case category::af: return mid(name, 3, 2) == "AF";
        case category::ws: return mid(name, 1, 2) == "WS";
        case category::enm: return mid(name, 1, 3) == "ENM";
        default: return false;
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
            if (in_clear_list(lines[i], wanted)) result.push_back(i);
        return result;
    }
    if (code == category::search) {
        if (state.search_text.empty()) return result;
        for (std::uint32_t i = 0; i < count; ++i)
            if (contains(lines[i], state.search_text)) result.push_back(i);
        return result;
    }
    if (code == category::job || code == category::af || code == category::ws || code == category::enm) {
        for (std::uint32_t i = 0; i < count; ++i)
            if (in_tag_category(code, name_head(lines[i]))) result.push_back(i);
    }
    return result;
}

void apply_filter(Catalogue& state) { build_rows(state, filter_lines(state, selected_code(state))); }

void select_entry(Catalogue& state, int index) {
    state.selected_entry = (index >= 0 && index < static_cast<int>(state.chooser.size())) ? index : -1;
    apply_filter(state);
}

}  // namespace kestrow
