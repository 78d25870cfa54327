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

std::string name_head(std::string_view line) { return name_head_of(stored_name(line)); }

std::string name_head_of(std::string_view name) {
    // Each marker before byte 12 shortens the text by two bytes, and at most
    // three fit there, so 24 stored bytes always cover the first twelve.
    const std::string_view stored = left(name, 24);
    if (stored.find('<') == npos) return std::string(left(stored, 12));
    std::string head = replace_all(stored, cp932::line_break_marker, cp932::crlf);
    head.resize(std::min<std::size_t>(head.size(), 12));
    return head;
}

std::string area_prefix(int code) { return std::string(left(std::to_string(code), 2)); }

std::string_view stored_name(std::string_view line) { return raw_field(line, 2); }

bool in_clear_lists(std::string_view name) { return !name.starts_with('['); }

unsigned tag_category_bit(int code) {
    switch (code) {
        case category::job: return 1;
        case category::af: return 2;
        case category::ws: return 4;
        case category::enm: return 8;
        default: return 0;
    }
}

namespace {

// Mid(pos, text.size()) == text, without a library call for a few bytes.
bool bytes_at(std::string_view name, std::size_t pos, std::string_view text) {
    if (name.size() < pos + text.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (name[pos + i] != text[i]) return false;
    return true;
}

}  // namespace

unsigned tag_categories(std::string_view name) {
    unsigned bits = 0;
    if (bytes_at(name, 3, cp932::job)) bits |= tag_category_bit(category::job);
    if (bytes_at(name, 3, "AF")) bits |= tag_category_bit(category::af);
    if (bytes_at(name, 1, "WS")) bits |= tag_category_bit(category::ws);
    if (bytes_at(name, 1, "ENM")) bits |= tag_category_bit(category::enm);
    return bits;
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
    if (code == category::search) {
        if (state.search_text.empty()) return result;
        for (std::uint32_t i = 0; i < count; ++i)
            if (contains(lines[i], state.search_text)) result.push_back(i);
        return result;
    }
    if (const unsigned bit = tag_category_bit(code)) {
        for (std::uint32_t i = 0; i < count; ++i)
            if (tag_categories(name_head(lines[i])) & bit) result.push_back(i);
    }
    return result;
}

void apply_filter(Catalogue& state) { build_rows(state, filter_lines(state, selected_code(state))); }

void select_entry(Catalogue& state, int index) {
    state.selected_entry = (index >= 0 && index < static_cast<int>(state.chooser.size())) ? index : -1;
    apply_filter(state);
}

}  // namespace kestrow
