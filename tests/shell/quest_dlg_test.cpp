// The quest detail dialog on the real window: the ways to open it, what it
// shows, Next and Previous, the ticks it applies to the list and its geometry.

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <climits>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

QString text(QDialog& d, const char* box) { return child<QPlainTextEdit>(d, box)->toPlainText(); }
bool ticked(QDialog& d) { return child<QCheckBox>(d, "checkCleared")->isChecked(); }
void tick(QDialog& d) { click(d, "checkCleared"); }

class QuestDialog : public ShellTest {
protected:
    // Runs act in the dialog that press (by default Change) opens; the title
    // it came up with, or nothing when no dialog came up.
    QString open(std::function<void(QDialog&)> act = {}, const std::function<void()>& press = {}) {
        QString title;
        auto ran = when_modal([&](QDialog& d) { title = d.windowTitle(); if (act) act(d); });
        press ? press() : view()->OnChange();
        settle();
        return *ran ? title : QString();
    }
};

TEST_F(QuestDialog, OpensByMenuCtrlMEnterAndDoubleClickOnTheSelectedRowOnly) {
    start();
    frame()->resize(800, 500);  // a first start shows only the form: no rows would be visible
    choose(QStringLiteral("ハーヴェル港"));
    const QStringList quests = names();
    QTreeView* list = questList();
    QSignalSpy activated(list, &QAbstractItemView::activated);
    auto key = [](QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = {}) { return [=] { QTest::keyClick(w, k, m); }; };
    auto menu = [&] {
        QTest::keyClick(frame(), Qt::Key_E, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M);
    };
    const QPoint row4 = list->visualRect(list->model()->index(4, 0)).center();
    auto doubleClick = [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row4);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row4);
    };
    // Row 2 selected, or else row 3 current but unselected; the row shown, -1 for no dialog.
    const struct { bool selected; std::function<void()> press; int opens; } ways[] = {
        {false, key(list, Qt::Key_Return), -1},       {false, key(chooser(), Qt::Key_Return), -1},
        {false, key(list, Qt::Key_M, Qt::ControlModifier), -1},
        {true, menu, 2},                              {true, key(list, Qt::Key_Return), 2},
        {true, key(list, Qt::Key_Enter, Qt::KeypadModifier), 2}, {true, key(chooser(), Qt::Key_Return), 2},
        {true, key(list, Qt::Key_Return, Qt::AltModifier), -1},  {true, key(list, Qt::Key_M, Qt::ControlModifier), 2},
        {true, key(chooser(), Qt::Key_M, Qt::ControlModifier), 2}, {true, doubleClick, 4},
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
}

TEST_F(QuestDialog, ShowsEachQuestStepsRoundTheListAndTicksInPlace) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    const QStringList quests = names();
    selectRow(1);
    QStringList titles, rewards, marks;
    open([&](QDialog& d) {
        EXPECT_EQ(text(d, "editLocation"), QStringLiteral("ハーヴェル港 灯台"));
        EXPECT_EQ(text(d, "editCondition"), QStringLiteral("なし"));
        EXPECT_EQ(text(d, "editDetails"),
                  QStringLiteral("灯台守のミーナが世話していた渡り鳥が逃げた。\n港の倉庫街で探し出そう。"));
        EXPECT_FALSE(d.windowIcon().isNull());
        for (int step = 0; step < 8; ++step) {
            titles << d.windowTitle();
            rewards << text(d, "editReward");
            marks << child<QLabel>(d, "labelRepeatMark")->text() + (ticked(d) ? "+" : "");
            click(d, "buttonNext");
        }
        titles << d.windowTitle();  // the last row steps on to the first
        click(d, "buttonPrevious");
        titles << d.windowTitle();
        click(d, "buttonOK");
    });
    EXPECT_EQ(titles, quests.mid(1) + QStringList({quests[0], quests[8]}));
    EXPECT_EQ(rewards.mid(0, 3), (QStringList{"ポーション×3", "WS「潮騒斬り」", "魚の塩漬け\n50ギル"}));
    // Repeatable "0" gives ×; "1" (11004) and an empty value (11008) give ○. + marks a tick (11003).
    EXPECT_EQ(marks, (QStringList{"×", "×+", "○", "×", "×", "×", "○", "○"}));
    EXPECT_FALSE(action("actionFileSave")->isEnabled());  // no tick changed, by the steps or by OK

    ASSERT_NE(icon(1), icon(0));  // 11002 未, 11001 済
    selectRow(1);
    open([](QDialog& d) { tick(d); click(d, "buttonOK"); });
    EXPECT_EQ(icon(1), icon(0));
    EXPECT_EQ(view()->selectedRow(), 1);
}

TEST_F(QuestDialog, AQuestThatLeavesItsCategoryMovesNeitherTheListNorTheSelection) {
    start();
    // A long list scrolled both ways: the row that leaves moves nothing else.
    frame()->resize(500, 300);
    choose(QStringLiteral("未クリア"));
    questList()->header()->resizeSection(4, 600);
    selectRow(15);
    questList()->scrollTo(questList()->model()->index(10, 0), QAbstractItemView::PositionAtTop);
    questList()->horizontalScrollBar()->setValue(150);
    auto top = [&] { return questList()->indexAt(QPoint(0, 0)).row(); };
    open([](QDialog& d) { tick(d); QTest::keyClick(&d, Qt::Key_Return); });
    EXPECT_EQ(view()->selectedRow(), 15);  // the row after the one that left
    EXPECT_EQ(top(), 10);
    EXPECT_EQ(questList()->horizontalScrollBar()->value(), 150);
    // Stepping above the top row: the list does not follow.
    open([](QDialog& d) { for (int i = 0; i < 6; ++i) click(d, "buttonPrevious"); });
    EXPECT_EQ(view()->selectedRow(), 9);
    EXPECT_EQ(top(), 10);
}

TEST_F(QuestDialog, NextAfterAQuestLeftShowsTheOneThatFollowedAndPreviousTheOneBefore) {
    start();
    choose(QStringLiteral("未クリア"));
    const QStringList before = names();
    for (const auto& [button, shows] : {std::pair{"buttonNext", 2}, std::pair{"buttonPrevious", 0}}) {
        selectRow(1);
        QString shown;
        open([&](QDialog& d) { tick(d); click(d, button); shown = d.windowTitle(); });
        EXPECT_EQ(shown, before[shows]) << button;  // the row that took its place, or the one above
    }
    EXPECT_EQ(names(), before.mid(0, 1) + before.mid(3));
}

TEST_F(QuestDialog, AOneRowListStaysAndAnEmptiedListKeepsTheQuestOnShow) {
    write_file(dataPath("Kestrow.txt"), "092000,Open\r\n11002,Alpha,R,L,C,D,0\r\n");
    start();
    // A one-row list steps to its own row. Then the tick and the step empty
    // it; after that there is nothing to step to, and trying does not apply
    // the untick. OK applies it, Cancel does not.
    for (const char* close : {"buttonOK", "buttonCancel"}) {
        choose(QStringLiteral("Open"));
        selectRow(0);
        QStringList shown;
        open([&](QDialog& d) {
            for (int i = 0; i < 3; ++i) {
                if (i > 0) tick(d);
                click(d, "buttonNext");
                click(d, "buttonPrevious");
                shown << QStringLiteral("%1 %2 %3 %4")
                             .arg(view()->rowCount()).arg(d.windowTitle(), text(d, "editDetails")).arg(ticked(d));
            }
            click(d, close);
        });
        EXPECT_EQ(shown, (QStringList{"1 Alpha D 0", "0 Alpha D 1", "0 Alpha D 0"}));
        EXPECT_EQ(names(), close == std::string_view("buttonOK") ? QStringList{"Alpha"} : QStringList()) << close;
        EXPECT_EQ(view()->selectedRow(), -1);
    }
}

TEST_F(QuestDialog, GeometryIsStoredAtEveryCloseAndTheLayoutFollowsTheSize) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    selectRow(0);
    QRect opened, closed;
    auto openThen = [&](const std::function<void(QDialog&)>& act) {
        open([&](QDialog& d) { opened = d.frameGeometry(); act(d); });
    };
    openThen([&](QDialog& d) {
        d.setGeometry(60, 70, 700, 450);
        settle();
        // The rule, with the frame it was drawn for (6 pixels, a 25-pixel top).
        EXPECT_EQ(child<QWidget>(d, "buttonNext")->pos(), QPoint(706 - 106, 456 - 40));
        EXPECT_EQ(child<QWidget>(d, "editDetails")->geometry().bottom() + 1, 456 - 99);
        EXPECT_EQ(d.children().last(), child<QWidget>(d, "checkCleared"));  // on top
        closed = d.frameGeometry();
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(opened, QRect(184, 178, 644, 421));
    const QMargins frameMargins = frame()->windowHandle()->frameMargins();
    EXPECT_EQ(closed.size(), QSize(700, 450).grownBy(frameMargins));
    EXPECT_EQ(view()->dialogGeometry(), (DialogGeometry{closed.x(), closed.y(), closed.width(), closed.height()}));
    openThen([](QDialog& d) { d.move(90, 40); settle(); d.close(); });
    EXPECT_EQ(opened, closed);
    openThen([](QDialog&) {});
    EXPECT_EQ(opened, QRect(QPoint(90, 40), closed.size()));
    // A size larger than the screen opens as large as the screen and on it,
    // one smaller than the form as large as the form.
    view()->dialogGeometry() = {184, 178, INT_MAX, INT_MAX};
    openThen([](QDialog&) {});
    EXPECT_EQ(opened, frame()->screen()->availableGeometry());
    view()->dialogGeometry() = {184, 178, 0, -5};
    openThen([](QDialog&) {});
    EXPECT_EQ(opened, QRect(QPoint(184, 178), QSize(632, 390).grownBy(frameMargins)));
}

}  // namespace
}  // namespace kestrow::test
