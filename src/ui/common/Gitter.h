// The grids of the main window: table views over small models, with fixed
// column widths, uniform row heights and header texts centred by leading
// blanks. None of them holds an item per cell.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>

#include <vector>

namespace kv::ui {

inline constexpr int kZeilenhoehe = 18;
inline constexpr int kGitterSchrift = 10;  // pixel size of the grids' type

// A model whose header row is a list of texts (already centred).
class KopfModell : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    void setzeKopf(const QStringList& kopf);
    const QStringList& kopf() const { return kopf_; }
    // What a value cell shows besides its text: white, text centred.
    static QVariant weisseZelle(int role);

  protected:
    QStringList kopf_;
};

// One value row of plain texts: the prize-class and total grids.
class WerteModell : public KopfModell {
    Q_OBJECT
  public:
    WerteModell(int spalten, QObject* eltern);
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : 1; }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : spalten_; }
    QVariant data(const QModelIndex& i, int role) const override;
    // Replaces the values; reports a change only when something differs.
    void setzeWerte(const QStringList& werte);
    QString wert(int spalte) const { return werte_.value(spalte); }

  private:
    int spalten_;
    QStringList werte_;
};

// A grid view: fixed column widths, fixed row height, left-aligned header,
// no editing, no selection.
class Gitter : public QTableView {
    Q_OBJECT
  public:
    explicit Gitter(QWidget* eltern = nullptr);

    // Column widths and the widths w the header texts are centred in.
    void spaltenSetzen(const std::vector<int>& breiten);
    void kopfSetzen(KopfModell* m, const QStringList& texte, const std::vector<int>& w);
    // Size for `zeilen` value rows without scroll bars.
    QSize groesseFuer(int zeilen) const;
    // Fixes the size to show `zeilen` value rows and no scroll bars.
    void festeGroesse(int zeilen);
};

// Draws a value cell as the grids want it: filled with its background, the
// text centred (or at the left edge for left-aligned cells), always in the
// grid's own type (a grid makes its columns wide enough for its numbers).
class ZellenDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
};

// The text padded with leading blanks as a left-aligned cell of width w shows
// it centred, measured with the font metrics `fm`.
QString zentriert(const QString& text, int w, const QFontMetrics& fm);

}  // namespace kv::ui
