#include "cp932_win32.h"

#include "platform/windows_api.h"

#include <climits>

#include "cp932_file_text.h"

namespace kestrow::win32 {

namespace {

constexpr UINT cp932 = 932;

// The system counts in int. The loader reads nothing larger than 256 MiB, so
// a longer text never comes here; it converts to nothing rather than wrapping.
bool fits(std::size_t size) { return size <= static_cast<std::size_t>(INT_MAX / 2); }

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 is the system's wide text");

wchar_t* wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

bool cp932_installed() { return IsValidCodePage(cp932) != 0; }

std::u16string decode_cp932(std::string_view bytes) {
    if (bytes.empty() || !fits(bytes.size())) return {};
    // Every character takes at least one byte and one UTF-16 unit.
    std::u16string text(bytes.size(), u'\0');
    const int length = MultiByteToWideChar(cp932, 0, bytes.data(), static_cast<int>(bytes.size()), wide(text.data()),
                                           static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

std::optional<std::string> encode_cp932(std::u16string_view text) {
    if (text.empty()) return std::string();
    if (!fits(text.size())) return std::nullopt;
    // At most two bytes for each UTF-16 unit.
    std::string bytes(text.size() * 2, '\0');
    // Without WC_NO_BEST_FIT_CHARS the system spells a character it lacks by a
    // look-alike (〜 U+301C as ～, ¥ as '\'), which would find quests that do
    // not hold the text; with it, a lacking character becomes the default one
    // and says so.
    BOOL used_default = FALSE;
    const int length = WideCharToMultiByte(cp932, WC_NO_BEST_FIT_CHARS, wide(text.data()),
                                           static_cast<int>(text.size()), bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, &used_default);
    if (length <= 0 || used_default) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(length));
    // Accept the bytes only if they spell the same text again, whatever the
    // system's tables hold.
    if (decode_cp932(bytes) != text) return std::nullopt;
    return bytes;
}

std::string cp932_from_utf8(std::string_view utf8, bool& replaced) {
    std::u16string text;
    if (!utf8.empty() && fits(utf8.size())) {
        // A malformed UTF-8 sequence becomes U+FFFD, which code page 932 lacks: 〓.
        text.resize(utf8.size());
        const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                               wide(text.data()), static_cast<int>(text.size()));
        text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    }
    return cp932::encode_file_text(std::move(text), encode_cp932, replaced);
}

}  // namespace kestrow::win32
