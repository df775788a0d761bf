#include "chancen/Chancenrechner.h"

#include <QtConcurrent/QtConcurrentRun>

#include <new>
#include <stdexcept>

namespace kv::ui {

// What one computation was asked and what it found.
struct Chancenrechner::Ergebnis {
    std::uint64_t stand = 0;
    Spielgewichte gewichte;
    std::shared_ptr<const Chancenbasis> basis;
    std::optional<Gewinnchancen> chancen;
    QString fehler;
};

Chancenrechner::Chancenrechner(QObject* eltern)
    : QObject(eltern), waechter_(new QFutureWatcher<std::shared_ptr<Ergebnis>>(this)) {
    connect(waechter_, &QFutureWatcherBase::finished, this, &Chancenrechner::angekommen);
}

Chancenrechner::~Chancenrechner() {
    // A computation still running finishes on its own and is dropped; it
    // holds everything it reads.
    waechter_->disconnect(this);
}

void Chancenrechner::setzeReihen(Reihenbestand reihen) {
    ++stand_;
    reihen_ = reihen.reihen();
    bestand_ = std::make_shared<Reihenbestand>(std::move(reihen));
    basis_.reset();
    const bool warGezeigt = chancen_ || !fehler_.isEmpty();
    chancen_.reset();
    fehler_.clear();
    if (warGezeigt) Q_EMIT geaendert();
    anstossen();
}

void Chancenrechner::setzeFehler(const QString& fehler, std::uint64_t reihen) {
    ++stand_;
    reihen_ = reihen;
    bestand_.reset();
    basis_.reset();
    chancen_.reset();
    fehler_ = fehler;
    Q_EMIT geaendert();
}

void Chancenrechner::setzeGewichte(const Spielgewichte& gewichte) {
    if (gewichte_ == gewichte) return;
    gewichte_ = gewichte;
    const bool warGezeigt = chancen_.has_value();
    chancen_.reset();
    if (warGezeigt) Q_EMIT geaendert();
    anstossen();
}

void Chancenrechner::anstossen() {
    if (laeuft_ || !gewichte_ || (!bestand_ && !basis_)) return;
    laeuft_ = true;
    auto auftrag = std::make_shared<Ergebnis>();
    auftrag->stand = stand_;
    auftrag->gewichte = *gewichte_;
    auftrag->basis = basis_;
    std::shared_ptr<Reihenbestand> bestand = basis_ ? nullptr : bestand_;
    waechter_->setFuture(QtConcurrent::run([auftrag, bestand]() {
        try {
            if (!auftrag->basis) auftrag->basis = std::make_shared<const Chancenbasis>(std::move(*bestand));
            auftrag->chancen = auftrag->basis->chancen(auftrag->gewichte);
        } catch (const std::bad_alloc&) {
            auftrag->fehler = speicherMeldung();
        } catch (const std::length_error& e) {
            auftrag->fehler = QString::fromUtf8(e.what());
        }
        return auftrag;
    }));
}

void Chancenrechner::angekommen() {
    laeuft_ = false;
    const std::shared_ptr<Ergebnis> e = waechter_->result();
    if (e->stand == stand_) {
        // the prepared rows serve every later weighting of the same rows
        if (e->basis) {
            basis_ = e->basis;
            bestand_.reset();
        }
        if (!e->fehler.isEmpty()) {
            // these rows give no figures: nothing is computed until new ones come
            bestand_.reset();
            fehler_ = e->fehler;
            Q_EMIT geaendert();
            return;
        }
        if (gewichte_ == e->gewichte) {
            chancen_ = e->chancen;
            Q_EMIT geaendert();
            return;
        }
    }
    anstossen();  // rows or weights changed meanwhile: the newest ones now
}

}  // namespace kv::ui
