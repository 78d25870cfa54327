// The quest detail dialog against a host of its own: what it reports and
// what it shows, without a main window behind it.

#include <QCheckBox>

#include "quest_dlg.h"
#include "shell_fixture.h"

namespace kestrow::test {
namespace {

// A list of quests by Name; a tick of a quest in `leaving` takes it out of
// the list, as in the not-cleared category.
class FakeHost final : public QuestDialogHost {
public:
    std::vector<std::pair<std::string, int>> rows;  // Name, cleared
    bool leaving = false;
    int selected = 0;
    std::vector<std::pair<std::string, int>> ticks;  // what the dialog reported

    const CurrentQuest& currentQuest() const override { return quest_; }
    bool LoadCurrentQuest() override {
        if (selected < 0) return false;
        std::tie(quest_.name, quest_.cleared) = rows[selected];
        return true;
    }
    bool UpdateClearState(int new_state) override {
        if (new_state == quest_.cleared) return false;
        ticks.emplace_back(quest_.name, new_state);
        quest_.cleared = new_state;
        if (selected < 0) return true;  // the quest on show is no longer listed
        rows[selected].second = new_state;
        if (leaving) rows.erase(rows.begin() + selected);
        selected = std::min(selected, rowCount() - 1);
        return true;
    }
    void SelectNextRow() override { selected = next_row(selected, rowCount()), LoadCurrentQuest(); }
    void SelectPreviousRow() override { selected = previous_row(selected, rowCount()), LoadCurrentQuest(); }
    int selectedRow() const override { return selected; }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    DialogGeometry& dialogGeometry() override { return geometry_; }
    QString otherCharactersText() const override { return {}; }

private:
    CurrentQuest quest_;
    DialogGeometry geometry_;
};

// Opens the dialog on the host's selected quest, runs act in it and returns
// the dialog's result and the tick it reports.
std::pair<int, int> run(FakeHost& host, const std::function<void(QDialog&)>& act) {
    CQuestDlg dlg;
    host.LoadCurrentQuest();
    dlg.setView(&host);
    when_modal(act);
    const int result = dlg.DoModal();
    return {result, dlg.clearedValue()};
}

// The quest shown, + when ticked.
QString shown(QDialog& d) { return d.windowTitle() + (child<QCheckBox>(d, "checkCleared")->isChecked() ? "+" : ""); }

TEST(QuestDialogHost, StepsReportEachTickOnceAndAQuestWhoseListEmptiedStaysOnShow) {
    FakeHost host;
    host.rows = {{"A", 0}, {"B", 1}, {"C", 0}};
    QStringList seen;
    auto result = run(host, [&](QDialog& d) {
        EXPECT_FALSE(d.windowIcon().isNull());  // its own: there is no window to take one from
        click(d, "checkCleared");  // A ticked
        click(d, "buttonNext");
        seen << shown(d);
        click(d, "buttonPrevious");  // B unchanged: nothing to report
        seen << shown(d);
        click(d, "checkCleared");  // A unticked on show, then cancelled
        click(d, "buttonCancel");
    });
    EXPECT_EQ(result.first, QDialog::Rejected);
    EXPECT_EQ(seen, (QStringList{"B+", "A+"}));
    EXPECT_EQ(host.ticks, (std::vector<std::pair<std::string, int>>{{"A", 1}}));

    // A one-row list steps to its own row. A tick that empties the list leaves
    // the quest on show, ticked; with nothing left to step to, a step does not
    // apply the untick after it, and OK hands that on.
    FakeHost lone;
    lone.rows = {{"A", 0}};
    lone.leaving = true;
    seen.clear();
    result = run(lone, [&](QDialog& d) {
        click(d, "buttonNext");
        seen << shown(d);
        click(d, "checkCleared");
        click(d, "buttonNext");  // A leaves
        seen << shown(d);
        click(d, "checkCleared");
        click(d, "buttonPrevious");
        seen << shown(d);
        click(d, "buttonOK");
    });
    EXPECT_EQ(seen, (QStringList{"A", "A+", "A"}));
    EXPECT_EQ(result, std::pair(int{QDialog::Accepted}, 0));
    EXPECT_EQ(lone.ticks, (std::vector<std::pair<std::string, int>>{{"A", 1}}));
}

}  // namespace
}  // namespace kestrow::test
