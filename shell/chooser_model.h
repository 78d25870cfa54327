#pragma once
// The category chooser's entries as a Qt model over the catalogue's own list,
// so that the list is held once: a relabelled search entry shows at once.

#include <QAbstractListModel>
#include <QStyledItemDelegate>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/progress.h"

class CKestrowDoc;

namespace kestrow {

class ChooserModel final : public QAbstractListModel {
    Q_OBJECT
public:
    // The item value of an entry, its category code, under Qt::UserRole as a
    // combo box's item data.
    static constexpr int code_role = Qt::UserRole;
    // An entry's progress as "12/40", for the open list.
    static constexpr int progress_role = Qt::UserRole + 1;

    // state must outlive the model.
    explicit ChooserModel(const Catalogue& state, QObject* parent = nullptr);

    // Reloads, relabels and refigures at what the document announces.
    void follow(const CKestrowDoc* doc);

    // Call when the entries were filled afresh, and when one was relabelled.
    void reload();
    void entryChanged(int index);

    // The figures of every entry, after any change of a clear state.
    void setProgress(std::vector<Progress> figures);
    // One entry's figures; none for no entry.
    Progress progress(int index) const;
    // The whole catalogue's figures.
    Progress overall() const { return overall_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const Catalogue& state_;
    int count_ = 0;  // the entries the views have been told of
    std::vector<Progress> progress_;
    Progress overall_;
};

// Draws an entry of the open list with its progress right-aligned and grey
// beside the entry's own text.
class ChooserDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace kestrow
