#pragma once
// What changed in the catalogue since the player last saw it: the Codes of
// the quests it held then, compared with those it holds now. The Codes are
// kept beside Kestrow.txt (Kestrow.seen) with the new ones of the last
// change, so that the "new quests" entry lasts until the next change.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace kestrow {

struct SeenCatalogue {
    std::vector<std::string> codes;      // the Codes the catalogue held, each once, sorted
    std::vector<std::string> new_codes;  // of those, the ones its last change brought
};

// The file's content, and back. A text without the file's first line, or
// with anything it cannot hold, is nothing seen yet.
std::string seen_bytes(const SeenCatalogue& seen);
std::optional<SeenCatalogue> parse_seen(std::string_view bytes);

// The Codes of the quest lines now, each once, sorted.
std::vector<std::string> catalogue_codes(const CatalogueData& state);

struct CatalogueChanges {
    std::vector<std::string> added, gone;
    std::size_t gone_cleared = 0;  // gone Codes the clear list still holds
    bool any() const { return !added.empty() || !gone.empty(); }
};

// Those of the sorted codes that the clear list holds, in their order.
std::vector<std::string> cleared_among(const CatalogueData& state, const std::vector<std::string>& codes);

// What changed from seen to now; nothing for a first run (nothing seen).
CatalogueChanges compare_catalogue(const CatalogueData& state, const std::optional<SeenCatalogue>& seen);

// What to remember now: the Codes, and the new ones of the last change
// (those seen before when nothing changed).
SeenCatalogue seen_now(const CatalogueData& state, const std::optional<SeenCatalogue>& seen,
                       const CatalogueChanges& changes);

// The "new quests" entry: appended to the chooser while there are new Codes.
void add_new_quests_entry(Catalogue& state, std::vector<std::string> new_codes);

}  // namespace kestrow
