// A player's evening, on the real window and the keyboard: pick an area,
// open a quest with Enter, tick it, step on with Next, tick another, close
// with OK, save with Ctrl+S; the clear list on disk holds exactly the new
// ticks, and the next start shows them.

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(QApplication::focusWidget(), k, modifiers); }

using EndToEnd = ShellTest;

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
        ASSERT_TRUE(activate(&d));
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(d, "checkCleared"));  // the tick has the focus
        // Tick, Next, Next, tick, OK; the title before each key. A button's
        // mnemonic presses it and lets go a moment later: wait for the click.
        QSignalSpy next(child<QPushButton>(d, "buttonNext"), &QAbstractButton::clicked);
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_N, Qt::Key_N, Qt::Key_Space, Qt::Key_Return}) {
            titles << d.windowTitle();
            key(k, k == Qt::Key_N ? Qt::AltModifier : Qt::NoModifier);
            if (k == Qt::Key_N) {
                ASSERT_TRUE(next.wait());
            }
        }
    });
    key(Qt::Key_Return);
    settle();
    // A window system hands the activation back to the window when its dialog
    // closes; the offscreen platform does not.
    ASSERT_TRUE(activate(frame()));
    EXPECT_EQ(titles, (QStringList{"迷子の渡り鳥", "迷子の渡り鳥", "[WS]潮騒の一閃", "塩漬け魚の配達",
                                   "塩漬け魚の配達"}));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(read_file(dataPath("ClrList.txt")),
              read_file(QStringLiteral(KESTROW_TEST_DATA_DIR "/ClrList.expected.txt")));
    closeWindow();
    EXPECT_TRUE(shown_.empty());  // saved: closing asked nothing

    start();
    choose(QStringLiteral("ハーヴェル港"));
    for (int row : {1, 3}) EXPECT_EQ(icon(row), icon(0)) << row;  // 済, as 11001
    EXPECT_NE(icon(4), icon(0));                                   // 未 as before
}

}  // namespace
}  // namespace kestrow::test
