#include "kestrow_doc.h"

#include <QFileInfo>

#include "desktop/message_box.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "resources.h"

using namespace kestrow;

CKestrowDoc::CKestrowDoc(QObject* parent) : QObject(parent) {
    // The window tells the player what a new catalogue brought.
    core_.rememberCatalogue(true);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &CKestrowDoc::checkCatalogue);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &CKestrowDoc::checkCatalogue);
}

bool CKestrowDoc::OnNewDocument() { return true; }

LoadReport CKestrowDoc::load(const std::filesystem::path& dir) { return announceLoad(core_.load(dir)); }

LoadReport CKestrowDoc::load(const std::filesystem::path& dir, const std::filesystem::path& clear_file) {
    return announceLoad(core_.load(dir, clear_file));
}

LoadReport CKestrowDoc::reload() { return announceLoad(core_.reload()); }

LoadReport CKestrowDoc::announceLoad(LoadReport report) {
    watchCatalogue();
    emit loaded();
    announceUnsaved();
    return report;
}

void CKestrowDoc::watchCatalogue() {
    catalogueFile_ = to_qstring(core_.folder() / data_file_name);
    const QFileInfo file(catalogueFile_);
    catalogueTime_ = file.lastModified();
    catalogueSize_ = file.exists() ? file.size() : -1;
    catalogueChanged_ = false;
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    if (file.exists()) watcher_.addPath(catalogueFile_);
    watcher_.addPath(file.absolutePath());
}

void CKestrowDoc::checkCatalogue() {
    // A file replaced by a rename is a new file: watch that one from now on.
    if (QFileInfo::exists(catalogueFile_) && !watcher_.files().contains(catalogueFile_)) watcher_.addPath(catalogueFile_);
    const QFileInfo file(catalogueFile_);
    const bool same = file.exists() ? file.size() == catalogueSize_ && file.lastModified() == catalogueTime_
                                    : catalogueSize_ < 0;
    // Saves of ClrList.txt change the folder too; once told, the player is not told again.
    if (same || catalogueChanged_) return;
    catalogueChanged_ = true;
    emit catalogueChangedOnDisk();
}

void CKestrowDoc::selectEntry(int index) {
    core_.selectEntry(index);
    emit listChanged();
}

int CKestrowDoc::search(std::string_view text, bool loose) {
    const int entry = core_.search(text, loose);
    if (entry < 0) return entry;
    emit entryRelabelled(entry);
    emit listChanged();
    return entry;
}

void CKestrowDoc::arrange(bool hide_cleared, int sort_column, bool descending) {
    core_.arrange(hide_cleared, sort_column, descending);
    emit rowsArranged();
}

template <class Change>
auto CKestrowDoc::changeClearStates(Change change) {
    emit clearStatesAboutToChange();
    auto result = change();
    emit clearStatesChanged();
    announceUnsaved();
    return result;
}

bool CKestrowDoc::applyTick(const CurrentQuest& quest, int new_state) {
    if (new_state == quest.cleared) return false;
    return changeClearStates([&] { return core_.applyTick(quest, new_state); });
}

DiskSave CKestrowDoc::save() {
    return changeClearStates([&] { return core_.save(); });
}

void CKestrowDoc::restore(std::string_view clear_text) {
    changeClearStates([&] {
        core_.takeClearText(clear_text);
        return true;
    });
}

std::optional<ClearStep> CKestrowDoc::undo() {
    return changeClearStates([&] { return core_.undo(); });
}

std::optional<ClearStep> CKestrowDoc::redo() {
    return changeClearStates([&] { return core_.redo(); });
}

bool CKestrowDoc::takeOutsideChanges() {
    // Nothing changed is announced when the file did not change: reading it
    // is all that an activation costs then.
    emit clearStatesAboutToChange();
    if (!core_.takeOutsideChanges()) return false;
    emit clearStatesChanged();
    announceUnsaved();
    return true;
}

void CKestrowDoc::announceUnsaved() {
    const bool unsaved = hasUnsavedChanges();
    if (unsaved == unsavedAnnounced_) return;
    unsavedAnnounced_ = unsaved;
    emit unsavedChangesChanged(unsaved);
}

bool CKestrowDoc::CanCloseFrame(QWidget* frame) {
    return askToLeave(frame, res::close_prompt, res::save_and_close_text);
}

bool CKestrowDoc::CanSwitchCharacter(QWidget* frame) {
    return askToLeave(frame, res::character_switch_prompt, res::save_and_switch_text);
}

bool CKestrowDoc::askToLeave(QWidget* frame, std::string_view prompt, std::string_view save_text) {
    if (!hasUnsavedChanges()) return true;
    switch (MsgBox::askYesNoSave(frame, utf8(prompt), utf8(save_text))) {
        case QMessageBox::Yes: return true;
        case QMessageBox::Save: return saveCommand_ && saveCommand_();
        default: return false;
    }
}
