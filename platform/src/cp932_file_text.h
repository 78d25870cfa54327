#pragma once
// Turning the text of a file an editor saved as UTF-8 or UTF-16 into code page
// 932. Plain C++, no Qt: the codec calls it with Qt's converter, and on
// Windows with the system's, which the Windows check tests on its own.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kestrow::cp932 {

// Code points of the JIS mapping and the Windows mapping's for the same
// character. Editors that follow the JIS mapping write the first; code page
// 932 can hold only the second.
inline constexpr std::pair<char16_t, char16_t> jis_to_windows[] = {
    {u'\u301C', u'\uFF5E'}, {u'\u2016', u'\u2225'}, {u'\u2212', u'\uFF0D'}, {u'\u00A2', u'\uFFE0'},
    {u'\u00A3', u'\uFFE1'}, {u'\u00AC', u'\uFFE2'}, {u'\u2014', u'\u2015'},
};

constexpr char16_t windows_form(char16_t c) {
    for (const auto& [jis, windows] : jis_to_windows)
        if (c == jis) return windows;
    return c;
}

inline constexpr std::string_view geta = "\x81\xAC";  // 〓

// text in code page 932, through encode (std::optional<std::string> of a
// std::u16string_view, nothing when something has no encoding). JIS forms are
// taken as the Windows ones; any other character that has no encoding becomes
// 〓 and sets replaced.
template <class Encode>
std::string encode_file_text(std::u16string text, const Encode& encode, bool& replaced) {
    for (char16_t& c : text) c = windows_form(c);
    if (auto whole = encode(std::u16string_view(text))) return std::move(*whole);
    // Something has no encoding: find it line by line, character by character.
    const std::u16string_view all(text);
    std::string out;
    out.reserve(all.size());
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(all.find(u'\n', start), all.size());
        const std::u16string_view line = all.substr(start, end - start);
        if (auto bytes = encode(line)) {
            out.append(*bytes);
        } else {
            for (std::size_t i = 0; i < line.size();) {
                const bool pair = line[i] >= 0xD800 && line[i] < 0xDC00 && i + 1 < line.size() &&
                                  line[i + 1] >= 0xDC00 && line[i + 1] < 0xE000;
                const std::size_t length = pair ? 2 : 1;
                if (auto c = encode(line.substr(i, length))) {
                    out.append(*c);
                } else {
                    out.append(geta);
                    replaced = true;
                }
                i += length;
            }
        }
        if (end == all.size()) break;
        out.push_back('\n');
        start = end + 1;
    }
    return out;
}

}  // namespace kestrow::cp932
