// The window under a real X server and window manager (tests/shell/under_x11.sh
// runs these on its own); on any other platform they are skipped.

#include <QApplication>
#include <QDir>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <climits>

#include "desktop/key_locks.h"
#include "shell_fixture.h"

namespace kestrow::test {
namespace {

class UnderX11 : public ShellTest {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != u"xcb") GTEST_SKIP() << "needs the X11 platform";
        ShellTest::SetUp();
    }
};

// Stored at a size far beyond the screen, the quest dialog opens as large as
// the screen and wholly on it; put back at the default rectangle, it reopens
// there each time. The last time, keys work it: tick, Alt+N twice, tick,
// Enter, from the tick that has the focus. The window gets the activation
// back as the dialog closes, so that Ctrl+Z and Ctrl+Y undo and redo the last
// tick.
TEST_F(UnderX11, TheQuestDialogFitsTheScreenReopensWhereItWasClosedAndTakesTicksByKey) {
    profile().setValue("CDlgSize/width", INT_MAX);
    profile().setValue("CDlgSize/height", INT_MAX);
    start();
    choose(QStringLiteral("ハーヴェル港"));
    selectRow(1);
    const auto unticked = icon(1), cleared = icon(0);
    // The window inside its frame at each opening, and the outer rectangle kept at each close. (What the
    // frame is, Qt learns from the window manager a moment after the window is up.)
    QList<QRect> opened;
    QList<DialogGeometry> kept;
    QRect screen;
    for (int i = 0; i < 4; ++i) {
        when_modal([&](QDialog& d) {
            ASSERT_TRUE(activate(&d));
            opened << d.geometry();
            screen = d.screen()->availableGeometry();
            if (i < 3) return;  // left open: cancelled
            // A button's mnemonic presses it and lets go a moment later: wait for the click.
            QSignalSpy next(child<QPushButton>(d, "buttonNext"), &QAbstractButton::clicked);
            for (const Qt::Key k : {Qt::Key_Space, Qt::Key_N, Qt::Key_N, Qt::Key_Space, Qt::Key_Return}) {
                QTest::keyClick(QApplication::focusWidget(), k, k == Qt::Key_N ? Qt::AltModifier : Qt::NoModifier);
                if (k == Qt::Key_N) {
                    ASSERT_TRUE(next.wait());
                }
            }
        });
        QTest::keyClick(questList(), Qt::Key_Return);
        settle();
        kept << view()->dialogGeometry();
        if (i == 0) view()->dialogGeometry() = {};
    }
    EXPECT_EQ(kept.takeFirst(), (DialogGeometry{screen.x(), screen.y(), screen.width(), screen.height()}));
    EXPECT_EQ(kept, (QList<DialogGeometry>(3, {184, 178, 644, 421})));
    EXPECT_EQ(opened.mid(1), QList<QRect>(3, opened.value(1)));
    EXPECT_EQ(std::pair(icon(1), icon(3)), std::pair(cleared, cleared));
    QTest::keyClick(questList(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::pair(icon(1), icon(3)), std::pair(cleared, unticked));
    QTest::keyClick(questList(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(icon(3), cleared);

    // A click on a header sorts, as the window manager delivers it.
    const QStringList fileOrder = names();
    QHeaderView* header = questList()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(0) + 20, 5));
    settle();
    EXPECT_NE(names(), fileOrder);
    EXPECT_EQ(header->sortIndicatorSection(), 0);
}

// The key panes show the server's locks. Alt+F, R opens the restore dialog
// with the focus on the versions; Down and Enter take the older one. Ctrl+F,
// half-width kana typed, Alt+L for the loose search, Enter: the quest spelt
// in full-width katakana is found. Then a catalogue copied over Kestrow.txt
// is offered in the status bar and F5 reads it.
TEST_F(UnderX11, TheKeyPanesTheRestoreAndSearchDialogsByKeyAndACatalogueReplacedWhileOpen) {
    const QString history = dataPath("ClrList.history") + u'/';
    ASSERT_TRUE(QDir().mkpath(history));
    write_file(history + QStringLiteral("ClrList-20261208-101530.txt"), "11001\r\n");
    write_file(history + QStringLiteral("ClrList-20261209-083000.txt"), "11001\r\n11002\r\n");
    start();
    const auto locks = platform_key_locks();
    const auto caps = locks->isOn(LockKey::Caps);
    ASSERT_TRUE(caps.has_value() && locks->isOn(LockKey::Num).has_value() && locks->isOn(LockKey::Scroll).has_value());
    frame()->refreshIndicators();
    EXPECT_EQ(frame()->statusBar()->findChild<QLabel*>(QStringLiteral("indicatorCaps"))->text(),
              *caps ? QStringLiteral("CAP") : QString());

    QTest::keyClick(frame(), Qt::Key_F, Qt::AltModifier);
    when_modal([&](QDialog& d) {
        ASSERT_TRUE(activate(&d));
        QWidget* list = QApplication::focusWidget();
        EXPECT_EQ(list->objectName(), u"versionList");
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);  // else the key would go nowhere and QTest abort
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
    settle();
    choose(QStringLiteral("クリア済み"));
    EXPECT_EQ(names(), QStringList{QStringLiteral("港の見張り番")});

    when_modal([&](QDialog& d) {
        ASSERT_TRUE(activate(&d));
        // Typed as an input method hands them over: keys that carry text.
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QStringLiteral("ｾﾞﾘｰ"),
                            Qt::NoModifier);
        // A mnemonic clicks its box after showing it pressed for a moment.
        QSignalSpy toggled(child<QCheckBox>(d, "checkLooseSearch"), &QCheckBox::toggled);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
        toggled.wait(5000);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(questList(), Qt::Key_F, Qt::ControlModifier);
    settle();
    EXPECT_EQ(names(), QStringList{QStringLiteral("ゼリー職人の依頼")});

    QSignalSpy changed(view()->document(), &CKestrowDoc::catalogueChangedOnDisk);
    write_file(dataPath("Kestrow.new"), read_file(dataPath("Kestrow.txt")) + "12099,Extra,,,,,0\r\n");
    ASSERT_TRUE(QFile::remove(dataPath("Kestrow.txt")) && QFile::rename(dataPath("Kestrow.new"), dataPath("Kestrow.txt")));
    ASSERT_TRUE(changed.wait(5000));
    QTest::keyClick(questList(), Qt::Key_F5);
    settle();
    choose(QStringLiteral("ハーヴェル旧市街"));
    EXPECT_TRUE(names().contains(QStringLiteral("Extra")));
}

// A second character made by keyboard (Alt+F, C, N, its name, Enter): a tick
// in it shows in the main character's dialog after Ctrl+1.
TEST_F(UnderX11, ACharacterMadeByKeyboardShowsInTheOthersDialog) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    QTest::keyClick(frame(), Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
    QWidget* submenu = QApplication::activePopupWidget();
    ASSERT_EQ(submenu->objectName(), u"menuCharacters");
    when_modal([](QDialog& d) {
        ASSERT_TRUE(activate(&d));
        // keyClicks takes Latin-1 only: each character goes as the text of a key.
        for (const QChar c : QStringLiteral("ユウ"))
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c), {});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(submenu, Qt::Key_N);
    settle();
    ASSERT_EQ(frame()->windowTitle(), QStringLiteral("ケストロウ - ユウ"));
    setCleared(1, true);
    answers_ = {QMessageBox::Save};
    // The window manager gives the focus back to the window in its own time.
    ASSERT_TRUE(activate(frame()));
    QTest::keyClick(questList(), Qt::Key_1, Qt::ControlModifier);
    settle();
    selectRow(1);
    QString line;
    when_modal([&](QDialog& d) { line = child<QLabel>(d, "labelOtherCharacters")->text(); });
    QTest::keyClick(questList(), Qt::Key_Return);
    EXPECT_EQ(line, QStringLiteral("ほかのキャラクター: ユウ"));
}

}  // namespace
}  // namespace kestrow::test
