#include "loader.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "bytes.h"
#include "clear_sync.h"
#include "held_line.h"

namespace kestrow {

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

void read_clear_keys(CatalogueData& state, std::string_view clear_text) {
    for (const auto line : text_lines(clear_text)) state.clear_keys.emplace_back(clear_key(line));
    std::stable_sort(state.clear_keys.begin(), state.clear_keys.end(),
                     [](const std::string& a, const std::string& b) { return collate_less(a, b); });
}

void read_data_file(CatalogueData& state, std::string_view data_text) {
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

LoadReport load_catalogue(Catalogue& state, const CatalogueFiles& files) {
    state = Catalogue{};
    LoadReport report;
    state.clear_file_path = files.clear_path;

    const TextFile& clear = files.clear;
    if (clear.status == ReadStatus::Unreadable) {
        state.clear_file_unreadable = true;
        report.notices.push_back({Message::ClearFileUnreadable, state.clear_file_path});
    }
    if (clear.decoded.replaced) report.notices.push_back({Message::ClearFileCharsReplaced, state.clear_file_path});
    read_clear_keys(state, clear.text());
    if (clear.status == ReadStatus::Ok) state.clear_file_seen = clear.bytes;

    const auto& data_path = files.data_path;
    const TextFile& data = files.data;
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
