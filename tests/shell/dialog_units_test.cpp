// Dialog units and the dialog font.

#include <gtest/gtest.h>

#include "dialog_units.h"

TEST(DialogUnits, ConvertWithMulDivRoundingFromTheSubstitutedFont) {
    // Halves round away from zero; the product may exceed the int range.
    EXPECT_EQ(kestrow::mul_div(7, 6, 4), 11);
    EXPECT_EQ(kestrow::mul_div(-7, 6, 4), -11);
    EXPECT_EQ(kestrow::mul_div(1, 1, 0), -1);
    EXPECT_EQ(kestrow::mul_div(2'000'000'000, 4, 8), 1'000'000'000);
    EXPECT_EQ(kestrow::du_to_px({7, 7, 106, 159}, {6, 12}), QRect(11, 11, 159, 239));
    const QFont font = kestrow::dialog_font(kestrow::res::form_font, kestrow::res::form_font_points);
    // A 9-point Japanese proportional font: letters 5 to 8 pixels wide on
    // average, 11 to 16 high at 96 dots per inch.
    const kestrow::BaseUnits base = kestrow::base_units(font);
    EXPECT_TRUE(base.x >= 5 && base.x <= 8 && base.y >= 11 && base.y <= 16) << base.x << " x " << base.y;
}
