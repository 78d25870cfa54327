#include "loader.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_set>

#include "bytes.h"
#include "held_line.h"

namespace kestrow {

namespace {

enum class ReadStatus { Ok, Missing, Unreadable };

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

FileBytes read_whole_file(const std::filesystem::path& path) {
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(st)) {
        // A path that cannot even be examined (say, a parent that is not a
        // folder) counts as missing only when the system says it is absent.
        if (!ec || ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory)
            return {ReadStatus::Missing, {}};
        return {ReadStatus::Unreadable, {}};
    }
    if (std::filesystem::is_directory(st)) return {ReadStatus::Unreadable, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {ReadStatus::Unreadable, {}};
    FileBytes out{ReadStatus::Ok, {}};
    // Growing the string step by step copies a large catalogue several times
    // and touches fresh memory at every step, which costs more than the
    // reading itself. The size is only a hint: the loop reads to the real end.
    std::error_code size_ec;
    const auto size = std::filesystem::file_size(path, size_ec);
    if (!size_ec) out.bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        out.bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (in.eof()) break;
    }
    if (in.bad()) return {ReadStatus::Unreadable, {}};
    return out;
}

void compute_kept_keys(Catalogue& state) {
    std::unordered_set<std::string_view> carried;
    carried.reserve(state.quest_lines.size());
    for (const auto& line : state.quest_lines) carried.insert(clear_key(line));
    state.kept_keys.clear();
    for (const auto& key : state.clear_keys)
        if (!key.empty() && !carried.contains(key)) state.kept_keys.push_back(key);
}

}  // namespace

std::vector<std::string_view> text_lines(std::string_view bytes) {
    const std::size_t eof = bytes.find('\x1A');
    if (eof != npos) bytes = bytes.substr(0, eof);
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == npos ? bytes.size() : lf + 1);
        if (!line.empty() && line.back() == '\r' && lf != npos) line.remove_suffix(1);
        if (line.find('\0') != npos) continue;
        lines.push_back(line);
    }
    return lines;
}

void read_clear_keys(Catalogue& state, std::string_view clear_bytes) {
    for (const auto line : text_lines(clear_bytes)) state.clear_keys.emplace_back(clear_key(line));
    std::stable_sort(state.clear_keys.begin(), state.clear_keys.end(),
                     [](const std::string& a, const std::string& b) { return collate_less(a, b); });
}

void read_data_file(Catalogue& state, std::string_view data_bytes) {
    std::unordered_set<std::string_view> cleared(state.clear_keys.begin(), state.clear_keys.end());
    for (const auto line : text_lines(data_bytes)) {
        if (line.empty()) continue;
        if (line.front() == '0') {
            state.area_lines.emplace_back(line);
            continue;
        }
        state.quest_lines.push_back(make_held_line(line, cleared.contains(clear_key(line))));
    }
    compute_kept_keys(state);
}

LoadReport load_catalogue(Catalogue& state, const std::filesystem::path& dir) {
    state = Catalogue{};
    LoadReport report;
    state.clear_file_path = dir / clear_file_name;

    const FileBytes clear = read_whole_file(state.clear_file_path);
    if (clear.status == ReadStatus::Unreadable) {
        state.clear_file_unreadable = true;
        report.notices.push_back({Message::ClearFileUnreadable, state.clear_file_path});
    }
    read_clear_keys(state, clear.bytes);

    const auto data_path = dir / data_file_name;
    const FileBytes data = read_whole_file(data_path);
    if (data.status != ReadStatus::Ok) {
        report.notices.push_back(
            {data.status == ReadStatus::Missing ? Message::DataFileMissing : Message::DataFileUnreadable, data_path});
        compute_kept_keys(state);
        return report;
    }
    read_data_file(state, data.bytes);
    report.data_loaded = true;
    return report;
}

}  // namespace kestrow
