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

// The rules of the categories, line by line; filter_lines and the progress
// figures both use them.
// The first two characters of a code's decimal text, which an area's quest
// lines begin with ("11" for 11000, "-1" for -1).
std::string area_prefix(int code);
// The Name as stored (field 2, "<BR>" not replaced), which they read.
std::string_view stored_name(std::string_view line);
// 91000 and 92000 show a quest by its held flag, if its Name has no "[".
bool in_clear_lists(std::string_view stored_name);
// 93000 to 96000: which of them a Name's head (name_head()) passes, one bit each.
unsigned tag_categories(std::string_view name_head);
// The bit of one of those codes; 0 for any other code.
unsigned tag_category_bit(int code);

// Selects the quest lines of the selected entry and rebuilds the rows.
void apply_filter(Catalogue& state);

// Selects chooser entry index (or -1) and shows its category.
void select_entry(Catalogue& state, int index);

// The first twelve bytes of a line's Name (field 2, "<BR>" as a line break):
// all that the tag and category rules ever look at. Short enough to need no
// allocation when a whole catalogue is scanned.
std::string name_head(std::string_view line);
std::string name_head_of(std::string_view stored_name);

}  // namespace kestrow
