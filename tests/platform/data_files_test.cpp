#include <gtest/gtest.h>

#include <array>

#include "platform/data_files.h"
#include "test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

// Reading the two files from a real folder. Standard C++ only: the Windows
// check runs it too.
namespace kestrow::test {
namespace {

using Outcome = std::pair<bool, std::vector<std::pair<Message, fs::path>>>;  // data loaded, notices

Outcome load(Catalogue& state, const fs::path& dir) {
    const LoadReport report = load_catalogue(state, dir, fake_converter);
    Outcome outcome{report.data_loaded, {}};
    for (const Notice& notice : report.notices) outcome.second.emplace_back(notice.message, notice.path);
    return outcome;
}

TEST(Load, ReadsBothFilesAndMatchesCodesExactly) {
    TempDir dir;
    const std::string long_name(100'000, 'x');
    write_file(dir / "Kestrow.txt", "011000,A\r\n0<BR>,area\nAB123,N,r,l,c,d,0\n\r\n\nab123," + long_name +
                                        ",r,l,c,d,0\r\n,Nameless,0\n11003,N3,r,l,c,d,1\n11003,again");
    write_file(dir / "ClrList.txt", "\r\nAB123,whatever\r\nAB123\nZZ9\r\nab12\n11003");
    Catalogue state;
    EXPECT_EQ(load(state, dir.path), (Outcome{true, {}}));
    EXPECT_EQ(state.clear_file_path, dir / "ClrList.txt");
    EXPECT_EQ(state.clear_keys, (Strings{"", "11003", "ab12", "AB123", "AB123", "ZZ9"}));
    EXPECT_EQ(state.area_lines, (Strings{"011000,A", "0<BR>,area"}));  // a leading '0' makes an area line
    // The empty key clears the quest with an empty Code; neither 'AB123' nor 'ab12' clears 'ab123'.
    EXPECT_EQ(state.quest_lines, (Strings{"AB123,N,r,l,c,d,0,1", "ab123," + long_name + ",r,l,c,d,0,0",
                                          ",Nameless,0,1", "11003,N3,r,l,c,d,1,1", "11003,again,1"}));
    EXPECT_EQ(state.kept_keys, (Strings{"ab12", "ZZ9"}));  // what no quest carries, for Save to keep
}

TEST(Load, AMissingOrUnreadableFileGivesItsNoticeAndADefinedState) {
    TempDir dir;
    write_file(dir / "ClrList.txt", "11001\r\n\r\n");
    Catalogue state = make_catalogue("011000,A\n11001,N,r,l,c,d,0\n");  // loading starts afresh
    EXPECT_EQ(load(state, dir.path), (Outcome{false, {{Message::DataFileMissing, dir / "Kestrow.txt"}}}));
    EXPECT_TRUE(state.area_lines.empty() && state.quest_lines.empty() && state.chooser.empty());
    EXPECT_EQ(state.kept_keys, Strings{"11001"});  // a later save keeps the progress, not the empty key
    fs::create_directory(dir / "Kestrow.txt");
    EXPECT_EQ(load(state, dir.path), (Outcome{false, {{Message::DataFileUnreadable, dir / "Kestrow.txt"}}}));

    TempDir other;
    write_file(other / "Kestrow.txt", "");  // empty: no error, nothing to show
    fs::create_directory(other / "ClrList.txt");
    EXPECT_EQ(load(state, other.path), (Outcome{true, {{Message::ClearFileUnreadable, other / "ClrList.txt"}}}));
    EXPECT_TRUE(state.clear_file_unreadable);  // which makes saving refuse
}

TEST(Load, FilesInOtherEncodingsLoadAsCodePage932) {
    const std::string data = "011000," + hyo + "\r\n11001," + ze + ",r,l,c,d,0\r\n", clear = "11001\r\n";
    const std::string data_utf8 = "011000,表\r\n11001,ゼ,r,l,c,d,0\r\n";
    const auto utf16 = [](std::u16string_view text, bool big) {
        std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t u : text)
            for (const int shift : big ? std::array{8, 0} : std::array{0, 8}) out += static_cast<char>((u >> shift) & 0xFF);
        return out;
    };
    const std::u16string data_utf16 = u"011000,表\r\n11001,ゼ,r,l,c,d,0\r\n", clear_utf16 = u"11001\r\n";
    // kestrow-cli's suite reads the whole sample in UTF-8 with a BOM and in UTF-16 LE.
    const std::vector<std::pair<std::string, std::string>> stored = {
        {data_utf8, clear}, {utf16(data_utf16, true), utf16(clear_utf16, true)}};
    for (const auto& [data_bytes, clear_bytes] : stored) {
        TempDir dir;
        write_file(dir / "Kestrow.txt", data_bytes);
        write_file(dir / "ClrList.txt", clear_bytes);
        Catalogue state;
        EXPECT_EQ(load(state, dir.path), (Outcome{true, {}}));
        EXPECT_EQ(state.quest_lines, Strings{"11001," + ze + ",r,l,c,d,0,1"}) << data_bytes;
        EXPECT_EQ(state.area_lines, Strings{"011000," + hyo});
        EXPECT_EQ(state.clear_file_seen, clear_bytes);  // as stored, to tell a later change by
    }
    // What code page 932 cannot hold becomes 〓, once reported for each file; a clear file without a BOM is
    // never taken as UTF-8.
    TempDir dir;
    write_file(dir / "Kestrow.txt", "011000,表😀\r\n11001,한,0\r\n");
    write_file(dir / "ClrList.txt", "\xEF\xBB\xBF" "11001\r\n😀\r\n");
    Catalogue state;
    EXPECT_EQ(load(state, dir.path), (Outcome{true, {{Message::ClearFileCharsReplaced, dir / "ClrList.txt"},
                                                     {Message::DataFileCharsReplaced, dir / "Kestrow.txt"}}}));
    EXPECT_EQ(state.quest_lines, Strings{"11001,\x81\xAC,0,1"});
    write_file(dir / "ClrList.txt", "\xE8\xA1\xA8\r\n");  // valid UTF-8 and code page 932 alike
    EXPECT_EQ(load_catalogue(state, dir.path, fake_converter).notices.size(), 1u);
    EXPECT_EQ(state.clear_keys, Strings{"\xE8\xA1\xA8"});
}

TEST(Load, OnlyRegularFilesOfAtMost256MiBAreRead) {
    TempDir dir;
    write_file(dir / "Kestrow.txt", "");
    fs::resize_file(dir / "Kestrow.txt", largest_file + 1);  // sparse: takes no room on disk
    Catalogue state;
    EXPECT_EQ(load(state, dir.path), (Outcome{false, {{Message::DataFileUnreadable, dir / "Kestrow.txt"}}}));
#ifndef _WIN32
    // Opening a FIFO would wait for a writer, and a device never ends: neither is opened.
    fs::remove(dir / "Kestrow.txt");
    fs::create_symlink("/dev/zero", dir / "Kestrow.txt");
    ASSERT_EQ(mkfifo((dir / "ClrList.txt").c_str(), 0600), 0);
    EXPECT_EQ(load(state, dir.path), (Outcome{false, {{Message::ClearFileUnreadable, dir / "ClrList.txt"},
                                                      {Message::DataFileUnreadable, dir / "Kestrow.txt"}}}));
    EXPECT_TRUE(state.clear_file_unreadable);
#endif
}

}  // namespace
}  // namespace kestrow::test
