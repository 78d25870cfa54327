#pragma once
// Code page 932 through the system's own conversion functions. A Qt for
// Windows is often built without ICU and then has no converter of its own, so
// the codec uses these there. Plain C++ and Win32, no Qt.

#include <optional>
#include <string>
#include <string_view>

namespace kestrow::win32 {

// Whether the system has code page 932.
bool cp932_installed();

// The text of code page 932 bytes. Bytes that spell no character become what
// the system makes of them (its default character ・ for an unknown pair).
std::u16string decode_cp932(std::string_view bytes);

// The code page 932 bytes of text, or nothing when some character has no
// encoding there: the system's nearest match or '?' is never taken.
std::optional<std::string> encode_cp932(std::u16string_view text);

// UTF-8 text as code page 932, the way loading wants it (see
// cp932_file_text.h): JIS forms become the Windows ones, anything else that
// code page 932 lacks becomes 〓 and sets replaced.
std::string cp932_from_utf8(std::string_view utf8, bool& replaced);

}  // namespace kestrow::win32
