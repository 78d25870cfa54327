#include <gtest/gtest.h>

#include "catalogue/catalogue_changes.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

// A first run reports nothing; a change reports new and gone Codes (gone
// cleared ones counted), and its new Codes last until the next change.
TEST(CatalogueChanges, NewAndGoneCodesAndTheNewQuestsEntryUntilTheNextChange) {
    const std::string clear = "11001\r\n11003\r\n";
    Catalogue first = make_catalogue("011000,A\n11001,a,0\n11002,b,0\n11003,c,0\n", clear);
    EXPECT_FALSE(compare_catalogue(first, std::nullopt).any());
    const SeenCatalogue seen = seen_now(first, std::nullopt, {});
    ASSERT_EQ(parse_seen(seen_bytes(seen))->codes, (Strings{"11001", "11002", "11003"}));

    Catalogue second = make_catalogue("011000,A\n11004,d,0\n11001,a,0\n11004,d2,0\n11005,e,0\n", clear);
    const CatalogueChanges changes = compare_catalogue(second, parse_seen(seen_bytes(seen)));
    EXPECT_EQ(changes.added, (Strings{"11004", "11005"}));
    EXPECT_EQ(changes.gone, (Strings{"11002", "11003"}));
    EXPECT_EQ(changes.gone_cleared, 1u);
    const SeenCatalogue after = seen_now(second, seen, changes);
    add_new_quests_entry(second, after.new_codes);
    select_entry(second, static_cast<int>(second.chooser.size()) - 1);
    EXPECT_EQ(shown_codes(second), (Strings{"11004", "11004", "11005"}));

    // The same catalogue again: nothing to report, the new ones still new.
    const auto stored = parse_seen(seen_bytes(after));
    ASSERT_TRUE(stored);
    EXPECT_FALSE(compare_catalogue(second, stored).any());
    EXPECT_EQ(seen_now(second, stored, {}).new_codes, (Strings{"11004", "11005"}));
    // A file that is not this file's is nothing seen.
    for (const std::string bad : {"", "garbage\r\n11001\r\n", "Kestrow.seen 1\r\n2\r\n1\r\n"})
        EXPECT_FALSE(parse_seen(bad)) << bad;
}

}  // namespace
}  // namespace kestrow::test
