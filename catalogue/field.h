#pragma once
// Lines of both files are comma-separated fields without quoting; "<BR>"
// inside a field stands for a line break.

#include <string>
#include <string_view>

namespace kestrow {

// The n-th field (n >= 1) as it is stored: no "<BR>" replacement. A request
// beyond the last field gives the last field.
std::string_view raw_field(std::string_view line, int n);

// The n-th field with every "<BR>" replaced by CR LF. Never fails.
std::string field(std::string_view line, int n);

// As field, but empty when the line has fewer than n fields: for what a row
// shows, where a missing field must not borrow the last one.
std::string field_or_empty(std::string_view line, int n);

}  // namespace kestrow
