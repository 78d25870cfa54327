// The quest detail dialog on the real window: the ways to open it, what it
// shows, Next and Previous, the ticks it applies to the list and its geometry.

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

QString text(QDialog& d, const char* box) { return child<QPlainTextEdit>(d, box)->toPlainText(); }
bool ticked(QDialog& d) { return child<QCheckBox>(d, "checkCleared")->isChecked(); }

class QuestDialog : public ShellTest {
protected:
    // Runs act in the dialog that press (by default Change) opens; the title
    // it came up with, or nothing when no dialog came up.
    QString open(std::function<void(QDialog&)> act = {}, const std::function<void()>& press = {}) {
        QString title;
        auto ran = when_modal([&](QDialog& d) {
            title = d.windowTitle();
            opened_ = d.frameGeometry();
            if (act) act(d);
        });
        press ? press() : view()->OnChange();
        settle();
        return *ran ? title : QString();
    }
    QRect opened_;  // where the last dialog came up, frame included
};

// Opened on the selected row only, it shows each quest and steps round the
// list; closed, it opens again where it was and as large.
TEST_F(QuestDialog, OpensOnTheSelectedRowOnlyStepsRoundTheListAndOpensAgainWhereItWasClosed) {
    start();
    frame()->resize(800, 500);  // a first start shows only the form: no rows would be visible
    choose(QStringLiteral("ハーヴェル港"));
    const QStringList quests = names();
    QTreeView* list = questList();
    QSignalSpy activated(list, &QAbstractItemView::activated);
    auto key = [](QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {}) { return [=] { QTest::keyClick(w, k, m); }; };
    const QPoint row4 = list->visualRect(list->model()->index(4, 0)).center();
    auto doubleClick = [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row4);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row4);
    };
    // Row 2 selected, or else row 3 current but unselected; the row shown, -1 for no dialog. (Ctrl+M is
    // the Change command's shortcut, which is disabled while no row is selected.)
    const struct { bool selected; std::function<void()> press; int opens; } ways[] = {
        {false, key(list, Qt::Key_Return), -1},  {true, key(list, Qt::Key_Return), 2},
        {true, key(list, Qt::Key_Enter, Qt::KeypadModifier), 2}, {true, key(chooser(), Qt::Key_Return), 2},
        {true, key(list, Qt::Key_Return, Qt::AltModifier), -1},  {true, key(list, Qt::Key_M, Qt::ControlModifier), 2},
        {true, doubleClick, 4},
    };
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        const auto& w = ways[i];
        // Shortcuts reach the active window only, and offscreen a closed dialog does not hand it back.
        ASSERT_TRUE(activate(frame()));
        const auto how = w.selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear;
        list->selectionModel()->setCurrentIndex(list->model()->index(w.selected ? 2 : 3, 0), how);
        EXPECT_EQ(open({}, w.press), w.opens < 0 ? QString() : quests[w.opens]) << i;
    }
    // The two Enters that opened nothing reached the list, as did the double click.
    EXPECT_EQ(activated.count(), 3);

    // Resized, it lays out by the rule, with the frame the rule was drawn for (6 pixels, a 25-pixel top).
    selectRow(1);
    QStringList seen;
    QRect closed;
    open([&](QDialog& d) {
        d.setGeometry(60, 70, 700, 450);
        settle();
        EXPECT_EQ(child<QWidget>(d, "buttonNext")->pos(), QPoint(706 - 106, 456 - 40));
        EXPECT_EQ(d.children().last(), child<QWidget>(d, "checkCleared"));  // on top
        closed = d.frameGeometry();
        EXPECT_EQ(text(d, "editReward") + u'|' + text(d, "editLocation") + u'|' + text(d, "editCondition"),
                  QStringLiteral("ポーション×3|ハーヴェル港 灯台|なし"));
        EXPECT_EQ(text(d, "editDetails"),
                  QStringLiteral("灯台守のミーナが世話していた渡り鳥が逃げた。\n港の倉庫街で探し出そう。"));
        // Round the list both ways: rows 1, 0, 8, 0 and 1. Repeatable "0" gives ×, an empty
        // value (11008) ○; + marks a tick (11001).
        for (const char* button : {"buttonPrevious", "buttonPrevious", "buttonNext", "buttonNext", "buttonOK"}) {
            seen << d.windowTitle() + u' ' + child<QLabel>(d, "labelRepeatMark")->text() + (ticked(d) ? "+" : "");
            click(d, button);
        }
    });
    EXPECT_EQ(seen, (QStringList{quests[1] + " ×", quests[0] + " ×+", quests[8] + " ○", quests[0] + " ×+",
                                 quests[1] + " ×"}));
    // Closed, it opens again where it was and as large.
    open();
    EXPECT_EQ(opened_, closed);
    // A size smaller than the form opens as large as the form.
    view()->dialogGeometry() = {184, 178, 0, -5};
    open();
    EXPECT_EQ(opened_, QRect(QPoint(184, 178), QSize(632, 390).grownBy(frame()->windowHandle()->frameMargins())));
}

// A ticked quest leaves the not-cleared list: Next shows the one that took its
// place, Previous the one above, and neither the list nor the selection moves.
TEST_F(QuestDialog, AQuestThatLeavesItsCategoryMovesNeitherTheListNorTheSelection) {
    start();
    frame()->resize(500, 300);  // a long list, scrolled both ways
    choose(QStringLiteral("未クリア"));
    const QStringList before = names();
    questList()->header()->resizeSection(4, 600);
    selectRow(15);
    questList()->scrollTo(questList()->model()->index(10, 0), QAbstractItemView::PositionAtTop);
    questList()->horizontalScrollBar()->setValue(150);
    auto top = [&] { return questList()->indexAt(QPoint(0, 0)).row(); };
    QStringList shown;
    open([&](QDialog& d) {
        for (const char* button : {"buttonNext", "buttonPrevious"}) {
            click(d, "checkCleared");
            click(d, button);
            shown << d.windowTitle();
        }
    });
    EXPECT_EQ(shown, QStringList({before[16], before[14]}));
    EXPECT_EQ(names(), before.mid(0, 15) + before.mid(17));
    EXPECT_EQ(std::tuple(view()->selectedRow(), top(), questList()->horizontalScrollBar()->value()),
              std::tuple(14, 10, 150));
    // Stepping above the top row: the list does not follow.
    open([](QDialog& d) { for (int i = 0; i < 6; ++i) click(d, "buttonPrevious"); });
    EXPECT_EQ(std::pair(view()->selectedRow(), top()), std::pair(8, 10));
}

// The tick and a step empty the list, which leaves the quest on show: OK
// applies the untick after them to it all the same.
TEST_F(QuestDialog, TheTickOfAQuestWhoseListEmptiedIsAppliedAtOK) {
    write_file(dataPath("Kestrow.txt"), "092000,Open\r\n11002,Alpha,R,L,C,D,0\r\n");
    start();
    choose(QStringLiteral("Open"));
    selectRow(0);
    open([&](QDialog& d) {
        click(d, "checkCleared");
        click(d, "buttonNext");
        EXPECT_EQ(view()->rowCount(), 0);
        click(d, "checkCleared");
        click(d, "buttonOK");
    });
    EXPECT_EQ(names(), QStringList{"Alpha"});
}

}  // namespace
}  // namespace kestrow::test
