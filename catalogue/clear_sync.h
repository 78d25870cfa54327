#pragma once
// Keeping the held flags and ClrList.txt in step while something else writes
// the file too (a second window, kestrow-cli, an editor). This run's own
// changes are the flags that differ from those of the clear file as it was
// last read or written; only those are put onto what the file holds now.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "clear_steps.h"
#include "text_file.h"

namespace kestrow {

// Clear keys, each once.
struct OwnChanges {
    std::vector<std::string> ticked, unticked;
    bool operator==(const OwnChanges&) const = default;
};
OwnChanges own_changes(const CatalogueData& state);
// Whether there are any: what "unsaved changes" means.
bool has_own_changes(const CatalogueData& state);

// The held flags now are those of the clear file just read or written.
void mark_synced(CatalogueData& state);

// Keys of the clear keys that no quest line carries; Save writes them back.
void keep_uncarried_keys(CatalogueData& state);

// Makes the held flags and the kept keys those of a clear file's text, as a
// change of this run's own (restoring an earlier version does this).
void set_clear_keys(CatalogueData& state, std::string_view clear_text);

// What set_clear_keys would do to the held flags, shown before a version is
// chosen: the quest lines whose flag would change, in line order, and how
// many Codes would be ticked and unticked (a Code on several lines counts once).
struct ClearTextChanges {
    std::vector<FlagChange> lines;
    std::size_t ticked = 0, unticked = 0;
};
ClearTextChanges clear_text_changes(const CatalogueData& state, std::string_view clear_text);

// The Codes that a clear file's text holds: its lines that have a key.
std::size_t code_count(std::string_view clear_text);

// Whether the clear file now on disk holds other bytes than this run last
// read or wrote. A file that has gone counts as unchanged: its last known
// keys are still held here, and a Save puts them back.
bool changed_on_disk(const CatalogueData& state, const TextFile& now);

// Puts this run's own changes (by Code) onto the held flags, after the flags
// were read afresh from a file or the catalogue itself was read again.
void apply_own_changes(CatalogueData& state, const OwnChanges& own);

// The clear file changed on disk: its keys become the held state and the
// synced one, and this run's own changes are put back on top.
void take_clear_file(CatalogueData& state, const TextFile& now);

}  // namespace kestrow
