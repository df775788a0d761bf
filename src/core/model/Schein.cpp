#include "model/Schein.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace kv {

namespace {

// Bit 3(m - 1) of a row shifted right by one: the first column of match m.
constexpr std::uint64_t kSpielBasis = 0x1249249249ull;  // bits 0, 3, ..., 36

// Exactly one bit in each of the 13 groups of 3 of g (bits 0..38).
constexpr bool einKreuzJeSpiel(std::uint64_t g) {
    const std::uint64_t belegt = (g | (g >> 1) | (g >> 2)) & kSpielBasis;
    const std::uint64_t doppelt =
        ((g & (g >> 1)) & (kSpielBasis | (kSpielBasis << 1))) | ((g & (g >> 2)) & kSpielBasis);
    return belegt == kSpielBasis && doppelt == 0;
}

// Bit i set for every non-zero byte i of the 8 bytes at p.
inline std::uint64_t nichtNullBits(const std::uint8_t* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    constexpr std::uint64_t k7F = 0x7F7F7F7F7F7F7F7Full;
    // high bit of every non-zero byte, then one bit per byte gathered into the top byte
    const std::uint64_t hoch = (((w & k7F) + k7F) | w) & ~k7F;
    return ((hoch >> 7) * 0x0102040810204080ull) >> 56;
}

}  // namespace

std::optional<Reihe> einzelreiheAusSatz(const std::uint8_t* satz) {
    if (satz[0] != 0) return std::nullopt;
    std::uint64_t bits = 0;
    for (int w = 0; w < 5; ++w) bits |= nichtNullBits(satz + 8 * w) << (8 * w);
    // bit i = byte i: byte 0 is sys (0 here), byte i the flag of cross index i
    if (!einKreuzJeSpiel(bits >> 1)) return std::nullopt;
    return Reihe{bits};
}

std::optional<Reihe> einzelreihe(const TScheinOffen& feld) {
    std::uint8_t satz[40];
    satz[0] = feld.sys;
    std::memcpy(satz + 1, feld.ja.data(), kKreuzIndizes);
    return einzelreiheAusSatz(satz);
}

TScheinOffen feldAusReihe(Reihe r) {
    TScheinOffen f;
    for (int i = 1; i <= kKreuzIndizes; ++i) f.ja[i - 1] = (r & kreuzBit(i)) ? 1 : 0;
    return f;
}

Schein::Schein(const std::vector<TScheinOffen>& felder) {
    reservieren(felder.size());
    for (const auto& f : felder) feldAnhaengen(f);
}

void Schein::reservieren(std::size_t felder) {
    einzel_.reserve(felder);
}

void Schein::abschnittBeginnen(bool einzeln, std::size_t index) {
    Abschnitt a;
    a.feld = felder_;
    a.zeile = zeilen_;
    a.index = index;
    a.einzeln = einzeln;
    abschnitte_.push_back(a);
}

void Schein::reiheAnhaengen(Reihe r) {
    if (abschnitte_.empty() || !abschnitte_.back().einzeln) abschnittBeginnen(true, einzel_.size());
    einzel_.push_back(r);
    ++felder_;
    ++zeilen_;
}

void Schein::feldAnhaengen(const TScheinOffen& feld) {
    if (const auto r = einzelreihe(feld)) {
        reiheAnhaengen(*r);
        return;
    }
    abschnittBeginnen(false, mehr_.size());
    mehr_.emplace_back(feld);
    ++felder_;
    zeilen_ += mehr_.back().reihenAnzahl();
}

void Schein::leeren() {
    einzel_ = {};
    mehr_ = {};
    abschnitte_ = {};
    felder_ = 0;
    zeilen_ = 0;
}

std::size_t Schein::abschnittFelder(std::size_t a) const {
    const std::size_t ende = a + 1 < abschnitte_.size() ? abschnitte_[a + 1].feld : felder_;
    return ende - abschnitte_[a].feld;
}

std::uint64_t Schein::abschnittZeilen(std::size_t a) const {
    const std::uint64_t ende = a + 1 < abschnitte_.size() ? abschnitte_[a + 1].zeile : zeilen_;
    return ende - abschnitte_[a].zeile;
}

std::size_t Schein::abschnittVonZeile(std::uint64_t zeile) const {
    // The last section that starts before the line (sections without rows
    // start where the next one does and are passed over).
    const auto it = std::partition_point(abschnitte_.begin(), abschnitte_.end(),
                                         [&](const Abschnitt& a) { return a.zeile < zeile; });
    return static_cast<std::size_t>(it - abschnitte_.begin()) - 1;
}

std::size_t Schein::abschnittVonFeld(std::size_t f) const {
    const auto it = std::partition_point(abschnitte_.begin(), abschnitte_.end(),
                                         [&](const Abschnitt& a) { return a.feld <= f; });
    return static_cast<std::size_t>(it - abschnitte_.begin()) - 1;
}

std::uint64_t Schein::feldStart(std::size_t f) const {
    if (f >= felder_) return zeilen_;
    const Abschnitt& a = abschnitte_[abschnittVonFeld(f)];
    return a.einzeln ? a.zeile + (f - a.feld) : a.zeile;
}

std::uint64_t Schein::feldZeilen(std::size_t f) const {
    if (f >= felder_) throw std::out_of_range("Feld außerhalb des Spielscheins");
    const Abschnitt& a = abschnitte_[abschnittVonFeld(f)];
    return a.einzeln ? 1 : mehr_[a.index].reihenAnzahl();
}

Feld Schein::feld(std::size_t f) const {
    if (f >= felder_) throw std::out_of_range("Feld außerhalb des Spielscheins");
    const Abschnitt& a = abschnitte_[abschnittVonFeld(f)];
    return a.einzeln ? Feld(feldAusReihe(einzel_[a.index + (f - a.feld)])) : mehr_[a.index];
}

std::pair<std::size_t, std::uint64_t> Schein::finde(std::uint64_t zeile) const {
    if (zeile < 1 || zeile > zeilen_) throw std::out_of_range("Zeile außerhalb des Spielscheins");
    const Abschnitt& a = abschnitte_[abschnittVonZeile(zeile)];
    const std::uint64_t k = zeile - 1 - a.zeile;
    if (a.einzeln) return {a.feld + static_cast<std::size_t>(k), 0};
    return {a.feld, k};
}

Reihe Schein::reihe(std::uint64_t zeile) const {
    if (zeile < 1 || zeile > zeilen_) throw std::out_of_range("Zeile außerhalb des Spielscheins");
    const Abschnitt& a = abschnitte_[abschnittVonZeile(zeile)];
    const std::uint64_t k = zeile - 1 - a.zeile;
    return a.einzeln ? einzel_[a.index + static_cast<std::size_t>(k)] : mehr_[a.index].reihe(k);
}

}  // namespace kv
