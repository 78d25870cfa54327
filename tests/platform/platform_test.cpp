#include <gtest/gtest.h>

#include "catalogue/cp932_text.h"
#include "platform/clear_file_writer.h"
#include "platform/cp932_codec.h"
#include "test_support.h"

#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#endif

namespace kestrow::test {
namespace {

TEST(Cp932, ConstantsDecodeToTheirCharactersAndOnlyEncodableTextEncodes) {
    ASSERT_TRUE(cp932_available());
    for (const auto& [bytes, text] : {std::pair{cp932::job, "ジョブ"}, {cp932::repeatable, "○"}, {cp932::once_only, "×"},
                                      {cp932::search_open, "検索結果「"}, {cp932::search_close, "」"}})
        EXPECT_EQ(from_cp932(bytes), QString::fromUtf8(text));
    EXPECT_EQ(to_cp932(QString::fromUtf8("表\\ゼ~[")), hyo + "\\" + ze + "~[");
    // The Windows mapping: its wave dash, NEC and IBM rows and full-width minus.
    EXPECT_EQ(to_cp932(QString::fromUtf8("～①ⅰ－")), std::string("\x81\x60\x87\x40\xFA\x40\x81\x7C"));
    for (const char* text : {"a😀", "한"}) EXPECT_EQ(to_cp932(QString::fromUtf8(text)), std::nullopt) << text;
}

long entries(const fs::path& folder) { return std::distance(fs::directory_iterator(folder), {}); }

// Saves these keys, which no quest carries, to clear_file.
SaveOutcome save_keys(const fs::path& clear_file, std::string_view keys) {
    Catalogue state = make_catalogue("", keys);
    state.clear_file_path = clear_file;
    return save_clear_file_to_disk(state);
}

TEST(ClearFileWriter, ReplacesTheFileExactlyOrLeavesWhatStandsThere) {
    TempDir dir;
    EXPECT_EQ(save_keys(dir / "gone" / "ClrList.txt", "11001"), SaveOutcome::CannotOpen);
    fs::create_directory(dir / "ClrList.txt");
    write_file(dir / "ClrList.txt" / "inside", "keep");
    Catalogue state;
    load_catalogue(state, dir.path);  // the clear file cannot be read
    EXPECT_EQ(save_clear_file_to_disk(state), SaveOutcome::RefusedUnreadClearFile);
    EXPECT_EQ(save_keys(dir / "ClrList.txt", "11001"), SaveOutcome::CannotOpen);  // even without the refusal
    EXPECT_EQ(read_file(dir / "ClrList.txt" / "inside"), "keep");

    fs::remove_all(dir / "ClrList.txt");
    write_file(dir / "ClrList.txt", "OLD1\r\nOLD2\r\nOLD3\r\n");
    EXPECT_EQ(save_keys(dir / "ClrList.txt", "12001\n11001"), SaveOutcome::Saved);
    EXPECT_EQ(read_file(dir / "ClrList.txt"), "11001\r\n12001\r\n");
    EXPECT_EQ(save_keys(dir / "ClrList.txt", ""), SaveOutcome::Saved);
    EXPECT_EQ(read_file(dir / "ClrList.txt"), "");
    EXPECT_EQ(entries(dir.path), 1);  // no folder made, no temporary file left
}

#ifdef __linux__
// Root may write whatever the mode bits say, so the failures must be real: a
// 16 kB tmpfs, then remounted read-only, in a private user and mount namespace
// of a child process. Gives 77 where no such namespace is allowed.
int save_on_small_disk(const fs::path& disk) {
    const std::string uid = std::to_string(getuid()), gid = std::to_string(getgid());
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return 77;
    write_file("/proc/self/setgroups", "deny");
    write_file("/proc/self/uid_map", "0 " + uid + " 1");
    write_file("/proc/self/gid_map", "0 " + gid + " 1");
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0) return 77;
    const auto file = disk / "ClrList.txt";
    write_file(file, "OLD\r\n");
    std::string keys;
    for (int i = 0; i < 4000; ++i) keys += std::to_string(100000 + i) + "\n";
    // 14 kB wait in the writer's buffer until they are flushed; 32 kB fail while being written.
    for (const std::size_t count : {1750, 4000})
        EXPECT_EQ(save_keys(file, keys.substr(0, 7 * count)), SaveOutcome::CannotWrite) << count << " keys";
    EXPECT_EQ(mount(nullptr, disk.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_EQ(save_keys(file, "A1"), SaveOutcome::CannotOpen);
    EXPECT_EQ(read_file(file), "OLD\r\n");
    EXPECT_EQ(entries(disk), 1);
    std::fflush(stdout);  // the failures above were printed here, in the child
    return ::testing::Test::HasFailure() ? 1 : 0;
}

TEST(ClearFileWriter, FullDiskOrReadOnlyMountLeavesTheOldFile) {
    TempDir dir;
    std::fflush(stdout);  // or the child would print it again
    const pid_t child = fork();
    if (child == 0) _exit(save_on_small_disk(dir.path));
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(status, 0) << "the save on the small disk failed";
}
#endif

}  // namespace
}  // namespace kestrow::test
