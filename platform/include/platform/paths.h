#pragma once
// Paths between the catalogue (std::filesystem) and Qt. On Windows both sides
// are UTF-16, so a folder with a Japanese name survives the trip; elsewhere a
// path is the bytes the file system holds.

#include <QString>
#include <filesystem>

namespace kestrow {

QString to_qstring(const std::filesystem::path& path);
std::filesystem::path to_path(const QString& path);

}  // namespace kestrow
