// A grid over any number of rows at constant memory.
//
// A table view keeps bookkeeping for every row it holds, so a grid of
// millions of rows would cost tens of megabytes however little it shows.
// Fenstergitter shows only the rows that fit: an inner Gitter holds a window
// of them, read from a Zeilenquelle whenever they are drawn, and a scroll bar
// of its own stands for all rows (up to 2^64 - 1; beyond 2^30 positions the
// bar moves in proportion). It looks as a Gitter with its vertical scroll bar
// does (frame, header, row height, cells) and moves as a table view scrolling
// per row does: the arrow keys, Page Up/Down, Ctrl+Home/End, the wheel (three
// rows a notch, a page with Ctrl or Shift) and the scroll bar.
//
//     class Reihenquelle : public Zeilenquelle {
//         std::uint64_t zeilenAnzahl() const override { return n; }  // without the header
//         QVariant daten(std::uint64_t zeile, int spalte, int rolle) const override;
//     };
//     auto* g = new Fenstergitter(this);
//     g->setObjectName(QStringLiteral("GReihen"));
//     g->setzeQuelle(&quelle, 15);          // 15 columns; the source outlives the grid
//     g->spaltenSetzen({36, 20, ...});
//     g->kopfSetzen({"Tipp", "1", ...}, {30, 18, ...});
//     g->gitter()->setFocusPolicy(Qt::WheelFocus);  // keys need the focus
//     ...
//     g->zeilenGeaendert();  // the source has another row count
//     g->datenGeaendert();   // the cells changed: the visible rows are drawn anew
//
// Rows are numbered from 0 (the first value row below the header).
#pragma once

#include <QFrame>

#include <cstdint>
#include <optional>
#include <vector>

class QKeyEvent;
class QScrollBar;
class QWheelEvent;

namespace kv::ui {

class Gitter;

// What a Fenstergitter shows.
class Zeilenquelle {
  public:
    virtual ~Zeilenquelle() = default;
    // Value rows (the header row not counted).
    virtual std::uint64_t zeilenAnzahl() const = 0;
    // The cell of value row `zeile`, column `spalte`, for the role: the text
    // (Qt::DisplayRole), the background (Qt::BackgroundRole, a QColor; none for
    // the grid's normal background) and the alignment (Qt::TextAlignmentRole).
    virtual QVariant daten(std::uint64_t zeile, int spalte, int rolle) const = 0;
};

class Fensteransicht;
class Fenstermodell;

class Fenstergitter : public QFrame {
    Q_OBJECT
  public:
    explicit Fenstergitter(QWidget* eltern = nullptr);
    ~Fenstergitter() override;

    // The source (not owned; it outlives the grid) and its column count.
    void setzeQuelle(const Zeilenquelle* quelle, int spalten);
    // Column widths, and the header texts centred within the widths w.
    void spaltenSetzen(const std::vector<int>& breiten);
    void kopfSetzen(const QStringList& texte, const std::vector<int>& w);
    // Row height in pixels (the Gitter's is the default).
    void setzeZeilenhoehe(int hoehe);

    // The source's row count changed (the position is kept where it can be).
    void zeilenGeaendert();
    // The source's cells changed: the visible rows are drawn anew.
    void datenGeaendert();

    std::uint64_t zeilenAnzahl() const { return zeilen_; }
    // The first fully visible row (the scroll position) and the rows that fit.
    std::uint64_t oben() const { return oben_; }
    int sichtbareZeilen() const;
    void setzeOben(std::uint64_t zeile);
    // Scrolls as little as needed for the row to be fully visible.
    void zeigeZeile(std::uint64_t zeile);
    // The current row (moved by the keys and a click), if any; setting it shows it.
    std::optional<std::uint64_t> aktuelleZeile() const { return aktuell_; }
    void setzeAktuelleZeile(std::uint64_t zeile, int spalte = 0);
    // The row drawn at y in the view's viewport, if any.
    std::optional<std::uint64_t> zeileAn(int y) const;
    // A cell as the source gives it.
    QVariant zelle(std::uint64_t zeile, int spalte, int rolle = Qt::DisplayRole) const;

    // The inner view (header, column widths, font, focus) and the scroll bar.
    Gitter* gitter() const;
    QScrollBar* bildlauf() const { return leiste_; }
    // Size for `zeilen` value rows, frame and scroll bar included.
    QSize groesseFuer(int zeilen) const;

  Q_SIGNALS:
    void aktuelleZeileGeaendert(std::uint64_t zeile);

  private:
    friend class Fensteransicht;
    bool taste(QKeyEvent* e);
    void rad(QWheelEvent* e);
    void angeklickt(int fensterzeile, int spalte);
    void fensterNeu();
    std::uint64_t maxOben() const;
    int balkenWert(std::uint64_t oben) const;
    std::uint64_t obenVon(int wert) const;
    void balkenNeu();
    void balkenAktion(int aktion);
    void balkenBewegt(int wert);

    Fensteransicht* ansicht_;
    Fenstermodell* modell_;
    QScrollBar* leiste_;
    const Zeilenquelle* quelle_ = nullptr;
    std::uint64_t zeilen_ = 0;
    std::uint64_t oben_ = 0;
    std::uint64_t anfang_ = 0;  // the row in the window's first line
    std::optional<std::uint64_t> aktuell_;
    int aktuelleSpalte_ = 0;
    double radRest_ = 0;   // wheel turns not yet a whole row
    bool intern_ = false;  // the grid itself is moving the window or the bar
};

}  // namespace kv::ui
