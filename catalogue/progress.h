#pragma once
// Progress at a glance: for every entry of the category chooser, how many of
// the quests its category shows are cleared, out of how many.

#include <vector>

#include "catalogue.h"

namespace kestrow {

struct Progress {
    int cleared = 0;  // by the held flag, the state that Save writes
    int shown = 0;
    bool operator==(const Progress&) const = default;
};

// One figure per chooser entry, in the chooser's order; the same lines as
// the category filter would show. One pass over the quest lines.
std::vector<Progress> chooser_progress(const Catalogue& state);

// The whole catalogue: cleared quest lines over all quest lines.
Progress overall_progress(const CatalogueData& state);

}  // namespace kestrow
