#include "common/Zustandsmelder.h"

namespace kv::ui {

class Zustandsmelder::Hoerer : public Zustandsbeobachter {
  public:
    explicit Hoerer(Zustandsmelder& m) : m_(m) {}
    void spieleGeaendert(Spielmenge spiele) override { Q_EMIT m_.spieleGeaendert(spiele); }
    void scheinGeaendert(int slot) override { Q_EMIT m_.scheinGeaendert(slot); }
    void linkerScheinGeaendert() override { Q_EMIT m_.linkerScheinGeaendert(); }
    void ausgewertet() override { Q_EMIT m_.ausgewertet(); }
    void begegnungenGeaendert() override { Q_EMIT m_.begegnungenGeaendert(); }
    void tendenzWerteGeaendert() override { Q_EMIT m_.tendenzWerteGeaendert(); }
    void scheinGeschrieben() override { Q_EMIT m_.scheinGeschrieben(); }

  private:
    Zustandsmelder& m_;
};

Zustandsmelder::Zustandsmelder(Programmzustand& zustand, QObject* eltern)
    : QObject(eltern), zustand_(zustand), hoerer_(std::make_unique<Hoerer>(*this)) {
    zustand_.setzeBeobachter(hoerer_.get());
}

Zustandsmelder::~Zustandsmelder() {
    zustand_.setzeBeobachter(nullptr);
}

}  // namespace kv::ui
