// The placement string, and where a stored window opens, without a window.

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "placement.h"

using kestrow::parse_placement;
using kestrow::WindowPlacement;

TEST(PlacementString, ReadsTenNumbersAsPercentIAndRejectsAnythingElse) {
    const std::pair<const char*, std::optional<WindowPlacement>> cases[] = {
        // Leading blanks, signs, hexadecimal and octal; text after the tenth number is ignored.
        {" 0x2:+1: -1:\t-1:010:-0X1f:0:0:1:2 and more", WindowPlacement{2, 1, -1, -1, 8, -31, 0, 0, 1, 2}},
        {"99999999999:-99999999999:0:0:0:0:0:0:0:0", WindowPlacement{INT_MAX, INT_MIN, 0, 0, 0, 0, 0, 0, 0, 0}},
        // "08" is the octal 0 and a trailing 8; a bare "0x" is 0 with its
        // prefix consumed, as the C library reads it.
        {"0:1:-1:-1:-1:-1:1:2:3:08", WindowPlacement{0, 1, -1, -1, -1, -1, 1, 2, 3, 0}},
        {"0x:1:-1:-1:-1:-1:1:2:3:0x", WindowPlacement{0, 1, -1, -1, -1, -1, 1, 2, 3, 0}},
        {"0:1:-1:-1:-1:-1:120:80:980", std::nullopt},
        {"0,1,-1,-1,-1,-1,120,80,980,700", std::nullopt},
        {"0:1:-1:-1:x:-1:120:80:980:700", std::nullopt},
        {"0:1:-1:-1:-:-1:120:80:980:700", std::nullopt},
        {"0 :1:-1:-1:-1:-1:120:80:980:700", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parse_placement(text), expected) << text;
    // Absurd rectangles neither overflow nor go negative.
    const QRect absurd = kestrow::normal_rect({0, 1, 0, 0, 0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN});
    EXPECT_TRUE(absurd.width() >= 0 && absurd.height() >= 0);
}

TEST(KeepOnScreens, MovesOnlyAWindowThatNoScreenShowsAndHoldsItsSizeToTheScreenAndTheForm) {
    const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
    const std::pair<QRect, QRect> cases[] = {
        // Partly visible: used as stored.
        {QRect(-300, -20, 400, 300), QRect(-300, -20, 400, 300)},
        {QRect(3100, 1000, 400, 300), QRect(3100, 1000, 400, 300)},
        // Off every screen: onto the nearest, as far in as the size allows.
        {QRect(5000, 100, 400, 300), QRect(2800, 100, 400, 300)},
        {QRect(200, 900, 400, 300), QRect(200, 500, 400, 300)},
        {QRect(-5000, -5000, 2000, 900), QRect(0, 0, 2000, 900)},
    };
    for (const auto& [stored, shown] : cases) EXPECT_EQ(kestrow::keep_on_screens(stored, screens), shown);
    EXPECT_EQ(kestrow::keep_on_screens(QRect(-5000, 0, 10, 10), {}), QRect(-5000, 0, 10, 10));

    // The screen at the top-left corner bounds the size, else the first;
    // cut to it, the window is moved within it, and the form's size wins.
    const QList<QRect> desks{QRect(0, 0, 1280, 800), QRect(1280, 0, 800, 600)};
    const std::tuple<QPoint, QSize, QRect> fits[] = {
        {{100, 50}, {800, 600}, QRect(100, 50, 800, 600)},
        {{-300, -20}, {400, 300}, QRect(-300, -20, 400, 300)},
        {{1400, 60}, {INT_MAX, INT_MAX}, QRect(1280, 0, 800, 600)},
        {{100, 50}, {1500, 700}, QRect(0, 50, 1280, 700)},
        {{1400, 60}, {0, -5}, QRect(1400, 60, 300, 200)},
        {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, QRect(0, 0, 1280, 800)},
        // Moved onto the smaller screen, then cut to it.
        {{5000, 100}, {1000, 700}, QRect(1280, 0, 800, 600)},
    };
    for (const auto& [at, size, shown] : fits)
        EXPECT_EQ(kestrow::fit_on_screens(at, size, {300, 200}, desks, kestrow::settings::dialog_width,
                                          kestrow::settings::dialog_height), shown) << at.x() << ' ' << size.width();
}
