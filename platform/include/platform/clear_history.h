#pragma once
// Earlier versions of ClrList.txt: before a Save replaces the file, its old
// content is kept as ClrList.history/ClrList-YYYYMMDD-HHMMSS.txt beside it,
// so that an untick saved by mistake can be undone. The newest 30 are kept.

#include <QDateTime>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace kestrow {

inline constexpr std::string_view history_folder_name = "ClrList.history";
inline constexpr std::size_t history_versions_kept = 30;

std::filesystem::path history_folder(const std::filesystem::path& clear_file);

// Keeps content, what the clear file held until now, as the newest version
// with the clear file's mode, named after when (a second version in the same second gets "-2", "-3", ...
// before ".txt"), and removes all but the newest versions kept. False when
// the version could not be kept.
bool keep_history_version(const std::filesystem::path& clear_file, std::string_view content, const QDateTime& when);

// The versions kept, newest first.
std::vector<std::filesystem::path> history_versions(const std::filesystem::path& clear_file);

// When a version was kept, as its file name says (local time), and which of
// that second's versions it is (1 for the first); nothing for another name.
struct HistoryStamp {
    QDateTime when;
    int number = 1;
};
std::optional<HistoryStamp> history_stamp(const std::filesystem::path& version);

}  // namespace kestrow
