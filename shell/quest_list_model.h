#pragma once
// The quest list's rows as a Qt model. The rows live in the catalogue; the
// model only reads them, decoding code page 932 for the cells it is asked for,
// so a category of any size appears at once.

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

#include "catalogue/catalogue.h"

namespace kestrow {

class QuestListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QuestListModel(const Catalogue& state, QObject* parent = nullptr);

    // The status images by icon index.
    void setIcons(QList<QIcon> icons);

    // Call around every change of the catalogue's rows.
    void beginRowsChange() { beginResetModel(); }
    void endRowsChange() { endResetModel(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const Catalogue& state_;
    QList<QIcon> icons_;
};

}  // namespace kestrow
