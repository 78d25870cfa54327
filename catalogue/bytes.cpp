#include "bytes.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace kestrow {

std::size_t char_length(std::string_view s, std::size_t pos) {
    if (pos + 1 < s.size() && is_lead_byte(static_cast<unsigned char>(s[pos])) &&
        is_trail_byte(static_cast<unsigned char>(s[pos + 1])))
        return 2;
    return 1;
}

std::string_view left(std::string_view s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }

std::string_view mid(std::string_view s, std::size_t pos, std::size_t n) {
    if (pos >= s.size()) return {};
    return s.substr(pos, n);
}

std::string_view right(std::string_view s, std::size_t n) {
    return n >= s.size() ? s : s.substr(s.size() - n);
}

std::size_t find(std::string_view haystack, std::string_view needle) {
    if (needle.empty()) return 0;
    // Let the library's fast search propose candidates, then accept one only
    // when walking the characters from the last known boundary lands on it.
    std::size_t boundary = 0;
    std::size_t from = 0;
    while (true) {
        const std::size_t cand = haystack.find(needle, from);
        if (cand == npos) return npos;
        // A byte that cannot be a lead byte ends a character, whether it
        // stands alone or is the second byte of a pair, so the byte after it
        // starts one. Walk from the nearest such byte before the candidate
        // instead of from the start of a long line.
        for (std::size_t q = cand; q > boundary; --q) {
            if (!is_lead_byte(static_cast<unsigned char>(haystack[q - 1]))) {
                boundary = q;
                break;
            }
        }
        while (boundary < cand) boundary += char_length(haystack, boundary);
        if (boundary == cand) return cand;
        from = cand + 1;  // the candidate began on a trail byte
    }
}

bool contains(std::string_view haystack, std::string_view needle) { return find(haystack, needle) != npos; }

std::string replace_all(std::string_view s, std::string_view from, std::string_view to) {
    std::string out;
    if (from.empty()) return std::string(s);
    out.reserve(s.size());
    while (true) {
        const std::size_t p = find(s, from);
        if (p == npos) break;
        out.append(s.substr(0, p));
        out.append(to);
        s.remove_prefix(p + from.size());
    }
    out.append(s);
    return out;
}

int decimal_value(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {
unsigned char fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }
}  // namespace

bool collate_less(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t la = char_length(a, i);
        const std::size_t lb = char_length(b, j);
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[j]);
        if (la == 1) ca = fold(ca);
        if (lb == 1) cb = fold(cb);
        if (ca != cb) return ca < cb;
        if (la == 2 && lb == 2) {
            const auto ta = static_cast<unsigned char>(a[i + 1]);
            const auto tb = static_cast<unsigned char>(b[j + 1]);
            if (ta != tb) return ta < tb;
        } else if (la != lb) {
            return la < lb;
        }
        i += la;
        j += lb;
    }
    return (a.size() - i) < (b.size() - j);
}

}  // namespace kestrow
