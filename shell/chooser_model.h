#pragma once
// The category chooser's entries as a Qt model over the catalogue's own list,
// so that the list is held once: a relabelled search entry shows at once.

#include <QAbstractListModel>

#include "catalogue/catalogue.h"

namespace kestrow {

class ChooserModel final : public QAbstractListModel {
    Q_OBJECT
public:
    // The item value of an entry, its category code, under Qt::UserRole as a
    // combo box's item data.
    static constexpr int code_role = Qt::UserRole;

    // state must outlive the model.
    explicit ChooserModel(const Catalogue& state, QObject* parent = nullptr);

    // Call when the entries were filled afresh, and when one was relabelled.
    void reload();
    void entryChanged(int index);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const Catalogue& state_;
    int count_ = 0;  // the entries the views have been told of
};

}  // namespace kestrow
