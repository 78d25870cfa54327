#pragma once
// The readings of a held quest line: a data-file quest line with "," and the
// clear flag appended by loading. Each reading has one helper here, and only
// these are used.

#include <string>
#include <string_view>

#include "catalogue.h"

namespace kestrow {

// The key under which the clear file knows a quest: its Code exactly as stored
// (field 1, no "<BR>" replacement). Loading matches clear keys against it and
// Save writes it, so a Code comes back from the clear file byte for byte. The
// clear file's own lines are read the same way.
std::string_view clear_key(std::string_view line);

// Which lines carry a Code as the user sees it (field 1 with "<BR>" as a line
// break, which is how the current quest carries it). Made once for a scan of
// every quest line.
class CodeMatch {
public:
    explicit CodeMatch(std::string_view code);
    bool operator()(std::string_view line) const;

private:
    std::string_view code_;  // must outlive the match
    // Shown without a line break, a Code is stored as it is shown.
    bool as_stored_ = false;
};

// What a row shows of a quest, as stored: the Name, Reward, Location,
// Condition and Details fields (2 to 6) with the commas between them, as many
// as the line has; never the Repeatable field nor the clear flag.
std::string_view shown_fields(std::string_view held_line);

// The flag byte that loading appended, always the last byte. A tick rewrites
// it; the cleared and not-cleared categories and Save read it.
char held_flag(std::string_view held_line);
void set_held_flag(std::string& held_line, char flag);

// Whether the held flag says cleared: any flag but "0". The icon and the
// current quest's cleared value read this, wherever the line's own fields end.
bool shows_cleared(std::string_view held_line);

// The data-file line that a held line was made from: without the "," and the
// flag appended. What a row and the detail dialog show comes from it alone.
std::string_view data_line(std::string_view held_line);

// Field n of the quest's data line, "<BR>" as CR LF; empty when that line has
// fewer fields (a short line must never show its clear flag as text).
std::string quest_field(std::string_view held_line, int n);

// A data-file quest line as it is held.
std::string make_held_line(std::string_view line, bool cleared);

}  // namespace kestrow
