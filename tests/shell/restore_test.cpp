// Going back to a version of the clear list kept in its history, from the File menu.

#include <QDir>
#include <QTest>

#include "catalogue/held_line.h"
#include "shell_fixture.h"

namespace kestrow::test {
namespace {

// The rows of a dialog's list, their cells joined by '|'.
QStringList rows(QDialog& d, const char* list) {
    const QAbstractItemModel* model = child<QTreeView>(d, list)->model();
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            texts << (c ? texts.takeLast() + u'|' : QString()) + model->index(r, c).data().toString();
    return texts;
}

using Restore = ShellTest;

TEST_F(Restore, TheHistoryIsListedNewestFirstAndTheChosenVersionTakenAsOneUndoableStep) {
    // Two versions and a newer one too large to read (sparse: it takes no room).
    const QString history = dataPath("ClrList.history") + u'/';
    ASSERT_TRUE(QDir().mkpath(history));
    write_file(history + QStringLiteral("ClrList-20261208-101530.txt"), "11001\r\n11002\r\n");
    const QByteArray now = read_file(dataPath("ClrList.txt"));  // 11001 11003 12002 ...
    write_file(history + QStringLiteral("ClrList-20261209-083000-2.txt"),
               QByteArray(now).replace("11001\r\n", "").replace("11003\r\n", "11003\r\n11004\r\n11005\r\n"));
    QFile huge(history + QStringLiteral("ClrList-20261210-000000.txt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64{257} << 20));
    start();
    choose(QStringLiteral("ハーヴェル港"));
    // The held flag of each row shown, as the icons show it.
    const auto shownFlags = [&] {
        std::string flags;
        for (const Row& row : view()->catalogue().rows)
            flags += shows_cleared(view()->catalogue().quest_lines[row.line]) ? '1' : '0';
        return flags;
    };
    // Cancel takes nothing, also with another version chosen.
    when_modal([](QDialog& d) { QTest::keyClick(child<QWidget>(d, "versionList"), Qt::Key_Down); });
    action("actionFileRestore")->trigger();
    // Down and Enter in the versions take the older one. (Had Cancel taken a
    // version, the figures would count from it.)
    when_modal([&](QDialog& d) {
        QWidget* versions = child<QWidget>(d, "versionList");
        EXPECT_EQ(rows(d, "versionList"), QStringList({QStringLiteral("2026/12/10 00:00:00|読めません|"),
                                                       QStringLiteral("2026/12/09 08:30:00 (2)|9|+2 −1"),
                                                       QStringLiteral("2026/12/08 10:15:30|2|+1 −7")}));
        EXPECT_FALSE(child<QWidget>(d, "buttonRestore")->isEnabled());  // the newest is selected first
        QTest::keyClick(versions, Qt::Key_Down);
        EXPECT_EQ(rows(d, "changeList"), QStringList({QStringLiteral("港の見張り番|ハーヴェル港|未"),
                                                      QStringLiteral("塩漬け魚の配達|ハーヴェル港|済"),
                                                      QStringLiteral("[白ジョブ]癒し手の誓い|ハーヴェル港|済")}));
        QTest::keyClick(versions, Qt::Key_Return);
    });
    action("actionFileRestore")->trigger();
    EXPECT_EQ(shownFlags(), "001110000");
    EXPECT_TRUE(action("actionEditUndo")->text().contains(u"以前の状態に戻す"));
    action("actionEditUndo")->trigger();
    EXPECT_EQ(shownFlags(), "101000000");
}

}  // namespace
}  // namespace kestrow::test
