// Characters on real folders: their names, making, renaming and removing
// them, what a folder made by hand may hold, and who else cleared a quest.

#include <gtest/gtest.h>

#include "platform/characters.h"
#include "platform/paths.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

using enum CharacterProblem;
using namespace Qt::Literals::StringLiterals;

QStringList names(const CharacterList& list) {
    QStringList all;
    for (const Character& c : list.characters) all << c.name;
    return all;
}
std::vector<CharacterProblem> problems(const CharacterList& list) {
    std::vector<CharacterProblem> all;
    for (const CharacterResult& n : list.notices) all.push_back(n.problem);
    return all;
}
fs::path at(const TempDir& dir, const char8_t* name) { return characters_folder(dir.path) / fs::path(name); }

TEST(Characters, NameRulesCountCharactersAndNameTheRuleBroken) {
    const std::pair<QString, CharacterProblem> cases[] = {
        {u"アキ"_s, None}, {u".アキ"_s, None}, {QString(32, u'あ'), None}, {u"😀"_s.repeated(32), None},
        {u""_s, EmptyName}, {QString(33, u'あ'), NameTooLong}, {u"😀"_s.repeated(33), NameTooLong},
        {u"a\tb"_s, ControlCharacter}, {u"a\u0085"_s, ControlCharacter}, {QString(QChar(0xD800)), ControlCharacter},
        {u"."_s, DotName}, {u".."_s, DotName}, {u"アキ."_s, EndsWithDotOrSpace}, {u"アキ　"_s, EndsWithDotOrSpace},
        {u"con"_s, ReservedName}, {u"Com1.txt"_s, ReservedName}, {u".削除済み"_s, ReservedName},
        {u"メイン名.TXT"_s, ReservedName}, {u"COM10"_s, None}};
    for (const auto& [name, expected] : cases) EXPECT_EQ(check_character_name(name), expected) << name.toStdString();
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        EXPECT_EQ(check_character_name(u"ア"_s + c + u"キ"_s), ForbiddenCharacter) << c.toLatin1();
}

TEST(Characters, MadeRenamedAndRemovedWithoutEverLosingAList) {
    TempDir dir;
    EXPECT_EQ(names(list_characters(dir.path)), QStringList{u"メイン"_s});
    // カ and a combining mark: ガ, as macOS spells it. Names are compared ignoring case, after NFC.
    for (const QString& name : {u"ユウ"_s, u"アキ"_s, u"aki"_s, u"カ\u3099"_s})
        ASSERT_TRUE(create_character(dir.path, name).ok()) << name.toStdString();
    for (const QString& taken : {u"AKI"_s, u"メイン"_s})
        EXPECT_EQ(create_character(dir.path, taken).problem, NameTaken) << taken.toStdString();
    EXPECT_EQ(create_character(dir.path, u"a/b"_s).problem, ForbiddenCharacter);

    // The main character's files stay where they are: only its name is stored.
    ASSERT_TRUE(rename_character(dir.path, u"メイン"_s, u"ゆう"_s).ok());
    EXPECT_EQ(read_file(characters_folder(dir.path) / fs::path(u8"メイン名.txt")), "ゆう\n");
    EXPECT_EQ(rename_character(dir.path, u"ユウ"_s, u"AKI"_s).problem, NameTaken);
    EXPECT_EQ(rename_character(dir.path, u"ナナ"_s, u"ハル"_s).problem, NoSuchCharacter);
    ASSERT_TRUE(rename_character(dir.path, u"AKI"_s, u"Aki"_s).ok());  // only the case changes
    write_file(at(dir, u8"ユウ") / "ClrList.txt", "11001\r\n");
    ASSERT_TRUE(rename_character(dir.path, u"ユウ"_s, u"ハル"_s).ok());
    const CharacterList list = list_characters(dir.path);
    EXPECT_EQ(names(list), (QStringList{u"ゆう"_s, u"Aki"_s, u"アキ"_s, u"ガ"_s, u"ハル"_s}));
    EXPECT_EQ(list.characters[0].clear_file(), dir / "ClrList.txt");
    EXPECT_EQ(read_file(list.characters[4].clear_file()), "11001\r\n");

    // Removed twice under one name: both folders are kept, and never listed.
    EXPECT_EQ(remove_character(dir.path, u"ゆう"_s).problem, MainNotRemoved);
    const fs::path removed = at(dir, u8".削除済み");
    EXPECT_EQ(remove_character(dir.path, u"ハル"_s).path, removed / fs::path(u8"ハル"));
    ASSERT_TRUE(create_character(dir.path, u"ハル"_s).ok());
    EXPECT_EQ(remove_character(dir.path, u"ハル"_s).path, removed / fs::path(u8"ハル-2"));
    EXPECT_EQ(read_file(removed / fs::path(u8"ハル") / "ClrList.txt"), "11001\r\n");
    EXPECT_EQ(remove_character(dir.path, u"ハル"_s).problem, NoSuchCharacter);
    EXPECT_EQ(remove_character(dir.path, u"カ\u3099"_s).path, removed / fs::path(u8"ガ"));
    const CharacterList left = list_characters(dir.path);
    EXPECT_EQ(std::pair(names(left), problems(left)),
              std::pair(QStringList{u"ゆう"_s, u"Aki"_s, u"アキ"_s}, std::vector<CharacterProblem>{}));
    fs::remove_all(removed);
    write_file(removed, "in the way");
    EXPECT_EQ(remove_character(dir.path, u"アキ"_s).problem, CannotWrite);
    EXPECT_TRUE(fs::is_directory(at(dir, u8"アキ")));
}

TEST(Characters, WhatAFolderMadeByHandHoldsIsReportedAndNeverTakenOver) {
    TempDir dir;
    write_file(characters_folder(dir.path), "a file");
    CharacterList list = list_characters(dir.path);
    EXPECT_EQ(std::pair(names(list), problems(list)), std::pair(QStringList{u"メイン"_s}, std::vector{FolderIsFile}));
    EXPECT_EQ(create_character(dir.path, u"アキ"_s).problem, FolderIsFile);
    EXPECT_EQ(rename_character(dir.path, u"メイン"_s, u"ミナ"_s).problem, FolderIsFile);
    EXPECT_EQ(read_file(characters_folder(dir.path)), "a file");
    fs::remove(characters_folder(dir.path));
    fs::create_directory_symlink(characters_folder(dir.path), characters_folder(dir.path));  // a loop
    EXPECT_EQ(problems(list_characters(dir.path)), std::vector{FolderUnreadable});
    fs::remove(characters_folder(dir.path));

    for (const char8_t* name : {u8"Aki", u8"aki", u8"CON", u8"ハル"}) fs::create_directories(at(dir, name));
    write_file(at(dir, u8"ユウ"), "a file");
    write_file(at(dir, u8"メイン名.txt"), "\xEF\xBB\xBFミナ\r\n");  // as an editor saves it
    list = list_characters(dir.path);
    EXPECT_EQ(std::pair(names(list), problems(list)),
              std::pair(QStringList{u"ミナ"_s, u"Aki"_s, u"ハル"_s}, std::vector{UnusableFolderName, NameClash}));
    EXPECT_EQ(list.notices[1].path, at(dir, u8"aki"));
    EXPECT_EQ(create_character(dir.path, u"ユウ"_s).path, at(dir, u8"ユウ"));  // taken by the file
    EXPECT_EQ(read_file(at(dir, u8"ユウ")), "a file");
    write_file(at(dir, u8"メイン名.txt"), "a/b\n");
    list = list_characters(dir.path);
    EXPECT_EQ(std::pair(list.characters[0].name, list.notices.front().problem), std::pair(u"メイン"_s, MainNameUnreadable));
}

TEST(Characters, OtherCharactersClearsReadsAListAgainOnlyWhenItChanged) {
    TempDir dir;
    for (const QString& name : {u"アキ"_s, u"ユウ"_s, u"ハル"_s}) ASSERT_TRUE(create_character(dir.path, name).ok());
    write_file(dir / "ClrList.txt", "11001\r\n11003\r\n");
    write_file(at(dir, u8"アキ") / "ClrList.txt", "11001\r\n");
    write_file(at(dir, u8"ユウ") / "ClrList.txt", "11003\r\n11001,x\r\n");
    OtherCharactersClears others;
    EXPECT_EQ(others.names(dir.path, u"メイン"_s, "11001"), (QStringList{u"アキ"_s, u"ユウ"_s}));
    EXPECT_EQ(others.names(dir.path, u"メイン"_s, "1100"), QStringList{});
    // The same size and time: taken as unchanged. A new time: read again.
    const fs::path aki = at(dir, u8"アキ") / "ClrList.txt";
    const auto time = fs::last_write_time(aki);
    write_file(aki, "11009\r\n");
    fs::last_write_time(aki, time);
    EXPECT_EQ(others.names(dir.path, u"ユウ"_s, "11001"), (QStringList{u"メイン"_s, u"アキ"_s}));
    fs::last_write_time(aki, time + std::chrono::seconds(1));
    EXPECT_EQ(others.names(dir.path, u"ユウ"_s, "11001"), QStringList{u"メイン"_s});
    fs::remove(dir / "ClrList.txt");
    EXPECT_EQ(others.names(dir.path, u"ユウ"_s, "11001"), QStringList{});
}

}  // namespace
}  // namespace kestrow::test
