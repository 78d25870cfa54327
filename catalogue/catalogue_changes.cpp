#include "catalogue_changes.h"

#include <algorithm>

#include "filter.h"
#include "held_line.h"
#include "loader.h"

namespace kestrow {

namespace {

constexpr std::string_view header = "Kestrow.seen 1";
constexpr std::string_view new_marker = "+";  // a new Code's line: "+" then the Code
constexpr std::string_view new_quests_text = "\x90\x56\x82\xB5\x82\xA2\x83\x4E\x83\x47\x83\x58\x83\x67";  // 新しいクエスト

bool holds(const std::vector<std::string>& sorted, std::string_view code) {
    return std::binary_search(sorted.begin(), sorted.end(), code, std::less<>());
}

}  // namespace

std::string seen_bytes(const SeenCatalogue& seen) {
    std::string out(header);
    out += "\r\n";
    for (const auto& code : seen.codes) {
        if (holds(seen.new_codes, code)) out += new_marker;
        out += code;
        out += "\r\n";
    }
    return out;
}

std::optional<SeenCatalogue> parse_seen(std::string_view bytes) {
    const auto lines = text_lines(bytes);
    if (lines.empty() || lines.front() != header) return std::nullopt;
    SeenCatalogue seen;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string_view code = lines[i];
        const bool added = code.starts_with(new_marker);
        if (added) code.remove_prefix(new_marker.size());
        seen.codes.emplace_back(code);
        if (added) seen.new_codes.emplace_back(code);
    }
    // Written sorted and once each: anything else is not this file's.
    if (!std::is_sorted(seen.codes.begin(), seen.codes.end()) ||
        std::adjacent_find(seen.codes.begin(), seen.codes.end()) != seen.codes.end())
        return std::nullopt;
    return seen;
}

std::vector<std::string> catalogue_codes(const CatalogueData& state) {
    std::vector<std::string> codes;
    codes.reserve(state.quest_lines.size());
    for (const auto& line : state.quest_lines) codes.emplace_back(clear_key(line));
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

CatalogueChanges compare_catalogue(const CatalogueData& state, const std::optional<SeenCatalogue>& seen) {
    CatalogueChanges changes;
    if (!seen) return changes;
    const std::vector<std::string> now = catalogue_codes(state);
    std::set_difference(now.begin(), now.end(), seen->codes.begin(), seen->codes.end(), std::back_inserter(changes.added));
    std::set_difference(seen->codes.begin(), seen->codes.end(), now.begin(), now.end(), std::back_inserter(changes.gone));
    changes.gone_cleared = cleared_among(state, changes.gone).size();
    return changes;
}

std::vector<std::string> cleared_among(const CatalogueData& state, const std::vector<std::string>& codes) {
    std::vector<std::string> cleared = state.clear_keys;
    std::sort(cleared.begin(), cleared.end());
    std::vector<std::string> found;
    for (const auto& code : codes)
        if (holds(cleared, code)) found.push_back(code);
    return found;
}

SeenCatalogue seen_now(const CatalogueData& state, const std::optional<SeenCatalogue>& seen,
                       const CatalogueChanges& changes) {
    SeenCatalogue now{catalogue_codes(state), {}};
    if (changes.any()) now.new_codes = changes.added;
    else if (seen) now.new_codes = seen->new_codes;
    return now;
}

void add_new_quests_entry(Catalogue& state, std::vector<std::string> new_codes) {
    state.new_codes = std::move(new_codes);
    if (!state.new_codes.empty()) state.chooser.push_back({std::string(new_quests_text), category::new_quests});
}

}  // namespace kestrow
