// Find and the search dialog: the search category relabelled and shown, the
// texts that change nothing, and the input method while the box has the focus.

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "find_dlg.h"
#include "shell_fixture.h"

namespace kestrow::test {
namespace {

QLineEdit* box(QDialog& d) { return child<QLineEdit>(d, "editFind"); }

// Types text as an input method does, committing one character at a time.
void type(QDialog& d, const QString& text) {
    for (const QChar c : text) {
        QInputMethodEvent commit;
        commit.setCommitString(QString(c));
        QApplication::sendEvent(box(d), &commit);
    }
}

class Find : public ShellTest {
protected:
    int rows() const { return questList()->model()->rowCount(); }
    QString name(int row) const { return questList()->model()->index(row, 0).data().toString().trimmed(); }
    // Ctrl+F with act in the dialog; what the box offered when it opened.
    QString find(std::function<void(QDialog&)> act = {}) {
        // Shortcuts reach the active window only, and the offscreen platform
        // does not hand the activation back when a dialog closes.
        frame()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame()));
        QString offered;
        when_modal([&offered, act = std::move(act)](QDialog& d) {
            offered = box(d)->text();
            if (act) act(d);
        });
        QTest::keyClick(frame(), Qt::Key_F, Qt::ControlModifier);
        settle();
        return offered;
    }
    void find(const QString& text) {
        find([text](QDialog& d) {
            box(d)->setText(text);
            click(d, "buttonOK");
        });
    }
};

TEST_F(Find, RelabelsTheSearchEntryShowsTheMatchesAndIgnoresWhatFindsNothing) {
    start();
    frame()->resize(800, 500);
    find(QStringLiteral("見張り番"));
    EXPECT_EQ(chooser()->currentIndex(), 12);
    EXPECT_EQ(chooser()->currentText(), QStringLiteral("検索結果「見張り番」"));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(name(0), QStringLiteral("港の見張り番"));

    // The next Find offers the text entirely selected; typing replaces it,
    // and the same entry is relabelled.
    QString selected;
    EXPECT_EQ(find([&](QDialog& d) {
        selected = box(d)->selectedText();
        type(d, QStringLiteral("渡り鳥"));
        click(d, "buttonOK");
    }), QStringLiteral("見張り番"));
    EXPECT_EQ(selected, QStringLiteral("見張り番"));
    EXPECT_EQ(chooser()->count(), 13);
    EXPECT_EQ(chooser()->currentIndex(), 12);
    EXPECT_EQ(chooser()->currentText(), QStringLiteral("検索結果「渡り鳥」"));
    EXPECT_EQ(name(0), QStringLiteral("迷子の渡り鳥"));
    find(QStringLiteral("竜の涙"));  // in no line
    EXPECT_EQ(chooser()->currentText(), QStringLiteral("検索結果「竜の涙」"));
    EXPECT_EQ(rows(), 0);

    // An empty text, Cancel, and a text that code page 932 cannot spell
    // change nothing. Such a character is refused as it is typed, too.
    choose(QStringLiteral("ハーヴェル港"));
    questList()->setCurrentIndex(questList()->model()->index(2, 0));
    QString typed;
    find(QString());
    find([&](QDialog& d) {
        box(d)->clear();
        type(d, QStringLiteral("café"));
        typed = box(d)->text();
        click(d, "buttonCancel");
    });
    find(QStringLiteral("café"));
    EXPECT_EQ(typed, QStringLiteral("caf"));
    EXPECT_EQ(chooser()->currentIndex(), 0);
    EXPECT_EQ(chooser()->itemText(12), QStringLiteral("検索結果「竜の涙」"));
    EXPECT_EQ(rows(), 9);
    EXPECT_EQ(view()->selectedRow(), 2);
    EXPECT_EQ(find(), QStringLiteral("竜の涙"));
}

TEST_F(Find, WithoutASearchEntryOnlyTheTextIsKept) {
    write_file(dataPath("Kestrow.txt"), "011000,Port\r\n11001,Alpha,R,L,C,D,0\r\n11002,Beta,R,L,C,D,0\r\n");
    start();
    frame()->resize(800, 500);
    choose(QStringLiteral("Port"));
    questList()->setCurrentIndex(questList()->model()->index(1, 0));
    find(QStringLiteral("Alpha"));
    EXPECT_EQ(chooser()->count(), 1);
    EXPECT_EQ(chooser()->currentText(), QStringLiteral("Port"));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(view()->selectedRow(), 1);
    EXPECT_EQ(find(), QStringLiteral("Alpha"));
}

TEST(FindDialog, OkWithAnEmptyBoxIsAcceptedWithAnEmptyText) {
    CFindDlg dlg;
    dlg.setText(QStringLiteral("前の文字列"));
    QString caption;
    when_modal([&](QDialog& d) {
        caption = d.windowTitle();
        box(d)->clear();
        QTest::keyClick(box(d), Qt::Key_Return);
    });
    EXPECT_EQ(dlg.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dlg.text(), QString());
    EXPECT_EQ(caption, QStringLiteral("検索文字列"));
}

struct ImeState {
    bool open = false;
    InputMethod::Modes modes;
    bool operator==(const ImeState&) const = default;
};

// An input method that only remembers what it is told.
class FakeInputMethod final : public InputMethod {
public:
    explicit FakeInputMethod(ImeState& state) : state_(state) {}
    bool isOpen() const override { return state_.open; }
    void setOpen(bool open) override { state_.open = open; }
    Modes modes() const override { return state_.modes; }
    void setModes(const Modes& modes) override { state_.modes = modes; }

private:
    ImeState& state_;
};

// The states seen with the focus in the box, on OK, back in the box, and
// after the box's context menu took the focus for a moment.
std::vector<ImeState> tab_round(ImeState& ime) {
    std::vector<ImeState> seen;
    CFindDlg dlg;
    dlg.setInputMethod(std::make_unique<FakeInputMethod>(ime));
    when_modal([&](QDialog& d) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        for (int tabs : {0, 1, 2}) {  // OK, Cancel, the box
            for (int i = 0; i < tabs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            seen.push_back(ime);
        }
        QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(box(d), &out);
        seen.push_back(ime);
    });
    dlg.DoModal();
    seen.push_back(ime);  // the dialog has closed
    return seen;
}

TEST(FindDialog, TheBoxSwitchesTheInputMethodToKanaWhileItHasTheFocus) {
    const InputMethod::Modes alphanumeric{0x0008, 0x0008}, kana{0x0009, 0x0008};
    ImeState ime{false, alphanumeric};
    EXPECT_EQ(tab_round(ime), (std::vector<ImeState>{{true, kana}, {false, alphanumeric}, {true, kana}, {true, kana},
                                                     {false, alphanumeric}}));
    // Already open in kana: the modes stay; leaving the box still closes it.
    ime = {true, kana};
    EXPECT_EQ(tab_round(ime), (std::vector<ImeState>{{true, kana}, {false, kana}, {true, kana}, {true, kana},
                                                     {false, kana}}));
}

}  // namespace
}  // namespace kestrow::test
