#pragma once
// The catalogue's own Japanese constants, as code page 932 bytes.

#include <string_view>

namespace kestrow::cp932 {

inline constexpr std::string_view job = "\x83\x57\x83\x87\x83\x75";    // ジョブ
inline constexpr std::string_view repeatable = "\x81\x9B";              // ○
inline constexpr std::string_view once_only = "\x81\x7E";               // ×
inline constexpr std::string_view search_open = "\x8C\x9F\x8D\xF5\x8C\x8B\x89\xCA\x81\x75";  // 検索結果「
inline constexpr std::string_view search_close = "\x81\x76";           // 」
inline constexpr std::string_view cleared_mark = "\x8D\xCF";      // 済
inline constexpr std::string_view not_cleared_mark = "\x96\xA2";  // 未
inline constexpr std::string_view line_break_marker = "<BR>";
inline constexpr std::string_view crlf = "\r\n";

}  // namespace kestrow::cp932
