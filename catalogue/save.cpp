#include "save.h"

#include <algorithm>

#include "bytes.h"
#include "clear_sync.h"
#include "held_line.h"

namespace kestrow {

Message save_message(SaveOutcome outcome) {
    switch (outcome) {
        case SaveOutcome::RefusedUnreadClearFile: return Message::SaveRefusedUnreadClearFile;
        case SaveOutcome::CannotOpen: return Message::SaveCannotOpen;
        case SaveOutcome::Locked: return Message::SaveLocked;
        default: return Message::SaveCannotWrite;
    }
}

void rebuild_clear_keys(CatalogueData& state) {
    state.clear_keys = state.kept_keys;
    for (const auto& line : state.quest_lines)
        if (held_flag(line) == cleared_flag) state.clear_keys.emplace_back(clear_key(line));
    std::stable_sort(state.clear_keys.begin(), state.clear_keys.end(),
                     [](const std::string& a, const std::string& b) { return collate_less(a, b); });
}

std::string clear_file_bytes(const CatalogueData& state) {
    std::string out;
    for (const auto& key : state.clear_keys) {
        out.append(key);
        out.append("\r\n");
    }
    return out;
}

SaveOutcome save_clear_file(CatalogueData& state, ClearFileSink& sink, const TextFile* on_disk) {
    // Progress that could not be read must not be replaced; once the file
    // reads again, its keys are taken like any outside change.
    if (on_disk ? on_disk->status == ReadStatus::Unreadable : state.clear_file_unreadable)
        return SaveOutcome::RefusedUnreadClearFile;
    if (on_disk && changed_on_disk(state, *on_disk)) take_clear_file(state, *on_disk);
    rebuild_clear_keys(state);
    std::string bytes = clear_file_bytes(state);
    if (!sink.open()) return SaveOutcome::CannotOpen;
    if (!sink.write(bytes)) return SaveOutcome::CannotWrite;
    if (!sink.commit()) return SaveOutcome::CannotWrite;
    state.clear_file_seen = std::move(bytes);
    state.clear_file_unreadable = false;
    mark_synced(state);
    return SaveOutcome::Saved;
}

}  // namespace kestrow
