#pragma once
// How one list arranges the lines its category selects: cleared quests left
// out on request, and the rows sorted by a column. Both follow the list
// state, so every rebuild of the rows (a tick, a search) keeps them.

#include <cstdint>
#include <vector>

#include "catalogue.h"

namespace kestrow {

// Leaves out the lines whose quest is cleared (by the held flag) when the
// list hides them, then sorts by the list's column: text columns in code
// page 932 byte order, the first column by status (not cleared first) then
// Name, the area column by area number. Equal keys keep file order, also
// when the order is reversed.
void arrange_lines(const Catalogue& state, std::vector<std::uint32_t>& lines);

}  // namespace kestrow
