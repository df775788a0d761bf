// The fixture grid "G1" of the normal slip entry window: a model over the
// window's kv::Spielplanraster (header "Nr", "Heim", "Gast", "Tendenz", 13
// match rows, as many columns as the last import kept) and its view. The
// data cells are white, their text centred in the regular font, 2 pixels
// below the cell's top; the user may edit them, and what the grid shows is
// what "Begegnungen speichern..." saves. Column 0 (the match numbers) is
// drawn as a fixed column.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

namespace kv {
class Spielplanraster;
}

namespace kv::ui {

class Spielplanmodell : public QAbstractTableModel {
    Q_OBJECT
  public:
    Spielplanmodell(Spielplanraster& raster, QObject* eltern);

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    bool setData(const QModelIndex& i, const QVariant& wert, int role) override;

    // The grid changed other than through the view (an import, a fixture
    // list shown): everything is drawn anew, columns included.
    void neuGesetzt();

  private:
    Spielplanraster& raster_;
};

// Draws a data cell as the grid wants it (white, centred, 2 pixels below the top).
class SpielplanZelle : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
};

// The view: rows 18 pixels, column 0 26 pixels, column 3 52, the others 200.
class Spielplanansicht : public QTableView {
    Q_OBJECT
  public:
    Spielplanansicht(Spielplanmodell* modell, QWidget* eltern);
    // Sets the column widths for the model's present columns.
    void breitenSetzen();
};

}  // namespace kv::ui
