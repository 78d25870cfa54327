#include "key_locks.h"

#ifdef _WIN32
#include "platform/windows_api.h"
#elif defined(KESTROW_HAVE_X11)
#include <QGuiApplication>
#include <X11/XKBlib.h>
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
#endif

#ifdef KESTROW_HAVE_X11
// The X server keeps the locks as keyboard indicators, by name. A keyboard
// without one of them (most have no kana lock) leaves its pane blank.
class X11KeyLocks final : public KeyLockState {
public:
    explicit X11KeyLocks(Display* display) : display_(display) {}
    std::optional<bool> isOn(LockKey key) const override {
        const char* name = "";
        switch (key) {
            case LockKey::Kana: name = "Kana"; break;
            case LockKey::Caps: name = "Caps Lock"; break;
            case LockKey::Num: name = "Num Lock"; break;
            case LockKey::Scroll: name = "Scroll Lock"; break;
        }
        const Atom atom = XInternAtom(display_, name, True);
        Bool on = False;
        if (atom == None || !XkbGetNamedIndicator(display_, atom, nullptr, &on, nullptr, nullptr)) return std::nullopt;
        return on != False;
    }

private:
    Display* display_;
};
#endif

// Wayland and the offscreen platform do not tell; blank panes are better
// than wrong ones.
class UnknownKeyLocks final : public KeyLockState {
public:
    std::optional<bool> isOn(LockKey) const override { return std::nullopt; }
};

}  // namespace

std::unique_ptr<KeyLockState> platform_key_locks() {
#ifdef _WIN32
    return std::make_unique<WindowsKeyLocks>();
#else
#ifdef KESTROW_HAVE_X11
    if (const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        if (Display* display = x11->display()) return std::make_unique<X11KeyLocks>(display);
#endif
    return std::make_unique<UnknownKeyLocks>();
#endif
}

}  // namespace kestrow
