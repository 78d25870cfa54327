#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "catalogue/bytes.h"
#include "catalogue/save.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

using namespace std::string_literals;

TEST(Bytes, FindNeverMatchesOnTheSecondByteOfADoubleByteCharacter) {
    const std::vector<std::tuple<std::string, std::string, std::size_t>> cases = {
        {"x" + hyo + "y", "\\", npos}, {"x" + hyo + "\\", "\\", 3}, {"a" + batsu, "~", npos}, {"a" + ze, "[", npos},
        {"[" + ze, "[", 0}, {"\x81" "AB", "A", npos}, {"\x81" "AB", "B", 2}, {"ab\x81", "\x81", 2}, {"abc", "", 0},
        {"\x81,\\", ",", 1}, {"\x81,\\", "\\", 2},  // ',' is no trail byte: 0x81 stands alone
        {"\x88" + hyo, hyo, npos},  // 0x88 pairs with 0x95, so 表 would start on a trail byte
        {"a\x81\x81\\", "\\", 3}, {"a\x81\x81\x81\\", "\\", npos}, {"", "a", npos}};  // lead bytes pair from the left
    for (const auto& [text, needle, at] : cases) EXPECT_EQ(find(text, needle), at) << text << " / " << needle;
    EXPECT_EQ(replace_all(hyo + "\\", "\\", "/"), hyo + "/");
}

TEST(Bytes, DecimalValueReadsLikeAtoiButClampsToTheIntRange) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0}, {"011000", 11000}, {"  \t42x", 42}, {"-17", -17}, {"+8", 8}, {"- 3", 0}, {"2147483648", INT_MAX},
        {"99999999999999999999", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN}};
    for (const auto& [text, value] : cases) EXPECT_EQ(decimal_value(text), value) << text;
}

TEST(Bytes, CollationFoldsAsciiCaseButNeverTrailBytesAndKeepsDuplicates) {
    // ア (83 41) and ヂ (83 61) differ only in a trail byte that looks like 'A' and 'a'.
    const std::vector<std::pair<std::string_view, std::string_view>> ascending = {
        {"a", "B"}, {"ab", "ABC"}, {"Z", "\x83\x41"}, {"\x83\x41", "\x83\x61"},
        {std::string_view("\x81" "A", 1), "\x81,"}};  // a lead byte ending a slice stands alone
    for (const auto& [a, b] : ascending) EXPECT_TRUE(collate_less(a, b) && !collate_less(b, a)) << a << " < " << b;
    Catalogue state;  // equal keys keep their order
    read_clear_keys(state, "b\r\nA\r\nX1\r\na\r\nB\r\nX1\r\n");
    EXPECT_EQ(state.clear_keys, (Strings{"A", "a", "b", "B", "X1", "X1"}));
}

TEST(Field, ExtractsTheNthFieldWithLineBreaks) {
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"A,B,C", 1, "A"}, {"A,B,C", 3, "C"}, {"A,B,C", 5, "C"}, {"A,,C", 2, ""}, {",B", 1, ""}, {"", 1, ""},
        {"x,one<BR>two", 2, "one\r\ntwo"}, {"<BR><BR>,x", 1, "\r\n\r\n"}, {"a<BR,x", 1, "a<BR"},
        {"\x81,B", 1, "\x81"}, {"\x81,B", 2, "B"}};
    for (const auto& [line, n, expected] : cases) EXPECT_EQ(field(line, n), expected) << line << " #" << n;
}

TEST(TextLines, ReadLikeTextModeReading) {
    const std::vector<std::pair<std::string, std::vector<std::string_view>>> cases = {
        {"a\r\nb\nc", {"a", "b", "c"}}, {"\n\r\n", {"", ""}}, {"a\rb\r\r\n", {"a\rb\r"}},
        {"a\nb\x1A" "c\nd\n", {"a", "b"}}, {"a\0b\nc\n"s, {"c"}} /* a NUL drops its line */};
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(text_lines(bytes), lines) << ::testing::PrintToString(bytes);
    // Whatever the bytes, every quest line ends in its clear flag and no line holds a NUL.
    const Catalogue state = make_catalogue("11001,N\0ul,r\n11002,\x81\n11003,\xFF\xFE\x80\xA0,r\n0\x81,\xFC\n\x81"s);
    EXPECT_EQ(state.quest_lines, (Strings{"11002,\x81,0", "11003,\xFF\xFE\x80\xA0,r,0", "\x81,0"}));
    EXPECT_EQ(state.area_lines, Strings{"0\x81,\xFC"});
}

// Records the steps that reach it and fails at a chosen one.
struct FakeSink final : ClearFileSink {
    std::string fail_at, steps, bytes;
    bool step(const std::string& name) { return steps += name + ' ', fail_at != name; }
    bool open() override { return step("open"); }
    bool write(std::string_view b) override { return bytes.append(b), step("write"); }
    bool commit() override { return step("commit"); }
};

using Outcome = std::pair<bool, std::vector<std::pair<Message, fs::path>>>;  // data loaded, notices

Outcome load(Catalogue& state, const fs::path& dir) {
    const LoadReport report = load_catalogue(state, dir);
    Outcome outcome{report.data_loaded, {}};
    for (const Notice& notice : report.notices) outcome.second.emplace_back(notice.message, notice.path);
    return outcome;
}

TEST(Load, ReadsBothFilesMatchesCodesExactlyAndSavesWhatItCouldNotMatch) {
    TempDir dir;
    const std::string long_name(100'000, 'x');
    write_file(dir / "Kestrow.txt", "011000,A\r\n0<BR>,area\nAB123,N,r,l,c,d,0\n\r\n\nab123," + long_name +
                                        ",r,l,c,d,0\r\n,Nameless,0\n11003,N3,r,l,c,d,1\n11003,again");
    write_file(dir / "ClrList.txt", "\r\nAB123,whatever\r\nAB123\nZZ9\r\nab12\n11003");
    Catalogue state;
    EXPECT_EQ(load(state, dir.path), (Outcome{true, {}}));
    EXPECT_EQ(state.clear_keys, (Strings{"", "11003", "ab12", "AB123", "AB123", "ZZ9"}));
    EXPECT_EQ(state.area_lines, (Strings{"011000,A", "0<BR>,area"}));  // a leading '0' makes an area line
    // The empty key clears the quest with an empty Code; neither 'AB123' nor 'ab12' clears 'ab123'.
    EXPECT_EQ(state.quest_lines, (Strings{"AB123,N,r,l,c,d,0,1", "ab123," + long_name + ",r,l,c,d,0,0",
                                          ",Nameless,0,1", "11003,N3,r,l,c,d,1,1", "11003,again,1"}));
    // Saving writes the Code of each cleared quest line and keeps the keys that no quest carries, sorted.
    state.quest_lines[0].back() = '0';
    state.quest_lines[1].back() = '1';
    FakeSink sink;
    EXPECT_EQ(save_clear_file(state, sink), SaveOutcome::Saved);
    EXPECT_EQ(sink.bytes, "\r\n11003\r\n11003\r\nab12\r\nab123\r\nZZ9\r\n");
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
    write_file(other / "Kestrow.txt", "11001,N,r,l,c,d,0\n");
    fs::create_directory(other / "ClrList.txt");
    EXPECT_EQ(load(state, other.path), (Outcome{true, {{Message::ClearFileUnreadable, other / "ClrList.txt"}}}));
    EXPECT_TRUE(state.clear_file_unreadable);  // which makes saving refuse; the quests still load
}

TEST(Save, ReportsTheStepThatFailedAndGoesNoFurther) {
    using enum SaveOutcome;
    const std::vector<std::tuple<bool, std::string, SaveOutcome, std::string>> cases = {
        {false, "", Saved, "open write commit "}, {true, "", RefusedUnreadClearFile, ""},
        {false, "open", CannotOpen, "open "}, {false, "write", CannotWrite, "open write "},
        {false, "commit", CannotWrite, "open write commit "}};
    for (const auto& [unreadable, fail_at, outcome, steps] : cases) {
        Catalogue state = make_catalogue("11001,n,0\n");
        state.clear_file_unreadable = unreadable;
        FakeSink sink;
        sink.fail_at = fail_at;
        EXPECT_EQ(std::pair(save_clear_file(state, sink), sink.steps), std::pair(outcome, steps)) << fail_at;
    }
}

}  // namespace
}  // namespace kestrow::test
