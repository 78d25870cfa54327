#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>

namespace kestrow {

namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Reads one "%i" number at pos; advances pos past it. Values beyond the int
// range are clamped.
std::optional<int> scan_integer(std::string_view s, std::size_t& pos) {
    while (pos < s.size() && is_space(s[pos])) ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    int base = 10;
    std::size_t digits_from = pos;
    if (pos < s.size() && s[pos] == '0') {
        base = 8;
        if (pos + 1 < s.size() && (s[pos + 1] == 'x' || s[pos + 1] == 'X')) {
            pos += 2;
            // "0x" without a hexadecimal digit reads as the number 0, the
            // prefix consumed, as the C library does.
            if (pos >= s.size() || digit_value(s[pos]) >= 16) return 0;
            base = 16;
        }
        digits_from = pos;
    }
    std::int64_t value = 0;
    while (pos < s.size() && digit_value(s[pos]) < base) {
        value = std::min<std::int64_t>(value * base + digit_value(s[pos]), std::int64_t{INT_MAX} + 1);
        ++pos;
    }
    if (pos == digits_from) return std::nullopt;
    if (negative) value = -value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

// No screen reaches this far, and Qt's rectangles would overflow beyond it.
constexpr int reach = 1 << 24;
int coordinate(int v) { return std::clamp(v, -reach, reach); }

}  // namespace

std::optional<WindowPlacement> parse_placement(std::string_view text) {
    std::array<int, 10> v{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ':') return std::nullopt;
            ++pos;
        }
        const auto n = scan_integer(text, pos);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    return WindowPlacement{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]};
}

std::string format_placement(const WindowPlacement& p) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", p.flags, p.show_cmd, p.min_x, p.min_y,
                  p.max_x, p.max_y, p.left, p.top, p.right, p.bottom);
    return buffer;
}

ShowState show_state(int show_cmd) {
    switch (show_cmd) {
        case 2:   // show minimised
        case 6:   // minimise
        case 7:   // show minimised, not active
        case 11:  // force minimise
            return ShowState::Minimized;
        case 3: return ShowState::Maximized;
        default: return ShowState::Normal;
    }
}

QRect normal_rect(const WindowPlacement& p) {
    const int left = coordinate(p.left), top = coordinate(p.top);
    return QRect(left, top, std::max(coordinate(p.right) - left, 0), std::max(coordinate(p.bottom) - top, 0));
}

void set_normal_rect(WindowPlacement& p, const QRect& rect) {
    p.left = rect.x();
    p.top = rect.y();
    p.right = rect.x() + rect.width();
    p.bottom = rect.y() + rect.height();
}

QRect keep_on_screens(const QRect& rect, const QList<QRect>& screens) {
    if (screens.isEmpty()) return rect;
    const QRect probe(rect.topLeft(), QSize(std::max(rect.width(), 1), std::max(rect.height(), 1)));
    for (const auto& screen : screens)
        if (screen.intersects(probe)) return rect;

    auto gap = [](int a_from, int a_to, int b_from, int b_to) -> std::int64_t {
        if (a_to < b_from) return std::int64_t{b_from} - a_to;
        if (b_to < a_from) return std::int64_t{a_from} - b_to;
        return 0;
    };
    const QRect* nearest = nullptr;
    std::int64_t best = INT64_MAX;
    for (const auto& screen : screens) {
        const std::int64_t dx = gap(probe.left(), probe.right(), screen.left(), screen.right());
        const std::int64_t dy = gap(probe.top(), probe.bottom(), screen.top(), screen.bottom());
        const std::int64_t d = dx * dx + dy * dy;
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    auto place = [](int from, int size, int screen_from, int screen_size) {
        const int last = screen_from + screen_size - size;
        return size >= screen_size ? screen_from : std::clamp(from, screen_from, last);
    };
    return QRect(place(rect.x(), rect.width(), nearest->x(), nearest->width()),
                 place(rect.y(), rect.height(), nearest->y(), nearest->height()), rect.width(), rect.height());
}

QRect fit_on_screens(QPoint top_left, QSize size, QSize form, const QList<QRect>& screens,
                     const settings::Setting& width, const settings::Setting& height) {
    auto fit = [&](QPoint at, QSize stored) {
        QRect area(0, 0, reach, reach);
        if (!screens.isEmpty()) {
            const auto at_corner = std::find_if(screens.begin(), screens.end(),
                                                [&](const QRect& screen) { return screen.contains(at); });
            area = at_corner == screens.end() ? screens.front() : *at_corner;
        }
        const int w = settings::clamp(width, stored.width(), {std::max(form.width(), 0), area.width()});
        const int h = settings::clamp(height, stored.height(), {std::max(form.height(), 0), area.height()});
        auto within = [](int from, int stored_size, int fitted, int area_from, int area_size) {
            if (fitted >= stored_size) return from;
            return std::max(std::min(from, area_from + area_size - fitted), area_from);
        };
        return QRect(within(at.x(), stored.width(), w, area.x(), area.width()),
                     within(at.y(), stored.height(), h, area.y(), area.height()), w, h);
    };
    const QRect fitted = fit(QPoint(coordinate(top_left.x()), coordinate(top_left.y())), size);
    // Moved onto another screen, it may be too large for that one.
    const QRect kept = keep_on_screens(fitted, screens);
    return kept == fitted ? fitted : fit(kept.topLeft(), kept.size());
}

QList<QRect> available_screen_rects() {
    QList<QRect> rects;
    for (const QScreen* screen : QGuiApplication::screens()) rects.append(screen->availableGeometry());
    return rects;
}

}  // namespace kestrow
