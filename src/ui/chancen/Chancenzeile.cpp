#include "chancen/Chancenzeile.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

#include "chancen/Einsatz.h"
#include "common/Farben.h"
#include "common/Programmkontext.h"

namespace kv::ui {

namespace {

const QString kErklaerung = QStringLiteral(
    "Für jede Gewinnklasse die Wahrscheinlichkeit, dass mindestens eine Reihe des Spielscheins so viele "
    "Richtige oder mehr erreicht: beendete Spiele zählen mit ihrem Ergebnis, offene nach den Tendenzen des "
    "Spielplans (ohne Tendenz je ein Drittel).");

// A part the line must not break inside ("II 0,41 %", "0,50 €"): its blanks
// become no-break spaces.
QString fest(QString teil) {
    return teil.replace(QLatin1Char(' '), QChar(0x00A0));
}

bool ohneTendenzen(const TendenzWerte& t) {
    return std::none_of(t.begin(), t.end(), [](const TTendenzWert& w) { return hatTendenz(w); });
}

}  // namespace

QString prozentText(double p) {
    const QLocale de(QLocale::German);
    if (p <= 0) return QStringLiteral("0 %");
    if (p >= 1) return QStringLiteral("100 %");
    const double x = 100 * p;
    if (x < 1e-12) return QStringLiteral("< ") + de.toString(1e-12, 'f', 12) + QStringLiteral(" %");
    // two significant digits of the value as rounded to them (9,97 is "10", not "10,0")
    const double gerundet = QString::number(x, 'g', 2).toDouble();
    int stellen = std::max(0, 1 - static_cast<int>(std::floor(std::log10(gerundet))));
    QString t = de.toString(x, 'f', stellen);
    // not certain, so never "100": as many digits as it takes
    while (x >= 99 && t.startsWith(QStringLiteral("100")) && stellen < 12) t = de.toString(x, 'f', ++stellen);
    if (t.startsWith(QStringLiteral("100"))) return QStringLiteral("> 99,999999999999 %");
    return t + QStringLiteral(" %");
}

QString klassenProzente(const Gewinnchancen& c) {
    QStringList teile;
    for (int k = 0; k < 4; ++k)
        teile << QString::fromLatin1(Gewinnklassen[static_cast<std::size_t>(k)]) + QLatin1Char(' ') +
                     prozentText(c.mindestens(k));
    return teile.join(QStringLiteral("  "));
}

Chancenzeile::Chancenzeile(Programmkontext& kontext, QWidget* eltern)
    : QLabel(eltern), kontext_(kontext), rechner_(new Chancenrechner(this)) {
    setObjectName(QStringLiteral("LChancen"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFont(schrift(this, 11, false));
    connect(rechner_, &Chancenrechner::geaendert, this, &Chancenzeile::schreiben);
    const Zustandsmelder& m = kontext.melder();
    connect(&m, &Zustandsmelder::spieleGeaendert, this, &Chancenzeile::gewichteNeu);
    connect(&m, &Zustandsmelder::tendenzWerteGeaendert, this, &Chancenzeile::gewichteNeu);
    connect(&Einsatzstand::von(kontext), &Einsatzstand::geaendert, this, &Chancenzeile::schreiben);
    gewichteNeu();
    hide();
}

Chancenzeile* Chancenzeile::fuerSchein(Programmkontext& kontext, int slot, QWidget* eltern) {
    auto* z = new Chancenzeile(kontext, eltern);
    z->slot_ = slot;
    const Zustandsmelder& m = kontext.melder();
    if (slot == kLinks)
        connect(&m, &Zustandsmelder::linkerScheinGeaendert, z, [z] { z->scheinNeu(kLinks); });
    else
        connect(&m, &Zustandsmelder::scheinGeaendert, z, &Chancenzeile::scheinNeu);
    z->scheinNeu(slot);
    return z;
}

void Chancenzeile::scheinNeu(int slot) {
    if (slot != slot_) return;
    const Programmzustand& z = kontext_.zustand();
    const int s = slot_ == kLinks ? z.linkerSchein() : slot_;
    if (s < 0 || s >= z.scheinAnzahl()) {
        hide();
        return;
    }
    zeigeReihen(z.slot(s).schein);
}

void Chancenzeile::zeigeReihen(const Schein& schein) {
    reihenNehmen(schein);
}

void Chancenzeile::zeigeReihen(const std::vector<Reihe>& reihen) {
    reihenNehmen(reihen);
}

namespace {

std::uint64_t anzahl(const Schein& s) {
    return s.zeilen();
}
std::uint64_t anzahl(const std::vector<Reihe>& r) {
    return r.size();
}

}  // namespace

template <typename Quelle>
void Chancenzeile::reihenNehmen(const Quelle& quelle) {
    try {
        rechner_->setzeReihen(Reihenbestand(quelle));
    } catch (const std::bad_alloc&) {
        rechner_->setzeFehler(speicherMeldung(), anzahl(quelle));
    } catch (const std::length_error& e) {
        rechner_->setzeFehler(QString::fromUtf8(e.what()), anzahl(quelle));
    }
    schreiben();
    show();
}

void Chancenzeile::setzeEinzeilig(bool einzeilig) {
    einzeilig_ = einzeilig;
    setWordWrap(!einzeilig);
    schreiben();
}

void Chancenzeile::gewichteNeu() {
    const Programmzustand& z = kontext_.zustand();
    rechner_->setzeGewichte(spielgewichte(z.tendenzWerte(), z.lage()));
}

void Chancenzeile::schreiben() {
    const auto& c = rechner_->chancen();
    QString titel = QStringLiteral("Wahrscheinlichkeit");
    if (ohneTendenzen(kontext_.zustand().tendenzWerte()))
        titel += QStringLiteral(" (ohne Tendenzen: gleich wahrscheinlich)");
    QString zahlen;
    if (!rechner_->fehler().isEmpty())
        zahlen = rechner_->fehler();
    else if (c)
        for (const QString& klasse : klassenProzente(*c).split(QStringLiteral("  ")))
            zahlen += (zahlen.isEmpty() ? QString() : QStringLiteral("  ")) + fest(klasse);
    else
        zahlen = QStringLiteral("…");
    const QLocale de(QLocale::German);
    const std::uint64_t reihen = rechner_->reihen();
    const auto jeReihe = static_cast<std::uint64_t>(Einsatzstand::von(kontext_).cent());
    setText(titel + QStringLiteral(": ") + zahlen +
            (einzeilig_ ? QStringLiteral("     ") : QStringLiteral("\n")) + QStringLiteral("Einsatz: ") +
            fest(euroText(reihen * jeReihe)) + QStringLiteral(" für ") +
            fest(de.toString(static_cast<qulonglong>(reihen)) +
                 (reihen == 1 ? QStringLiteral(" Reihe") : QStringLiteral(" Reihen"))) +
            QStringLiteral(" (") + fest(euroText(jeReihe) + QStringLiteral(" je Reihe")) + QLatin1Char(')'));
    QString tipp = kErklaerung;
    if (c) {
        QStringList erwartet;
        for (int h = kSpiele; h >= 10; --h) erwartet << de.toString(c->erwartet(h), 'g', 3);
        tipp += QStringLiteral("\nErwartete Reihen mit genau 13, 12, 11, 10 Richtigen: ") +
                erwartet.join(QStringLiteral("; "));
    }
    setToolTip(tipp);
}

}  // namespace kv::ui
