#pragma once
// The category chooser's entries and the area-name lookup, both from the
// area lines sorted as the hidden area list sorted them.

#include <string_view>

#include "catalogue.h"

namespace kestrow {

// Sorts the area lines into the area list and appends one chooser entry per
// area line; selects nothing.
void fill_category_chooser(Catalogue& state);

// The name of the area with number a (bytes 1 and 2 of an area line, read as
// a decimal); empty when no area line carries it.
std::string_view area_name(const Catalogue& state, int a);

// The area number of a quest: the decimal value of the first two bytes of its Code.
int area_number(std::string_view quest_line);

}  // namespace kestrow
