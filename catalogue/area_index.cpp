#include "area_index.h"

#include <algorithm>

#include "bytes.h"
#include "field.h"

namespace kestrow {

void fill_category_chooser(Catalogue& state) {
    state.area_list = state.area_lines;
    std::stable_sort(state.area_list.begin(), state.area_list.end(),
                     [](const std::string& a, const std::string& b) { return collate_less(a, b); });
    state.area_names = AreaNames{};
    for (const auto& line : state.area_list) {
        state.chooser.push_back({field(line, 2), decimal_value(raw_field(line, 1))});
        // Two bytes read as a decimal give -9 to 99, so every area line has a slot.
        const int a = decimal_value(mid(line, 1, 2));
        state.area_names.names[static_cast<std::size_t>(a - AreaNames::lowest)] = field(line, 2);
    }
}

std::string_view area_name(const Catalogue& state, int a) {
    // Compare with both bounds before subtracting: a - lowest overflows for a near INT_MAX.
    if (a < AreaNames::lowest || a >= AreaNames::lowest + static_cast<int>(state.area_names.names.size())) return {};
    return state.area_names.names[static_cast<std::size_t>(a - AreaNames::lowest)];
}

int area_number(std::string_view quest_line) { return decimal_value(left(quest_line, 2)); }

}  // namespace kestrow
