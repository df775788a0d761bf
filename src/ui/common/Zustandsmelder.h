// The program state's change notices as Qt signals. Views connect to them and
// redraw what changed; nobody refreshes a view by hand after a change.
#pragma once

#include <QObject>

#include <memory>

#include "evaluation/Programmzustand.h"

namespace kv::ui {

class Zustandsmelder : public QObject {
    Q_OBJECT
  public:
    // Listens to `zustand` (which must outlive it) from now on.
    explicit Zustandsmelder(Programmzustand& zustand, QObject* eltern = nullptr);
    ~Zustandsmelder() override;

  Q_SIGNALS:
    // Score, tendency, finished flag or winning tendency of these matches
    // (bit m - 1 = match m), or "Alles", changed.
    void spieleGeaendert(kv::Spielmenge spiele);
    // Slot `slot` (0-based) was opened or emptied.
    void scheinGeaendert(int slot);
    // The left slip is another slot now, or none.
    void linkerScheinGeaendert();
    // The evaluation ran: every slot has new numbers.
    void ausgewertet();
    void begegnungenGeaendert();
    void tendenzWerteGeaendert();
    // An entry window wrote a slip file (Programmzustand::geschriebenerSchein()).
    void scheinGeschrieben();

  private:
    class Hoerer;
    Programmzustand& zustand_;
    std::unique_ptr<Hoerer> hoerer_;
};

}  // namespace kv::ui
