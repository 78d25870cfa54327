#include "quest_search.h"

#include <algorithm>

#include "bytes.h"
#include "cp932_text.h"
#include "fold.h"
#include "held_line.h"

namespace kestrow {

namespace {

std::string char_text(std::uint16_t folded) {
    std::string c;
    if (folded >= 0x100) c.push_back(static_cast<char>(folded >> 8));
    c.push_back(static_cast<char>(folded & 0xFF));
    return c;
}

// How often a character's forms are met in a catalogue, roughly: ASCII most,
// then symbols and kana (lead bytes 81 to 83), then the rest.
std::size_t commonness(const std::vector<std::string>& forms) {
    std::size_t sum = 0;
    for (const std::string& form : forms) {
        const auto lead = static_cast<unsigned char>(form.front());
        sum += form.size() == 1 ? 4 : lead <= 0x83 ? 2 : 1;
    }
    return sum;
}

// Calls at(start) for each place where form stands in text, on a character
// boundary or not, until it returns true. Looked for by its last byte: in
// Japanese text a trail byte is far rarer than the lead bytes 82 and 83.
template <class At>
bool any_place(std::string_view text, std::string_view form, At at) {
    // Forms are a few bytes long: compared in place, which a library call would only slow down.
    const std::size_t n = form.size();
    for (std::size_t p = text.find(form.back(), n - 1); p != npos; p = text.find(form.back(), p + 1)) {
        const std::size_t start = p + 1 - n;
        std::size_t i = 0;
        while (i + 1 < n && text[start + i] == form[i]) ++i;
        if (i + 1 >= n && at(start)) return true;
    }
    return false;
}

// Whether a folded character starts at p: a character starts there, and the
// one before it was not joined with it (ﾞ after ｶ). from is a character start.
bool folded_start(std::string_view text, std::size_t from, std::size_t p) {
    if (p == from) return true;
    // A byte that cannot be a lead byte ends a character: walk from the nearest one.
    std::size_t q = p - 1;
    while (q > from && is_lead_byte(static_cast<unsigned char>(text[q - 1]))) --q;
    std::size_t previous = q;
    while (q < p) {
        previous = q;
        q += char_length(text, q);
    }
    return q == p && previous + fold_char(text, previous).length == p;
}

}  // namespace

QuestSearch::QuestSearch(std::string_view text, bool loose) : text_(text), loose_(loose) {
    if (!loose_) return;
    for (std::size_t i = 0; i < text.size();) {
        const FoldedChar c = fold_char(text, i);
        folded_.push_back(c.code);
        i += c.length;
    }
    // A line that the text matches holds, unfolded, one form of each of its
    // characters. A run of characters that have one form each (kanji, most
    // often) is looked for as it is; otherwise the forms of the rarest.
    std::string run, best_run;
    std::size_t rarest = npos;
    for (const std::uint16_t c : folded_) {
        std::vector<std::string> forms = unfolded_forms(char_text(c));
        if (first_forms_.empty()) first_forms_ = forms;
        run = forms.size() == 1 ? run + forms.front() : std::string();
        if (run.size() > best_run.size()) best_run = run;
        if (const std::size_t n = commonness(forms); n < rarest) {
            rarest = n;
            anchor_ = std::move(forms);
        }
    }
    if (!best_run.empty()) anchor_ = {best_run};
}

bool QuestSearch::operator()(std::string_view held_line) const {
    return loose_ ? loose_match(held_line) : contains(held_line, text_);
}

bool QuestSearch::matches_at(std::string_view text, std::size_t p, std::size_t end) const {
    text = left(text, end);
    for (const std::uint16_t c : folded_) {
        if (p >= end || text[p] == ',' || text.substr(p).starts_with(cp932::line_break_marker)) return false;
        const FoldedChar here = fold_char(text, p);
        if (here.code != c) return false;
        p += here.length;
    }
    return true;
}

bool QuestSearch::loose_match(std::string_view held_line) const {
    if (folded_.empty()) return true;
    const auto holds = [&](const std::string& form) {
        return any_place(held_line, form, [](std::size_t) { return true; });
    };
    if (std::none_of(anchor_.begin(), anchor_.end(), holds)) return false;
    // The Code, from its start.
    if (matches_at(held_line, 0, held_line.size())) return true;
    // The fields that a row shows: a match begins with a form of the first character.
    const std::string_view fields = shown_fields(held_line);
    const auto from = static_cast<std::size_t>(fields.data() - held_line.data());
    const std::size_t end = from + fields.size();
    const auto match_at = [&](std::size_t at) {
        return folded_start(held_line, from, from + at) && matches_at(held_line, from + at, end);
    };
    return std::any_of(first_forms_.begin(), first_forms_.end(),
                       [&](const std::string& form) { return any_place(fields, form, match_at); });
}

}  // namespace kestrow
