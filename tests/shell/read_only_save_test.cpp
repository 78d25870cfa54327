// Saves that cannot succeed: into a folder that has vanished, and into one
// that really is read-only. Root may write wherever the mode bits say it may
// not, so that folder is mounted read-only in a private mount namespace and
// the save runs in a child process inside it.

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

class FailedSave : public ShellTest {
protected:
    // Ticks a quest, spoils the folder and presses Ctrl+S: the user is told,
    // and the folder, the mark and the Save command stay as they were.
    void expectCtrlSFails(const std::function<void()>& spoil = {}) {
        start();
        choose(QStringLiteral("ハーヴェル港"));
        setCleared(1, true);
        if (spoil) spoil();
        const QByteArray before = read_file(dataPath("ClrList.txt"));
        const QStringList files = QDir(dataDir_).entryList(QDir::Files | QDir::Hidden);
        QTest::keyClick(questList(), Qt::Key_S, Qt::ControlModifier);
        settle();
        ASSERT_EQ(shown_.size(), 1u);
        EXPECT_EQ(shown_[0].request.text,
                  QStringLiteral("保存用ファイルを開けません。\n\n") + QDir::toNativeSeparators(dataPath("ClrList.txt")));
        EXPECT_EQ(view()->document()->modifiedMark(), 1);
        EXPECT_TRUE(action("actionFileSave")->isEnabled());
        EXPECT_EQ(read_file(dataPath("ClrList.txt")), before);
        EXPECT_EQ(QDir(dataDir_).entryList(QDir::Files | QDir::Hidden), files);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
};

TEST_F(FailedSave, IntoAVanishedFolder) {
    expectCtrlSFails([this] { ASSERT_TRUE(QDir(dataDir_).removeRecursively()); });
    EXPECT_FALSE(QFileInfo::exists(dataDir_));
}

// Run only by the test below, inside the namespace it prepares.
TEST_F(FailedSave, DISABLED_InsideAReadOnlyMount) {
    dataDir_ = qEnvironmentVariable("KESTROW_READ_ONLY_DATA");
    ASSERT_FALSE(dataDir_.isEmpty());
    expectCtrlSFails();
}

TEST_F(FailedSave, IntoAReadOnlyFolder) {
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) GTEST_SKIP() << "needs unshare and Linux mount namespaces";
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(unshare, {"-rm", "sh", "-c",
                          "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" \"$1\" && "
                          "KESTROW_READ_ONLY_DATA=\"$1\" exec \"$2\" --gtest_also_run_disabled_tests "
                          "--gtest_filter=FailedSave.DISABLED_InsideAReadOnlyMount",
                          "sh", dataDir_, QCoreApplication::applicationFilePath()});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    // No test ran: this system grants no private read-only mount.
    if (!output.contains(QStringLiteral("[==========]"))) GTEST_SKIP() << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

}  // namespace
}  // namespace kestrow::test
