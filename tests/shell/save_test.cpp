// Saving as the user meets it: saves that fail, a history that cannot be
// kept, and a clear list that another program changed meanwhile. Which
// failures the writer detects (a read-only mount, a full disk) and how the
// changes of two writers are merged the platform and catalogue suites test.

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <cstdio>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

class Save : public ShellTest {
protected:
    void pressCtrlS() { QTest::keyClick(questList(), Qt::Key_S, Qt::ControlModifier); }
    QString report(const char* text, const char* file) const {
        return QString::fromUtf8(text) + QStringLiteral("\n\n") + QDir::toNativeSeparators(dataPath(file));
    }
    // Another program changes the clear list while the window is elsewhere.
    void changeOutside(const QByteArray& before, const QByteArray& after) {
        write_file(dataPath("ClrList.txt"), read_file(dataPath("ClrList.txt")).replace(before, after));
        QWidget elsewhere;
        elsewhere.show();
        ASSERT_TRUE(activate(&elsewhere));
        ASSERT_TRUE(activate(frame()));
    }
};

// A history that cannot be kept is reported once, and the saves go on. A Save
// into a vanished folder is reported and keeps the changes; 保存して終了 then
// keeps the window, until a Save succeeds.
TEST_F(Save, FailuresAreReportedAndASaveThatFailsKeepsTheChangesAndTheWindow) {
    write_file(dataPath("ClrList.history"), "a file where the folder should be");
    const QByteArray sample = read_file(dataPath("ClrList.txt"));
    start();
    choose(QStringLiteral("ハーヴェル港"));
    for (const bool cleared : {true, false}) {
        setCleared(1, cleared);
        pressCtrlS();
        EXPECT_FALSE(action("actionFileSave")->isEnabled());
    }
    setCleared(1, true);
    ASSERT_TRUE(QDir(dataDir_).removeRecursively());
    pressCtrlS();
    EXPECT_TRUE(action("actionFileSave")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(dataDir_));  // no folder made
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QPointer<CMainFrame> window = frame();
    answers_ = {QMessageBox::Save, QMessageBox::Ok};
    closeWindow();
    ASSERT_FALSE(window.isNull());
    const QString cannotOpen = report("保存用ファイルを開けません。", "ClrList.txt");
    ASSERT_EQ(shown_.size(), 4u);  // and the close question third
    EXPECT_EQ(shown_[0].request.text, report("クリア済みリストの以前の内容を履歴に残せませんでした。", "ClrList.history"));
    EXPECT_EQ(QStringList({shown_[1].request.text, shown_[3].request.text}), QStringList({cannotOpen, cannotOpen}));
    ASSERT_TRUE(QDir().mkpath(dataDir_));
    answers_ = {QMessageBox::Save};
    closeWindow();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), QByteArray(sample).replace("11003\r\n", "11002\r\n11003\r\n"));
}

// Taken when the window is activated, with this run's own ticks on top; and
// unsaved means differing from what the clear list holds.
TEST_F(Save, AClearListChangedOutsideIsTakenWhenTheWindowIsActivated) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    setCleared(1, true);  // 11002, then unticked: nothing to save
    setCleared(1, false);
    EXPECT_FALSE(action("actionFileSave")->isEnabled());
    const auto cleared = icon(0);  // 11001 済
    setCleared(1, true);           // 11002, not saved
    changeOutside("11001\r\n", "11004\r\n");
    EXPECT_EQ(std::vector({icon(0) == cleared, icon(1) == cleared, icon(3) == cleared}), std::vector({false, true, true}));
    EXPECT_TRUE(action("actionFileSave")->isEnabled());
    // Another program saves this run's tick too: nothing is left to save, and closing asks nothing.
    changeOutside("11003\r\n", "11002\r\n11003\r\n");
    EXPECT_FALSE(action("actionFileSave")->isEnabled());
    closeWindow();
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(frame(), nullptr);
}

// A Kestrow.txt replaced on disk is noticed; F5 reads it, keeping the unsaved
// tick (by its Code, though its line moved) and the category. What the new
// catalogue brought is told once, and its new quests have an entry of their
// own until the next change.
TEST_F(Save, ACatalogueReplacedOnDiskIsReadAgainKeepingUnsavedTicksAndWhatItBroughtIsToldOnce) {
    start();
    EXPECT_TRUE(shown_.empty());  // nothing seen yet: nothing to report
    EXPECT_TRUE(read_file(dataPath("Kestrow.seen")).startsWith("Kestrow.seen 1\r\n"));
    choose(QStringLiteral("ハーヴェル港"));
    const auto cleared = icon(0);  // 11001 済
    setCleared(1, true);           // 11002
    QSignalSpy changed(view()->document(), &CKestrowDoc::catalogueChangedOnDisk);
    // A line in front moves every quest line, and 11001 becomes 11099; written aside
    // and renamed over, as copies arrive.
    write_file(dataPath("Kestrow.new"), "11000,New,,,,,0\r\n" +
                                            read_file(dataPath("Kestrow.txt")).replace("\r\n11001,", "\r\n11099,"));
    ASSERT_TRUE(std::rename(dataPath("Kestrow.new").toLocal8Bit(), dataPath("Kestrow.txt").toLocal8Bit()) == 0);
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_FALSE(frame()->statusBar()->currentMessage().isEmpty());
    QTest::keyClick(questList(), Qt::Key_F5);
    settle();
    EXPECT_EQ(chooser()->currentText(), QStringLiteral("ハーヴェル港"));
    EXPECT_EQ(std::vector({icon(1) == cleared, icon(2) == cleared}), std::vector({false, true}));  // 11099, 11002
    EXPECT_TRUE(action("actionFileSave")->isEnabled());
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(shown_[0].request.text.contains(QStringLiteral("新しいクエスト: 2 件\nなくなったクエスト: 1 件（うちクリア済み 1 件")))
        << shown_[0].request.text.toStdString();
    choose(QStringLiteral("新しいクエスト"));
    EXPECT_EQ(names().size(), 2);
    answers_ = {QMessageBox::Yes};  // closed without saving
    closeWindow();
    start();
    EXPECT_EQ(shown_.size(), 2u);  // told once: only the close question since
    EXPECT_GE(chooser()->findText(QStringLiteral("新しいクエスト")), 0);
}

}  // namespace
}  // namespace kestrow::test
