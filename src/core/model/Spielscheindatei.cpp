#include "model/Spielscheindatei.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "expansion/Feld.h"
#include "expansion/VewTabellen.h"
#include "io/Datei.h"
#include "model/TippListen.h"

namespace kv {

namespace {

// Record k (0-based) of a file, checked.
TScheinOffen feldAus(const std::uint8_t* rec, std::size_t k, const std::string& name) {
    TScheinOffen f;
    f.sys = rec[0];
    for (int i = 0; i < kKreuzIndizes; ++i) f.ja[i] = rec[1 + i] != 0 ? 1 : 0;
    const std::string grund = feldFehler(f);
    if (!grund.empty())
        throw UngueltigeDatei("Die Datei " + name + " ist keine gültige Spielschein-Datei: Im Feld " +
                              std::to_string(k + 1) + " " + grund + "." + kAbsatz + "Ich breche ab.");
    return f;
}

}  // namespace

std::vector<TScheinOffen> spielscheinAusBytes(const std::vector<std::uint8_t>& bytes,
                                              const std::string& name) {
    const std::size_t anzahl = bytes.size() / kFeldBytes;  // a trailing partial record is no record
    std::vector<TScheinOffen> felder;
    felder.reserve(anzahl);
    for (std::size_t k = 0; k < anzahl; ++k)
        felder.push_back(feldAus(bytes.data() + k * kFeldBytes, k, name));
    return felder;
}

namespace {

// A slip too big for the memory cannot be read: an I/O error naming the file.
[[noreturn]] void zuWenigSpeicher(const std::string& pfad) {
    throw DateiFehler("Die Datei " + pfad + " konnte nicht gelesen werden: " + systemFehlerText(ENOMEM) +
                      ".");
}

// Calls f(record, k) for every whole record k (0-based) of the file, reading
// it piece by piece, so the file's bytes are never held besides what is made
// of them; a trailing partial record is no record.
template <class F>
void fuerJedenSatz(Lesedatei& datei, F&& f) {
    std::uint8_t puffer[kFeldBytes * 1024];
    std::size_t gefuellt = 0;
    std::size_t k = 0;
    while (const std::size_t n = datei.lies(puffer + gefuellt, sizeof puffer - gefuellt)) {
        gefuellt += n;
        const std::size_t ganze = gefuellt / kFeldBytes;
        for (std::size_t i = 0; i < ganze; ++i) f(puffer + i * kFeldBytes, k++);
        std::copy(puffer + ganze * kFeldBytes, puffer + gefuellt, puffer);
        gefuellt -= ganze * kFeldBytes;
    }
}

}  // namespace

std::vector<TScheinOffen> leseSpielschein(const std::string& pfad) {
    Lesedatei datei(pfad);
    const std::string name = dateiName(pfad);
    std::vector<TScheinOffen> felder;
    try {
        felder.reserve(datei.groesse() / kFeldBytes);
        fuerJedenSatz(
            datei, [&](const std::uint8_t* rec, std::size_t k) { felder.push_back(feldAus(rec, k, name)); });
    } catch (const std::bad_alloc&) {
        zuWenigSpeicher(pfad);
    }
    return felder;
}

Schein leseSchein(const std::string& pfad) {
    Lesedatei datei(pfad);
    const std::string name = dateiName(pfad);
    Schein schein;
    try {
        schein.reservieren(static_cast<std::size_t>(datei.groesse() / kFeldBytes));
        fuerJedenSatz(datei, [&](const std::uint8_t* rec, std::size_t k) {
            if (const auto r = einzelreiheAusSatz(rec))
                schein.reiheAnhaengen(*r);
            else
                schein.feldAnhaengen(feldAus(rec, k, name));
        });
    } catch (const std::bad_alloc&) {
        zuWenigSpeicher(pfad);
    }
    return schein;
}

namespace {

// The record of a field, flags written as 1 and 0.
void feldAnhaengen(const TScheinOffen& f, std::vector<std::uint8_t>& out) {
    const std::size_t n = out.size();
    out.resize(n + kFeldBytes);
    std::uint8_t* p = out.data() + n;
    *p++ = f.sys;
    for (auto b : f.ja) *p++ = b != 0 ? 1 : 0;
}

constexpr std::size_t kSchreibblock = std::size_t{1} << 20;

}  // namespace

std::vector<std::uint8_t> spielscheinBytes(const std::vector<TScheinOffen>& felder) {
    std::vector<std::uint8_t> out;
    out.reserve(felder.size() * kFeldBytes);
    for (const auto& f : felder) feldAnhaengen(f, out);
    return out;
}

Spielscheinschreiber::Spielscheinschreiber(const std::string& pfad) : datei_(pfad) {
    block_.reserve(kSchreibblock + kFeldBytes);
}

void Spielscheinschreiber::feld(const TScheinOffen& f) {
    feldAnhaengen(f, block_);
    if (block_.size() >= kSchreibblock) {
        datei_.schreibe(std::string_view(reinterpret_cast<const char*>(block_.data()), block_.size()));
        block_.clear();
    }
}

void Spielscheinschreiber::abschliessen() {
    datei_.schreibe(std::string_view(reinterpret_cast<const char*>(block_.data()), block_.size()));
    block_.clear();
    datei_.abschliessen();
}

void schreibeSpielschein(const std::string& pfad, const std::vector<TScheinOffen>& felder) {
    schreibeAtomar(pfad, spielscheinBytes(felder));
}

SystemscheinPruefung systemschein(const TSchein& schein,
                                  const std::array<std::uint8_t, kMaxFelder>& systeme) {
    SystemscheinPruefung p;
    for (int f = 1; f <= kMaxFelder; ++f) {
        TScheinOffen feld;
        feld.sys = systeme[f - 1];
        for (int m = 1; m <= kSpiele; ++m)
            for (int c = 1; c <= kSpalten; ++c) feld.setzeKreuz(m, c, schein.kreuz(f, m, c));
        if (hatLeeresSpiel(feld)) {  // incomplete fields are skipped
            if (feld.ja != decltype(feld.ja){}) p.unvollstaendig.push_back(f);
            continue;
        }
        if (feld.sys != 0) {
            const bool bekannt = feld.sys <= kVewSystemAnzahl;
            if (!bekannt || zweiwege(feld) != VewSysteme[feld.sys].Zweiwege ||
                dreiwege(feld) != VewSysteme[feld.sys].Dreiwege) {
                p.fehlerFeld = f;
                p.meldung =
                    "Im Feld " + std::to_string(f) +
                    " passen gewähltes System und die Kombination aus Zwei- und Dreiwegen nicht zusammen." +
                    kAbsatz + "Ich muss daher abbrechen.";
                p.felder.clear();
                p.gespeichert.clear();
                return p;
            }
        }
        p.felder.push_back(feld);
        p.gespeichert.push_back(f);
    }
    return p;
}

std::vector<TScheinOffen> reihenliste(const std::vector<Reihe>& reihen) {
    std::vector<TScheinOffen> felder;
    felder.reserve(reihen.size());
    for (Reihe r : reihen) {
        TScheinOffen f;
        for (int i = 1; i <= kKreuzIndizes; ++i) f.ja[i - 1] = (r & kreuzBit(i)) ? 1 : 0;
        felder.push_back(f);
    }
    return felder;
}

std::vector<TScheinOffen> transfertabelle(const std::vector<std::array<int, kSpiele>>& zeilen) {
    std::vector<TScheinOffen> felder;
    felder.reserve(zeilen.size());
    for (const auto& z : zeilen) {
        TScheinOffen f;
        for (int m = 1; m <= kSpiele; ++m)
            for (int c = 1; c <= kSpalten; ++c) f.setzeKreuz(m, c, z[m - 1] == TippZiffer[c]);
        felder.push_back(f);
    }
    return felder;
}

}  // namespace kv
