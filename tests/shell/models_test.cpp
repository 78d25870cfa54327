// The quest list's model under Qt's own model checker, and what each change
// of the catalogue reports to the views.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "catalogue/clear_state.h"
#include "quest_list_model.h"
#include "test_support.h"

namespace kestrow::test {
namespace {

using Refresh = QuestListModel::Refresh;
using Mode = QAbstractItemModelTester::FailureReportingMode;

TEST(QuestListModel, ReportsChangedIconsForTheSameLinesAndResetsForOthers) {
    Catalogue state = make_catalogue("011000,A\n092000,N\n11001,One,0\n11002,[WS]Two,0\n11002,Again,0\n11003,T,0\n");
    QuestListModel model(state);
    QAbstractItemModelTester tester(&model, Mode::Fatal);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    select_entry(state, 0);
    EXPECT_EQ(model.refresh(), Refresh::Reset);
    EXPECT_EQ(std::pair(reset.size(), model.rowCount()), std::pair(qsizetype{1}, 4));
    EXPECT_EQ(model.refresh(), Refresh::Unchanged);
    // In an area the rows stay: the two lines of 11002 change, as one run of every column.
    set_cleared(state, "11002", true);
    apply_filter(state);
    EXPECT_EQ(model.refresh(), Refresh::DataChanged);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), model.index(1, 0));
    EXPECT_EQ(changed[0][1].toModelIndex(), model.index(2, 6));
}

}  // namespace
}  // namespace kestrow::test
