// The tables of the print window as models over its plain state: the twelve
// field tables `Gxy`, the detail table `GDetail`, and the row table
// `GReihen`, which shows only the rows in sight of its view, so a slip of
// 1,594,323 rows costs no more than one of ten.
#pragma once

#include <QAbstractTableModel>

#include <cstdint>

namespace kv {
class Kalibrierung;
class Zellquelle;
}  // namespace kv

namespace kv::ui {

// Field table `feld` (1..12): rows = matches 1..13, columns "Nr.", " X", " Y";
// X and Y are edited in place.
class FeldtabellenModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    FeldtabellenModell(Kalibrierung& k, int feld, QObject* eltern);
    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int role) const override;
    bool setData(const QModelIndex& i, const QVariant& v, int role) override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    // After the state changed under the model.
    void aktualisieren();
    int feld() const { return feld_; }

  private:
    Kalibrierung& k_;
    int feld_;
};

// `GDetail`: model row r is table row r + 1 (row 0 is the view's header);
// columns 0 "Spiel" and 1 "x/y" are fixed, every other cell is edited in place.
class DetailModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    DetailModell(Kalibrierung& k, QObject* eltern);
    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int role) const override;
    bool setData(const QModelIndex& i, const QVariant& v, int role) override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    void aktualisieren();

  private:
    Kalibrierung& k_;
};

// `GReihen` as a window onto the rows: the model holds the rows from
// `erste()` on, as many as the view shows; the view's own scroll bar moves
// the window. Model row r is table row erste() + r.
class ReihenfensterModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    ReihenfensterModell(const Zellquelle& quelle, QObject* eltern);
    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // Rows of the table without the header (N).
    std::uint64_t reihen() const;
    std::uint64_t erste() const { return erste_; }
    // Shows `anzahl` rows from table row `erste` on (1-based).
    void setzeFenster(std::uint64_t erste, int anzahl);
    // After a new slip was loaded.
    void neuGeladen();

  private:
    int sichtbar() const;

    const Zellquelle& quelle_;
    std::uint64_t erste_ = 1;
    int anzahl_ = 0;
};

}  // namespace kv::ui
