// Find and the search dialog: the search category relabelled and shown, the
// texts that change nothing, the loose box kept, and the input method while
// the box has the focus.

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "find_dlg.h"
#include "shell_fixture.h"

namespace kestrow::test {
namespace {

QLineEdit* box(QDialog& d) { return child<QLineEdit>(d, "editFind"); }
QCheckBox* looseBox(QDialog& d) { return child<QCheckBox>(d, "checkLooseSearch"); }

class Find : public ShellTest {
protected:
    // The chosen entry of all entries, its text, the selected row and the rows shown.
    QString shown() const {
        return QStringLiteral("%1/%2 %3 row %4: %5")
            .arg(chooser()->currentIndex()).arg(chooser()->count()).arg(chooser()->currentText())
            .arg(view()->selectedRow()).arg(names().join(u','));
    }
    // Ctrl+F with act in the dialog, which must close it; what the box offered.
    QString find(std::function<void(QDialog&)> act) {
        // Shortcuts reach the active window only, and the offscreen platform
        // does not hand the activation back when a dialog closes.
        EXPECT_TRUE(activate(frame()));
        QString offered;
        when_modal([&](QDialog& d) {
            offered = box(d)->text();
            loose_ += looseBox(d)->isChecked() ? u'1' : u'0';
            act(d);
            EXPECT_FALSE(d.isVisible());
        });
        QTest::keyClick(frame(), Qt::Key_F, Qt::ControlModifier);
        settle();
        return offered;
    }
    // Text searched for, the loose box clicked first when tick is set.
    QString find(const QString& text, const char* button = "buttonOK", bool tick = false) {
        return find([&](QDialog& d) {
            if (tick) looseBox(d)->click();
            box(d)->setText(text);
            click(d, button);
        });
    }
    QString status() const { return frame()->statusBar()->currentMessage(); }
    QString loose_;  // the loose box as each dialog opened, 1 for ticked
};

TEST_F(Find, RelabelsTheSearchEntryIgnoresWhatFindsNothingAndKeepsTheLooseBoxAtOK) {
    start();
    find(QStringLiteral("見張り番"));
    // The next Find offers the text all selected. Typing replaces it, but a
    // character that code page 932 cannot spell is refused; the same entry
    // is relabelled.
    EXPECT_EQ(find([](QDialog& d) {
        box(d)->insert(QStringLiteral("渡り鳥"));
        box(d)->insert(QStringLiteral("é"));
        click(d, "buttonOK");
    }), QStringLiteral("見張り番"));
    EXPECT_EQ(shown(), QStringLiteral("12/13 検索結果「渡り鳥」 row -1: 迷子の渡り鳥"));

    // Exactly, ｾﾞﾘｰ is in no line: the list stays as it was and the status bar
    // says so. The loose box ticked and cancelled is not kept (nor is the text
    // searched for); ticked at OK it finds the quest spelt in katakana, and the
    // message goes.
    selectRow(0);
    find(QStringLiteral("ｾﾞﾘｰ"), "buttonCancel", true);
    find(QStringLiteral("ｾﾞﾘｰ"));
    EXPECT_EQ(shown(), QStringLiteral("12/13 検索結果「渡り鳥」 row 0: 迷子の渡り鳥"));
    EXPECT_EQ(status(), QStringLiteral("「ｾﾞﾘｰ」は見つかりませんでした。"));
    find(QStringLiteral("ｾﾞﾘｰ"), "buttonOK", true);
    EXPECT_EQ(status(), QString());
    setCleared(0, true);  // filtered again, loosely still
    EXPECT_EQ(names(), QStringList{QStringLiteral("ゼリー職人の依頼")});
    // A text that code page 932 cannot spell (set, not typed) is in no line either.
    find(QStringLiteral("café"));
    EXPECT_EQ(status(), QStringLiteral("「café」は見つかりませんでした。"));
    EXPECT_EQ(loose_, QStringLiteral("000001"));
}

TEST_F(Find, WithoutASearchEntryTheListStaysAsItWas) {
    write_file(dataPath("Kestrow.txt"), "011000,Port\r\n11001,Alpha,R,L,C,D,0\r\n11002,Beta,R,L,C,D,0\r\n");
    start();
    choose(QStringLiteral("Port"));
    selectRow(1);
    find(QStringLiteral("Alpha"));
    EXPECT_EQ(shown(), QStringLiteral("0/1 Port row 1: Alpha,Beta"));
}

using Ime = std::pair<bool, InputMethod::Modes>;  // open, and the modes

// An input method that only remembers what it is told.
struct FakeInputMethod final : InputMethod {
    explicit FakeInputMethod(Ime& state) : ime(state) {}
    bool isOpen() const override { return ime.first; }
    void setOpen(bool open) override { ime.first = open; }
    Modes modes() const override { return ime.second; }
    void setModes(const Modes& modes) override { ime.second = modes; }
    Ime& ime;
};

// In the fixture, for the profile that the dialog reads.
TEST_F(Find, TheBoxSwitchesTheInputMethodToKanaWhileItHasTheFocus) {
    const InputMethod::Modes alphanumeric{0x0008, 0x0008}, kana{0x0009, 0x0008};
    // The states seen with the focus in the box, on the check box, back in the box, after
    // the box's context menu took the focus for a moment, and once closed.
    auto round = [](Ime ime) {
        std::vector<Ime> seen;
        CFindDlg dlg;
        dlg.setInputMethod(std::make_unique<FakeInputMethod>(ime));
        when_modal([&](QDialog& d) {
            EXPECT_TRUE(activate(&d));
            for (int tabs : {0, 1, 3}) {  // the box, the check box, then past OK and Cancel to the box
                for (int i = 0; i < tabs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCoreApplication::processEvents();
                seen.push_back(ime);
            }
            QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
            QApplication::sendEvent(box(d), &out);
            seen.push_back(ime);
        });
        dlg.DoModal();
        seen.push_back(ime);
        return seen;
    };
    const Ime on{true, kana}, off{false, alphanumeric};
    EXPECT_EQ(round(off), (std::vector<Ime>{on, off, on, on, off}));
    // Already open in kana: the modes stay; leaving the box still closes it.
    EXPECT_EQ(round(on), (std::vector<Ime>{on, {false, kana}, on, on, {false, kana}}));
}

}  // namespace
}  // namespace kestrow::test
