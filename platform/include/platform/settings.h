#pragma once
// Every value the program keeps in the profile: where it is stored, what
// stands in for it when nothing usable is stored, and the range it is held to.
// The names are those the first versions wrote, so existing profiles keep
// working. Some bounds are known only when a window opens (the screen it
// opens on, the smallest size of its form); the table names them and the
// window that owns the value supplies them.

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

namespace kestrow::settings {

enum class Kind : unsigned char { Number, Text };

// What one end of a value's range is.
enum class Bound : unsigned char {
    None,    // nothing: any int
    Zero,
    Form,    // the smallest size of the owner's form, along the value's axis
    Screen,  // the available area of the screen the owner opens on, along the value's axis
};

struct Setting {
    std::string_view section;
    std::string_view entry;
    Kind kind = Kind::Number;
    // For a number that is absent, not a number or -1 (which the first
    // versions wrote for "not stored").
    int fallback = 0;
    Bound low = Bound::None;
    Bound high = Bound::None;
};

inline constexpr int not_stored = -1;

// The main window's placement: ten numbers in one string (see placement.h).
// The range holds the width and the height of its restored rectangle.
inline constexpr Setting window_placement{"Settings", "WindowPos", Kind::Text, 0, Bound::Form, Bound::Screen};

// The search dialog's loose search: on when non-zero.
inline constexpr Setting loose_search{"Settings", "LooseSearch", Kind::Number, 0, Bound::Zero};

// The quest list's columns, left to right. Qt has no use for negative widths
// (Windows read some as "fit the contents"): they give a column of no width.
inline constexpr std::array<Setting, 7> column_widths{{
    {"CWidth", "1", Kind::Number, 100, Bound::Zero, Bound::Screen},
    {"CWidth", "2", Kind::Number, 100, Bound::Zero, Bound::Screen},
    {"CWidth", "3", Kind::Number, 100, Bound::Zero, Bound::Screen},
    {"CWidth", "4", Kind::Number, 100, Bound::Zero, Bound::Screen},
    {"CWidth", "5", Kind::Number, 100, Bound::Zero, Bound::Screen},
    {"CWidth", "6", Kind::Number, 100, Bound::Zero, Bound::Screen},
    {"CWidth", "7", Kind::Number, 100, Bound::Zero, Bound::Screen},
}};

// The quest dialog's outer rectangle, frame included. Its position is only
// moved onto a screen when no screen shows it.
inline constexpr Setting dialog_left{"CDlgSize", "left", Kind::Number, 184};
inline constexpr Setting dialog_top{"CDlgSize", "top", Kind::Number, 178};
inline constexpr Setting dialog_width{"CDlgSize", "width", Kind::Number, 644, Bound::Form, Bound::Screen};
inline constexpr Setting dialog_height{"CDlgSize", "height", Kind::Number, 421, Bound::Form, Bound::Screen};

// How the list shows its rows: cleared quests hidden (non-zero), the column
// sorted by (-1: file order) and whether in reverse, and the category chosen
// last (its code, as text: -1 is an area code too).
inline constexpr Setting hide_cleared{"Settings", "HideCleared", Kind::Number, 0, Bound::Zero};
inline constexpr Setting sort_column{"Settings", "SortColumn", Kind::Number, -1};
inline constexpr Setting sort_descending{"Settings", "SortDescending", Kind::Number, 0, Bound::Zero};
inline constexpr Setting chosen_category{"Settings", "Category", Kind::Text};

// The character whose progress the window showed last, by name; none for the main one.
inline constexpr Setting current_character{"Settings", "Character", Kind::Text};

// What Form and Screen stand for, along the axis of one value.
struct Extents {
    int form = 0;
    int screen = INT_MAX;
};

// value held to the setting's range. Where the ends cross (a screen smaller
// than the form) the low end wins: a window smaller than its form would not
// show its controls.
constexpr int clamp(const Setting& setting, int value, Extents extents) {
    auto end = [&](Bound bound, int none) {
        switch (bound) {
            case Bound::Zero: return 0;
            case Bound::Form: return extents.form;
            case Bound::Screen: return extents.screen;
            case Bound::None: break;
        }
        return none;
    };
    return std::max(std::min(value, end(setting.high, INT_MAX)), end(setting.low, INT_MIN));
}

}  // namespace kestrow::settings
