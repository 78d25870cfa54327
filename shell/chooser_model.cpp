#include "chooser_model.h"

#include <QPainter>

#include "kestrow_doc.h"
#include "platform/cp932_codec.h"

namespace kestrow {

ChooserModel::ChooserModel(const Catalogue& state, QObject* parent)
    : QAbstractListModel(parent), state_(state), count_(static_cast<int>(state.chooser.size())) {}

void ChooserModel::follow(const CKestrowDoc* doc) {
    const auto refigure = [this] {
        overall_ = overall_progress(state_);
        setProgress(chooser_progress(state_));
    };
    connect(doc, &CKestrowDoc::loaded, this, [this, refigure] {
        reload();
        refigure();
    });
    connect(doc, &CKestrowDoc::clearStatesChanged, this, refigure);
    // A search changes its own entry's figures too.
    connect(doc, &CKestrowDoc::entryRelabelled, this, [this, refigure](int index) {
        entryChanged(index);
        refigure();
    });
}

void ChooserModel::reload() {
    beginResetModel();
    count_ = static_cast<int>(state_.chooser.size());
    endResetModel();
}

void ChooserModel::entryChanged(int index) {
    if (index >= 0 && index < count_) emit dataChanged(this->index(index), this->index(index));
}

void ChooserModel::setProgress(std::vector<Progress> figures) {
    progress_ = std::move(figures);
    if (count_ > 0) emit dataChanged(index(0), index(count_ - 1), {progress_role});
}

Progress ChooserModel::progress(int index) const {
    return index >= 0 && index < static_cast<int>(progress_.size()) ? progress_[static_cast<std::size_t>(index)]
                                                                     : Progress{};
}

int ChooserModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

QVariant ChooserModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count_ || index.row() >= static_cast<int>(state_.chooser.size())) return {};
    const ChooserEntry& entry = state_.chooser[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole: return from_cp932(entry.text);
        case code_role: return entry.code;
        case progress_role: {
            if (index.row() >= static_cast<int>(progress_.size())) return {};
            const Progress& p = progress_[static_cast<std::size_t>(index.row())];
            return QStringLiteral("%1/%2").arg(p.cleared).arg(p.shown);
        }
        default: return {};
    }
}

namespace {
constexpr int progress_gap = 16;  // between an entry's text and its figures
constexpr int row_padding = 4;    // a little air between the rows of the open list
}

void ChooserDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QString figures = index.data(ChooserModel::progress_role).toString();
    if (figures.isEmpty()) return;
    const QRect area = option.rect.adjusted(0, 0, -option.fontMetrics.averageCharWidth(), 0);
    const bool selected = option.state & QStyle::State_Selected;
    // The grey of the 済 status icons.
    const QColor grey = selected ? option.palette.color(QPalette::HighlightedText) : QColor(128, 128, 128);
    painter->save();
    painter->setPen(grey);
    painter->setFont(option.font);
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, figures);
    painter->restore();
}

QSize ChooserDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index) + QSize(0, row_padding);
    const QString figures = index.data(ChooserModel::progress_role).toString();
    if (!figures.isEmpty()) size.rwidth() += progress_gap + option.fontMetrics.horizontalAdvance(figures);
    return size;
}

}  // namespace kestrow
