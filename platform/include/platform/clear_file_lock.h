#pragma once
// ClrList.txt.lock beside the clear file, held while a Save reads, merges and
// writes it. Two programs saving one folder at the same moment (two windows,
// a window and kestrow-cli) take turns: the second one reads what the first
// one wrote, instead of both reading the old file and the last rename
// dropping the other's Codes. Reading alone needs no lock, since the file is
// only ever replaced whole.

#include <QLockFile>
#include <chrono>
#include <filesystem>

namespace kestrow {

// How long a Save waits for another program's Save to end.
inline constexpr std::chrono::milliseconds clear_file_lock_wait = std::chrono::seconds(10);

class ClearFileLock {
public:
    enum class Result { Held, HeldElsewhere, CannotCreate };

    explicit ClearFileLock(const std::filesystem::path& clear_file);
    ClearFileLock(const ClearFileLock&) = delete;
    ClearFileLock& operator=(const ClearFileLock&) = delete;

    // Waits up to wait while a living program holds the lock; one left by a
    // program that ended without releasing it is taken over at once.
    // CannotCreate: the folder takes no new file (missing, read-only).
    Result take(std::chrono::milliseconds wait);
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    QLockFile lock_;
};

}  // namespace kestrow
