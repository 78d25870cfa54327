#pragma once
// Puts the clear file on disk with QSaveFile: a temporary file in the same
// folder, flushed and renamed over the old one only when all went well. The
// old content goes to the history first.

#include <QSaveFile>
#include <QString>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "catalogue/save.h"
#include "platform/clear_file_lock.h"

namespace kestrow {

class ClearFileWriter final : public ClearFileSink {
public:
    explicit ClearFileWriter(const QString& path);
    // The bytes the file holds now: when the new ones differ, they are kept
    // in the history just before the file is replaced.
    void keepHistoryOf(std::string old_bytes) { old_ = std::move(old_bytes); }
    bool historyFailed() const { return historyFailed_; }

    bool open() override;
    bool write(std::string_view bytes) override;
    bool commit() override;

private:
    QSaveFile file_;
    std::optional<std::string> old_;
    std::string written_;
    bool historyFailed_ = false;
};

struct DiskSave {
    SaveOutcome outcome = SaveOutcome::CannotOpen;
    bool history_failed = false;  // the Save went on without keeping the old content
    std::filesystem::path path;   // the file that the outcome's message names
};

// Saves to the catalogue's clear-file path: reads the file again first, so
// that what another program wrote there meanwhile is merged, not lost. All of
// it happens under the clear file's lock, waiting up to lock_wait for another
// program's Save; when the lock cannot be had, state is left as it was.
DiskSave save_clear_file_to_disk(Catalogue& state, std::chrono::milliseconds lock_wait = clear_file_lock_wait);

}  // namespace kestrow
