#include "platform/clear_history.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace kestrow {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view prefix = "ClrList-";
constexpr std::string_view suffix = ".txt";
// How a version's name spells the moment it was kept.
const QString stamp_format = QStringLiteral("yyyyMMdd-HHmmss");

// "YYYYMMDD-HHMMSS" and the number of a second version in the same second
// (1 for the first), from a version's file name.
struct VersionName {
    std::string stamp;
    int number = 1;
    auto operator<=>(const VersionName&) const = default;
};

bool all_digits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<VersionName> parse_name(std::string_view name) {
    if (!name.starts_with(prefix) || !name.ends_with(suffix)) return std::nullopt;
    name = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (name.size() < 15 || !all_digits(name.substr(0, 8)) || name[8] != '-' || !all_digits(name.substr(9, 6)))
        return std::nullopt;
    VersionName version{std::string(name.substr(0, 15)), 1};
    const std::string_view rest = name.substr(15);
    if (rest.empty()) return version;
    if (rest.size() > 5 || rest[0] != '-' || !all_digits(rest.substr(1))) return std::nullopt;
    version.number = std::stoi(std::string(rest.substr(1)));
    return version;
}

std::vector<std::pair<VersionName, fs::path>> versions_in(const fs::path& folder) {
    std::vector<std::pair<VersionName, fs::path>> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const auto name = parse_name(it->path().filename().string());
        if (name && it->is_regular_file(ec)) found.emplace_back(*name, it->path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    return found;
}

}  // namespace

fs::path history_folder(const fs::path& clear_file) { return clear_file.parent_path() / history_folder_name; }

bool keep_history_version(const fs::path& clear_file, std::string_view content, const QDateTime& when) {
    const fs::path folder = history_folder(clear_file);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return false;
    const auto existing = versions_in(folder);
    VersionName name{when.toString(stamp_format).toStdString(), 1};
    for (const auto& [version, path] : existing)
        if (version.stamp == name.stamp) name.number = std::max(name.number, version.number + 1);
    std::string file(prefix);
    file += name.stamp;
    if (name.number > 1) file += '-' + std::to_string(name.number);
    file += suffix;
    // A copy of its own: a second name for the old file would change with it
    // should anything ever write into that file in place. It is readable by
    // those who could read the file, no more: its mode is set while it is
    // still empty.
    const fs::perms mode = fs::status(clear_file, ec).permissions();  // unknown when it is gone
    ec.clear();
    std::ofstream out(folder / file, std::ios::binary | std::ios::trunc);
    if (mode != fs::perms::unknown) fs::permissions(folder / file, mode, ec);
    if (!ec) out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (ec || !out) {
        fs::remove(folder / file, ec);
        return false;
    }
    const auto all = versions_in(folder);
    for (std::size_t i = history_versions_kept; i < all.size(); ++i) fs::remove(all[i].second, ec);
    return true;
}

std::vector<fs::path> history_versions(const fs::path& clear_file) {
    std::vector<fs::path> paths;
    for (auto& [version, path] : versions_in(history_folder(clear_file))) paths.push_back(std::move(path));
    return paths;
}

std::optional<HistoryStamp> history_stamp(const fs::path& version) {
    const auto name = parse_name(version.filename().string());
    if (!name) return std::nullopt;
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(name->stamp), stamp_format);
    if (!when.isValid()) return std::nullopt;
    return HistoryStamp{when, name->number};
}

}  // namespace kestrow
