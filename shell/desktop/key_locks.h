#pragma once
// Whether the kana, caps, num and scroll locks are on, for the status bar's
// key panes. Only some platforms tell; elsewhere the panes stay blank.

#include <memory>
#include <optional>


namespace kestrow {

// The keys whose lock the status bar shows.
enum class LockKey { Kana, Caps, Num, Scroll };

class KeyLockState {
public:
    virtual ~KeyLockState() = default;
    // Nothing when the platform cannot tell.
    virtual std::optional<bool> isOn(LockKey key) const = 0;
};

std::unique_ptr<KeyLockState> platform_key_locks();

}  // namespace kestrow
