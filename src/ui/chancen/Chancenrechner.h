// The prize-class chances of one set of rows, computed off the user
// interface thread. The part made once per slip (Chancenbasis: the distance
// of every outcome to the nearest row) is made with the first figures and
// kept; each change of the weights (a result, a finished flag, a tendency)
// then costs one weighted pass. At most one computation runs at a time: a
// request made meanwhile waits, and only the newest one is computed next.
#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <memory>
#include <optional>
#include <string>

#include "garantie/Gewinnchancen.h"

namespace kv::ui {

// Why a slip has no figures when the memory runs out.
inline QString speicherMeldung() {
    return QStringLiteral("Für die Wahrscheinlichkeiten reicht der Arbeitsspeicher nicht.");
}

class Chancenrechner : public QObject {
    Q_OBJECT
  public:
    explicit Chancenrechner(QObject* eltern = nullptr);
    ~Chancenrechner() override;

    // New rows (taken from a slip or list at once): the figures are computed
    // anew; until they are there, chancen() is empty.
    void setzeReihen(Reihenbestand reihen);
    // `reihen` rows that could not be taken (why): no figures until new rows come.
    void setzeFehler(const QString& fehler, std::uint64_t reihen);
    // New weights: nothing happens when they are the ones asked for last.
    void setzeGewichte(const Spielgewichte& gewichte);

    // The figures of the latest rows and weights; empty while they are computed.
    const std::optional<Gewinnchancen>& chancen() const { return chancen_; }
    // Why there are no figures (memory, too many rows); empty otherwise.
    const QString& fehler() const { return fehler_; }
    // A computation is running or waiting.
    bool rechnet() const { return laeuft_; }
    // The rows held, for a line that shows them before the figures.
    std::uint64_t reihen() const { return reihen_; }

  Q_SIGNALS:
    // The figures or the error changed (they arrived, or new rows or weights
    // made the old ones void).
    void geaendert();

  private:
    struct Ergebnis;
    void anstossen();
    void angekommen();

    std::uint64_t stand_ = 0;                 // counts the sets of rows
    std::shared_ptr<Reihenbestand> bestand_;  // rows not yet prepared
    std::shared_ptr<const Chancenbasis> basis_;
    std::optional<Spielgewichte> gewichte_;
    std::uint64_t reihen_ = 0;
    std::optional<Gewinnchancen> chancen_;
    QString fehler_;
    bool laeuft_ = false;
    QFutureWatcher<std::shared_ptr<Ergebnis>>* waechter_;
};

}  // namespace kv::ui
