#include "quest_list_model.h"

#include <algorithm>

#include "catalogue/rows.h"
#include "kestrow_doc.h"
#include "platform/cp932_codec.h"
#include "platform/text.h"
#include "resources.h"

namespace kestrow {

QuestListModel::QuestListModel(const Catalogue& state, QObject* parent)
    : QAbstractTableModel(parent), state_(state), rows_(state.rows) {}

void QuestListModel::setIcons(QList<QIcon> icons) {
    icons_ = std::move(icons);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

void QuestListModel::follow(const CKestrowDoc* doc) {
    for (auto signal : {&CKestrowDoc::loaded, &CKestrowDoc::listChanged, &CKestrowDoc::clearStatesChanged,
                        &CKestrowDoc::rowsArranged})
        connect(doc, signal, this, &QuestListModel::refresh);
}

QuestListModel::Refresh QuestListModel::refresh() {
    const std::vector<Row>& now = state_.rows;
    const bool sameLines = now.size() == rows_.size() &&
                           std::equal(now.begin(), now.end(), rows_.begin(),
                                      [](const Row& a, const Row& b) { return a.line == b.line; });
    if (!sameLines) {
        beginResetModel();
        rows_ = now;
        endResetModel();
        return last_ = Refresh::Reset;
    }
    // A line whose icon changed had its flag rewritten, and a short line can
    // show its flag in a cell too: report every column of each such run.
    Refresh result = Refresh::Unchanged;
    for (std::size_t first = 0; first < now.size();) {
        if (now[first].icon == rows_[first].icon) {
            ++first;
            continue;
        }
        std::size_t last = first;
        while (last + 1 < now.size() && now[last + 1].icon != rows_[last + 1].icon) ++last;
        std::copy(now.begin() + static_cast<std::ptrdiff_t>(first), now.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                  rows_.begin() + static_cast<std::ptrdiff_t>(first));
        emit dataChanged(index(static_cast<int>(first), 0), index(static_cast<int>(last), columnCount() - 1));
        result = Refresh::DataChanged;
        first = last + 1;
    }
    return last_ = result;
}

int QuestListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int QuestListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : res::column_count; }

QVariant QuestListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (row.line >= state_.quest_lines.size()) return {};
    switch (role) {
        case Qt::DisplayRole: return from_cp932(cell_text(state_, row, index.column()));
        case Qt::DecorationRole:
            if (index.column() != 0 || row.icon >= icons_.size()) return {};
            return icons_[row.icon];
        default: return {};
    }
}

QVariant QuestListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return utf8(res::column_header(section));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

}  // namespace kestrow
