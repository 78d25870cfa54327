#include "input_method.h"

#ifdef _WIN32

#include <QWidget>

#include "platform/windows_api.h"
#include <imm.h>

namespace kestrow {

namespace {

// Qt associates the window's default input context while a widget that takes
// text input has the focus and detaches it (ImmAssociateContext with none)
// while any other has. So the context is looked up for every call rather than
// held: a handle taken while detached would be null.
class Imm32InputMethod final : public InputMethod {
public:
    explicit Imm32InputMethod(HWND window) : window_(window) {}

    bool isOpen() const override {
        Context c(window_);
        return c.himc && ImmGetOpenStatus(c.himc) != FALSE;
    }
    void setOpen(bool open) override {
        Context c(window_);
        if (c.himc) ImmSetOpenStatus(c.himc, open ? TRUE : FALSE);
    }
    Modes modes() const override {
        Context c(window_);
        DWORD conversion = 0;
        DWORD sentence = 0;
        if (c.himc) ImmGetConversionStatus(c.himc, &conversion, &sentence);
        return {static_cast<std::uint32_t>(conversion), static_cast<std::uint32_t>(sentence)};
    }
    void setModes(const Modes& modes) override {
        Context c(window_);
        if (c.himc) ImmSetConversionStatus(c.himc, static_cast<DWORD>(modes.conversion), static_cast<DWORD>(modes.sentence));
    }

private:
    struct Context {
        explicit Context(HWND w) : window(w), himc(ImmGetContext(w)) {}
        ~Context() {
            if (himc) ImmReleaseContext(window, himc);
        }
        Context(const Context&) = delete;
        Context& operator=(const Context&) = delete;
        HWND window;
        HIMC himc;
    };

    HWND window_;
};

}  // namespace

std::unique_ptr<InputMethod> window_input_method(QWidget* window) {
    if (!window) return nullptr;
    return std::make_unique<Imm32InputMethod>(reinterpret_cast<HWND>(window->window()->winId()));
}

}  // namespace kestrow

#else

namespace kestrow {

std::unique_ptr<InputMethod> window_input_method(QWidget*) { return nullptr; }

}  // namespace kestrow

#endif
