#include "garantie/Gewinnchancen.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace kv {

namespace {

constexpr int kPunkte = 10;  // tendency points of a match
// Rows of a full system from which it is kept as its span: smaller ones are
// taken row by row, like VEW fields.
constexpr std::uint64_t kSystemAb = 64;
// Up to this many other rows are kept as a list; beyond it they are counted
// per outcome.
constexpr std::size_t kListeBis = 16384;

// Index step of match m (0-based): match 13 changes fastest.
constexpr std::array<std::uint32_t, kSpiele> schrittweiten() {
    std::array<std::uint32_t, kSpiele> s{};
    std::uint32_t w = 1;
    for (int m = kSpiele - 1; m >= 0; --m) {
        s[static_cast<std::size_t>(m)] = w;
        w *= 3;
    }
    return s;
}
constexpr auto kSchritt = schrittweiten();

// The weighted pass: for the outcomes of a span, the summed weight of those
// at distance 0, 1, 2, 3 and more from the nearest row. Weights are whole
// numbers below 2^53 and so are all sums (at most the denominator, 10^13):
// doubles add them exactly, and in a form the compiler can vectorise.
//
// A block is the 27 outcomes that differ only in the last three matches. With
// `bloecke` (one entry per block: its distance class 0..4 when all 27 share
// it, kGemischt otherwise) a uniform block is one addition: a slip of a few
// fields lies far (4 or more) from most blocks, a full system on all of them.
class Gewichtung {
  public:
    // The last kInnen matches are taken in one inner loop.
    static constexpr int kInnen = 3;
    static constexpr int kAussen = kSpiele - kInnen;
    static constexpr std::uint32_t kBlock = 27;
    static constexpr std::uint8_t kGemischt = 0xFF;

    // The block classes of a distance table.
    static std::vector<std::uint8_t> blockklassen(const std::uint8_t* abstand) {
        std::vector<std::uint8_t> k(kAlleAusgaenge / kBlock);
        for (std::size_t b = 0; b < k.size(); ++b) {
            const std::uint8_t* d = abstand + b * kBlock;
            const std::uint8_t erste = std::min<std::uint8_t>(d[0], 4);
            bool gleich = true;
            for (std::uint32_t i = 1; i < kBlock && gleich; ++i)
                gleich = std::min<std::uint8_t>(d[i], 4) == erste;
            k[b] = gleich ? erste : kGemischt;
        }
        return k;
    }

    Gewichtung(const std::uint8_t* abstand, const Ausgangsbereich& bereich, const Spielgewichte& g,
               const std::uint8_t* bloecke = nullptr)
        : abstand_(abstand), bloecke_(bloecke), bereich_(bereich), g_(g) {
        // the outcomes of the inner matches with a weight: offset and weight
        innen_ = 0;
        for (int a = 0; a < kSpalten; ++a)
            for (int b = 0; b < kSpalten; ++b)
                for (int c = 0; c < kSpalten; ++c) {
                    const double w =
                        gewichtIn(kAussen, a) * gewichtIn(kAussen + 1, b) * gewichtIn(kAussen + 2, c);
                    if (w == 0) continue;
                    versatz_[innen_] = static_cast<std::uint32_t>(a) * kSchritt[kAussen] +
                                       static_cast<std::uint32_t>(b) * kSchritt[kAussen + 1] +
                                       static_cast<std::uint32_t>(c) * kSchritt[kAussen + 2];
                    gewicht_[innen_] = w;
                    innenSumme_ += w;
                    ++innen_;
                }
    }

    // Sums per distance 0, 1, 2, 3, 4 or more.
    std::array<std::uint64_t, 5> summen() {
        if (innen_ > 0) aussen(0, 0, 1.0);
        std::array<std::uint64_t, 5> s{};
        for (std::size_t k = 0; k < s.size(); ++k) s[k] = static_cast<std::uint64_t>(s_[k]);
        return s;
    }

  private:
    double gewichtIn(int m, int spalte) const {
        const auto mi = static_cast<std::size_t>(m);
        if (!((bereich_.spalten[mi] >> spalte) & 1u)) return 0;
        return g_.gewicht[mi][static_cast<std::size_t>(spalte)];
    }

    void aussen(int m, std::uint32_t basis, double w) {
        if (m == kAussen) {
            if (bloecke_) {
                const std::uint8_t k = bloecke_[basis / kBlock];
                if (k != kGemischt) {
                    s_[k] += w * innenSumme_;
                    return;
                }
            }
            const std::uint8_t* d = abstand_ + basis;
            double s0 = 0, s1 = 0, s2 = 0, s3 = 0, alle = 0;
            for (int j = 0; j < innen_; ++j) {
                const std::uint8_t x = d[versatz_[j]];
                const double ww = w * gewicht_[j];
                alle += ww;
                s0 += x == 0 ? ww : 0.0;
                s1 += x == 1 ? ww : 0.0;
                s2 += x == 2 ? ww : 0.0;
                s3 += x == 3 ? ww : 0.0;
            }
            s_[0] += s0;
            s_[1] += s1;
            s_[2] += s2;
            s_[3] += s3;
            s_[4] += alle - s0 - s1 - s2 - s3;
            return;
        }
        for (int c = 0; c < kSpalten; ++c) {
            const double gc = gewichtIn(m, c);
            if (gc == 0) continue;
            aussen(m + 1, basis + static_cast<std::uint32_t>(c) * kSchritt[static_cast<std::size_t>(m)],
                   w * gc);
        }
    }

    const std::uint8_t* abstand_;
    const std::uint8_t* bloecke_;
    const Ausgangsbereich& bereich_;
    const Spielgewichte& g_;
    std::array<std::uint32_t, 27> versatz_{};
    std::array<double, 27> gewicht_{};
    int innen_ = 0;
    double innenSumme_ = 0;
    std::array<double, 5> s_{};
};

// A polynomial in x (x counts hits), coefficient k at index k.
using Polynom = std::array<Gross, kSpiele + 1>;

// p *= (treffer x + fehler), p of degree `grad`.
void malLinear(Polynom& p, int grad, std::uint64_t treffer, std::uint64_t fehler) {
    for (int k = grad + 1; k >= 0; --k) {
        const auto ki = static_cast<std::size_t>(k);
        Gross neu = k <= grad ? p[ki] * fehler : 0;
        if (k > 0) neu += p[ki - 1] * treffer;
        p[ki] = neu;
    }
}

// Hit and miss weight of column c (0-based) of match m (0-based).
std::uint64_t trefferGewicht(const Spielgewichte& g, std::size_t m, std::size_t c) {
    return g.gewicht[m][c];
}
std::uint64_t fehlerGewicht(const Spielgewichte& g, std::size_t m, std::size_t c) {
    return static_cast<std::uint64_t>(g.summe[m] - g.gewicht[m][c]);
}

// A full system's rows by hits: the product over the matches of the sum,
// over its tips, of (weight of the tip) x + (weight of the other columns).
void systemErwartung(const Ausgangsbereich& b, std::uint64_t felder, const Spielgewichte& g, Polynom& summe) {
    Polynom p{};
    p[0] = 1;
    for (std::size_t m = 0; m < kSpiele; ++m) {
        std::uint64_t treffer = 0, fehler = 0;
        for (std::size_t c = 0; c < kSpalten; ++c)
            if ((b.spalten[m] >> c) & 1u) {
                treffer += trefferGewicht(g, m, c);
                fehler += fehlerGewicht(g, m, c);
            }
        malLinear(p, static_cast<int>(m), treffer, fehler);
    }
    for (std::size_t k = 0; k < p.size(); ++k) summe[k] += p[k] * felder;
}

// One row: the product of (weight of its tip) x + (weight of the others).
// Every coefficient stays below the denominator, so 64 bits suffice.
void reihenErwartung(Reihe r, const Spielgewichte& g, Polynom& summe) {
    std::array<std::uint64_t, kSpiele + 1> p{};
    p[0] = 1;
    const auto spalten = spaltenDerReihe(r);
    for (std::size_t m = 0; m < kSpiele; ++m) {
        const std::size_t c = static_cast<std::size_t>(spalten[m] - 1);
        const std::uint64_t t = trefferGewicht(g, m, c), f = fehlerGewicht(g, m, c);
        for (std::size_t k = m + 1; k > 0; --k) p[k] = p[k] * f + p[k - 1] * t;
        p[0] *= f;
    }
    for (std::size_t k = 0; k < p.size(); ++k) summe[k] += p[k];
}

// Many rows counted per outcome: the sum over the outcomes of count x the
// row polynomial of that outcome, folded match by match. The outcomes are cut
// into 81 blocks by their first four matches; within a block the last nine
// are folded from the fastest up in 64 bits (a block's count, below 2^32,
// times at most 10^9 of weight), the block's four leading matches then in
// 128 bits.
class Faltung {
  public:
    static constexpr int kVorne = 4;
    static constexpr int kHinten = kSpiele - kVorne;
    static constexpr std::uint32_t kBlock = 19683;  // 3^9

    Faltung(const std::vector<std::uint32_t>& anzahl, const Spielgewichte& g) : anzahl_(anzahl), g_(g) {
        a_.resize(kBlock / 3 * 2);
        b_.resize(kBlock / 3 * 2);
    }

    void addieren(Polynom& summe) {
        for (std::uint32_t block = 0; block < kAlleAusgaenge / kBlock; ++block) {
            const std::uint32_t* z = anzahl_.data() + static_cast<std::size_t>(block) * kBlock;
            if (std::all_of(z, z + kBlock, [](std::uint32_t n) { return n == 0; })) continue;
            const std::uint64_t* hinten = falten(z);
            Polynom p{};
            for (int k = 0; k <= kHinten; ++k) p[static_cast<std::size_t>(k)] = hinten[k];
            // the block's leading matches, match 4 first (their digits, lowest last)
            std::uint32_t rest = block;
            for (int m = kVorne - 1; m >= 0; --m) {
                const auto c = static_cast<std::size_t>(rest % 3);
                rest /= 3;
                const auto mi = static_cast<std::size_t>(m);
                malLinear(p, kHinten + (kVorne - 1 - m), trefferGewicht(g_, mi, c), fehlerGewicht(g_, mi, c));
            }
            for (std::size_t k = 0; k < summe.size(); ++k) summe[k] += p[k];
        }
    }

  private:
    // The block's polynomial over its last nine matches (degree 9).
    const std::uint64_t* falten(const std::uint32_t* z) {
        // match 13 first: counts -> linear polynomials of 3^8 groups
        std::uint32_t gruppen = kBlock / 3;
        {
            const std::size_t m = kSpiele - 1;
            const std::uint64_t t[3] = {trefferGewicht(g_, m, 0), trefferGewicht(g_, m, 1),
                                        trefferGewicht(g_, m, 2)};
            const std::uint64_t f[3] = {fehlerGewicht(g_, m, 0), fehlerGewicht(g_, m, 1),
                                        fehlerGewicht(g_, m, 2)};
            for (std::uint32_t i = 0; i < gruppen; ++i) {
                const std::uint64_t n0 = z[3 * i], n1 = z[3 * i + 1], n2 = z[3 * i + 2];
                a_[2 * i] = n0 * f[0] + n1 * f[1] + n2 * f[2];
                a_[2 * i + 1] = n0 * t[0] + n1 * t[1] + n2 * t[2];
            }
        }
        std::uint64_t* ein = a_.data();
        std::uint64_t* aus = b_.data();
        for (int stufe = 2; stufe <= kHinten; ++stufe) {
            const auto m = static_cast<std::size_t>(kSpiele - stufe);
            const std::uint64_t t[3] = {trefferGewicht(g_, m, 0), trefferGewicht(g_, m, 1),
                                        trefferGewicht(g_, m, 2)};
            const std::uint64_t f[3] = {fehlerGewicht(g_, m, 0), fehlerGewicht(g_, m, 1),
                                        fehlerGewicht(g_, m, 2)};
            const int grad = stufe - 1;  // of the incoming polynomials
            const auto breiteEin = static_cast<std::size_t>(grad + 1);
            const auto breiteAus = breiteEin + 1;
            gruppen /= 3;
            for (std::uint32_t i = 0; i < gruppen; ++i) {
                std::uint64_t* o = aus + i * breiteAus;
                std::fill(o, o + breiteAus, std::uint64_t{0});
                for (std::size_t c = 0; c < 3; ++c) {
                    const std::uint64_t* e = ein + (3 * i + c) * breiteEin;
                    for (std::size_t k = 0; k < breiteEin; ++k) {
                        o[k] += e[k] * f[c];
                        o[k + 1] += e[k] * t[c];
                    }
                }
            }
            std::swap(ein, aus);
        }
        return ein;
    }

    const std::vector<std::uint32_t>& anzahl_;
    const Spielgewichte& g_;
    std::vector<std::uint64_t> a_, b_;
};

double alsDouble(Gross zaehler, std::uint64_t nenner) {
    const Gross ganz = zaehler / nenner, rest = zaehler % nenner;
    return static_cast<double>(ganz) +
           static_cast<double>(static_cast<std::uint64_t>(rest)) / static_cast<double>(nenner);
}

}  // namespace

bool hatTendenz(const TTendenzWert& w) {
    return w.Heim + w.Remis + w.Gast == kPunkte;
}

std::uint64_t Spielgewichte::nenner() const {
    std::uint64_t n = 1;
    for (std::uint8_t s : summe) n *= s;
    return n;
}

Spielgewichte spielgewichte(const TendenzWerte& tendenzen, const Ergebnislage& lage) {
    Spielgewichte g;
    for (std::size_t m = 0; m < kSpiele; ++m) {
        auto& w = g.gewicht[m];
        const TTendenzWert& t = tendenzen[m];
        if (lage.istBeendet(static_cast<int>(m) + 1)) {
            w = {0, 0, 0};
            w[static_cast<std::size_t>(lage.gewinnreihe[m] - 1)] = 1;
            g.summe[m] = 1;
        } else if (hatTendenz(t)) {
            w = {t.Heim, t.Remis, t.Gast};
            g.summe[m] = kPunkte;
        } else {
            w = {1, 1, 1};
            g.summe[m] = kSpalten;
        }
    }
    return g;
}

Spielgewichte spielgewichte(const TendenzWerte& tendenzen) {
    return spielgewichte(tendenzen, Ergebnislage{});
}

double Gewinnchancen::mindestens(int klasse) const {
    return static_cast<double>(mindestensZaehler[static_cast<std::size_t>(klasse)]) /
           static_cast<double>(nenner);
}

double Gewinnchancen::erwartet(int treffer) const {
    return alsDouble(erwartetZaehler[static_cast<std::size_t>(treffer)], nenner);
}

// --- the rows ----------------------------------------------------------------

Reihenbestand::Reihenbestand(const Schein& schein) {
    const auto& abschnitte = schein.abschnitte();
    for (std::size_t ai = 0; ai < abschnitte.size(); ++ai) {
        const Schein::Abschnitt& a = abschnitte[ai];
        if (a.einzeln) {
            const Reihe* r = schein.einzelreihen() + a.index;
            const std::size_t n = schein.abschnittFelder(ai);
            for (std::size_t i = 0; i < n; ++i) reiheHinzu(r[i]);
            continue;
        }
        const Feld& f = schein.mehrfeld(a);
        if (!f.istVew() && f.reihenAnzahl() >= kSystemAb)
            systemHinzu(Ausgangsbereich::ausFeld(f.daten()));
        else
            f.fuerJedeReihe([this](Reihe r) { reiheHinzu(r); });
    }
    abschliessen();
}

Reihenbestand::Reihenbestand(const std::vector<Reihe>& reihen) {
    for (Reihe r : reihen) reiheHinzu(r);
    abschliessen();
}

void Reihenbestand::reiheHinzu(Reihe r) {
    ++reihen_;
    if (jeAusgang_.empty()) {
        if (einzeln_.size() < kListeBis) {
            einzeln_.push_back(r);
            return;
        }
        // too many for a list: every row is counted per outcome from now on
        jeAusgang_.assign(kAlleAusgaenge, 0);
        for (Reihe e : einzeln_) ++jeAusgang_[ausgangsindex(e)];
        gezaehlt_ = einzeln_.size();
        einzeln_.clear();
        einzeln_.shrink_to_fit();
    }
    // A block's folding needs its count below 2^32 (Faltung): more than four
    // billion rows of this kind would not fit into the memory anyway.
    if (++gezaehlt_ >= (std::uint64_t{1} << 32))
        throw std::length_error(
            "Der Spielschein hat zu viele Tippreihen für die Gewinnwahrscheinlichkeiten.");
    ++jeAusgang_[ausgangsindex(r)];
}

void Reihenbestand::systemHinzu(const Ausgangsbereich& b) {
    reihen_ += b.anzahl();
    if (!systeme_.empty() && systeme_.back().bereich == b)
        ++systeme_.back().felder;
    else
        systeme_.push_back({b, 1});
}

void Reihenbestand::abschliessen() {
    // alike systems once, with their number
    std::sort(systeme_.begin(), systeme_.end(),
              [](const System& a, const System& b) { return a.bereich.spalten < b.bereich.spalten; });
    std::vector<System> zusammen;
    for (const System& s : systeme_) {
        if (!zusammen.empty() && zusammen.back().bereich == s.bereich)
            zusammen.back().felder += s.felder;
        else
            zusammen.push_back(s);
    }
    systeme_ = std::move(zusammen);
    einzeln_.shrink_to_fit();
}

std::size_t Reihenbestand::speicher() const {
    return systeme_.capacity() * sizeof(System) + einzeln_.capacity() * sizeof(Reihe) +
           jeAusgang_.capacity() * sizeof(std::uint32_t);
}

// --- the figures -------------------------------------------------------------

Chancenbasis::Chancenbasis(Reihenbestand bestand) : bestand_(std::move(bestand)) {
    if (bestand_.reihen() == 0) return;
    std::vector<Ausgangsbereich> systeme;
    for (const auto& s : bestand_.systeme_) systeme.push_back(s.bereich);
    analyse_.emplace(systeme, bestand_.einzeln_, bestand_.jeAusgang_);
    bloecke_ = Gewichtung::blockklassen(analyse_->abstaende());
}

std::size_t Chancenbasis::speicher() const {
    return bestand_.speicher() + (analyse_ ? std::size_t{kAlleAusgaenge} : 0) + bloecke_.capacity();
}

Gewinnchancen Chancenbasis::chancen(const Spielgewichte& g) const {
    Gewinnchancen c;
    c.reihen = bestand_.reihen();
    c.nenner = g.nenner();
    if (!analyse_) return c;

    const std::array<std::uint64_t, 5> je =
        Gewichtung(analyse_->abstaende(), Ausgangsbereich::alle(), g, bloecke_.data()).summen();
    std::uint64_t bisher = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        bisher += je[k];
        c.mindestensZaehler[k] = bisher;
    }

    Polynom summe{};
    for (const auto& s : bestand_.systeme_) systemErwartung(s.bereich, s.felder, g, summe);
    for (Reihe r : bestand_.einzeln_) reihenErwartung(r, g, summe);
    if (!bestand_.jeAusgang_.empty()) Faltung(bestand_.jeAusgang_, g).addieren(summe);
    c.erwartetZaehler = summe;
    return c;
}

double GewichteteVerteilung::anteil(int klasse) const {
    return summe == 0
               ? 0.0
               : static_cast<double>(beste[static_cast<std::size_t>(klasse)]) / static_cast<double>(summe);
}

GewichteteVerteilung gewichteteVerteilung(const Garantieanalyse& analyse, const Ausgangsbereich& bereich,
                                          const Spielgewichte& gewichte) {
    GewichteteVerteilung v;
    v.beste = Gewichtung(analyse.abstaende(), bereich, gewichte).summen();
    for (std::uint64_t b : v.beste) v.summe += b;
    return v;
}

}  // namespace kv
