// The stake per row ("Einsatz je Reihe", in cents): read from the settings
// once per program, changed only here, and announced to every line that
// shows what a slip costs.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

namespace kv::ui {

class Programmkontext;

class Einsatzstand : public QObject {
    Q_OBJECT
  public:
    // Cents from 0 up to this.
    static constexpr int kHoechstens = 999999999;

    // The stake of the program of `kontext`, made on first use.
    static Einsatzstand& von(Programmkontext& kontext);

    int cent() const { return cent_; }
    // Writes the setting and tells every line. Throws DateiFehler (the stake
    // stays as it was then).
    void setzen(int cent);

  Q_SIGNALS:
    void geaendert(int cent);

  private:
    Einsatzstand(Programmkontext& kontext, QObject* eltern);
    QString datei_;
    int cent_ = 50;
};

// "0,50 €", "797.161,50 €": cents as euros in German writing.
QString euroText(std::uint64_t cent);

}  // namespace kv::ui
