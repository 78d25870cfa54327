#pragma once
// Which held quest lines a category shows.

#include <cstdint>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace kestrow {

namespace category {
inline constexpr int cleared = 91000;
inline constexpr int not_cleared = 92000;
inline constexpr int job = 93000;
inline constexpr int af = 94000;
inline constexpr int ws = 95000;
inline constexpr int enm = 96000;
inline constexpr int search = 99000;
}  // namespace category

// The item value of the selected chooser entry, or -1 with none selected.
int selected_code(const Catalogue& state);

// Indices of the quest lines that category code selects, in file order.
std::vector<std::uint32_t> filter_lines(const Catalogue& state, int code);

// Selects the quest lines of the selected entry and rebuilds the rows.
void apply_filter(Catalogue& state);

// Selects chooser entry index (or -1) and shows its category.
void select_entry(Catalogue& state, int index);

// The first twelve bytes of a line's Name (field 2, "<BR>" as a line break):
// all that the tag and category rules ever look at. Short enough to need no
// allocation when a whole catalogue is scanned.
std::string name_head(std::string_view line);

}  // namespace kestrow
