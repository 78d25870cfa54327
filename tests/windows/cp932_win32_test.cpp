#include <gtest/gtest.h>

#include "platform/windows_api.h"

#include <string>

#include "cp932_win32.h"

namespace kestrow::win32 {
namespace {

std::string bytes_of(int lead, int trail = -1) {
    std::string bytes(1, static_cast<char>(lead));
    if (trail >= 0) bytes.push_back(static_cast<char>(trail));
    return bytes;
}

TEST(Cp932Win32, EveryCharacterOfTheCodePageComesBackAsItsBytes) {
    ASSERT_TRUE(cp932_installed());
    for (int byte = 0xA1; byte <= 0xDF; ++byte) {  // half-width katakana
        const std::u16string text = decode_cp932(bytes_of(byte));
        ASSERT_EQ(text, std::u16string(1, static_cast<char16_t>(0xFF61 + byte - 0xA1))) << byte;
        EXPECT_EQ(encode_cp932(text), bytes_of(byte)) << byte;
    }
    CPINFOEXW info{};
    ASSERT_TRUE(GetCPInfoExW(932, 0, &info));
    int exact = 0, spelt_otherwise = 0;
    for (int lead = 0x81; lead <= 0xFC; lead = lead == 0x9F ? 0xE0 : lead + 1) {
        for (int trail = 0x40; trail <= 0xFC; trail = trail == 0x7E ? 0x80 : trail + 1) {
            const std::string bytes = bytes_of(lead, trail);
            const std::u16string text = decode_cp932(bytes);
            if (text.size() != 1 || text[0] == info.UnicodeDefaultChar) continue;  // no character there
            const auto back = encode_cp932(text);
            ASSERT_TRUE(back.has_value()) << std::hex << lead << ' ' << trail;
            if (*back == bytes) {
                ++exact;
            } else {
                // NEC and IBM rows spell some characters twice; the other spelling must be the same one.
                EXPECT_EQ(decode_cp932(*back), text) << std::hex << lead << ' ' << trail;
                ++spelt_otherwise;
            }
        }
    }
    // The counts of Microsoft's table for code page 932, user-defined area included.
    EXPECT_EQ(exact, 9205);
    EXPECT_EQ(spelt_otherwise, 398);
    // Of the two spellings of 纊, Windows writes the IBM one.
    EXPECT_EQ(encode_cp932(decode_cp932("\xED\x40")), "\xFA\x5C");
}

TEST(Cp932Win32, JisFormsBecomeWindowsOnesAndWhatTheCodePageLacksIsNeverAQuestionMark) {
    EXPECT_EQ(encode_cp932(u"\u8868\\\u30BC~[?"), "\x95\x5C\\\x83\x5B~[?");  // 表\ゼ~[?
    // No nearest match: not ～ for the JIS wave dash, not '\' for the yen sign.
    for (const std::u16string_view text : {u"a\U0001F600", u"\uD55C", u"\u301C", u"\u00A5", u"\xD83D"})
        EXPECT_EQ(encode_cp932(text), std::nullopt) << text.size();

    bool replaced = false;
    EXPECT_EQ(cp932_from_utf8("ゼ~〜‖−¢£¬—", replaced), "\x83\x5B~\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C");
    EXPECT_FALSE(replaced);
    // 😀, 한 and a malformed byte become 〓; the line breaks around them stay.
    EXPECT_EQ(cp932_from_utf8("\n表\n😀a한\xFF", replaced), "\n\x95\x5C\n\x81\xAC" "a\x81\xAC\x81\xAC");
    EXPECT_TRUE(replaced);
}

}  // namespace
}  // namespace kestrow::win32
