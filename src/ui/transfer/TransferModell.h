// The transfer tool's row table as a model for a table view: the view asks
// only for the cells it shows, so a table of a hundred thousand rows costs
// nothing to display.
#pragma once

#include <QAbstractTableModel>

#include "transfer/Transfertabelle.h"

namespace kv::ui {

class TransferModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TransferModell(QObject* eltern = nullptr) : QAbstractTableModel(eltern) {}

    // Model row i is table row i + 1; the header row is the view's header.
    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;

    const Transfertabelle& tabelle() const { return tabelle_; }

    // Changes the table through `f` and shows the result.
    template <typename F>
    auto aendern(F&& f) {
        struct Ende {
            TransferModell* m;
            ~Ende() { m->endResetModel(); }
        };
        beginResetModel();
        const Ende ende{this};
        return f(tabelle_);
    }

  private:
    Transfertabelle tabelle_;
};

}  // namespace kv::ui
