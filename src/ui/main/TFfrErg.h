// The score frame of one match: club names, goals of both teams with their
// up-downs, and the button that toggles the match between running and final.
#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace kv::ui {

class UpDown;

class TFfrErg : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kBreite = 104;
    static constexpr int kHoehe = 88;
    // the narrowest a frame gets in a narrow window (goals, arrows and the
    // button still have room)
    static constexpr int kMinBreite = 92;

    TFfrErg(int spiel, QWidget* eltern);

    int spiel() const { return spiel_; }
    UpDown* Up1() const { return Up1_; }
    UpDown* Up2() const { return Up2_; }
    QToolButton* BRun() const { return BRun_; }
    QLabel* PHeim() const { return PHeim_; }
    QLabel* PGast() const { return PGast_; }
    QLabel* LHeim() const { return LHeim_; }
    QLabel* LGast() const { return LGast_; }
    QWidget* Pups() const { return Pups_; }

    // BRun shows image 1 while final, image 0 while running; the up-downs are
    // hidden while final.
    void zeigeBeendet(bool beendet);
    void setzeMannschaften(const QString& heim, const QString& gast);

  Q_SIGNALS:
    // A goal count changed (heim: the home side's); PHeim/PGast already show it.
    void torGeaendert(int spiel, bool heim);
    void laufUmschalten(int spiel);

  private:
    int spiel_;
    QLabel* LNr_;
    QToolButton* BRun_;
    QLabel* LHeim_;
    QLabel* LGast_;
    QLabel* PHeim_;
    QLabel* PGast_;
    QWidget* Pups_;
    UpDown* Up1_;
    UpDown* Up2_;
    int gezeigt_ = -1;  // the finished state shown: 0, 1, or -1 before the first
};

}  // namespace kv::ui
