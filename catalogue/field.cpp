#include "field.h"

#include "bytes.h"
#include "cp932_text.h"

namespace kestrow {

std::string_view raw_field(std::string_view line, int n) {
    // ',' is never a trail byte, so a plain byte search is boundary-safe.
    for (int i = 1; i < n; ++i) {
        const std::size_t comma = line.find(',');
        if (comma == npos) break;
        line.remove_prefix(comma + 1);
    }
    const std::size_t comma = line.find(',');
    return comma == npos ? line : line.substr(0, comma);
}

std::string field(std::string_view line, int n) {
    return replace_all(raw_field(line, n), cp932::line_break_marker, cp932::crlf);
}

}  // namespace kestrow
