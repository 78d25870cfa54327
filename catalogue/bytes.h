#pragma once
// Byte-string helpers. Every text of the catalogue is a byte string in code
// page 932; positions and lengths count bytes, and a search never reports a
// match that starts on the second byte of a double-byte character.

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrow {

inline constexpr std::size_t npos = std::string_view::npos;

// A lead byte opens a double-byte character, but only when the next byte is a
// valid trail byte; otherwise it stands alone. '[' (0x5B), '\' (0x5C) and
// '~' (0x7E) are valid trail bytes, which is what makes naive searching wrong.
constexpr bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool is_trail_byte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Length in bytes (1 or 2) of the character that starts at pos.
std::size_t char_length(std::string_view s, std::size_t pos);

// Cut short at the string's end; never fail.
std::string_view left(std::string_view s, std::size_t n);
std::string_view mid(std::string_view s, std::size_t pos, std::size_t n);
std::string_view right(std::string_view s, std::size_t n);

// First occurrence of needle that starts on a character boundary, or npos.
// An empty needle is found at 0.
std::size_t find(std::string_view haystack, std::string_view needle);
bool contains(std::string_view haystack, std::string_view needle);

// Replaces every occurrence of from (left to right, non-overlapping, on
// character boundaries) by to.
std::string replace_all(std::string_view s, std::string_view from, std::string_view to);

// Reads like atoi (leading blanks, optional sign, digits, stop at the first
// non-digit; no digits gives 0) but clamps to the int range instead of
// overflowing.
int decimal_value(std::string_view s);

// The order of the hidden sorted lists: ascending, ASCII letters compared
// without case (only single-byte characters are folded, never trail bytes),
// otherwise by unsigned byte value.
bool collate_less(std::string_view a, std::string_view b);

}  // namespace kestrow
