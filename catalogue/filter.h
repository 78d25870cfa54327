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
inline constexpr int new_quests = 97000;
inline constexpr int search = 99000;
}  // namespace category

// Whether a line's Code came with the catalogue's last change.
bool is_new_quest(const Catalogue& state, std::string_view line);

// The index of the chooser entry with a category code, or -1 when none has it.
int entry_of_code(const Catalogue& state, int code);

// The item value of the selected chooser entry, or -1 with none selected.
int selected_code(const Catalogue& state);

// Indices of the quest lines that category code selects, in file order.
std::vector<std::uint32_t> filter_lines(const Catalogue& state, int code);

// Indices of the quest lines that a non-empty search text finds (see
// quest_search.h), in file order: what the search category shows.
std::vector<std::uint32_t> search_lines(const Catalogue& state, std::string_view text, bool loose);

// The rules of the categories, line by line; filter_lines and the progress
// figures both use them.
// The first two characters of a code's decimal text, which an area's quest
// lines begin with ("11" for 11000, "-1" for -1).
std::string area_prefix(int code);
// 91000 and 92000 show a quest by its held flag, if its Name has no "[".
bool in_clear_lists(std::string_view stored_name);
// 93000 to 96000 show the lines whose Name's head has their tag_bit (see
// name_tag.h); the bit of one of those codes, 0 for any other code.
unsigned tag_category_bit(int code);

// Selects the quest lines of the selected entry and rebuilds the rows.
void apply_filter(Catalogue& state);

// Selects chooser entry index (or -1) and shows its category.
void select_entry(Catalogue& state, int index);

}  // namespace kestrow
