// A player's evening, on the real window and the keyboard: pick an area,
// open a quest with Enter, tick it, step on with Next, tick another, close
// with OK, save with Ctrl+S; the clear list on disk holds exactly the new
// ticks, and the next start shows them.

#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

class EndToEnd : public ShellTest {
protected:
    qint64 icon(int row) const {
        return questList()->model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey();
    }
    static void key(int k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), modifiers);
        // A button's mnemonic presses it and lets go a moment later.
        QTest::qWait(modifiers & Qt::AltModifier ? 200 : 0);
    }
};

TEST_F(EndToEnd, TicksMadeInTheDialogAreSavedAndLoadedAgain) {
    start();
    frame()->resize(800, 500);
    chooser()->setFocus();
    key(Qt::Key_Down);  // the first area
    ASSERT_EQ(chooser()->currentText(), QStringLiteral("ハーヴェル港"));
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), questList());
    key(Qt::Key_Down);  // from the first row, which the focus made current
    ASSERT_EQ(view()->selectedRow(), 1);

    QStringList titles;
    when_modal([&](QDialog& d) {
        titles << d.windowTitle();
        // The tick has the focus.
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(d, "checkCleared"));
        key(Qt::Key_Space);
        key(Qt::Key_N, Qt::AltModifier);
        titles << d.windowTitle();
        key(Qt::Key_N, Qt::AltModifier);
        titles << d.windowTitle();
        key(Qt::Key_Space);
        key(Qt::Key_Return);  // OK
    });
    key(Qt::Key_Return);
    settle();
    // A window system hands the activation back to the window when its dialog
    // closes; the offscreen platform does not.
    frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    EXPECT_EQ(titles, (QStringList{"迷子の渡り鳥", "[WS]潮騒の一閃", "塩漬け魚の配達"}));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(read_file(dataPath("ClrList.txt")), read_file(QStringLiteral(KESTROW_TEST_DATA_DIR "/ClrList.expected.txt")));
    closeWindow();
    EXPECT_TRUE(shown_.empty());  // saved: closing asked nothing

    start();
    choose(QStringLiteral("ハーヴェル港"));
    for (int row : {1, 3}) EXPECT_EQ(icon(row), icon(0)) << row;  // 済, as 11001
    EXPECT_NE(icon(4), icon(0));
    questList()->setCurrentIndex(questList()->model()->index(3, 0));
    bool ticked = false;
    when_modal([&](QDialog& d) { ticked = child<QCheckBox>(d, "checkCleared")->isChecked(); });
    QTest::keyClick(questList(), Qt::Key_Return);
    settle();
    EXPECT_TRUE(ticked);
}

}  // namespace
}  // namespace kestrow::test
