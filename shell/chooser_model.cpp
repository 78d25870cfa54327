#include "chooser_model.h"

#include "platform/cp932_codec.h"

namespace kestrow {

ChooserModel::ChooserModel(const Catalogue& state, QObject* parent)
    : QAbstractListModel(parent), state_(state), count_(static_cast<int>(state.chooser.size())) {}

void ChooserModel::reload() {
    beginResetModel();
    count_ = static_cast<int>(state_.chooser.size());
    endResetModel();
}

void ChooserModel::entryChanged(int index) {
    if (index >= 0 && index < count_) emit dataChanged(this->index(index), this->index(index));
}

int ChooserModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

QVariant ChooserModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count_ || index.row() >= static_cast<int>(state_.chooser.size())) return {};
    const ChooserEntry& entry = state_.chooser[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole: return from_cp932(entry.text);
        case code_role: return entry.code;
        default: return {};
    }
}

}  // namespace kestrow
