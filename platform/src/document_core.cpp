#include "platform/document_core.h"

#include "catalogue/area_index.h"
#include "catalogue/clear_sync.h"
#include "catalogue/copy_find.h"
#include "catalogue/filter.h"
#include "catalogue/rows.h"
#include "platform/cp932_codec.h"
#include "platform/data_files.h"

namespace kestrow {

LoadReport DocumentCore::load(const std::filesystem::path& dir) {
    LoadReport report = load_catalogue(state_, dir, cp932_converter());
    fill_category_chooser(state_);
    return report;
}

void DocumentCore::selectEntry(int index) { select_entry(state_, index); }

void DocumentCore::showCategory(int code) {
    for (std::size_t i = 0; i < state_.chooser.size(); ++i) {
        if (state_.chooser[i].code == code) {
            select_entry(state_, static_cast<int>(i));
            return;
        }
    }
    state_.selected_entry = -1;
    build_rows(state_, filter_lines(state_, code));
}

int DocumentCore::search(std::string_view text) { return search_quests(state_, text); }

ClearChange DocumentCore::setCleared(std::string_view code, bool cleared) {
    const ClearChange change = set_cleared(state_, code, cleared);
    if (change.changed) apply_filter(state_);
    return change;
}

bool DocumentCore::applyTick(const CurrentQuest& quest, int new_state) {
    return update_clear_state(state_, quest, new_state, -1).changed;
}

void DocumentCore::takeClearText(std::string_view clear_text) {
    set_clear_keys(state_, clear_text);
    apply_filter(state_);
}

bool DocumentCore::hasUnsavedChanges() const { return has_own_changes(state_); }

DiskSave DocumentCore::save() {
    DiskSave saved = save_clear_file_to_disk(state_);
    // What another program saved meanwhile is held now too.
    apply_filter(state_);
    return saved;
}

bool DocumentCore::takeOutsideChanges() {
    const TextFile now = read_text_file(state_.clear_file_path, FileKind::Clear, cp932_converter());
    if (!changed_on_disk(state_, now)) return false;
    take_clear_file(state_, now);
    apply_filter(state_);
    return true;
}

}  // namespace kestrow
