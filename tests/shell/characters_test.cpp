// The characters of the data folder in the window: ファイル > キャラクター,
// switching with the keys, the title and the quest dialog's line.

#include <QInputDialog>
#include <QLabel>
#include <QTest>

#include "shell_fixture.h"

namespace kestrow::test {
namespace {

class Characters : public ShellTest {
protected:
    QString otherCharacters(int row) {
        selectRow(row);
        QString line = QStringLiteral("not opened");
        when_modal([&](QDialog& d) { line = child<QLabel>(d, "labelOtherCharacters")->text(); });
        action("actionChange")->trigger();
        return line;
    }
    // Types each text in turn into the name dialog that command opens and into the one a refused name opens again.
    void name(const char* command, QStringList texts) {
        std::function<void(QDialog&)> answer = [&](QDialog& d) {
            static_cast<QInputDialog&>(d).setTextValue(texts.takeFirst());
            if (!texts.isEmpty()) when_modal(answer);
            d.accept();
        };
        when_modal(answer);
        action(command)->trigger();
        settle();
    }
    void ctrl(Qt::Key key) {
        ASSERT_TRUE(activate(frame()));
        QTest::keyClick(questList(), key, Qt::ControlModifier);
        settle();
    }
};

TEST_F(Characters, ANewCharacterTicksApartAndTheOthersSeeIt) {
    start();
    EXPECT_FALSE(action("actionCharacterRemove")->isEnabled());  // the main character stays
    choose(QStringLiteral("ハーヴェル港"));
    // The first row (11001) the main character has cleared; アキ ticks the second.
    const auto icons = [&] { return std::pair(icon(0), icon(1)); };
    const auto mainIcons = icons();

    // A refused name tells why and asks again; the second one is taken.
    name("actionCharacterNew", {QStringLiteral("ア/キ"), QStringLiteral("アキ")});
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("ケストロウ - アキ"));
    EXPECT_EQ(chooser()->currentText(), QStringLiteral("ハーヴェル港"));  // the category kept
    EXPECT_TRUE(action("actionCharacterRemove")->isEnabled());
    EXPECT_EQ(profile().value(QStringLiteral("Settings/Character")).toString(), QStringLiteral("アキ"));
    setCleared(1, true);  // 11002, which the main character has not cleared
    const auto akiIcons = icons();
    EXPECT_NE(akiIcons, mainIcons);

    // No stays, the menu's mark too; Save saves the tick, then switches.
    answers_ = {QMessageBox::No, QMessageBox::Save};
    ctrl(Qt::Key_1);
    EXPECT_TRUE(action("actionCharacter2")->isChecked());
    ctrl(Qt::Key_1);
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("ケストロウ - メイン"));
    ASSERT_EQ(shown_.size(), 3u);
    EXPECT_EQ(shown_.back().request.save_text, QStringLiteral("保存して切り替え(&S)"));
    EXPECT_EQ(icons(), mainIcons);
    EXPECT_EQ(otherCharacters(1), QStringLiteral("ほかのキャラクター: アキ"));
    EXPECT_EQ(otherCharacters(0), QString());

    ctrl(Qt::Key_2);
    EXPECT_EQ(icons(), akiIcons);  // saved in its own list
    answers_ = {QMessageBox::Yes};
    action("actionCharacterRemove")->trigger();
    settle();
    EXPECT_EQ(frame()->windowTitle(), QStringLiteral("ケストロウ"));
    EXPECT_EQ(icons(), mainIcons);

    // The main character's new name moves no file: an unsaved tick stays.
    setCleared(1, true);
    name("actionCharacterRename", {QStringLiteral("ハル")});
    EXPECT_EQ(action("actionCharacter1")->text(), QStringLiteral("ハル"));
    EXPECT_TRUE(view()->document()->hasUnsavedChanges());
}

}  // namespace
}  // namespace kestrow::test
