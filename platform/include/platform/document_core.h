#pragma once
// The player's progress for one run, without a window: the catalogue as
// loaded, every change of a clear state, Save, and taking what another
// program saved meanwhile. The window's document and kestrow-cli both stand
// on it, so that loading, merging and saving happen in one way only.

#include <filesystem>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_changes.h"
#include "catalogue/clear_state.h"
#include "catalogue/clear_steps.h"
#include "catalogue/loader.h"
#include "platform/clear_file_writer.h"

namespace kestrow {

class DocumentCore {
public:
    // Reads Kestrow.txt and ClrList.txt of dir into a fresh state and fills
    // the category chooser's entries; nothing is chosen.
    LoadReport load(const std::filesystem::path& dir);
    // The same with another character's clear file (see characters.h): the
    // catalogue of dir, the progress of clear_file.
    LoadReport load(const std::filesystem::path& dir, const std::filesystem::path& clear_file);

    // Reads the folder's files again (a new Kestrow.txt arrived), keeping
    // this run's unsaved ticks (by Code, since lines may have moved), the
    // chosen category, the search and how the rows are arranged. The steps
    // to undo go: they name line positions of the catalogue before.
    LoadReport reload();

    // What changed in the catalogue since Kestrow.seen was written. With
    // remember on (the window), every load compares, adds the "new quests"
    // entry and writes the file anew; a failure to write it is not reported.
    // Without it (kestrow-cli), nothing reads or writes the file.
    void rememberCatalogue(bool on) { rememberCatalogue_ = on; }
    const CatalogueChanges& catalogueChanges() const { return changes_; }
    // The report against the file as it is, writing nothing.
    CatalogueChanges compareWithSeen() const;
    const std::filesystem::path& folder() const { return dir_; }

    const Catalogue& catalogue() const { return state_; }

    // The list: the rows of a chooser entry (-1 for none), of a category
    // code (its entry when it has one), or of a search, exact or loose (see
    // search_quests: a search that finds nothing changes nothing).
    // Every change of a clear state shows the chosen list again.
    void selectEntry(int index);
    void showCategory(int code);
    int search(std::string_view text, bool loose = false);
    // Cleared quests hidden or not, and the column the rows are sorted by
    // (-1: file order), for every list from now on.
    void arrange(bool hide_cleared, int sort_column, bool descending);

    // Sets every quest line whose Code is code (as shown) cleared or not.
    ClearChange setCleared(std::string_view code, bool cleared);
    // The detail dialog's tick for a quest as it was loaded (non-zero: cleared);
    // true when a flag changed.
    bool applyTick(const CurrentQuest& quest, int new_state);

    // Makes a clear file's text the held state, as a change of this run's own
    // that Save then writes (restoring an earlier version). One step.
    void takeClearText(std::string_view clear_text);

    // Each change above that rewrote a flag is one step, to undo and redo;
    // the step applied, or nothing.
    const ClearSteps& steps() const { return steps_; }
    std::optional<ClearStep> undo();
    std::optional<ClearStep> redo();

    // True exactly while this run's own changes are not yet saved: a tick
    // undone, or the same tick saved by another program, leaves none.
    bool hasUnsavedChanges() const;

    // Reads the clear file again, merges what another program saved there
    // with this run's own changes, keeps the old content in the history and
    // writes the file atomically.
    DiskSave save();

    // Takes what another program saved since this run last read or wrote the
    // clear file, keeping this run's own changes on top. False when the file
    // did not change.
    bool takeOutsideChanges();

private:
    // Runs change and keeps what it did to the flags as a step named by
    // name and cleared; true when it changed anything.
    template <class Change>
    bool asStep(Change change, std::string name, bool cleared, bool restore);

    Catalogue state_;
    ClearSteps steps_;
    std::filesystem::path dir_;
    bool rememberCatalogue_ = false;
    CatalogueChanges changes_;
};

}  // namespace kestrow
