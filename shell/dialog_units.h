#pragma once
// Dialog units: the layouts give sizes in units of the dialog font, a quarter
// of its average character width across and an eighth of its height down, so
// that a dialog grows with its font as it did on Windows.

#include <QFont>
#include <QRect>
#include <QSize>
#include <string_view>

#include "resources.h"

namespace kestrow {

struct BaseUnits {
    int x = 0;  // average character width in pixels
    int y = 0;  // character height in pixels
};

// The base units that Windows derived from a dialog font: the width of the 52
// letters A-Z a-z halved with rounding over 26, and the font's full height.
BaseUnits base_units(const QFont& font);

// a * b / c rounded to the nearest integer, halves away from zero, with a
// 64-bit intermediate (the rounding of MulDiv).
int mul_div(int a, int b, int c);

int du_to_px_x(int du, BaseUnits base);
int du_to_px_y(int du, BaseUnits base);
QRect du_to_px(res::DlgRect r, BaseUnits base);

// A dialog's font at its point size. The family is the one the layouts were
// drawn with; where it is missing, the metric-compatible substitute that
// install_font_substitutes() names is used.
QFont dialog_font(std::string_view family, int points);

// The same font sized in whole pixels as Windows sized it, then made a pixel
// smaller at a time while its base units exceed `drawn_for`. A layout whose
// pixel offsets were measured against the original font keeps fitting its
// template where the substitute runs larger at the same size.
QFont dialog_font_within(std::string_view family, int points, BaseUnits drawn_for);

// Registers the substitute for the dialog font family. Call once at start-up,
// before any widget is created.
void install_font_substitutes();

}  // namespace kestrow
