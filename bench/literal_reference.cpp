#include "literal_reference.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace kestrow::bench::literal {

namespace {

constexpr std::size_t npos = std::string::npos;

constexpr std::string_view job = "\x83\x57\x83\x87\x83\x75";  // ジョブ
constexpr std::string_view once_only = "\x81\x7E";            // ×
constexpr std::string_view repeatable = "\x81\x9B";           // ○
constexpr std::string_view search_open = "\x8C\x9F\x8D\xF5\x8C\x8B\x89\xCA\x81\x75";  // 検索結果「
constexpr std::string_view search_close = "\x81\x76";                                  // 」

bool lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool trail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

std::size_t char_len(std::string_view s, std::size_t i) {
    return i + 1 < s.size() && lead(static_cast<unsigned char>(s[i])) && trail(static_cast<unsigned char>(s[i + 1]))
               ? 2
               : 1;
}

// Find as a multibyte string library does it: try the needle at every
// character boundary, walking one character at a time from the start.
std::size_t find(std::string_view hay, std::string_view needle) {
    if (needle.empty()) return 0;
    for (std::size_t i = 0; i + needle.size() <= hay.size(); i += char_len(hay, i))
        if (hay.compare(i, needle.size(), needle) == 0) return i;
    return npos;
}

// Left, Mid and Right return new strings, as the string class did.
std::string left(std::string_view s, std::size_t n) { return std::string(s.substr(0, std::min(n, s.size()))); }
std::string mid(std::string_view s, std::size_t p, std::size_t n) {
    return p >= s.size() ? std::string() : std::string(s.substr(p, n));
}
std::string mid(std::string_view s, std::size_t p) { return p >= s.size() ? std::string() : std::string(s.substr(p)); }
std::string right(std::string_view s, std::size_t n) { return n >= s.size() ? std::string(s) : std::string(s.substr(s.size() - n)); }

std::string replace(std::string_view s, std::string_view from, std::string_view to) {
    std::string out;
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

int atoi_clamped(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    long long v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) v = std::min<long long>(v * 10 + (s[i] - '0'), 1LL << 32);
    v = neg ? -v : v;
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// The sorted list's order: bytes compared with ASCII letters folded.
bool less_nocase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

// Adding a string to a sorted list box: find its place, insert it there.
void add_sorted(std::vector<std::string>& list, std::string s) {
    const auto at = std::upper_bound(list.begin(), list.end(), s, less_nocase);
    list.insert(at, std::move(s));
}

// fgets on a stream opened in text mode: CR LF arrives as LF, Ctrl-Z ends
// the file, and one read takes at most size - 1 bytes, ending after a LF.
class TextFile {
public:
    explicit TextFile(std::string_view bytes) : bytes_(bytes) {}

    bool gets(std::string& buffer, std::size_t size) {
        buffer.clear();
        while (buffer.size() + 1 < size) {
            if (pos_ >= bytes_.size()) break;
            char c = bytes_[pos_++];
            if (c == '\x1A') {
                pos_ = bytes_.size();
                break;
            }
            if (c == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') c = bytes_[pos_++];
            buffer.push_back(c);
            if (c == '\n') break;
        }
        return !buffer.empty();
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// The buffer as a C string: a NUL byte ends it.
std::string c_string(const std::string& buffer) { return std::string(buffer.c_str()); }

int tag_icon(std::string_view name, bool cleared) {
    int tag = 0;  // 0 none, 1 WS, 2 AF, 3 ENM
    if (left(name, 1) == "[") {
        if (mid(name, 3, 2) == "AF")
            tag = 2;
        else if (mid(name, 1, 2) == "WS")
            tag = 1;
        else if (mid(name, 1, 3) == "ENM")
            tag = 3;
    }
    static constexpr int cleared_icon[] = {0, 5, 6, 7};
    static constexpr int open_icon[] = {1, 2, 3, 4};
    return cleared ? cleared_icon[tag] : open_icon[tag];
}

void build_rows(State& state, const std::vector<std::string>& lines) {
    state.rows.clear();
    state.shown_lines.clear();
    for (const auto& line : lines) {
        state.shown_lines.push_back(line);
        // The cells show the quest's own line, without the "," and flag that
        // loading appended, padded so that a field it lacks is empty. The
        // icon reads the flag.
        const std::string data = left(line, line.size() - 2) + ",,,,,,";
        Row row;
        const std::string name = field(data, 2);
        row.text[0] = " " + name;
        for (int c = 1; c <= 4; ++c) row.text[static_cast<std::size_t>(c)] = field(data, c + 2);
        row.text[5] = std::string(field(data, 7) == "0" ? once_only : repeatable);
        row.text[6] = area_name(state, atoi_clamped(left(field(data, 1), 2)));
        row.icon = tag_icon(name, right(line, 1) != "0");
        state.rows.push_back(std::move(row));
    }
}

}  // namespace

std::string field(std::string_view line, int n) {
    std::string copy(line);
    for (int i = 1; i < n; ++i) {
        const std::size_t p = find(copy, ",");
        if (p == npos) break;
        copy = mid(copy, p + 1);
    }
    const std::size_t p = find(copy, ",");
    const std::string result = p != npos ? left(copy, p) : copy;
    return replace(result, "<BR>", "\r\n");
}

void load(State& state, std::string_view clear_bytes, std::string_view data_bytes) {
    std::string buffer;
    TextFile clear(clear_bytes);
    while (clear.gets(buffer, 1024)) {
        std::string line = c_string(buffer);
        const std::size_t lf = find(line, "\n");
        if (lf == npos) continue;
        line = left(line, lf);
        add_sorted(state.clear_keys, field(line, 1));
    }

    TextFile data(data_bytes);
    while (data.gets(buffer, 8192)) {
        std::string line = c_string(buffer);
        const std::size_t lf = find(line, "\n");
        if (lf == npos || lf == 0) continue;
        line = left(line, lf);
        if (line[0] == '0') {
            state.area_lines.push_back(line);
            continue;
        }
        const std::string key = field(line, 1);
        // Every key is looked at, even after a match.
        std::size_t matches = 0;
        for (const auto& k : state.clear_keys) matches += k == key ? 1 : 0;
        line += matches != 0 ? ",1" : ",0";
        state.quest_lines.push_back(line);
    }
}

void fill_category_chooser(State& state) {
    state.area_list.clear();
    for (const auto& line : state.area_lines) add_sorted(state.area_list, line);
    for (const auto& line : state.area_list) {
        const int code = atoi_clamped(field(line, 1));
        state.chooser.push_back({field(line, 2), code});
    }
}

std::string area_name(const State& state, int a) {
    std::string result;
    for (const auto& entry : state.area_list)
        if (atoi_clamped(mid(entry, 1, 2)) == a) result = field(entry, 2);
    return result;
}

void apply_filter(State& state) {
    const int code = state.selected >= 0 ? state.chooser[static_cast<std::size_t>(state.selected)].code : -1;
    const std::string prefix = left(std::to_string(code), 2);
    std::vector<std::string> result;
    if (prefix[0] != '9') {
        for (const auto& line : state.quest_lines)
            if (left(line, 2) == prefix) result.push_back(line);
    } else {
        const std::string wanted = code == 91000 ? "1" : code == 92000 ? "0" : "";
        if (!wanted.empty())
            for (const auto& line : state.quest_lines)
                if (right(line, 1) == wanted && left(field(line, 2), 1) != "[") result.push_back(line);
        for (const auto& line : state.quest_lines) {
            bool take = false;
            switch (code) {
                case 93000: take = mid(field(line, 2), 3, 6) == job; break;
                case 94000: take = mid(field(line, 2), 3, 2) == "AF"; break;
                case 95000: take = mid(field(line, 2), 1, 2) == "WS"; break;
                case 96000: take = mid(field(line, 2), 1, 3) == "ENM"; break;
                case 99000: take = !state.search_text.empty() && find(line, state.search_text) != npos; break;
                default: break;
            }
            if (take) result.push_back(line);
        }
    }
    build_rows(state, result);
}

void select_entry(State& state, int index) {
    state.selected = index;
    apply_filter(state);
}

int update_clear_state(State& state, std::string_view code, int loaded_cleared, int new_state, int selected_row) {
    if (new_state == loaded_cleared) return selected_row;
    const std::string flag = new_state != 0 ? "1" : "0";
    for (auto& line : state.quest_lines)
        if (field(line, 1) == code) line = left(line, line.size() - 1) + flag;
    apply_filter(state);
    const int n = static_cast<int>(state.rows.size());
    if (selected_row < 0 || n == 0) return -1;
    return selected_row > n - 1 ? n - 1 : selected_row;
}

std::string save(State& state) {
    state.clear_keys.clear();
    for (const auto& line : state.quest_lines)
        if (right(line, 1) == "1") add_sorted(state.clear_keys, field(line, 1));
    std::string file;
    for (const auto& key : state.clear_keys) {
        file += key;
        file += "\r\n";
    }
    return file;
}

std::string copy(const State& state) {
    std::string text;
    for (const auto& line : state.shown_lines) {
        text += line;
        text += "\r\n";
    }
    for (std::size_t i = 0; i < text.size(); i += char_len(text, i))
        if (text[i] == ',') text[i] = '\t';
    if (text.empty()) return {};
    std::string block(text.size() + 1, '\0');
    std::memcpy(block.data(), text.c_str(), text.size() + 1);
    return block;
}

void find(State& state, std::string_view text) {
    if (text.empty()) return;
    state.search_text = std::string(text);
    for (std::size_t i = 0; i < state.chooser.size(); ++i) {
        if (state.chooser[i].code != 99000) continue;
        state.chooser[i].text = std::string(search_open) + state.search_text + std::string(search_close);
        select_entry(state, static_cast<int>(i));
        return;
    }
}

}  // namespace kestrow::bench::literal
