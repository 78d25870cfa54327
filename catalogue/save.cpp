#include "save.h"

#include <algorithm>

#include "bytes.h"
#include "held_line.h"

namespace kestrow {

Message save_message(SaveOutcome outcome) {
    switch (outcome) {
        case SaveOutcome::RefusedUnreadClearFile: return Message::SaveRefusedUnreadClearFile;
        case SaveOutcome::CannotOpen: return Message::SaveCannotOpen;
        default: return Message::SaveCannotWrite;
    }
}

void rebuild_clear_keys(Catalogue& state) {
    state.clear_keys = state.kept_keys;
    for (const auto& line : state.quest_lines)
        if (held_flag(line) == cleared_flag) state.clear_keys.emplace_back(clear_key(line));
    std::stable_sort(state.clear_keys.begin(), state.clear_keys.end(),
                     [](const std::string& a, const std::string& b) { return collate_less(a, b); });
}

std::string clear_file_bytes(const Catalogue& state) {
    std::string out;
    for (const auto& key : state.clear_keys) {
        out.append(key);
        out.append("\r\n");
    }
    return out;
}

SaveOutcome save_clear_file(Catalogue& state, ClearFileSink& sink) {
    if (state.clear_file_unreadable) return SaveOutcome::RefusedUnreadClearFile;
    rebuild_clear_keys(state);
    if (!sink.open()) return SaveOutcome::CannotOpen;
    if (!sink.write(clear_file_bytes(state))) return SaveOutcome::CannotWrite;
    if (!sink.commit()) return SaveOutcome::CannotWrite;
    return SaveOutcome::Saved;
}

}  // namespace kestrow
