#pragma once
// The remembered placement of a window: ten numbers in one profile string,
// written "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i" and read back by the same format.

#include <QList>
#include <QRect>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings.h"

namespace kestrow {

struct WindowPlacement {
    int flags = 0;      // restore_to_maximized: leaving the minimised state goes to maximised
    int show_cmd = 0;   // show command: 1 normal, 2 minimised, 3 maximised (others as below)
    int min_x = -1, min_y = -1;  // minimised and maximised positions: kept for the
    int max_x = -1, max_y = -1;  // format, with no counterpart in Qt
    int left = 0, top = 0, right = 0, bottom = 0;  // restored rectangle, right and bottom exclusive
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr int restore_to_maximized = 2;
inline constexpr int show_normal = 1;
inline constexpr int show_minimized = 2;
inline constexpr int show_maximized = 3;

// Ten numbers, each as "%i" reads one: leading white space, an optional sign,
// then "0x" hexadecimal, leading-zero octal or decimal; ":" between them.
// Anything after the tenth number is ignored. Nothing unless all ten are read.
std::optional<WindowPlacement> parse_placement(std::string_view text);
std::string format_placement(const WindowPlacement& placement);

enum class ShowState { Normal, Minimized, Maximized };

// The window state a show command asks for. The minimising commands (2, 6, 7
// and 11) give Minimized, 3 gives Maximized, every other value Normal.
ShowState show_state(int show_cmd);

QRect normal_rect(const WindowPlacement& placement);
void set_normal_rect(WindowPlacement& placement, const QRect& rect);

// A rectangle that overlaps no screen is moved onto the nearest one (as far as
// its size allows, top-left first); any other is returned as it is.
QRect keep_on_screens(const QRect& rect, const QList<QRect>& screens);

// Where a window stored at top_left with size opens. The size is held to the
// ranges of the settings it was stored under, with Form the size form and
// Screen the available area of the screen at top_left (the first of screens,
// the primary, when none is there). Where it had to be cut to the screen, the
// window is also moved within it: a size that large was never one the window
// had. Then it is kept on the screens as above.
QRect fit_on_screens(QPoint top_left, QSize size, QSize form, const QList<QRect>& screens,
                     const settings::Setting& width, const settings::Setting& height);

// The work areas of the screens now attached, the primary's first.
QList<QRect> available_screen_rects();

}  // namespace kestrow
