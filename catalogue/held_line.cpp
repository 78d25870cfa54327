#include "held_line.h"

#include "bytes.h"
#include "cp932_text.h"
#include "field.h"

namespace kestrow {

std::string_view clear_key(std::string_view line) { return raw_field(line, 1); }

bool has_code(std::string_view line, std::string_view code) {
    // A Code shown without a line break is stored as it is shown, so the line
    // begins with it; only a "<BR>" in the stored Code makes the two differ.
    const bool as_stored = code.find_first_of(",\r") == npos && code.find(cp932::line_break_marker) == npos;
    if (as_stored) return line.starts_with(code) && (line.size() == code.size() || line[code.size()] == ',');
    return field(line, 1) == code;
}

char held_flag(std::string_view held_line) { return held_line.back(); }

void set_held_flag(std::string& held_line, char flag) { held_line.back() = flag; }

bool shows_cleared(std::string_view held_line) { return raw_field(held_line, 8) != "0"; }

std::string make_held_line(std::string_view line, bool cleared) {
    std::string held;
    held.reserve(line.size() + 2);
    held.append(line);
    held.push_back(',');
    held.push_back(cleared ? cleared_flag : not_cleared_flag);
    return held;
}

}  // namespace kestrow
