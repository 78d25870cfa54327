#include "dialog_units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <cstdint>

#include "platform/text.h"

namespace kestrow {

namespace {
// Debian's fonts-ipafont-gothic; same advance widths for the kana, kanji and
// ASCII that the dialogs use.
constexpr const char* substitute_family = "IPAPGothic";
}  // namespace

BaseUnits base_units(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

int mul_div(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = (c < 0 ? -c : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int du_to_px_x(int du, BaseUnits base) { return mul_div(du, base.x, 4); }
int du_to_px_y(int du, BaseUnits base) { return mul_div(du, base.y, 8); }

QRect du_to_px(res::DlgRect r, BaseUnits base) {
    return {du_to_px_x(r.x, base), du_to_px_y(r.y, base), du_to_px_x(r.width, base), du_to_px_y(r.height, base)};
}

QFont dialog_font(std::string_view family, int points) {
    QFont font(utf8(family));
    font.setPointSize(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QFont dialog_font_within(std::string_view family, int points, BaseUnits drawn_for) {
    QFont font = dialog_font(family, points);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    for (int pixels = mul_div(points, dpi, 72); pixels > 1; --pixels) {
        font.setPointSizeF(pixels * 72.0 / dpi);
        const BaseUnits base = base_units(font);
        if (base.x <= drawn_for.x && base.y <= drawn_for.y) break;
    }
    return font;
}

void install_font_substitutes() {
    const auto family = res::form_font;
    QFont::insertSubstitution(utf8(family),
                              QString::fromLatin1(substitute_family));
}

}  // namespace kestrow
