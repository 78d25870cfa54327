#include <gtest/gtest.h>

#include <array>

#include "catalogue/clear_state.h"
#include "platform/clear_file_writer.h"
#include "platform/clear_history.h"
#include "platform/cp932_codec.h"
#include "platform/data_files.h"
#include "platform/data_folder.h"
#include "platform/paths.h"
#include "test_support.h"

#ifdef __linux__
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLockFile>
#include <cstdio>
#include <functional>
#endif

namespace kestrow::test {
namespace {

TEST(Cp932, TheConverterWithTheWindowsMappingIsChosenAndOnlyEncodableTextEncodes) {
    ASSERT_TRUE(cp932_available());
    EXPECT_EQ(to_cp932(QString::fromUtf8("表\\ゼ~[")), hyo + "\\" + ze + "~[");
    // The Windows mapping: its wave dash, NEC and IBM rows and full-width minus; the JIS wave dash (typed
    // into a search, say) is taken as the Windows one.
    EXPECT_EQ(to_cp932(QString::fromUtf8("～①ⅰ－〜")), std::string("\x81\x60\x87\x40\xFA\x40\x81\x7C\x81\x60"));
    for (const char* text : {"a😀", "한"}) EXPECT_EQ(to_cp932(QString::fromUtf8(text)), std::nullopt) << text;
    // EUC-JP reads 81 60 as something else than ～: passed over.
    const std::array<const char*, 3> names{"no-such-converter", "EUC-JP", "cp932"};
    EXPECT_EQ(find_cp932_converter(names), QByteArray("cp932"));
    EXPECT_EQ(find_cp932_converter(std::span(names).first(2)), std::nullopt);
    // The JIS mapping's wave dash and minus are taken as the Windows ones; what
    // code page 932 cannot hold at all becomes 〓, and says so.
    bool replaced = false;
    EXPECT_EQ(cp932_converter().from_utf8("ゼ~", replaced), ze + "~");
    EXPECT_FALSE(replaced);
    EXPECT_EQ(cp932_converter().from_utf8("表〜−\n😀a한", replaced), hyo + "\x81\x60\x81\x7C\n\x81\xAC" "a\x81\xAC");
    EXPECT_TRUE(replaced);
}

TEST(DataFolder, ACopyKeepsItsOwnFolderWhereItsFilesAreOrItMayWriteButNotWhereInstalled) {
    const QString opt = QStringLiteral("/opt/kestrow"), bin = QStringLiteral("/usr/bin");
    const QString user = QStringLiteral("/home/p/.local/share/Kestrow");
    // Where the program is, whether it holds the catalogue, may be written there, runs on Windows; the folder chosen.
    const std::tuple<QString, bool, bool, bool, QString> cases[] = {
        {opt, false, true, false, opt},            // a portable folder, or a build tree
        {opt, false, false, false, user},          // a folder of the system's
        {opt, true, false, false, opt},            // read-only, but the files are there
        {bin, false, true, false, user},           // installed, run by root, who may write there
        {bin + u'/', false, true, false, user},    // the same folder spelt otherwise
        {bin, true, false, false, bin},            // files put beside an installed copy
        {opt, false, false, true, opt},            // Windows: always beside the program
    };
    for (const auto& [program, holds_catalogue, writable, windows, expected] : cases) {
        const DataFolderFacts facts{program, holds_catalogue, writable, bin, windows, user};
        EXPECT_EQ(choose_data_folder(facts).toStdString(), expected.toStdString())
            << program.toStdString() << " holds " << holds_catalogue << " writable " << writable;
    }
}

Strings names_in(const fs::path& folder) {
    Strings names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::perms mode_of(const fs::path& file) { return fs::status(file).permissions(); }

// A run that read clear_file as it is now and holds these keys.
Catalogue holding(const fs::path& clear_file, std::string_view keys, std::string_view data = "") {
    Catalogue state = make_catalogue(data, keys);
    state.clear_file_path = clear_file;
    if (fs::is_regular_file(clear_file)) state.clear_file_seen = read_file(clear_file);
    return state;
}

// Saves these keys, which no quest carries, over clear_file as this run read it.
SaveOutcome save_keys(const fs::path& clear_file, std::string_view keys) {
    Catalogue state = holding(clear_file, keys);
    return save_clear_file_to_disk(state).outcome;
}

TEST(ClearFileWriter, ReplacesTheFileExactlyOrLeavesWhatStandsThere) {
    TempDir dir;
    EXPECT_EQ(save_keys(dir / "gone" / "ClrList.txt", "11001"), SaveOutcome::CannotOpen);
    fs::create_directory(dir / "ClrList.txt");
    write_file(dir / "ClrList.txt" / "inside", "keep");
    EXPECT_EQ(save_keys(dir / "ClrList.txt", "11001"), SaveOutcome::RefusedUnreadClearFile);  // read under the lock
    EXPECT_EQ(read_file(dir / "ClrList.txt" / "inside"), "keep");

    fs::remove_all(dir / "ClrList.txt");
    write_file(dir / "ClrList.txt", "OLD1\r\nOLD2\r\nOLD3\r\n");
    using enum fs::perms;
    fs::permissions(dir / "ClrList.txt", owner_read | owner_write);
    // The temporary file of a Save killed before its rename goes; names merely like it stay.
    const Strings others{"ClrList.txt.1234567", "ClrList.txt.Ab-2Cd", "ClrList.txt.backup", "ClrList.txt.bak", "Kestrow.txt.Ab12Cd"};
    for (const auto& name : others) write_file(dir / name, "not ours");
    write_file(dir / "ClrList.txt.Ab12Cd", "11001\r\n");
    EXPECT_EQ(save_keys(dir / "ClrList.txt", "12001\n11001"), SaveOutcome::Saved);
    EXPECT_EQ(read_file(dir / "ClrList.txt"), "11001\r\n12001\r\n");
    EXPECT_EQ(save_keys(dir / "ClrList.txt", "11001\n12001"), SaveOutcome::Saved);  // the same: no version of its own
    Strings left{"ClrList.history", "ClrList.txt"};  // and no temporary file or lock of our own
    left.insert(left.end(), others.begin(), others.end());
    EXPECT_EQ(names_in(dir.path), left);
    const auto versions = history_versions(dir / "ClrList.txt");
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(read_file(versions[0]), "OLD1\r\nOLD2\r\nOLD3\r\n");
    // The file and its old version can be read by as few as before.
    for (const auto& file : {dir / "ClrList.txt", versions[0]})
        EXPECT_EQ(mode_of(file), owner_read | owner_write) << file;
    // Made read-only by its owner, it stays as it is, even for root.
    fs::permissions(dir / "ClrList.txt", owner_read | group_read | others_read);
    EXPECT_EQ(save_keys(dir / "ClrList.txt", "11001"), SaveOutcome::CannotOpen);
    EXPECT_EQ(std::pair(read_file(dir / "ClrList.txt"), mode_of(dir / "ClrList.txt")),
              std::pair(std::string("11001\r\n12001\r\n"), owner_read | group_read | others_read));
}

TEST(History, KeepsTheNewestThirtyInOrderAndAFailureDoesNotStopTheSave) {
    TempDir dir;
    const fs::path file = dir / "ClrList.txt";
    const QDateTime noon(QDate(2026, 12, 7), QTime(12, 0, 0));
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(keep_history_version(file, ("v" + QByteArray::number(i) + "\r\n").toStdString(),
                                         noon.addSecs(i < 29 ? i : 100)));
    const auto versions = history_versions(file);
    ASSERT_EQ(versions.size(), 30u);
    // Three in the same second, the newest first; the two oldest are gone.
    EXPECT_EQ(versions[0].filename(), "ClrList-20261207-120140-3.txt");
    EXPECT_EQ(versions[2].filename(), "ClrList-20261207-120140.txt");
    EXPECT_EQ(std::pair(read_file(versions[0]), read_file(versions[29])),
              std::pair(std::string("v31\r\n"), std::string("v2\r\n")));
    // Where the history folder cannot be made, the file is saved all the same.
    TempDir other;
    write_file(other / "ClrList.txt", "A1\r\n");
    write_file(other / "ClrList.history", "a file in the way");
    Catalogue state = holding(other / "ClrList.txt", "B1\n");
    const DiskSave saved = save_clear_file_to_disk(state);
    EXPECT_EQ(std::pair(saved.outcome, saved.history_failed), std::pair(SaveOutcome::Saved, true));
    EXPECT_EQ(read_file(other / "ClrList.txt"), "B1\r\n");
}

#ifdef __linux__
// Runs body in a process of its own, which ends with what body returns.
pid_t start_child(const std::function<int()>& body) {
    std::fflush(stdout);  // or the child would print it again
    const pid_t child = fork();
    if (child == 0) _exit(body());
    return child;
}

int exit_code(pid_t child) {
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a child ends with: the failures it found were printed there.
int child_result() {
    std::fflush(stdout);
    return ::testing::Test::HasFailure() ? 1 : 0;
}

// A fresh tmpfs on folder, as root of a private user and mount namespace of
// this child process; false where no such namespace is allowed.
bool mount_private_tmpfs(const fs::path& folder, const char* options) {
    const std::string uid = std::to_string(getuid()), gid = std::to_string(getgid());
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    write_file("/proc/self/setgroups", "deny");
    write_file("/proc/self/uid_map", "0 " + uid + " 1");
    write_file("/proc/self/gid_map", "0 " + gid + " 1");
    return mount("tmpfs", folder.c_str(), "tmpfs", 0, options) == 0;
}

// Root may write whatever the mode bits say, so the failures must be real: a
// 16 kB tmpfs, then remounted read-only.
TEST(ClearFileWriter, FullDiskOrReadOnlyMountLeavesTheOldFile) {
    TempDir disk;
    const fs::path file = disk / "ClrList.txt";
    const int code = exit_code(start_child([&] {
        if (!mount_private_tmpfs(disk.path, "size=16k")) return 77;
        write_file(file, "OLD\r\n");
        // Root's Save of a file that only its group may write leaves the owner without write permission.
        using enum fs::perms;
        const auto group_writes = owner_read | group_read | group_write;
        fs::permissions(file, group_writes);
        EXPECT_EQ(save_keys(file, "OLD"), SaveOutcome::Saved);
        EXPECT_EQ(mode_of(file), group_writes);
        std::string keys;
        for (int i = 0; i < 4000; ++i) keys += std::to_string(100000 + i) + "\n";
        // 14 kB wait in the writer's buffer until they are flushed; 32 kB fail while being written.
        for (const std::size_t count : {1750, 4000})
            EXPECT_EQ(save_keys(file, keys.substr(0, 7 * count)), SaveOutcome::CannotWrite) << count << " keys";
        EXPECT_EQ(mount(nullptr, disk.path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        EXPECT_EQ(save_keys(file, "A1"), SaveOutcome::CannotOpen);
        EXPECT_EQ(read_file(file), "OLD\r\n");
        EXPECT_EQ(names_in(disk.path), Strings{"ClrList.txt"});
        return child_result();
    }));
    if (code == 77) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(code, 0) << "the save on the small disk failed";
}

// Two programs on one folder that, both at the same time, load it, tick a
// Code of their own and save, two hundred times each.
TEST(SaveToDisk, TwoProgramsTickingAndSavingAtTheSameTimeLoseNoCode) {
    TempDir temp;
    const fs::path& dir = temp.path;
    std::string catalogue, all;
    for (int code = 10000; code < 10400; ++code) {
        catalogue += std::to_string(code) + ",Q,0\n";
        all += std::to_string(code) + "\r\n";
    }
    const pid_t child = start_child([&] {
        mount_private_tmpfs(dir, "size=4m");  // where none can be had, on the disk: slower, not different
        write_file(dir / "Kestrow.txt", catalogue);
        write_file(dir / "ClrList.txt", "");
        std::array<pid_t, 2> programs{};
        for (int first = 0; first < 2; ++first) {
            programs[first] = start_child([&] {
                for (int code = 10000 + first; code < 10400; code += 2) {
                    Catalogue state;
                    load_catalogue(state, dir, cp932_converter());
                    set_cleared(state, std::to_string(code), true);
                    if (save_clear_file_to_disk(state).outcome != SaveOutcome::Saved) return 1;
                }
                return 0;
            });
        }
        for (const pid_t program : programs) EXPECT_EQ(exit_code(program), 0);
        EXPECT_EQ(read_file(dir / "ClrList.txt"), all);
        return child_result();
    });
    EXPECT_EQ(exit_code(child), 0);
}

TEST(SaveToDisk, ALockHeldByALiveProgramRefusesTheSaveAndOneLeftByTheKilledIsTakenOver) {
    using namespace std::chrono_literals;
    TempDir dir;
    const fs::path file = dir / "ClrList.txt", lock = dir / "ClrList.txt.lock";
    Catalogue state = holding(file, "", "11001,A,0\n");
    set_cleared(state, "11001", true);
    const Catalogue before = state;
    // Another program takes the lock and stops there, having saved this.
    const pid_t other = start_child([&] {
        QLockFile other_lock(to_qstring(lock));
        if (other_lock.lock()) raise(SIGSTOP);
        return 1;
    });
    int status = 0;
    ASSERT_EQ(waitpid(other, &status, WUNTRACED), other);
    ASSERT_TRUE(WIFSTOPPED(status));
    write_file(file, "A1\r\nB1\r\n");
    const DiskSave refused = save_clear_file_to_disk(state, 20ms);
    EXPECT_EQ(std::pair(refused.outcome, refused.path), std::pair(SaveOutcome::Locked, lock));
    EXPECT_EQ(read_file(file), "A1\r\nB1\r\n");
    // Nothing was read either: this run still holds its own tick, unsaved.
    EXPECT_EQ(std::tie(state.quest_lines, state.clear_keys, state.clear_file_seen, state.synced_flags),
              std::tie(before.quest_lines, before.clear_keys, before.clear_file_seen, before.synced_flags));
    // Killed, it leaves its lock file behind: the next Save takes it over without waiting.
    kill(other, SIGKILL);
    ASSERT_EQ(exit_code(other), -1);
    ASSERT_TRUE(fs::exists(lock));
    EXPECT_EQ(save_clear_file_to_disk(state, 0ms).outcome, SaveOutcome::Saved);
    EXPECT_EQ(read_file(file), "11001\r\nA1\r\nB1\r\n");
}
#endif

}  // namespace
}  // namespace kestrow::test
