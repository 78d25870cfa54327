#include "progress.h"

#include <array>
#include <cstdint>

#include "bytes.h"
#include "filter.h"
#include "held_line.h"
#include "name_tag.h"
#include "quest_search.h"

namespace kestrow {

namespace {

void count(Progress& p, bool cleared) {
    ++p.shown;
    if (cleared) ++p.cleared;
}

std::size_t prefix_index(unsigned char a, unsigned char b) { return (std::size_t{a} << 8) | b; }

}  // namespace

std::vector<Progress> chooser_progress(const Catalogue& state) {
    // Areas by the first two bytes of their lines; the special categories by code.
    std::vector<Progress> by_prefix(1 << 16);
    constexpr std::array special_codes{category::cleared, category::not_cleared, category::job,   category::af,
                                       category::ws,      category::enm,         category::search,
                                       category::new_quests};
    std::array<Progress, special_codes.size()> special{};
    const bool searching = !state.search_text.empty();
    QuestSearch found(state.search_text, state.search_loose);
    for (const std::string& line : state.quest_lines) {
        const bool cleared = held_flag(line) == cleared_flag;
        count(by_prefix[prefix_index(static_cast<unsigned char>(line[0]), static_cast<unsigned char>(line[1]))], cleared);
        const std::string_view name = stored_name(line);
        if (in_clear_lists(name)) count(special[cleared ? 0 : 1], cleared);
        if (const unsigned tags = tag_categories(name_head_of(name)))
            for (std::size_t i = 2; i < 6; ++i)
                if (tags & tag_category_bit(special_codes[i])) count(special[i], cleared);
        if (searching && found(line)) count(special[6], cleared);
        if (is_new_quest(state, line)) count(special[7], cleared);
    }
    std::vector<Progress> result;
    result.reserve(state.chooser.size());
    for (const ChooserEntry& entry : state.chooser) {
        const std::string prefix = area_prefix(entry.code);
        Progress p;
        if (prefix.size() == 2 && prefix[0] != '9') {
            p = by_prefix[prefix_index(static_cast<unsigned char>(prefix[0]), static_cast<unsigned char>(prefix[1]))];
        } else {
            for (std::size_t i = 0; i < special_codes.size(); ++i)
                if (entry.code == special_codes[i]) p = special[i];
        }
        result.push_back(p);
    }
    return result;
}

Progress overall_progress(const CatalogueData& state) {
    Progress p{0, static_cast<int>(state.quest_lines.size())};
    for (const std::string& line : state.quest_lines)
        if (held_flag(line) == cleared_flag) ++p.cleared;
    return p;
}

}  // namespace kestrow
