#include "bench/cross_check.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "bench/generator.h"
#include "catalogue/clear_state.h"
#include "catalogue/copy_find.h"
#include "catalogue/current_quest.h"
#include "catalogue/filter.h"
#include "catalogue/rows.h"
#include "catalogue/save.h"

namespace kestrow::bench {

namespace {

// The first line where two lists differ: a few thousand lines printed whole
// would bury the difference.
std::string line_difference(const char* what, const std::vector<std::string>& ours,
                            const std::vector<std::string>& ref) {
    if (ours.size() != ref.size())
        return std::string(what) + ": " + std::to_string(ours.size()) + " against " + std::to_string(ref.size());
    const auto [a, b] = std::mismatch(ours.begin(), ours.end(), ref.begin());
    return a == ours.end() ? "" : std::string(what) + ": " + *a + " against " + *b;
}

std::string row_difference(const Catalogue& ours, const literal::State& ref, std::size_t max_rows,
                           const std::string& what) {
    if (ours.rows.size() != ref.rows.size())
        return what + ": " + std::to_string(ours.rows.size()) + " rows against " + std::to_string(ref.rows.size());
    for (std::size_t i = 0; i < ours.rows.size(); ++i) {
        if (ours.rows[i].icon != ref.rows[i].icon) return what + ": icon of row " + std::to_string(i);
        for (int col = 0; col < column_count && i < max_rows; ++col)
            if (cell_text(ours, ours.rows[i], col) != ref.rows[i].text[static_cast<std::size_t>(col)])
                return what + ": row " + std::to_string(i) + " column " + std::to_string(col);
    }
    return {};
}

}  // namespace

std::string load_difference(const Catalogue& ours, const literal::State& ref) {
    std::string d = line_difference("quest lines", ours.quest_lines, ref.quest_lines);
    if (d.empty()) d = line_difference("area lines", ours.area_lines, ref.area_lines);
    if (d.empty()) d = line_difference("clear keys", ours.clear_keys, ref.clear_keys);
    return d;
}

std::string use_difference(Catalogue& ours, literal::State& ref, std::size_t max_rows) {
    if (ours.chooser.size() != ref.chooser.size()) return "chooser size";
    int not_cleared = -1;
    for (std::size_t i = 0; i < ours.chooser.size(); ++i) {
        const int code = ours.chooser[i].code;
        const std::string what = "category " + std::to_string(code);
        if (ours.chooser[i].text != ref.chooser[i].text || code != ref.chooser[i].code)
            return "chooser entry " + std::to_string(i);
        if (code == category::not_cleared) not_cleared = static_cast<int>(i);
        select_entry(ours, static_cast<int>(i));
        literal::select_entry(ref, static_cast<int>(i));
        if (auto d = row_difference(ours, ref, max_rows, what); !d.empty()) return d;
        if (!ours.rows.empty() && copy_text(ours) + '\0' != literal::copy(ref)) return "copy of " + what;
    }
    // '[', '\' and '~' are also the trail bytes of ゼ, 表 and ×, which the
    // generated text holds.
    const std::string_view searches[] = {search_word(), "[", "\\", "~"};
    for (const std::string_view text : searches) {
        // A search that finds nothing leaves our list as it was, where the
        // reference shows the empty search result.
        if (search_quests(ours, text) == search_found_nothing) ours.rows.clear();
        literal::find(ref, text);
        if (auto d = row_difference(ours, ref, max_rows, "search " + std::string(text)); !d.empty()) return d;
    }

    if (not_cleared < 0) return "no not-cleared category";
    select_entry(ours, not_cleared);
    literal::select_entry(ref, not_cleared);
    if (ours.rows.empty()) return "nothing left to tick";
    const int row = static_cast<int>(ours.rows.size()) - 1;
    const CurrentQuest quest = load_current_quest(ours, static_cast<std::size_t>(row));
    const int selected = update_clear_state(ours, quest, 1, row).selected_row;
    const std::string line = ref.shown_lines[static_cast<std::size_t>(row)];
    const int ref_cleared = line.back() == '0' ? 0 : 1;  // the flag loading appended
    if (selected != literal::update_clear_state(ref, literal::field(line, 1), ref_cleared, 1, row))
        return "row selected after the tick";
    if (auto d = row_difference(ours, ref, max_rows, "after the tick"); !d.empty()) return d;

    // The library also writes back the keys that no quest carries; the
    // reference forgets them.
    literal::save(ref);
    std::vector<std::string> keys = ours.kept_keys;
    keys.insert(keys.end(), ref.clear_keys.begin(), ref.clear_keys.end());
    std::sort(keys.begin(), keys.end());
    std::string expected;
    for (const auto& key : keys) expected += key + "\r\n";
    rebuild_clear_keys(ours);
    return clear_file_bytes(ours) == expected ? "" : "saved bytes";
}

}  // namespace kestrow::bench
