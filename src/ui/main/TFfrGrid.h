// The result tables of one slip shown as a tab: all its rows with their hit
// colours and chances (GReihen), the prize classes (GTreffer2), the lower hit
// counts (Gtreffer), the chance totals (GChges) and chance lists (GChancen),
// and "Als Text- Datei".
#pragma once

#include <QWidget>

#include <memory>

#include "evaluation/Programmzustand.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace kv::ui {

class ChancenQuelle;
class Fenstergitter;
class Gitter;
class ReihenQuelle;
class WerteModell;

class TFfrGrid : public QWidget {
    Q_OBJECT
  public:
    // Frame "fr" + slip number for slot `slot` (0-based) of `zustand`.
    TFfrGrid(const Programmzustand& zustand, std::size_t slot, const QString& datenordner, QWidget* eltern);
    ~TFfrGrid() override;

    Fenstergitter* GReihen() const { return GReihen_; }
    Gitter* GTreffer2() const { return GTreffer2_; }
    Gitter* Gtreffer() const { return Gtreffer_; }
    Gitter* GChges() const { return GChges_; }
    Fenstergitter* GChancen() const { return GChancen_; }
    QLabel* LReihen() const { return LReihen_; }
    QTabWidget* PC5() const { return PC5_; }

    // `ScheinInTabelle`: lists the slip's rows; returns their number as text.
    QString ScheinInTabelle();
    // Refills every table from the slot's last evaluation (nothing to do
    // when the slot was not evaluated since).
    void auswertungAnzeigen();

    // Puts `w` across the frame under the prize-class counts.
    void unterDieKlassen(QWidget* w);

    // "Als Text- Datei" (bsSkinSpeedButton2): the rows (columns 1..13) as a
    // text row file.
    void alsTextDateiSpeichern();

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void bandAnpassen();

    const Programmzustand* zustand_;
    std::size_t slot_;
    QString datenordner_;
    std::unique_ptr<ReihenQuelle> reihen_;
    std::unique_ptr<ChancenQuelle> chancen_;
    std::uint64_t gezeigt_ = 0;  // the slot's evaluation the tables show
    Fenstergitter* GReihen_;
    Gitter* GTreffer2_;
    WerteModell* treffer2_;
    Gitter* Gtreffer_;
    WerteModell* treffer_;
    Gitter* GChges_;
    WerteModell* chges_;
    Fenstergitter* GChancen_;
    QLabel* LReihen_;
    QTabWidget* PC5_;
    QWidget* band_;
    QWidget* chancenSeite_;
    QPushButton* alsText_;
};

}  // namespace kv::ui
