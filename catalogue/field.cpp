#include "field.h"

#include "bytes.h"
#include "cp932_text.h"

namespace kestrow {

namespace {

// Cuts the fields before the n-th off line; false when there are fewer than
// n, and line is then its last field. ',' is never a trail byte, so a plain
// byte search is boundary-safe.
bool skip_to_field(std::string_view& line, int n) {
    for (int i = 1; i < n; ++i) {
        const std::size_t comma = line.find(',');
        if (comma == npos) return false;
        line.remove_prefix(comma + 1);
    }
    return true;
}

std::string_view first_field(std::string_view line) {
    const std::size_t comma = line.find(',');
    return comma == npos ? line : line.substr(0, comma);
}

std::string with_line_breaks(std::string_view raw) { return replace_all(raw, cp932::line_break_marker, cp932::crlf); }

}  // namespace

std::string_view raw_field(std::string_view line, int n) {
    skip_to_field(line, n);
    return first_field(line);
}

std::string field(std::string_view line, int n) { return with_line_breaks(raw_field(line, n)); }

std::string field_or_empty(std::string_view line, int n) {
    if (!skip_to_field(line, n)) return {};
    return with_line_breaks(first_field(line));
}

}  // namespace kestrow
