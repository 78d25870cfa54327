// Dialog units and the dialog font.

#include <gtest/gtest.h>

#include <QFontInfo>

#include "dialog_units.h"
#include "resources.h"

using kestrow::BaseUnits;

TEST(DialogUnits, ConvertWithTheRoundingOfMulDiv) {
    EXPECT_EQ(kestrow::mul_div(7, 6, 4), 11);   // 10.5 rounds up
    EXPECT_EQ(kestrow::mul_div(-7, 6, 4), -11); // and away from zero
    EXPECT_EQ(kestrow::mul_div(5, 6, 4), 8);    // 7.5
    EXPECT_EQ(kestrow::mul_div(3, 5, 4), 4);    // 3.75
    EXPECT_EQ(kestrow::mul_div(3, 5, 8), 2);    // 1.875
    EXPECT_EQ(kestrow::mul_div(1, 1, 0), -1);
    EXPECT_EQ(kestrow::mul_div(2'000'000'000, 4, 8), 1'000'000'000);  // no overflow in between
    const BaseUnits base{6, 12};
    EXPECT_EQ(kestrow::du_to_px({7, 7, 106, 159}, base), QRect(11, 11, 159, 239));
    EXPECT_EQ(kestrow::du_to_px({0, 0, 120, 29}, base), QRect(0, 0, 180, 44));
}

TEST(DialogUnits, TheDialogFontIsSubstitutedAndGivesPlausibleBaseUnits) {
    const QFont font = kestrow::dialog_font(kestrow::res::form_font, kestrow::res::form_font_points);
    EXPECT_EQ(font.pointSize(), 9);
#ifndef Q_OS_WIN
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
#endif
    // A 9-point Japanese proportional font: letters 5 to 8 pixels wide on
    // average, 11 to 16 high at 96 dots per inch.
    const BaseUnits base = kestrow::base_units(font);
    EXPECT_GE(base.x, 5);
    EXPECT_LE(base.x, 8);
    EXPECT_GE(base.y, 11);
    EXPECT_LE(base.y, 16);
}
