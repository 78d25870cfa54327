#include "platform/document_core.h"

#include "catalogue/area_index.h"
#include "catalogue/clear_sync.h"
#include "catalogue/copy_find.h"
#include "catalogue/filter.h"
#include "catalogue/rows.h"
#include "platform/cp932_codec.h"
#include "platform/data_files.h"

namespace kestrow {

LoadReport DocumentCore::load(const std::filesystem::path& dir) { return load(dir, dir / clear_file_name); }

LoadReport DocumentCore::load(const std::filesystem::path& dir, const std::filesystem::path& clear_file) {
    dir_ = dir;
    LoadReport report = load_catalogue(state_, dir, clear_file, cp932_converter());
    steps_.clear();
    fill_category_chooser(state_);
    changes_ = {};
    if (rememberCatalogue_ && report.data_loaded) {
        const auto seen = read_seen(dir_);
        changes_ = compare_catalogue(state_, seen);
        const SeenCatalogue now = seen_now(state_, seen, changes_);
        add_new_quests_entry(state_, now.new_codes);
        if (!seen || changes_.any()) write_seen(dir_, now);
    }
    return report;
}

CatalogueChanges DocumentCore::compareWithSeen() const { return compare_catalogue(state_, read_seen(dir_)); }

LoadReport DocumentCore::reload() {
    const OwnChanges own = own_changes(state_);
    const int code = selected_code(state_);
    const ListState list = state_;
    LoadReport report = load(dir_, state_.clear_file_path);
    apply_own_changes(state_, own);
    state_.hide_cleared = list.hide_cleared;
    state_.sort_column = list.sort_column;
    state_.sort_descending = list.sort_descending;
    // A search result is found again in the new catalogue; any other list is
    // chosen again by its category, keeping the text the search offers.
    if (list.selected_entry >= 0 && code == category::search && !list.search_text.empty()) {
        search_quests(state_, list.search_text, list.search_loose);
    } else {
        state_.search_text = list.search_text;
        state_.search_loose = list.search_loose;
        select_entry(state_, list.selected_entry < 0 ? -1 : entry_of_code(state_, code));
    }
    return report;
}

void DocumentCore::selectEntry(int index) { select_entry(state_, index); }

void DocumentCore::showCategory(int code) {
    if (const int entry = entry_of_code(state_, code); entry >= 0) {
        select_entry(state_, entry);
        return;
    }
    state_.selected_entry = -1;
    build_rows(state_, filter_lines(state_, code));
}

int DocumentCore::search(std::string_view text, bool loose) { return search_quests(state_, text, loose); }

void DocumentCore::arrange(bool hide_cleared, int sort_column, bool descending) {
    state_.hide_cleared = hide_cleared;
    state_.sort_column = sort_column;
    state_.sort_descending = descending;
    apply_filter(state_);
}

template <class Change>
bool DocumentCore::asStep(Change change, std::string name, bool cleared, bool restore) {
    const std::string before = flags_of(state_);
    std::vector<std::string> kept = state_.kept_keys;
    change();
    ClearStep step = step_since(state_, before, std::move(kept));
    if (step.changes.empty() && step.kept_before == step.kept_after) return false;
    step.name = std::move(name);
    step.cleared = cleared;
    step.restore = restore;
    steps_.push(std::move(step));
    apply_filter(state_);
    return true;
}

ClearChange DocumentCore::setCleared(std::string_view code, bool cleared) {
    ClearChange change;
    asStep([&] { change = set_cleared(state_, code, cleared); }, std::string(code), cleared, false);
    return change;
}

bool DocumentCore::applyTick(const CurrentQuest& quest, int new_state) {
    if (new_state == quest.cleared) return false;
    return asStep([&] { set_cleared(state_, quest.code, new_state != 0); }, quest.name, new_state != 0, false);
}

void DocumentCore::takeClearText(std::string_view clear_text) {
    asStep([&] { set_clear_keys(state_, clear_text); }, {}, false, true);
}

std::optional<ClearStep> DocumentCore::undo() {
    auto step = steps_.undo(state_);
    if (step) apply_filter(state_);
    return step;
}

std::optional<ClearStep> DocumentCore::redo() {
    auto step = steps_.redo(state_);
    if (step) apply_filter(state_);
    return step;
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
