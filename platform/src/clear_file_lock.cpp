#include "platform/clear_file_lock.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <thread>

#include "platform/paths.h"

namespace kestrow {

using namespace std::chrono_literals;

ClearFileLock::ClearFileLock(const std::filesystem::path& clear_file)
    : path_(std::filesystem::path(clear_file) += ".lock"), lock_(to_qstring(path_)) {
    // A living holder keeps its lock file open and locked, so that QLockFile
    // never removes it, however old; one whose process has ended is taken
    // over at once. The age counts only where neither can be told (a holder
    // on another computer sharing the folder): a Save is over in well under a
    // second, so a lock untouched for a minute was left by a program that
    // ended there.
    lock_.setStaleLockTime(60s);
}

ClearFileLock::Result ClearFileLock::take(std::chrono::milliseconds wait) {
    // QLockFile's own wait sleeps a tenth of a second at first and then
    // longer; the other Save is usually done within milliseconds.
    const QDeadlineTimer deadline(wait);
    std::chrono::microseconds pause = 250us;
    for (;;) {
        if (lock_.tryLock(0)) return Result::Held;  // also removes a lock left by the dead
        if (lock_.error() != QLockFile::LockFailedError) return Result::CannotCreate;
        if (deadline.hasExpired()) return Result::HeldElsewhere;
        std::this_thread::sleep_for(std::min<std::chrono::nanoseconds>(pause, deadline.remainingTimeAsDuration()));
        pause = std::min<std::chrono::microseconds>(pause * 2, 100ms);
    }
}

}  // namespace kestrow
