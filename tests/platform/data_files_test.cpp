#include <gtest/gtest.h>

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

// Players keep the program in folders with Japanese names. On Windows a path
// reaches the system intact only as UTF-16: narrowed on the way (a char path
// handed to fopen, say), クエスト記録 becomes question marks or stray bytes and
// the files seem missing. scripts/windows-check.sh runs this under an English
// locale, whose code page 1252 cannot hold the name at all.
TEST(Load, ReadsOnlyRegularFilesWholeOfAtMost256MiBAndReportsWhatIsMissingOrUnreadable) {
    TempDir root;
    const fs::path dir = root.path / fs::path(u8"クエスト記録");
    ASSERT_EQ(dir.filename().u16string(), u"\u30AF\u30A8\u30B9\u30C8\u8A18\u9332");  // UTF-16, not code page bytes
    ASSERT_TRUE(fs::create_directory(dir));
    const fs::path data = dir / "Kestrow.txt", clear = dir / "ClrList.txt";
    const std::string long_name(100'000, 'x');  // longer than one read
    write_file(data, "011000,A\nAB123,N,0\n\r\n\nab123," + long_name + ",0\r\n11003,N3,1");
    write_file(clear, "AB123,whatever\r\nab12\n11003\r\n\r\n");
    Catalogue state;
    EXPECT_EQ(load(state, dir), (Outcome{true, {}}));
    EXPECT_EQ(state.clear_file_path, clear);  // saved where it was read, not beside the program
    fill_category_chooser(state);  // as the window does
    // Neither 'AB123' nor 'ab12' clears 'ab123'.
    EXPECT_EQ(state.quest_lines, (Strings{"AB123,N,0,1", "ab123," + long_name + ",0,0", "11003,N3,1,1"}));
    fs::remove(data);
    EXPECT_EQ(load(state, dir), (Outcome{false, {{Message::DataFileMissing, data}}}));
    EXPECT_TRUE(state.area_lines.empty() && state.quest_lines.empty() && state.chooser.empty());
    EXPECT_EQ(state.kept_keys, (Strings{"11003", "ab12", "AB123"}));  // a later save keeps the progress, not the empty key
    write_file(data, "");  // empty: no error, nothing to show
    EXPECT_EQ(load(state, dir), (Outcome{true, {}}));
    fs::resize_file(data, largest_file + 1);  // sparse: takes no room on disk
    EXPECT_EQ(load(state, dir), (Outcome{false, {{Message::DataFileUnreadable, data}}}));
    fs::remove(clear);
    fs::create_directory(clear);
    const Outcome neither{false, {{Message::ClearFileUnreadable, clear}, {Message::DataFileUnreadable, data}}};
    EXPECT_EQ(load(state, dir), neither);
    EXPECT_TRUE(state.clear_file_unreadable);  // which makes saving refuse
#ifndef _WIN32
    // Opening a FIFO would wait for a writer, and a device never ends: neither is opened.
    fs::remove(data);
    fs::remove(clear);
    fs::create_symlink("/dev/zero", data);
    ASSERT_EQ(mkfifo(clear.c_str(), 0600), 0);
    EXPECT_EQ(load(state, dir), neither);
#endif
}

// Each file may be stored as UTF-16 in either byte order or as UTF-8 with a BOM; the catalogue, never the clear
// file, also as UTF-8 without one.
TEST(Load, FilesInOtherEncodingsLoadAsCodePage932) {
    using namespace std::string_literals;
    const std::string data_utf8 = "1,ゼ,0\r\n";
    const std::pair<std::string, std::string> stored[] = {
        {data_utf8, "1\r\n"},
        {"\xFF\xFE" "1\0,\0\xBC\x30,\0" "0\0"s, "\xFE\xFF\0" "1"s},
        {"\xEF\xBB\xBF" + data_utf8, "\xEF\xBB\xBF" "1"}};
    TempDir dir;
    Catalogue state;
    for (const auto& [data_bytes, clear_bytes] : stored) {
        write_file(dir / "Kestrow.txt", data_bytes);
        write_file(dir / "ClrList.txt", clear_bytes);
        EXPECT_EQ(load(state, dir.path), (Outcome{true, {}}));
        EXPECT_EQ(state.quest_lines, Strings{"1," + ze + ",0,1"}) << data_bytes;
        EXPECT_EQ(state.clear_file_seen, clear_bytes);  // as stored, to tell a later change by
    }
    // What code page 932 cannot hold becomes 〓, once reported for each file.
    write_file(dir / "Kestrow.txt", "011000,表😀\r\n11001,한,0\r\n");
    write_file(dir / "ClrList.txt", "\xEF\xBB\xBF" "11001\r\n😀\r\n");
    EXPECT_EQ(load(state, dir.path), (Outcome{true, {{Message::ClearFileCharsReplaced, dir / "ClrList.txt"},
                                                          {Message::DataFileCharsReplaced, dir / "Kestrow.txt"}}}));
    EXPECT_EQ(state.quest_lines, Strings{"11001,\x81\xAC,0,1"});
    write_file(dir / "ClrList.txt", "\xE8\xA1\xA8\r\n");  // valid UTF-8 and code page 932 alike
    EXPECT_EQ(load_catalogue(state, dir.path, fake_converter).notices.size(), 1u);
    EXPECT_EQ(state.clear_keys, Strings{"\xE8\xA1\xA8"});
}

}  // namespace
}  // namespace kestrow::test
