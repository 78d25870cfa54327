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
        quest_.name = rows[static_cast<std::size_t>(selected)].first;
        quest_.cleared = rows[static_cast<std::size_t>(selected)].second;
        return true;
    }
    bool UpdateClearState(int new_state) override {
        if (new_state == quest_.cleared) return false;
        ticks.emplace_back(quest_.name, new_state);
        quest_.cleared = new_state;
        if (leaving) {
            rows.erase(rows.begin() + selected);
            selected = std::min(selected, rowCount() - 1);
        } else {
            rows[static_cast<std::size_t>(selected)].second = new_state;
        }
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

bool ticked(QDialog& d) { return child<QCheckBox>(d, "checkCleared")->isChecked(); }

TEST(QuestDialogHost, StepsReportEachTickOnceAndCancelDropsOnlyTheShownOne) {
    FakeHost host;
    host.rows = {{"A", 0}, {"B", 1}, {"C", 0}};
    QStringList seen;
    const auto result = run(host, [&](QDialog& d) {
        click(d, "checkCleared");  // A ticked
        click(d, "buttonNext");
        seen << d.windowTitle() + (ticked(d) ? "+" : "");
        click(d, "buttonPrevious");  // B unchanged: nothing to report
        seen << d.windowTitle() + (ticked(d) ? "+" : "");
        click(d, "checkCleared");  // A unticked on show, then cancelled
        click(d, "buttonCancel");
    });
    EXPECT_EQ(result.first, QDialog::Rejected);
    EXPECT_EQ(seen, (QStringList{"B+", "A+"}));
    EXPECT_EQ(host.ticks, (std::vector<std::pair<std::string, int>>{{"A", 1}}));
}

TEST(QuestDialogHost, AQuestWhoseListEmptiedStaysOnShowWithItsTick) {
    FakeHost host;
    host.rows = {{"A", 0}};
    host.leaving = true;
    const auto result = run(host, [&](QDialog& d) {
        click(d, "checkCleared");
        click(d, "buttonNext");  // A leaves: nothing left to step to
        EXPECT_EQ(d.windowTitle(), QStringLiteral("A"));
        EXPECT_TRUE(ticked(d));
        click(d, "buttonNext");
        click(d, "buttonOK");
    });
    EXPECT_EQ(result, std::pair(int{QDialog::Accepted}, 1));
    EXPECT_EQ(host.ticks.size(), 1u);  // OK compares with the tick already applied
}

}  // namespace
}  // namespace kestrow::test
