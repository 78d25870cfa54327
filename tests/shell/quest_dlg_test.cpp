// The quest detail dialog on the real window: the ways to open it, what it
// shows, Next and Previous, the ticks it applies to the list and its geometry.

#include <QApplication>
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
    QStringList seen;
    open([&](QDialog& d) {
        EXPECT_EQ(text(d, "editReward") + u'|' + text(d, "editLocation") + u'|' + text(d, "editCondition"),
                  QStringLiteral("ポーション×3|ハーヴェル港 灯台|なし"));
        EXPECT_EQ(text(d, "editDetails"),
                  QStringLiteral("灯台守のミーナが世話していた渡り鳥が逃げた。\n港の倉庫街で探し出そう。"));
        EXPECT_FALSE(d.windowIcon().isNull());
        // Round the list both ways: rows 1, 0, 8, 0 and 1. Repeatable "0" gives ×, an empty
        // value (11008) ○; + marks a tick (11001).
        for (const char* button : {"buttonPrevious", "buttonPrevious", "buttonNext", "buttonNext", "buttonOK"}) {
            seen << d.windowTitle() + u' ' + child<QLabel>(d, "labelRepeatMark")->text() + (ticked(d) ? "+" : "");
            click(d, button);
        }
    });
    EXPECT_EQ(seen, (QStringList{quests[1] + " ×", quests[0] + " ×+", quests[8] + " ○", quests[0] + " ×+",
                                 quests[1] + " ×"}));
    EXPECT_FALSE(action("actionFileSave")->isEnabled());  // no tick changed, by the steps or by OK

    ASSERT_NE(icon(1), icon(0));  // 11002 未, 11001 済
    open([](QDialog& d) { tick(d); click(d, "buttonOK"); });
    EXPECT_EQ(icon(1), icon(0));
    EXPECT_EQ(view()->selectedRow(), 1);
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
            tick(d);
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
    // A size smaller than the form opens as large as the form.
    view()->dialogGeometry() = {184, 178, 0, -5};
    openThen([](QDialog&) {});
    EXPECT_EQ(opened, QRect(QPoint(184, 178), QSize(632, 390).grownBy(frameMargins)));
}

}  // namespace
}  // namespace kestrow::test
