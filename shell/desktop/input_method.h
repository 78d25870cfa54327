#pragma once
// The input method of one window, as far as the search box needs it: open or
// closed, and its conversion and sentence modes. On Windows this is the IMM32
// input context of the window; elsewhere the platform's input method follows
// the focused box on its own and there is nothing to switch.

#include <cstdint>
#include <memory>

class QWidget;

namespace kestrow {

class InputMethod {
public:
    struct Modes {
        std::uint32_t conversion = 0;
        std::uint32_t sentence = 0;
        bool operator==(const Modes&) const = default;
    };
    // Kana rather than alphanumeric input (IME_CMODE_NATIVE).
    static constexpr std::uint32_t native_mode = 0x0001;

    virtual ~InputMethod() = default;
    virtual bool isOpen() const = 0;
    virtual void setOpen(bool open) = 0;
    virtual Modes modes() const = 0;
    virtual void setModes(const Modes& modes) = 0;
};

// The input method of a top-level window, or nothing where the platform has
// none to switch (every platform but Windows).
std::unique_ptr<InputMethod> window_input_method(QWidget* window);

}  // namespace kestrow
