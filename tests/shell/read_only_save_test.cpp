// Save into a folder that really is read-only. Root may write wherever the
// mode bits say it may not, so the folder is mounted read-only in a private
// mount namespace, and the save runs in a child process inside it.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

constexpr const char* dir_variable = "KESTROW_READ_ONLY_DATA";
constexpr int cannot_mount = 77;

class ReadOnlyChild : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        dataDir_ = qEnvironmentVariable(dir_variable);
    }
};

// Run only by the test below, inside the namespace it prepares.
TEST_F(ReadOnlyChild, DISABLED_SaveKeepsTheOldFileAndTheMark) {
    ASSERT_FALSE(dataDir_.isEmpty());
    const QByteArray before = read_file(dataPath("ClrList.txt"));
    start();
    choose(QStringLiteral("ハーヴェル港"));
    setCleared(1, true);
    QTest::keyClick(questList(), Qt::Key_S, Qt::ControlModifier);
    settle();
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].request.text,
              QStringLiteral("保存用ファイルを開けません。\n\n") + QDir::toNativeSeparators(dataPath("ClrList.txt")));
    EXPECT_EQ(view()->document()->modifiedMark(), 1);
    EXPECT_TRUE(action("actionFileSave")->isEnabled());
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), before);
    EXPECT_EQ(QDir(dataDir_).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(ShellTest, SaveInAReadOnlyFolderFailsCleanly) {
#ifdef Q_OS_LINUX
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) GTEST_SKIP() << "no unshare";
    const QString script = QStringLiteral(
                               "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" \"$1\" || exit %1\n"
                               "exec \"$2\" --gtest_also_run_disabled_tests "
                               "--gtest_filter=ReadOnlyChild.DISABLED_SaveKeepsTheOldFileAndTheMark")
                               .arg(cannot_mount);
    QProcess child;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(dir_variable), dataDir_);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(unshare, {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"),
                          dataDir_, QCoreApplication::applicationFilePath()});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QByteArray output = child.readAll();
    if (child.exitStatus() == QProcess::NormalExit && (child.exitCode() == cannot_mount || output.contains("unshare: ")))
        GTEST_SKIP() << "no private read-only mount here: " << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
#else
    GTEST_SKIP() << "needs Linux mount namespaces";
#endif
}

}  // namespace
}  // namespace kestrow::test
