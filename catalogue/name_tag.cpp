#include "name_tag.h"

#include <algorithm>

#include "bytes.h"
#include "cp932_text.h"
#include "field.h"

namespace kestrow {

namespace {

// Mid(pos, text.size()) == text, without a library call for a few bytes.
bool bytes_at(std::string_view name, std::size_t pos, std::string_view text) {
    if (name.size() < pos + text.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (name[pos + i] != text[i]) return false;
    return true;
}

}  // namespace

std::string_view stored_name(std::string_view line) { return raw_field(line, 2); }

std::string name_head(std::string_view line) { return name_head_of(stored_name(line)); }

std::string name_head_of(std::string_view name) {
    // Each marker before byte 12 shortens the text by two bytes, and at most
    // three fit there, so 24 stored bytes always cover the first twelve.
    const std::string_view stored = left(name, 24);
    if (stored.find('<') == npos) return std::string(left(stored, 12));
    std::string head = replace_all(stored, cp932::line_break_marker, cp932::crlf);
    head.resize(std::min<std::size_t>(head.size(), 12));
    return head;
}

Tag quest_tag(std::string_view name) {
    if (!name.starts_with('[')) return Tag::None;
    if (bytes_at(name, 3, "AF")) return Tag::AF;
    if (bytes_at(name, 1, "WS")) return Tag::WS;
    if (bytes_at(name, 1, "ENM")) return Tag::ENM;
    return Tag::None;
}

unsigned tag_categories(std::string_view name) {
    unsigned bits = 0;
    if (bytes_at(name, 3, cp932::job)) bits |= tag_bit::job;
    if (bytes_at(name, 3, "AF")) bits |= tag_bit::af;
    if (bytes_at(name, 1, "WS")) bits |= tag_bit::ws;
    if (bytes_at(name, 1, "ENM")) bits |= tag_bit::enm;
    return bits;
}

}  // namespace kestrow
