#pragma once
// Which quest lines a search text finds, in either of the two modes of the
// search dialog.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow {

// Exact: the text anywhere in the held line as stored, byte for byte on
// character boundaries (Code, Repeatable and clear flag included).
// Loose: the folded text (see fold.h) inside one line of what a row shows of
// the quest (Name, Reward, Location, Condition or Details; "<BR>" is a line
// break and never itself found), or at the start of the Code, so that "110"
// finds 11001 but not 21100. Made once for a scan of every quest line.
class QuestSearch {
public:
    QuestSearch(std::string_view text, bool loose);
    bool operator()(std::string_view held_line) const;

private:
    bool loose_match(std::string_view held_line) const;
    // Whether the folded text is met from the character start p on, before
    // the end of its line of text (a comma, "<BR>" or end).
    bool matches_at(std::string_view text, std::size_t p, std::size_t end) const;

    std::string text_;
    bool loose_;
    std::vector<std::uint16_t> folded_;  // the folded text's characters (fold_char)
    // Every form of the first folded character: where a match can begin.
    std::vector<std::string> first_forms_;
    // Raw text of which every line that the loose text matches holds one:
    // the forms of one of its characters, or a run of characters that have
    // no other form. Lines that hold none are passed over at once.
    std::vector<std::string> anchor_;
};

}  // namespace kestrow
