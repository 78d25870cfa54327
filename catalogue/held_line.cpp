#include "held_line.h"

#include "bytes.h"
#include "cp932_text.h"
#include "field.h"

namespace kestrow {

std::string_view clear_key(std::string_view line) { return raw_field(line, 1); }

CodeMatch::CodeMatch(std::string_view code)
    : code_(code),
      as_stored_(!code.empty() && code.find_first_of(",\r") == npos && code.find(cp932::line_break_marker) == npos) {}

bool CodeMatch::operator()(std::string_view line) const {
    if (!as_stored_) return field(line, 1) == code_;
    // The line begins with the Code and a comma. The Codes of one area share
    // their first bytes, so the last one is tested first.
    const std::size_t n = code_.size();
    return line.size() > n && line[n] == ',' && line[n - 1] == code_[n - 1] && line.substr(0, n - 1) == code_.substr(0, n - 1);
}

std::string_view shown_fields(std::string_view held_line) {
    // The data-file line: without the comma and the flag that loading appended.
    const std::string_view line = left(held_line, held_line.size() < 2 ? 0 : held_line.size() - 2);
    const std::size_t name = line.find(',');
    if (name == npos) return line.substr(line.size());
    std::size_t end = name;
    for (int field = 2; field <= 6 && end != npos; ++field) end = line.find(',', end + 1);
    return line.substr(name + 1, end == npos ? npos : end - name - 1);
}

char held_flag(std::string_view held_line) { return held_line.back(); }

void set_held_flag(std::string& held_line, char flag) { held_line.back() = flag; }

bool shows_cleared(std::string_view held_line) { return held_flag(held_line) != not_cleared_flag; }

std::string_view data_line(std::string_view held_line) { return held_line.substr(0, held_line.size() - 2); }

std::string quest_field(std::string_view held_line, int n) { return field_or_empty(data_line(held_line), n); }

std::string make_held_line(std::string_view line, bool cleared) {
    std::string held;
    held.reserve(line.size() + 2);
    held.append(line);
    held.push_back(',');
    held.push_back(cleared ? cleared_flag : not_cleared_flag);
    return held;
}

}  // namespace kestrow
