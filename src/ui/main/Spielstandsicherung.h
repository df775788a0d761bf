// Keeps "Spielstaende.spst" in the data folder up to date while the match day
// runs, so that a crash or a power cut loses no goal and no finished flag:
// every change of the scores is written shortly after it happens. Changes in
// quick succession (an arrow key held down) are written together, at most
// kVerzoegerung after the first of them; the file is replaced atomically.
// The "Alles" state ([Spieltag] "Ende") is kept in the settings file the
// same way.
#pragma once

#include <QObject>
#include <QTimer>

#include "model/Records.h"

namespace kv::ui {

class Programmkontext;

class Spielstandsicherung : public QObject {
    Q_OBJECT
  public:
    static constexpr int kVerzoegerung = 500;  // ms

    explicit Spielstandsicherung(Programmkontext& kontext, QObject* eltern = nullptr);

    // From now on changes are written; what the state holds now counts as
    // being on disk already (it was just read from there, or is the start).
    void starten();
    // Nothing more is written (the closing sequence writes everything itself).
    void anhalten();
    bool wartet() const { return timer_.isActive(); }

  private:
    void geaendert();
    void schreiben();

    Programmkontext& kontext_;
    QTimer timer_;
    bool aktiv_ = false;
    bool fehlerGemeldet_ = false;
    Spielstaende geschrieben_{};
    bool endeGeschrieben_ = false;
};

}  // namespace kv::ui
