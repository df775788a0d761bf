// The group "Garantie-Reduzierung" of the normal slip entry window, beside the
// random reduction: "12 Richtige" or "11 Richtige" and the button
// "Reduzieren" replace the listed rows by as few rows of the suggestion field
// as keep that guarantee, and the group says what the new list guarantees.
#pragma once

#include <QGroupBox>

#include <functional>

namespace kv {
class Normalscheineingabe;
}

class QLabel;
class QPushButton;
class QRadioButton;

namespace kv::ui {

class Garantiereduzierung : public QGroupBox {
    Q_OBJECT
  public:
    // The group for the suggestion field and the list of `eingabe`, which
    // outlives it.
    Garantiereduzierung(Normalscheineingabe& eingabe, QWidget* eltern = nullptr);

    QRadioButton* RB12() const { return RB12_; }
    QRadioButton* RB11() const { return RB11_; }
    QPushButton* BGarantie() const { return BGarantie_; }
    QLabel* LGarantie() const { return LGarantie_; }

    // 1 for "12 Richtige", 2 for "11 Richtige".
    int radius() const;
    // "Reduzieren": the list becomes the reduced rows of the suggestion field
    // and LGarantie says what they guarantee; a field that cannot be reduced
    // (a match without a tip) gets a message and the list stays.
    void BGarantieClick();
    // Forgets the text of the last reduction (the list was made anew).
    void zuruecksetzen();
    // Asked before the list is replaced; false leaves it (it has said why).
    void setzeVorpruefung(std::function<bool()> f) { vorpruefung_ = std::move(f); }

  Q_SIGNALS:
    // The list holds the reduced rows now: the window shows them.
    void reduziert();

  private:
    Normalscheineingabe& eingabe_;
    QRadioButton* RB12_;
    QRadioButton* RB11_;
    QPushButton* BGarantie_;
    QLabel* LGarantie_;
    std::function<bool()> vorpruefung_;
};

}  // namespace kv::ui
