#include "quest_list_model.h"

#include "catalogue/rows.h"
#include "resources.h"
#include "platform/cp932_codec.h"
#include "platform/text.h"

namespace kestrow {

QuestListModel::QuestListModel(const Catalogue& state, QObject* parent) : QAbstractTableModel(parent), state_(state) {}

void QuestListModel::setIcons(QList<QIcon> icons) {
    icons_ = std::move(icons);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

int QuestListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(state_.rows.size());
}

int QuestListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : res::column_count; }

QVariant QuestListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole: return from_cp932(cell_text(state_, row, index.column()));
        case Qt::DecorationRole: {
            if (index.column() != 0) return {};
            const int icon = state_.rows[row].icon;
            return icon < icons_.size() ? QVariant(icons_[icon]) : QVariant();
        }
        default: return {};
    }
}

QVariant QuestListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) {
        return kestrow::utf8(res::column_header(section));
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

}  // namespace kestrow
