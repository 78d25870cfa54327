#include <gtest/gtest.h>

#include "platform/data_files.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

// Players keep the program in folders with Japanese names. On Windows a path
// reaches the system intact only as UTF-16: narrowed on the way (a char path
// handed to fopen, say), クエスト記録 becomes question marks or stray bytes and
// the files seem missing. scripts/windows-check.sh runs this under an English
// locale, whose code page 1252 cannot hold the name at all.
TEST(JapaneseFolder, LoadsTheCatalogueAndKeepsTheClearFileThere) {
    TempDir root;
    const fs::path dir = root.path / fs::path(u8"クエスト記録");
    ASSERT_EQ(dir.filename().wstring(), L"\u30AF\u30A8\u30B9\u30C8\u8A18\u9332");  // UTF-16, not code page bytes
    ASSERT_TRUE(fs::create_directory(dir));
    const std::string harbour = "\x8D\x60\x92\xAC";                         // 港町
    const std::string herbs = "\x96\xF2\x91\x90\x8F\x57\x82\xDF";            // 薬草集め
    const std::string lighthouse = "\x93\x94\x91\xE4\x82\xCC\x8F\x43\x97\x9D";  // 灯台の修理
    write_file(dir / "Kestrow.txt", "011000," + harbour + "\r\n11001," + herbs + ",0\r\n11002," + lighthouse + ",0\r\n");
    write_file(dir / "ClrList.txt", "11002\r\n");

    Catalogue state;
    const LoadReport report = load_catalogue(state, dir, fake_converter);
    EXPECT_TRUE(report.data_loaded);
    EXPECT_TRUE(report.notices.empty());
    EXPECT_EQ(state.area_lines, Strings{"011000," + harbour});
    EXPECT_EQ(state.quest_lines, (Strings{"11001," + herbs + ",0,0", "11002," + lighthouse + ",0,1"}));
    // Saving writes where the progress was read, not beside the program.
    EXPECT_EQ(state.clear_file_path, dir / "ClrList.txt");
    EXPECT_EQ(read_file(state.clear_file_path), "11002\r\n");
}

}  // namespace
}  // namespace kestrow::test
