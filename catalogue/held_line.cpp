#include "held_line.h"

#include "field.h"

namespace kestrow {

std::string_view clear_key(std::string_view line) { return raw_field(line, 1); }

bool has_code(std::string_view line, std::string_view code) {
    // "<BR>" is the only thing field extraction changes, so the stored bytes
    // answer unless they hold a '<'.
    const std::string_view raw = raw_field(line, 1);
    if (raw.find('<') == std::string_view::npos) return raw == code;
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
