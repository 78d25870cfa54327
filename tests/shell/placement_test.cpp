// The placement string, read and written without a window.

#include <gtest/gtest.h>

#include "placement.h"

using kestrow::keep_on_screens;
using kestrow::parse_placement;
using kestrow::WindowPlacement;

TEST(PlacementString, RoundTripsTenSignedNumbers) {
    for (const WindowPlacement& wp : {WindowPlacement{2, 3, -1, -1, -8, -8, 120, 80, 980, 700},
                                      WindowPlacement{INT_MIN, INT_MAX, 0, 0, 0, 0, INT_MIN, INT_MIN, INT_MAX, INT_MAX}})
        EXPECT_EQ(parse_placement(kestrow::format_placement(wp)), wp);
    EXPECT_EQ(kestrow::format_placement({2, 3, -1, -1, -8, -8, 120, 80, 980, 700}), "2:3:-1:-1:-8:-8:120:80:980:700");
    // The rectangle's right and bottom are exclusive; absurd ones neither overflow nor go negative.
    WindowPlacement wp;
    kestrow::set_normal_rect(wp, QRect(120, 80, 860, 620));
    EXPECT_EQ(wp.right, 980);
    EXPECT_EQ(kestrow::normal_rect(wp), QRect(120, 80, 860, 620));
    wp = {0, 1, 0, 0, 0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    EXPECT_TRUE(kestrow::normal_rect(wp).width() >= 0 && kestrow::normal_rect(wp).height() >= 0);
}

TEST(PlacementString, ReadsEachNumberAsPercentIDoes) {
    // Leading blanks, signs, hexadecimal and octal; text after the tenth number is ignored.
    EXPECT_EQ(parse_placement(" 0x2:+1: -1:\t-1:010:-0X1f:0:0:1:2 and more"),
              (WindowPlacement{2, 1, -1, -1, 8, -31, 0, 0, 1, 2}));
    const auto big = parse_placement("99999999999:-99999999999:0:0:0:0:0:0:0:0");
    ASSERT_TRUE(big);
    EXPECT_EQ(big->flags, INT_MAX);  // clamped, never wrapped
    EXPECT_EQ(big->show_cmd, INT_MIN);
    // "08" is the octal 0 followed by an 8, which is no separator.
    EXPECT_TRUE(parse_placement("0:1:-1:-1:-1:-1:1:2:3:08"));
    EXPECT_FALSE(parse_placement("0:1:-1:-1:-1:-1:1:2:08:4"));
    // A bare "0x" is the number 0 with its prefix consumed, as the C library reads it.
    EXPECT_EQ(parse_placement("0x:1:-1:-1:-1:-1:1:2:3:0x"), (WindowPlacement{0, 1, -1, -1, -1, -1, 1, 2, 3, 0}));
}

TEST(PlacementString, RejectsAnythingButTenNumbers) {
    for (const char* text : {"", "0:1:-1:-1:-1:-1:120:80:980", "0:1:-1:-1:-1:-1:120:80:980:",
                             "0,1,-1,-1,-1,-1,120,80,980,700", "0:1:-1:-1:x:-1:120:80:980:700",
                             "0:1:-1:-1:-:-1:120:80:980:700", "0 :1:-1:-1:-1:-1:120:80:980:700",
                             "0:1:-1:-1:-1:-1:120:80:980:+"})
        EXPECT_FALSE(parse_placement(text)) << text;
}

TEST(PlacementString, MapsShowCommandsToWindowStates) {
    using kestrow::ShowState;
    for (int cmd : {2, 6, 7, 11}) EXPECT_EQ(kestrow::show_state(cmd), ShowState::Minimized) << cmd;
    EXPECT_EQ(kestrow::show_state(3), ShowState::Maximized);
    for (int cmd : {-1, 0, 1, 4, 5, 8, 9, 10, 12}) EXPECT_EQ(kestrow::show_state(cmd), ShowState::Normal) << cmd;
}

TEST(KeepOnScreens, MovesOnlyAWindowThatNoScreenShows) {
    const QList<QRect> screens{QRect(0, 0, 1280, 800), QRect(1280, 0, 1920, 1080)};
    // Partly visible: used as stored.
    EXPECT_EQ(keep_on_screens(QRect(-300, -20, 400, 300), screens), QRect(-300, -20, 400, 300));
    EXPECT_EQ(keep_on_screens(QRect(3100, 1000, 400, 300), screens), QRect(3100, 1000, 400, 300));
    // Off every screen: onto the nearest, as far in as the size allows.
    EXPECT_EQ(keep_on_screens(QRect(5000, 100, 400, 300), screens), QRect(2800, 100, 400, 300));
    EXPECT_EQ(keep_on_screens(QRect(100, -2000, 400, 300), screens), QRect(100, 0, 400, 300));
    EXPECT_EQ(keep_on_screens(QRect(200, 900, 400, 300), screens), QRect(200, 500, 400, 300));
    EXPECT_EQ(keep_on_screens(QRect(-5000, -5000, 2000, 900), screens), QRect(0, 0, 2000, 900));
    EXPECT_EQ(keep_on_screens(QRect(-5000, 0, 10, 10), {}), QRect(-5000, 0, 10, 10));
}
