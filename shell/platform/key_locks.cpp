#include "key_locks.h"

#ifdef _WIN32
// MinGW's libstdc++ defines NOMINMAX already; defining it again warns.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace kestrow {

namespace {

#ifdef _WIN32
class WindowsKeyLocks final : public KeyLockState {
public:
    std::optional<bool> isOn(LockKey key) const override {
        int vk = 0;
        switch (key) {
            case LockKey::Kana: vk = VK_KANA; break;
            case LockKey::Caps: vk = VK_CAPITAL; break;
            case LockKey::Num: vk = VK_NUMLOCK; break;
            case LockKey::Scroll: vk = VK_SCROLL; break;
        }
        return (GetKeyState(vk) & 1) != 0;
    }
};
#else
// X11 and Wayland keep the lock state with the keyboard layout, which Qt does
// not expose; blank panes are better than wrong ones.
class UnknownKeyLocks final : public KeyLockState {
public:
    std::optional<bool> isOn(LockKey) const override { return std::nullopt; }
};
#endif

}  // namespace

std::unique_ptr<KeyLockState> platform_key_locks() {
#ifdef _WIN32
    return std::make_unique<WindowsKeyLocks>();
#else
    return std::make_unique<UnknownKeyLocks>();
#endif
}

}  // namespace kestrow
