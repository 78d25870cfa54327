#pragma once
// The quest list's rows as a Qt model. The rows live in the catalogue; the
// model reads them, decoding code page 932 for the cells it is asked for, so
// a category of any size appears at once.

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <vector>

#include "catalogue/catalogue.h"

class CKestrowDoc;

namespace kestrow {

class QuestListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // state must outlive the model.
    explicit QuestListModel(const Catalogue& state, QObject* parent = nullptr);

    // The status images by icon index.
    void setIcons(QList<QIcon> icons);

    enum class Refresh { Unchanged, DataChanged, Reset };
    // Takes the catalogue's rows as they are now. Rows that show the same
    // lines as before are reported as changed where their icon changed, which
    // keeps the selection and the scroll position; any other change resets
    // the model.
    Refresh refresh();
    // What the last refresh found.
    Refresh lastRefresh() const { return last_; }
    // Refreshes at every change that the document announces.
    void follow(const CKestrowDoc* doc);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const Catalogue& state_;
    // The rows as last reported: what the views have been told.
    std::vector<Row> rows_;
    QList<QIcon> icons_;
    Refresh last_ = Refresh::Unchanged;
};

}  // namespace kestrow
