#include "print/Druckplan.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <stdexcept>

#include "io/Datei.h"
#include "model/Records.h"
#include "model/Spielscheindatei.h"

namespace kv {

namespace {

constexpr const char* kAbgebrochen = "Der Ausdruck wird abgebrochen.";

}  // namespace

void Druckspeicher::laden(const std::string& pfad) {
    auto neu = std::make_shared<const Schein>(leseSchein(pfad));
    schein_ = std::move(neu);
    datei_ = dateiName(pfad);
}

std::string Druckspeicher::zelle(int spalte, std::uint64_t zeile) const {
    if (spalte < 0 || spalte >= kSpaltenAnzahl) return {};
    if (zeile == 0) return spalte == 0 ? "Tippreihe" : std::to_string(spalte);
    if (zeile > reihen()) return {};
    if (spalte == 0) return std::to_string(zeile);
    const int c = spaltenDerReihe(schein_->reihe(zeile))[static_cast<std::size_t>(spalte - 1)];
    return c ? std::string(1, zeichenVonSpalte(c)) : std::string();
}

namespace {

// A range field: no number counts as 0.
std::int64_t bereichWert(const std::string& text) {
    return feldZahl(text).value_or(0);
}

}  // namespace

std::optional<Scheinbedarf> NeuBerechnen(const std::string& start, const std::string& ende,
                                         int felderProSchein) {
    if (start.empty() || ende.empty() || felderProSchein < 1) return std::nullopt;
    const std::int64_t s = std::max<std::int64_t>(1, bereichWert(start));
    const std::int64_t e = bereichWert(ende);
    if (e < s) return std::nullopt;
    const auto n = static_cast<std::uint64_t>(e - s + 1);
    const auto fps = static_cast<std::uint64_t>(felderProSchein);
    Scheinbedarf b;
    b.scheine = n <= fps ? 1 : n / fps + (n % fps > 0 ? 1 : 0);
    b.knopf = b.scheine == 1 ? "Schein ausdrucken" : "Scheine ausdrucken";
    return b;
}

std::int64_t versatzZehntelMm(std::int64_t geraeteEinheiten, double dpi) {
    if (!(dpi > 0) || !std::isfinite(dpi)) return 0;
    return rundeHalbGerade(static_cast<double>(geraeteEinheiten) * 254.0 / dpi);
}

std::optional<Druckmeldung> korrekturenLesen(const std::string& hori, const std::string& vert,
                                             const std::string& schluss, std::int64_t& H, std::int64_t& V) {
    const std::string* texte[2] = {&hori, &vert};
    std::int64_t* ziele[2] = {&H, &V};
    for (int i = 0; i < 2; ++i) {
        *ziele[i] = 0;
        if (texte[i]->empty()) continue;
        const auto v = feldZahl(*texte[i]);
        if (!v) return keineZahl(feldnameKorrektur(i == 1), *texte[i], schluss);
        *ziele[i] = *v;
    }
    return std::nullopt;
}

std::optional<Druckmeldung> Druckablauf::nichtsZuDrucken(const Druckspeicher& speicher) {
    if (speicher.reihen() > 0) return std::nullopt;
    return Druckmeldung{Meldungsart::Information, "Es gibt nichts zu drucken, ich breche ab."};
}

Druckbeginn Druckablauf::beginne(const Druckspeicher& speicher, const TScheinFormat& format, Druckstart& st) {
    if (st.felderProSchein < 1 || st.felderProSchein > kMaxFelder)
        throw std::invalid_argument("Felder pro Schein außerhalb 1..12");
    Druckbeginn b;
    if (auto m = nichtsZuDrucken(speicher)) {
        b.meldung = m;
        return b;
    }
    // An empty start, 0, or one that is no number prints from row 1.
    if (bereichWert(st.start) < 1) st.start = "1";
    if (st.ende.empty()) st.ende = std::to_string(speicher.reihen());
    const std::int64_t start = bereichWert(st.start);
    const std::int64_t ende = bereichWert(st.ende);
    if (ende < start) {
        b.meldung = Druckmeldung{Meldungsart::Information,
                                 std::string("Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks.") +
                                     kAbsatz + "Ich breche ab."};
        return b;
    }
    const std::string abbruch = "Der Ausdruck wird nicht begonnen.";
    std::int64_t k = 0;
    if (!st.startNr.empty()) {
        const auto v = feldZahl(st.startNr);
        if (!v) {
            b.meldung = keineZahl("\"Start-Nr.:\"", st.startNr, abbruch);
            return b;
        }
        k = std::int64_t{*v} - 1;
    }
    std::int64_t hv[2] = {0, 0};
    if (auto m = korrekturenLesen(st.hori, st.vert, abbruch, hv[0], hv[1])) {
        b.meldung = m;
        return b;
    }
    Druckablauf a;
    a.quelle_ = speicher.schein();
    a.format_ = format;
    a.fps_ = st.felderProSchein;
    a.start_ = static_cast<std::uint64_t>(start);
    a.ende_ = static_cast<std::uint64_t>(ende);
    a.zeile_ = a.start_;
    a.k_ = k;
    a.H_ = hv[0];
    a.V_ = hv[1];
    a.OX_ = versatzZehntelMm(st.versatz.links, st.versatz.dpi);
    a.OY_ = versatzZehntelMm(st.versatz.oben, st.versatz.dpi);
    b.ablauf = std::move(a);
    return b;
}

int Druckablauf::position(const std::string& x, const std::string& y, std::optional<TPosition>& p) {
    p.reset();
    if (x.empty() || y.empty()) return 0;  // drawn only where both are filled
    const auto xv = feldZahl(x);
    if (!xv) return 1;
    const auto yv = feldZahl(y);
    if (!yv) return 2;
    p = TPosition{*xv, *yv};
    return 0;
}

std::optional<Druckmeldung> Druckablauf::naechsterSchein(const Scheinangaben& angaben) {
    if (fertig_ || offen_) throw std::logic_error("Kein weiterer Papierschein offen");
    // The positions of the add-on marks and the number first, so that a field
    // that is no number ends the run before anything of the slip is drawn.
    std::array<std::optional<TPosition>, kZusatzspiele> zusatz;
    for (int g = 1; g <= kZusatzspiele; ++g) {
        const int j = angaben.zusatzJa[static_cast<std::size_t>(g - 1)] ? 1 : 2;
        const auto& f = angaben.zus[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(j - 1)];
        if (const int falsch = position(f[0], f[1], zusatz[static_cast<std::size_t>(g - 1)])) {
            fertig_ = true;
            return keineZahl(feldnameZusatz(g, j, falsch == 2), f[static_cast<std::size_t>(falsch - 1)],
                             kAbgebrochen);
        }
    }
    std::optional<TPosition> nr;
    if (angaben.nrDrucken)
        if (const int falsch = position(angaben.nrX, angaben.nrY, nr)) {
            fertig_ = true;
            return keineZahl(feldnameNummer(falsch == 2), falsch == 1 ? angaben.nrX : angaben.nrY,
                             kAbgebrochen);
        }

    const Schein& s = *quelle_;
    const std::uint64_t anzahl =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(fps_), ende_ - zeile_ + 1);
    schein_.lauf = ++lauf_;
    schein_.nummer = k_ + 1;
    schein_.ersteZeile = zeile_;
    schein_.letzteZeile = zeile_ + anzahl - 1;
    schein_.marken.clear();
    if (zeile_ <= s.zeilen()) {
        // The rows of the slip follow one another; only the first is found by its number.
        const std::uint64_t bis = std::min(schein_.letzteZeile, s.zeilen());
        int feldNr = 0;
        s.fuerZeilen(zeile_, bis, [&](Reihe r) {
            ++feldNr;
            for (Reihe rest = r; rest != 0; rest &= rest - 1) {
                const int kreuz = std::countr_zero(rest);
                const int m = spielVonKreuz(kreuz);
                schein_.marken.push_back(
                    {Druckmarke::Art::Tipp, feldNr, m,
                     markenPunkt(format_.kaestchen(feldNr, m, spalteVonKreuz(kreuz)), H_, V_, OX_, OY_),
                     "x"});
            }
        });
    }
    for (int g = 1; g <= kZusatzspiele; ++g)
        if (const auto& p = zusatz[static_cast<std::size_t>(g - 1)])
            schein_.marken.push_back({Druckmarke::Art::Zusatz, 0, g, markenPunkt(*p, H_, V_, OX_, OY_), "x"});
    if (nr)
        schein_.marken.push_back({Druckmarke::Art::Nummer, 0, 0, markenPunkt(*nr, H_, V_, OX_, OY_),
                                  std::to_string(schein_.nummer)});
    offen_ = true;
    return std::nullopt;
}

void Druckablauf::antwort(Druckantwort a) {
    if (!offen_) throw std::logic_error("Kein Papierschein wartet auf eine Antwort");
    offen_ = false;
    switch (a) {
        case Druckantwort::Ja:
            k_ = schein_.nummer;
            zeile_ = schein_.letzteZeile + 1;
            if (zeile_ > ende_) fertig_ = true;
            break;
        case Druckantwort::Nein:  // the same rows again, with the same number
            break;
        case Druckantwort::Abbrechen:
            fertig_ = true;
            break;
    }
}

}  // namespace kv
