// The library and the literal reference of bench/ read the same documented
// rules with no code in common. On generated catalogues, which hold every tag,
// shared area prefixes, "<BR>", trail bytes that look like '\', '[' and '~',
// and clear keys without a quest, both must load, list, search, tick, copy
// and save the same bytes.

#include <gtest/gtest.h>

#include <string>

#include "bench/cross_check.h"
#include "bench/generator.h"
#include "catalogue/area_index.h"
#include "catalogue/loader.h"

namespace {

namespace kb = kestrow::bench;

TEST(LiteralReference, AgreesOnGeneratedCatalogues) {
    // At 100 areas, twenty prefixes hold two area lines each; at 30 every
    // area has a prefix of its own.
    const kb::GeneratorOptions catalogues[] = {
        {.quests = 4000, .areas = 100, .clear_keys = 2000, .seed = 7},
        {.quests = 3000, .areas = 30, .clear_keys = 2500, .seed = 8},
        {.quests = 2000, .areas = 100, .clear_keys = 600, .seed = 9},
    };
    for (const auto& options : catalogues) {
        SCOPED_TRACE("seed " + std::to_string(options.seed));
        const auto g = kb::generate_catalogue(options);
        kestrow::Catalogue ours;
        kestrow::read_clear_keys(ours, g.clear);
        kestrow::read_data_file(ours, g.data);
        kb::literal::State ref;
        kb::literal::load(ref, g.clear, g.data);
        EXPECT_EQ(kb::load_difference(ours, ref), "");
        EXPECT_EQ(ours.kept_keys.size(), g.orphan_keys);

        kestrow::fill_category_chooser(ours);
        kb::literal::fill_category_chooser(ref);
        EXPECT_EQ(kb::use_difference(ours, ref, ours.quest_lines.size()), "");
    }
}

}  // namespace
