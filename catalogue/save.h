#pragma once
// Writing ClrList.txt: the Codes of all cleared quests, sorted, CR LF after each.

#include <string>
#include <string_view>

#include "catalogue.h"
#include "text_file.h"
#include "messages.h"

namespace kestrow {

// Where the bytes go. The real one replaces the file atomically (temporary
// file, flush, rename); a failing step leaves the old file as it was.
class ClearFileSink {
public:
    virtual ~ClearFileSink() = default;
    virtual bool open() = 0;  // false: the file cannot be created or replaced
    virtual bool write(std::string_view bytes) = 0;
    virtual bool commit() = 0;  // make the new content the file's
};

// Locked: another program's Save held the clear file's lock all the while
// this one waited; nothing was read or written.
enum class SaveOutcome { Saved, RefusedUnreadClearFile, CannotOpen, CannotWrite, Locked };

// The message that reports a failed save; Saved has none.
Message save_message(SaveOutcome outcome);

// Rebuilds the clear keys from the clear flags (plus the kept keys of codes
// that no quest line carries) in sorted order.
void rebuild_clear_keys(CatalogueData& state);

// The file's content for the current clear keys.
std::string clear_file_bytes(const CatalogueData& state);

// Rebuilds the clear keys and writes them through sink. on_disk is the clear
// file as read just before: when it changed since this run last read or
// wrote it, this run's own changes are put onto its keys instead of
// replacing them; when it cannot be read, nothing is written. Without it, no
// outside change is known. Only Saved means the file holds the player's
// progress; every other outcome left it unchanged.
SaveOutcome save_clear_file(CatalogueData& state, ClearFileSink& sink, const TextFile* on_disk = nullptr);

}  // namespace kestrow
