#include "loader.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <system_error>
#include <unordered_set>

#include "bytes.h"
#include "clear_sync.h"
#include "held_line.h"

namespace kestrow {

namespace {

std::string read_regular_file(const std::filesystem::path& path, std::uintmax_t size, bool& ok) {
    std::string bytes;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ok = false, bytes;
    // Growing the string step by step copies a large catalogue several times
    // and touches fresh memory at every step, which costs more than the
    // reading itself. The size is only a hint: the loop reads to the real
    // end, but never past the limit, should the file grow meanwhile.
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > largest_file) return ok = false, bytes;
        if (in.eof()) break;
    }
    ok = !in.bad();
    return bytes;
}

}  // namespace

TextFile read_text_file(const std::filesystem::path& path, FileKind kind, const Cp932Converter& converter) {
    TextFile file;
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(st)) {
        // A path that cannot even be examined (say, a parent that is not a
        // folder) counts as missing only when the system says it is absent.
        const bool absent = !ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory;
        file.status = absent ? ReadStatus::Missing : ReadStatus::Unreadable;
        return file;
    }
    file.status = ReadStatus::Unreadable;
    if (!std::filesystem::is_regular_file(st)) return file;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > largest_file) return file;
    bool ok = false;
    file.bytes = read_regular_file(path, size, ok);
    if (!ok) {
        file.bytes.clear();
        return file;
    }
    file.status = ReadStatus::Ok;
    file.decoded = decode_file_text(file.bytes, kind, converter);
    return file;
}

std::vector<std::string_view> text_lines(std::string_view bytes) {
    const std::size_t eof = bytes.find('\x1A');
    if (eof != npos) bytes = bytes.substr(0, eof);
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == npos ? bytes.size() : lf + 1);
        if (!line.empty() && line.back() == '\r' && lf != npos) line.remove_suffix(1);
        lines.push_back(line.substr(0, line.find('\0')));
    }
    return lines;
}

void read_clear_keys(Catalogue& state, std::string_view clear_text) {
    for (const auto line : text_lines(clear_text)) state.clear_keys.emplace_back(clear_key(line));
    std::stable_sort(state.clear_keys.begin(), state.clear_keys.end(),
                     [](const std::string& a, const std::string& b) { return collate_less(a, b); });
}

void read_data_file(Catalogue& state, std::string_view data_text) {
    std::unordered_set<std::string_view> cleared(state.clear_keys.begin(), state.clear_keys.end());
    for (const auto line : text_lines(data_text)) {
        if (line.empty()) continue;
        if (line.front() == '0') {
            state.area_lines.emplace_back(line);
            continue;
        }
        state.quest_lines.push_back(make_held_line(line, cleared.contains(clear_key(line))));
    }
    keep_uncarried_keys(state);
    mark_synced(state);
}

LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir, const Cp932Converter& converter) {
    state = Catalogue{};
    LoadReport report;
    state.clear_file_path = dir / clear_file_name;

    const TextFile clear = read_text_file(state.clear_file_path, FileKind::Clear, converter);
    if (clear.status == ReadStatus::Unreadable) {
        state.clear_file_unreadable = true;
        report.notices.push_back({Message::ClearFileUnreadable, state.clear_file_path});
    }
    if (clear.decoded.replaced) report.notices.push_back({Message::ClearFileCharsReplaced, state.clear_file_path});
    read_clear_keys(state, clear.text());
    if (clear.status == ReadStatus::Ok) state.clear_file_seen = clear.bytes;

    const auto data_path = dir / data_file_name;
    const TextFile data = read_text_file(data_path, FileKind::Data, converter);
    if (data.status != ReadStatus::Ok) {
        report.notices.push_back(
            {data.status == ReadStatus::Missing ? Message::DataFileMissing : Message::DataFileUnreadable, data_path});
        keep_uncarried_keys(state);
        return report;
    }
    if (data.decoded.replaced) report.notices.push_back({Message::DataFileCharsReplaced, data_path});
    read_data_file(state, data.text());
    report.data_loaded = true;
    return report;
}

}  // namespace kestrow
