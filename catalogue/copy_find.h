#pragma once
// The Copy text and the Find step.

#include <string>
#include <string_view>

#include "catalogue.h"

namespace kestrow {

// Every shown held line followed by CR LF, each comma turned into a tab.
std::string copy_text(const Catalogue& state);

// With a non-empty text: keeps it as the search text and, when the chooser has
// a search entry, relabels it "検索結果「text」", selects it and shows its rows.
// Returns the index of that entry, or -1 when there is none (the text is kept
// all the same). An empty text changes nothing and gives -1.
int search_quests(Catalogue& state, std::string_view text);

}  // namespace kestrow
