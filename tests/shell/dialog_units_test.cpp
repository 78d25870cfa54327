// Dialog units and the dialog font.

#include <gtest/gtest.h>

#include <QFontInfo>

#include "dialog_units.h"

TEST(DialogUnits, ConvertWithMulDivRoundingAndTheFontIsTheSubstitute) {
    // Halves round away from zero; the product may exceed the int range.
    EXPECT_EQ(kestrow::mul_div(7, 6, 4), 11);
    EXPECT_EQ(kestrow::mul_div(-7, 6, 4), -11);
    EXPECT_EQ(kestrow::mul_div(1, 1, 0), -1);
    EXPECT_EQ(kestrow::mul_div(2'000'000'000, 4, 8), 1'000'000'000);
    EXPECT_EQ(kestrow::du_to_px({7, 7, 106, 159}, {6, 12}), QRect(11, 11, 159, 239));
#ifndef Q_OS_WIN
    // The form's font resolves to the family installed in its place.
    const QFont font = kestrow::dialog_font(kestrow::res::form_font, kestrow::res::form_font_points);
    EXPECT_EQ(QFontInfo(font).family().toLower(), QFont::substitute(font.family()).toLower());
#endif
}
