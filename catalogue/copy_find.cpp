#include "copy_find.h"

#include <algorithm>

#include "cp932_text.h"
#include "filter.h"
#include "rows.h"

namespace kestrow {

std::string copy_text(const Catalogue& state) {
    std::string text;
    for (std::size_t row = 0; row < state.rows.size(); ++row) {
        text.append(shown_line(state, row));
        text.append("\r\n");
    }
    std::replace(text.begin(), text.end(), ',', '\t');
    return text;
}

int search_quests(Catalogue& state, std::string_view text) {
    if (text.empty()) return -1;
    state.search_text = std::string(text);
    for (std::size_t i = 0; i < state.chooser.size(); ++i) {
        if (state.chooser[i].code != category::search) continue;
        std::string label(cp932::search_open);
        label.append(text);
        label.append(cp932::search_close);
        state.chooser[i].text = std::move(label);
        select_entry(state, static_cast<int>(i));
        return static_cast<int>(i);
    }
    return -1;
}

}  // namespace kestrow
