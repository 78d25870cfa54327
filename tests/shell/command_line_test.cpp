// The command line and the display check, without a window.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "command_line.h"

using kestrow::parse_command_line;
using Kind = kestrow::StartRequest::Kind;

TEST(CommandLine, TakesTheProgramFolderOrOneExistingFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto none = parse_command_line({}, QStringLiteral("/opt/kestrow"));
    EXPECT_EQ(none.kind, Kind::Run);
    EXPECT_EQ(none.data_dir, QStringLiteral("/opt/kestrow"));
    // A relative folder is made absolute: the working folder may change later.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("char2")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto one = parse_command_line({QStringLiteral("char2")}, {});
    QDir::setCurrent(before);
    EXPECT_EQ(one.kind, Kind::Run);
    EXPECT_EQ(one.data_dir, QDir(dir.filePath(QStringLiteral("char2"))).absolutePath());
}

TEST(CommandLine, AnythingElseGetsTheUsageWithItsReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("Kestrow.txt"));
    QFile(file).open(QIODevice::WriteOnly);
    const std::pair<QStringList, const char*> cases[] = {{{dir.path(), dir.path()}, "Too many"},
                                                          {{QStringLiteral("--verbose")}, "Unknown option"},
                                                          {{file}, "No such folder"},
                                                          {{dir.filePath(QStringLiteral("none"))}, "No such folder"}};
    for (const auto& [args, reason] : cases) {
        const auto r = parse_command_line(args, QStringLiteral("/opt/kestrow"));
        EXPECT_EQ(r.kind, Kind::Usage) << reason;
        EXPECT_TRUE(r.problem.contains(QString::fromLatin1(reason))) << r.problem.toStdString();
        EXPECT_TRUE(kestrow::usage_text(r.problem).contains(QStringLiteral("Usage: kestrow [FOLDER]")));
    }
    EXPECT_EQ(parse_command_line({QStringLiteral("--help")}, {}).kind, Kind::Help);
}

TEST(DisplayCheck, NeedsADisplayVariableOrAPlatformOption) {
    std::map<std::string, QString> env;
    const auto lookup = [&](const char* name) { return env.contains(name) ? env[name] : QString(); };
    char program[] = "kestrow", platform[] = "-platform", offscreen[] = "offscreen";
    char* bare[] = {program, nullptr};
    char* with_platform[] = {program, platform, offscreen, nullptr};
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    EXPECT_TRUE(kestrow::display_available(lookup, 1, bare));
#else
    EXPECT_FALSE(kestrow::display_available(lookup, 1, bare));
    EXPECT_TRUE(kestrow::display_available(lookup, 3, with_platform));
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env = {{name, QStringLiteral("x")}};
        EXPECT_TRUE(kestrow::display_available(lookup, 1, bare)) << name;
    }
    env = {{"DISPLAY", QString()}};
    EXPECT_FALSE(kestrow::display_available(lookup, 1, bare));
#endif
    EXPECT_TRUE(kestrow::no_display_text(QStringLiteral("build/bin/kestrow")).contains(QStringLiteral("xvfb-run build/bin/kestrow")));
}
