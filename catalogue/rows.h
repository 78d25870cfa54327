#pragma once
// The rows of the quest list: seven columns and a status icon per shown line.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "name_tag.h"

namespace kestrow {

// Icons 0-7: 0/1 untagged cleared/not, 2-4 WS/AF/ENM not cleared, 5-7
// WS/AF/ENM cleared. Anything but flag "0" counts as cleared.
int icon_index(Tag tag, bool cleared);
int icon_of_line(std::string_view held_line);

// Replaces the rows by one row per given quest-line index, in that order.
void build_rows(Catalogue& state, const std::vector<std::uint32_t>& lines);

inline constexpr int column_count = 7;

// The text of a row's cell (code page 932; "<BR>" as CR LF): Name with a
// leading space, Reward, Location, Condition, Details, the repeat mark, the
// area name. A field the quest's line lacks is empty.
std::string cell_text(const Catalogue& state, const Row& row, int column);

// The held line shown in a row.
std::string_view shown_line(const Catalogue& state, std::size_t row);

// "×" for a Repeatable value of exactly "0", otherwise "○".
std::string_view repeat_mark(std::string_view repeatable);

}  // namespace kestrow
