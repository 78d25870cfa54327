// The command line and the display check, without a window.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "command_line.h"

using Kind = kestrow::StartRequest::Kind;

TEST(CommandLine, TakesNoneOrOneFolderExplainsAnythingElseAndNeedsADisplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkdir(QStringLiteral("char2")));
    const auto none = kestrow::parse_command_line({}, [] { return QStringLiteral("/opt/kestrow"); });
    EXPECT_EQ(std::pair(none.kind, none.data_dir), std::pair(Kind::Run, QStringLiteral("/opt/kestrow")));
    // A relative folder is made absolute: the working folder may change later.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto one = kestrow::parse_command_line({QStringLiteral("char2")}, {});
    QDir::setCurrent(before);
    EXPECT_EQ(std::pair(one.kind, one.data_dir), std::pair(Kind::Run, QDir(dir.filePath(QStringLiteral("char2"))).absolutePath()));
    EXPECT_EQ(kestrow::parse_command_line({QStringLiteral("--help")}, {}).kind, Kind::Help);
    const std::pair<QStringList, const char*> wrong[] = {{{dir.path(), dir.path()}, "Too many"},
                                                         {{QStringLiteral("--verbose")}, "Unknown option"},
                                                         {{QCoreApplication::applicationFilePath()}, "No such folder"},
                                                         {{dir.filePath(QStringLiteral("none"))}, "No such folder"}};
    for (const auto& [args, reason] : wrong) {
        const auto r = kestrow::parse_command_line(args, {});
        EXPECT_EQ(r.kind, Kind::Usage) << reason;
        EXPECT_TRUE(r.problem.contains(QString::fromLatin1(reason))) << r.problem.toStdString();
        EXPECT_TRUE(kestrow::usage_text(r.problem).contains(QStringLiteral("Usage: kestrow [FOLDER]")));
    }

    // Without a display variable or "-platform", say how to give the program one.
    const char* set = "";
    const auto environment = [&](const char* name) { return qstrcmp(name, set) ? QString() : QStringLiteral("x"); };
    char program[] = "kestrow", platform[] = "-platform", offscreen[] = "offscreen";
    char* argv[] = {program, platform, offscreen, nullptr};
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    EXPECT_FALSE(kestrow::display_available(environment, 1, argv));
    EXPECT_TRUE(kestrow::display_available(environment, 3, argv));
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        set = name;
        EXPECT_TRUE(kestrow::display_available(environment, 1, argv)) << name;
    }
#endif
    EXPECT_TRUE(kestrow::no_display_text(QStringLiteral("build/bin/kestrow")).contains(QStringLiteral("xvfb-run build/bin/kestrow")));
}
