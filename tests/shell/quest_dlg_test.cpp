// The quest detail dialog on the real window: the ways to open it, what it
// shows, Next and Previous, the ticks it applies to the list and its geometry.

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
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
    int rows() const { return questList()->model()->rowCount(); }
    QStringList names() const {
        QStringList n;
        for (int r = 0; r < rows(); ++r) n << questList()->model()->index(r, 0).data().toString().trimmed();
        return n;
    }
    void selectRow(int row) {
        questList()->setCurrentIndex(questList()->model()->index(row, 0));
        settle();
    }
    // Opens the dialog with open() and runs act in it; the title it came up
    // with, or nothing when no dialog came up.
    QString openWith(const std::function<void()>& open, std::function<void(QDialog&)> act = {}) {
        QString title;
        auto ran = when_modal([&title, act = std::move(act)](QDialog& d) {
            title = d.windowTitle();
            if (act) act(d);
        });
        open();
        settle();
        return *ran ? title : QString();
    }
    QString open(std::function<void(QDialog&)> act = {}) {
        return openWith([this] { view()->OnChange(); }, std::move(act));
    }
};

TEST_F(QuestDialog, OpensByMenuEnterAndDoubleClickOnTheSelectedRowOnly) {
    start();
    frame()->resize(800, 500);  // a first start shows only the form: no rows would be visible
    choose(QStringLiteral("ハーヴェル港"));
    const QStringList quests = names();
    QSignalSpy activated(questList(), &QAbstractItemView::activated);
    // A current but unselected row: Enter is not taken and reaches the list.
    questList()->selectionModel()->setCurrentIndex(questList()->model()->index(3, 0), QItemSelectionModel::NoUpdate);
    EXPECT_EQ(openWith([&] { QTest::keyClick(questList(), Qt::Key_Return); }), QString());
    EXPECT_EQ(openWith([&] { QTest::keyClick(chooser(), Qt::Key_Return); }), QString());
    EXPECT_EQ(activated.count(), 1);

    selectRow(2);
    EXPECT_EQ(openWith([&] {
        QTest::keyClick(frame(), Qt::Key_E, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M);
    }), quests[2]);
    EXPECT_EQ(openWith([&] { QTest::keyClick(questList(), Qt::Key_Return); }), quests[2]);
    EXPECT_EQ(openWith([&] { QTest::keyClick(questList(), Qt::Key_Enter, Qt::KeypadModifier); }), quests[2]);
    EXPECT_EQ(openWith([&] { QTest::keyClick(chooser(), Qt::Key_Return); }), quests[2]);
    EXPECT_EQ(openWith([&] { QTest::keyClick(questList(), Qt::Key_Return, Qt::AltModifier); }), QString());
    EXPECT_EQ(activated.count(), 2);
    EXPECT_EQ(openWith([&] { QTest::keyClick(questList(), Qt::Key_M, Qt::ControlModifier); }), QString());
    const QPoint row4 = questList()->visualRect(questList()->model()->index(4, 0)).center();
    EXPECT_EQ(openWith([&] {
        QTest::mouseClick(questList()->viewport(), Qt::LeftButton, {}, row4);
        QTest::mouseDClick(questList()->viewport(), Qt::LeftButton, {}, row4);
    }), quests[4]);
}

TEST_F(QuestDialog, ShowsEachQuestAndStepsRoundTheList) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    const QStringList quests = names();
    selectRow(1);
    QStringList titles, rewards, marks;
    QList<bool> ticks;
    open([&](QDialog& d) {
        EXPECT_EQ(text(d, "editLocation"), QStringLiteral("ハーヴェル港 灯台"));
        EXPECT_EQ(text(d, "editCondition"), QStringLiteral("なし"));
        EXPECT_EQ(text(d, "editDetails"),
                  QStringLiteral("灯台守のミーナが世話していた渡り鳥が逃げた。\n港の倉庫街で探し出そう。"));
        EXPECT_EQ(d.focusWidget(), child<QWidget>(d, "checkCleared"));
        EXPECT_FALSE(d.windowIcon().isNull());
        for (int step = 0; step < 8; ++step) {
            titles << d.windowTitle();
            rewards << text(d, "editReward");
            marks << child<QLabel>(d, "labelRepeatMark")->text();
            ticks << ticked(d);
            click(d, "buttonNext");
        }
        // From the last row to the first, and back.
        titles << d.windowTitle();
        click(d, "buttonPrevious");
        titles << d.windowTitle();
    });
    EXPECT_EQ(titles, quests.mid(1) + QStringList({quests[0], quests[8]}));
    EXPECT_EQ(rewards[0], QStringLiteral("ポーション×3"));
    EXPECT_EQ(rewards[2], QStringLiteral("魚の塩漬け\n50ギル"));
    // Repeatable "0" gives ×; "1" (11004) and an empty value (11008) give ○.
    EXPECT_EQ(marks, (QStringList{"×", "×", "○", "×", "×", "×", "○", "○"}));
    EXPECT_EQ(ticks, (QList<bool>{false, true, false, false, false, false, false, false}));
    EXPECT_FALSE(action("actionFileSave")->isEnabled());  // no tick changed
}

TEST_F(QuestDialog, AQuestThatLeavesItsCategoryHandsOnToItsNeighbour) {
    start();
    choose(QStringLiteral("未クリア"));
    selectRow(0);
    open([](QDialog& d) { click(d, "buttonOK"); });
    EXPECT_FALSE(action("actionFileSave")->isEnabled());  // OK without a change

    // The row ticked (untick in クリア済み), the button, the quest then shown
    // by its index before the step; negative indices count from the end.
    struct Case {
        const char* category;
        int row;
        const char* button;
        int shows;
    } const cases[] = {
        {"未クリア", 1, "buttonNext", 2},     {"未クリア", 1, "buttonPrevious", 0},
        {"未クリア", -1, "buttonNext", -2},   {"未クリア", -1, "buttonPrevious", -3},
        {"未クリア", 0, "buttonPrevious", -1}, {"クリア済み", 3, "buttonNext", 4},
        {"クリア済み", -1, "buttonPrevious", -3},
    };
    for (const Case& c : cases) {
        choose(QString::fromUtf8(c.category));
        const QStringList before = names();
        const auto at = [&](int i) { return i < 0 ? static_cast<int>(before.size()) + i : i; };
        selectRow(at(c.row));
        QString shown;
        open([&](QDialog& d) {
            tick(d);
            click(d, c.button);
            shown = d.windowTitle();
        });
        EXPECT_EQ(shown, before[at(c.shows)]) << c.category << ' ' << c.row << ' ' << c.button;
        EXPECT_EQ(names(), before.mid(0, at(c.row)) + before.mid(at(c.row) + 1));
    }
    EXPECT_TRUE(action("actionFileSave")->isEnabled());

    // Cancel after two steps keeps what the steps applied, drops the third tick.
    choose(QStringLiteral("未クリア"));
    const QStringList before = names();
    selectRow(0);
    open([](QDialog& d) {
        for (int i = 0; i < 2; ++i) {
            tick(d);
            click(d, "buttonNext");
        }
        tick(d);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(names(), before.mid(2));
}

TEST_F(QuestDialog, OkTicksTheRowInPlaceAndNothingScrolls) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    auto icon = [&](int r) { return questList()->model()->index(r, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(); };
    ASSERT_NE(icon(1), icon(0));  // 11002 未, 11001 済
    selectRow(1);
    open([](QDialog& d) {
        tick(d);
        click(d, "buttonOK");
    });
    EXPECT_EQ(icon(1), icon(0));
    EXPECT_EQ(view()->selectedRow(), 1);
    EXPECT_EQ(view()->document()->modifiedMark(), 1);

    // A long list scrolled both ways: the row that leaves moves nothing else.
    frame()->resize(500, 300);
    choose(QStringLiteral("未クリア"));
    questList()->header()->resizeSection(4, 600);
    selectRow(15);
    questList()->scrollTo(questList()->model()->index(10, 0), QAbstractItemView::PositionAtTop);
    questList()->horizontalScrollBar()->setValue(150);
    const QStringList before = names();
    open([](QDialog& d) {
        tick(d);
        QTest::keyClick(&d, Qt::Key_Return);
    });
    auto top = [&] { return questList()->indexAt(QPoint(0, 0)).row(); };
    EXPECT_EQ(names(), before.mid(0, 15) + before.mid(16));
    EXPECT_EQ(view()->selectedRow(), 15);
    EXPECT_EQ(top(), 10);
    EXPECT_EQ(questList()->horizontalScrollBar()->value(), 150);
    // Stepping above the top row: the list does not follow.
    open([](QDialog& d) {
        for (int i = 0; i < 6; ++i) click(d, "buttonPrevious");
    });
    EXPECT_EQ(view()->selectedRow(), 9);
    EXPECT_EQ(top(), 10);
}

TEST_F(QuestDialog, AOneRowListStaysAndAnEmptiedListKeepsTheQuestOnShow) {
    write_file(dataPath("Kestrow.txt"),
               "091000,Done\r\n092000,Open\r\n11001,Alpha,R,L,C,D,0\r\n11002,Beta,R,L,C,D,0\r\n");
    write_file(dataPath("ClrList.txt"), "11002\r\n");
    start();
    choose(QStringLiteral("Done"));
    selectRow(0);
    QStringList titles;
    open([&](QDialog& d) {
        for (const char* button : {"buttonNext", "buttonPrevious"}) {
            click(d, button);
            titles << d.windowTitle();
        }
    });
    EXPECT_EQ(titles, (QStringList{"Beta", "Beta"}));

    choose(QStringLiteral("Open"));
    selectRow(0);
    titles.clear();
    QList<int> counts;
    QList<bool> ticks;
    open([&](QDialog& d) {
        for (int i = 0; i < 2; ++i) {
            // The first step empties the list; then there is nothing to step
            // to, and the untick is not applied by trying.
            tick(d);
            click(d, "buttonNext");
            click(d, "buttonPrevious");
            counts << rows();
            titles << d.windowTitle() + text(d, "editDetails");
            ticks << ticked(d);
        }
        click(d, "buttonOK");
    });
    EXPECT_EQ(counts, (QList<int>{0, 0}));
    EXPECT_EQ(titles, (QStringList{"AlphaD", "AlphaD"}));
    EXPECT_EQ(ticks, (QList<bool>{true, false}));
    // OK applied the untick: Alpha is back, and nothing was selected to keep.
    EXPECT_EQ(names(), QStringList{"Alpha"});
    EXPECT_EQ(view()->selectedRow(), -1);
}

TEST_F(QuestDialog, GeometryIsStoredAtEveryCloseAndTheLayoutFollowsTheSize) {
    start();
    choose(QStringLiteral("ハーヴェル港"));
    selectRow(0);
    QRect opened, closed;
    auto closeWith = [&](const std::function<void(QDialog&)>& close) {
        return [&, close](QDialog& d) {
            opened = d.frameGeometry();
            close(d);
        };
    };
    open(closeWith([&](QDialog& d) {
        d.setGeometry(60, 70, 800, 500);
        settle();
        // The rule, with the frame it was drawn for (6 pixels, a 25-pixel top).
        EXPECT_EQ(child<QWidget>(d, "buttonNext")->pos(), QPoint(806 - 106, 506 - 40));
        EXPECT_EQ(child<QWidget>(d, "editDetails")->geometry().bottom() + 1, 506 - 99);
        EXPECT_EQ(d.children().last(), child<QWidget>(d, "checkCleared"));  // on top
        closed = d.frameGeometry();
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
    EXPECT_EQ(opened, QRect(184, 178, 644, 421));
    EXPECT_EQ(closed.size(), QSize(800, 500).grownBy(frame()->windowHandle()->frameMargins()));
    EXPECT_EQ(view()->dialogGeometry(), (DialogGeometry{closed.x(), closed.y(), closed.width(), closed.height()}));
    const QRect before = closed;
    open(closeWith([&](QDialog& d) {
        d.move(90, 40);
        settle();
        d.close();
    }));
    EXPECT_EQ(opened, before);
    open(closeWith([](QDialog& d) { click(d, "buttonOK"); }));
    EXPECT_EQ(opened, QRect(QPoint(90, 40), before.size()));
    // A rectangle that no screen shows opens on the nearest one.
    view()->dialogGeometry() = {9000, 9000, 644, 421};
    open(closeWith([](QDialog&) {}));
    EXPECT_TRUE(frame()->screen()->availableGeometry().intersects(opened));
}

}  // namespace
}  // namespace kestrow::test
