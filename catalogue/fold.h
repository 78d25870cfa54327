#pragma once
// Folding for the loose search: the forms of one character that a player
// takes for the same, typed with whatever the input method gave, fold to one.
// Code page 932 bytes in, code page 932 bytes out.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow {

// Folds text one character at a time (code page 932 lead and trail rules):
// - full-width ASCII letters, digits and signs, and the full-width space,
//   become ASCII ('＂' and '＇' from either of their code points);
// - ASCII letters become lower case;
// - half-width katakana become full-width, joined with a following ﾞ or ﾟ
//   where code page 932 has the voiced kana (ｶﾞ = ガ, ﾊﾟ = パ, ｳﾞ = ヴ);
// - hiragana become katakana, and ゝ ゞ become ヽ ヾ;
// - ～ becomes ~, and ー, ‐ and － become -.
// Every character becomes exactly one character, and every other one stays
// as it is, so the result splits into characters as the text did. Folding
// folded text changes nothing.
std::string fold(std::string_view text);

// The folded form of the character that starts at pos: one byte, or two as
// lead << 8 | trail; and how many bytes of text it took (2 for a half-width
// kana joined with its mark).
struct FoldedChar {
    std::uint16_t code;
    std::size_t length;
};
FoldedChar fold_char(std::string_view text, std::size_t pos);

// Every character that folds to the folded character c (a half-width kana
// with its mark counting as one), c itself among them.
std::vector<std::string> unfolded_forms(std::string_view c);

}  // namespace kestrow
