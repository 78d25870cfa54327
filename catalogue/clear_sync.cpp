#include "clear_sync.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "bytes.h"
#include "held_line.h"
#include "loader.h"

namespace kestrow {

namespace {

// The flag each quest line gets from a clear file holding keys: cleared
// exactly when the file holds the line's key. Calls take(line index, flag).
template <class Take>
void flags_from_keys(const CatalogueData& state, const std::vector<std::string>& keys, Take take) {
    const std::unordered_set<std::string_view> cleared(keys.begin(), keys.end());
    for (std::size_t i = 0; i < state.quest_lines.size(); ++i)
        take(i, cleared.contains(clear_key(state.quest_lines[i])) ? cleared_flag : not_cleared_flag);
}

}  // namespace

OwnChanges own_changes(const CatalogueData& state) {
    OwnChanges changes;
    std::unordered_set<std::string_view> seen;
    const std::size_t count = std::min(state.quest_lines.size(), state.synced_flags.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& line = state.quest_lines[i];
        const char flag = held_flag(line);
        if (flag == state.synced_flags[i] || !seen.insert(clear_key(line)).second) continue;
        (flag == cleared_flag ? changes.ticked : changes.unticked).emplace_back(clear_key(line));
    }
    return changes;
}

bool has_own_changes(const CatalogueData& state) {
    const std::size_t count = std::min(state.quest_lines.size(), state.synced_flags.size());
    for (std::size_t i = 0; i < count; ++i)
        if (held_flag(state.quest_lines[i]) != state.synced_flags[i]) return true;
    return false;
}

void mark_synced(CatalogueData& state) {
    state.synced_flags.resize(state.quest_lines.size());
    for (std::size_t i = 0; i < state.quest_lines.size(); ++i) state.synced_flags[i] = held_flag(state.quest_lines[i]);
}

void keep_uncarried_keys(CatalogueData& state) {
    std::unordered_set<std::string_view> carried;
    carried.reserve(state.quest_lines.size());
    for (const auto& line : state.quest_lines) carried.insert(clear_key(line));
    state.kept_keys.clear();
    for (const auto& key : state.clear_keys)
        if (!key.empty() && !carried.contains(key)) state.kept_keys.push_back(key);
}

void set_clear_keys(CatalogueData& state, std::string_view clear_text) {
    state.clear_keys.clear();
    read_clear_keys(state, clear_text);
    flags_from_keys(state, state.clear_keys,
                    [&](std::size_t i, char flag) { set_held_flag(state.quest_lines[i], flag); });
    keep_uncarried_keys(state);
}

ClearTextChanges clear_text_changes(const CatalogueData& state, std::string_view clear_text) {
    CatalogueData version;
    read_clear_keys(version, clear_text);
    ClearTextChanges changes;
    std::unordered_set<std::string_view> counted;
    flags_from_keys(state, version.clear_keys, [&](std::size_t i, char flag) {
        const std::string& line = state.quest_lines[i];
        const char now = held_flag(line);
        if (flag == now) return;
        changes.lines.push_back({static_cast<std::uint32_t>(i), now, flag});
        if (counted.insert(clear_key(line)).second) ++(flag == cleared_flag ? changes.ticked : changes.unticked);
    });
    return changes;
}

std::size_t code_count(std::string_view clear_text) {
    const auto lines = text_lines(clear_text);
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [](std::string_view line) { return !clear_key(line).empty(); }));
}

bool changed_on_disk(const CatalogueData& state, const TextFile& now) {
    return now.status == ReadStatus::Ok && (!state.clear_file_seen || *state.clear_file_seen != now.bytes);
}

void apply_own_changes(CatalogueData& state, const OwnChanges& own) {
    if (own.ticked.empty() && own.unticked.empty()) return;
    std::unordered_map<std::string_view, char> flags;
    for (const auto& key : own.ticked) flags.emplace(key, cleared_flag);
    for (const auto& key : own.unticked) flags.emplace(key, not_cleared_flag);
    for (auto& line : state.quest_lines)
        if (const auto it = flags.find(clear_key(line)); it != flags.end()) set_held_flag(line, it->second);
}

void take_clear_file(CatalogueData& state, const TextFile& now) {
    const OwnChanges own = own_changes(state);
    set_clear_keys(state, now.text());
    mark_synced(state);
    apply_own_changes(state, own);
    state.clear_file_seen = now.bytes;
    state.clear_file_unreadable = false;
}

}  // namespace kestrow
