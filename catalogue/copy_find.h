#pragma once
// The Copy text and the Find step.

#include <string>
#include <string_view>

#include "catalogue.h"

namespace kestrow {

// Every shown held line followed by CR LF, each comma turned into a tab.
std::string copy_text(const Catalogue& state);

// The rows as shown, for a spreadsheet: 済 or 未 (by the held flag), then
// the seven cells, separated by tabs, each row followed by CR LF; a line
// break inside a cell becomes a space, a tab too.
std::string copy_shown_text(const Catalogue& state);

// With a non-empty text that finds a quest, exactly or loosely (see
// quest_search.h): keeps it and its mode as the search and, when the chooser
// has a search entry, relabels it "検索結果「text」", selects it and shows its
// rows. Returns the index of that entry, or -1 when there is none (the search
// is kept all the same). An empty text changes nothing and gives -1; a text
// that finds no quest changes nothing and gives search_found_nothing.
inline constexpr int search_found_nothing = -2;
int search_quests(Catalogue& state, std::string_view text, bool loose = false);

}  // namespace kestrow
