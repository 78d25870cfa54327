#include "fold.h"

#include <array>
#include <cstdint>

#include "bytes.h"

namespace kestrow {

namespace {

// A folded character: 0 keeps the character as it is; below 0x100 one byte;
// otherwise two bytes, lead << 8 | trail.
using Folded = std::uint16_t;

// The full-width forms of ' ' to '~' in ASCII order, as code page 932 writes
// them: 　！＂＃＄％＆＇（）＊＋，－．／０…９：；＜＝＞？＠Ａ…Ｚ［＼］＾＿｀ａ…ｚ｛｜｝～
constexpr std::string_view full_width_ascii =
    "\x81\x40\x81\x49\xFA\x57\x81\x94\x81\x90\x81\x93\x81\x95\xFA\x56\x81\x69\x81\x6A\x81\x96\x81\x7B"
    "\x81\x43\x81\x7C\x81\x44\x81\x5E\x82\x4F\x82\x50\x82\x51\x82\x52\x82\x53\x82\x54\x82\x55\x82\x56"
    "\x82\x57\x82\x58\x81\x46\x81\x47\x81\x83\x81\x81\x81\x84\x81\x48\x81\x97\x82\x60\x82\x61\x82\x62"
    "\x82\x63\x82\x64\x82\x65\x82\x66\x82\x67\x82\x68\x82\x69\x82\x6A\x82\x6B\x82\x6C\x82\x6D\x82\x6E"
    "\x82\x6F\x82\x70\x82\x71\x82\x72\x82\x73\x82\x74\x82\x75\x82\x76\x82\x77\x82\x78\x82\x79\x81\x6D"
    "\x81\x5F\x81\x6E\x81\x4F\x81\x51\x81\x4D\x82\x81\x82\x82\x82\x83\x82\x84\x82\x85\x82\x86\x82\x87"
    "\x82\x88\x82\x89\x82\x8A\x82\x8B\x82\x8C\x82\x8D\x82\x8E\x82\x8F\x82\x90\x82\x91\x82\x92\x82\x93"
    "\x82\x94\x82\x95\x82\x96\x82\x97\x82\x98\x82\x99\x82\x9A\x81\x6F\x81\x62\x81\x70\x81\x60";

// The full-width forms of the half-width bytes A1 to DF:
// 。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜
constexpr std::string_view half_width_as_full =
    "\x81\x42\x81\x75\x81\x76\x81\x41\x81\x45\x83\x92\x83\x40\x83\x42\x83\x44\x83\x46\x83\x48\x83\x83"
    "\x83\x85\x83\x87\x83\x62\x81\x5B\x83\x41\x83\x43\x83\x45\x83\x47\x83\x49\x83\x4A\x83\x4C\x83\x4E"
    "\x83\x50\x83\x52\x83\x54\x83\x56\x83\x58\x83\x5A\x83\x5C\x83\x5E\x83\x60\x83\x63\x83\x65\x83\x67"
    "\x83\x69\x83\x6A\x83\x6B\x83\x6C\x83\x6D\x83\x6E\x83\x71\x83\x74\x83\x77\x83\x7A\x83\x7D\x83\x7E"
    "\x83\x80\x83\x81\x83\x82\x83\x84\x83\x86\x83\x88\x83\x89\x83\x8A\x83\x8B\x83\x8C\x83\x8D\x83\x8F"
    "\x83\x93\x81\x4A\x81\x4B";

constexpr unsigned char half_width_first = 0xA1, half_width_last = 0xDF;
constexpr unsigned char voiced_mark = 0xDE, semi_voiced_mark = 0xDF;

constexpr Folded pair_at(std::string_view table, std::size_t index) {
    return static_cast<Folded>(static_cast<unsigned char>(table[2 * index]) << 8 |
                               static_cast<unsigned char>(table[2 * index + 1]));
}

constexpr unsigned char lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

struct Tables {
    // The lead bytes that have characters to fold, and their trail bytes' folded forms.
    static constexpr std::array<unsigned char, 4> leads{0x81, 0x82, 0xEE, 0xFA};
    std::array<std::int8_t, 256> row{};
    std::array<std::array<Folded, 256>, leads.size()> pairs{};
    // Single bytes: ASCII and the half-width kana standing alone.
    std::array<Folded, 256> single{};
    // A half-width kana followed by ﾞ or ﾟ, indexed from A1.
    std::array<Folded, 64> voiced{}, semi_voiced{};

    constexpr Folded& pair(Folded two_bytes) {
        return pairs[static_cast<std::size_t>(row[two_bytes >> 8])][two_bytes & 0xFF];
    }
    constexpr Folded of_pair(Folded two_bytes) const {
        const int r = row[two_bytes >> 8];
        const Folded f = r < 0 ? 0 : pairs[static_cast<std::size_t>(r)][two_bytes & 0xFF];
        return f ? f : two_bytes;
    }
};

constexpr Tables make_tables() {
    Tables t;
    t.row.fill(-1);
    for (std::size_t i = 0; i < Tables::leads.size(); ++i) t.row[Tables::leads[i]] = static_cast<std::int8_t>(i);
    for (unsigned c = ' '; c <= '~'; ++c)
        t.pair(pair_at(full_width_ascii, c - ' ')) = lower(static_cast<unsigned char>(c));
    // ＂ and ＇ have a second code point among the NEC-selected IBM characters.
    t.pair(0xEEFC) = '"';
    t.pair(0xEEFB) = '\'';
    // Hiragana ぁ (82 9F) to ん (82 F1) are in the order of katakana from ァ
    // (83 40), whose trail bytes skip 7F.
    for (unsigned k = 0; k <= 0xF1 - 0x9F; ++k)
        t.pair(static_cast<Folded>(0x829F + k)) = static_cast<Folded>(0x8340 + k + (k >= 0x3F));
    t.pair(0x8154) = 0x8152;  // ゝ ヽ
    t.pair(0x8155) = 0x8153;  // ゞ ヾ
    t.pair(0x815B) = '-';     // ー
    t.pair(0x815D) = '-';     // ‐ (－ is among the full-width signs)

    for (unsigned c = 0; c < 0x80; ++c) t.single[c] = lower(static_cast<unsigned char>(c));
    for (unsigned b = half_width_first; b <= half_width_last; ++b) {
        const Folded full = pair_at(half_width_as_full, b - half_width_first);
        t.single[b] = t.of_pair(full);
        const std::size_t i = b - half_width_first;
        // ｶ to ﾄ and ﾊ to ﾎ voice to the next code point, ﾊ to ﾎ half-voice to the one after.
        if ((b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE)) t.voiced[i] = static_cast<Folded>(full + 1);
        if (b >= 0xCA && b <= 0xCE) t.semi_voiced[i] = static_cast<Folded>(full + 2);
    }
    t.voiced[0xB3 - half_width_first] = 0x8394;  // ｳﾞ ヴ
    return t;
}

constexpr Tables tables = make_tables();

}  // namespace

FoldedChar fold_char(std::string_view text, std::size_t pos) {
    const auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) return {tables.single[b], 1};
    if (char_length(text, pos) == 2)
        return {tables.of_pair(static_cast<Folded>(b << 8 | static_cast<unsigned char>(text[pos + 1]))), 2};
    if (b >= half_width_first && b <= half_width_last) {
        const std::size_t k = b - half_width_first;
        const auto next = pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0;
        const Folded joined = next == voiced_mark        ? tables.voiced[k]
                              : next == semi_voiced_mark ? tables.semi_voiced[k]
                                                         : 0;
        if (joined) return {joined, 2};
        return {tables.single[b], 1};
    }
    return {b, 1};
}

std::string fold(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const FoldedChar c = fold_char(text, i);
        if (c.code >= 0x100) out.push_back(static_cast<char>(c.code >> 8));
        out.push_back(static_cast<char>(c.code & 0xFF));
        i += c.length;
    }
    return out;
}

std::vector<std::string> unfolded_forms(std::string_view c) {
    std::vector<std::string> forms{std::string(c)};
    const auto add_if_folds_to_c = [&](std::string candidate) {
        if (candidate != c && fold(candidate) == c) forms.push_back(std::move(candidate));
    };
    // Only these can fold to another character: single bytes, the pairs of
    // the lead bytes in the tables, and half-width kana with a mark.
    for (unsigned b = 0; b < 0x100; ++b) add_if_folds_to_c(std::string(1, static_cast<char>(b)));
    for (const unsigned char lead : Tables::leads)
        for (unsigned trail = 0; trail < 0x100; ++trail)
            if (is_trail_byte(static_cast<unsigned char>(trail)))
                add_if_folds_to_c({static_cast<char>(lead), static_cast<char>(trail)});
    for (unsigned b = half_width_first; b <= half_width_last; ++b)
        for (const unsigned char mark : {voiced_mark, semi_voiced_mark})
            add_if_folds_to_c({static_cast<char>(b), static_cast<char>(mark)});
    return forms;
}

}  // namespace kestrow
