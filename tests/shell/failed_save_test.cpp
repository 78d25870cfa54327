// A save that cannot succeed, as the user meets it. Which failures the
// writer detects (a read-only mount, a full disk) the platform suite tests;
// the window reacts to each the same way.

#include <QApplication>
#include <QDir>
#include <QTest>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

using FailedSave = ShellTest;

// A tick, then the folder vanishes and Ctrl+S is pressed: the user is told,
// and the mark and the Save command stay as they were.
TEST_F(FailedSave, IntoAVanishedFolderIsReportedAndKeepsTheChangesUnsaved) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    setCleared(1, true);
    ASSERT_TRUE(QDir(dataDir_).removeRecursively());
    QTest::keyClick(questList(), Qt::Key_S, Qt::ControlModifier);
    settle();
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].request.text,
              QStringLiteral("保存用ファイルを開けません。\n\n") + QDir::toNativeSeparators(dataPath("ClrList.txt")));
    EXPECT_EQ(view()->document()->modifiedMark(), 1);
    EXPECT_TRUE(action("actionFileSave")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(dataDir_));  // no folder made
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace kestrow::test
