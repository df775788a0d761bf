#include "garantie/Ueberdeckung.h"

#include <algorithm>
#include <queue>
#include <random>
#include <tuple>

#include "garantie/BekannteUeberdeckungen.h"

namespace kv {

namespace {

// The group A = Z2^p x Z3^q with the columns of the coordinates. An element
// is u * 3^q + v: u the Z2 part as a bit mask, v the Z3 part in base 3.
class Syndromraum {
  public:
    Syndromraum(int zweier, int dreier, int p, int q) : a_(zweier), b_(dreier), p_(p), q_(q) {
        drei_ = 1;
        for (int i = 0; i < q_; ++i) drei_ *= 3;
        groesse_ = (1u << p_) * drei_;
        spalte2_.assign(static_cast<std::size_t>(a_), 0);
        spalte3_.assign(static_cast<std::size_t>(b_), 0);
        zug_.assign(static_cast<std::size_t>(a_ + b_), {0, 0});
    }

    int p() const { return p_; }
    int q() const { return q_; }
    std::uint32_t groesse() const { return groesse_; }
    std::uint32_t dreiTeil() const { return drei_; }

    // Columns: the first p binary and q ternary coordinates take the unit
    // columns, the others distinct further points (repeated only when there
    // are not enough), in an order drawn from `rng`; the first try keeps the
    // points in their natural order.
    void spaltenWaehlen(std::mt19937_64* rng) {
        std::vector<std::uint32_t> punkte2;
        for (std::uint32_t u = 1; u < (1u << p_); ++u)
            if (std::popcount(u) > 1) punkte2.push_back(u);
        std::vector<std::uint32_t> punkte3;  // projective points: lowest nonzero digit 1
        for (std::uint32_t v = 1; v < drei_; ++v) {
            std::uint32_t w = v;
            int ziffern = 0, erste = 0;
            while (w) {
                if (w % 3 && !erste) erste = static_cast<int>(w % 3);
                ziffern += w % 3 != 0;
                w /= 3;
            }
            if (erste == 1 && ziffern > 1) punkte3.push_back(v);
        }
        if (rng) {
            std::shuffle(punkte2.begin(), punkte2.end(), *rng);
            std::shuffle(punkte3.begin(), punkte3.end(), *rng);
        } else if (q_ == 5) {
            // The ternary Golay code: columns x^5 .. x^10 mod x^5 + x^4 - x^3 + x^2 - 1
            // (digit k = coefficient of x^k); with the unit columns every
            // syndrome is within two columns of 0.
            constexpr std::array<std::uint32_t, 6> golay = {208, 203, 188, 116, 43, 129};
            auto vorn = punkte3.begin();
            for (std::uint32_t g : golay) {
                const auto it = std::find(punkte3.begin(), punkte3.end(), projektiv(g));
                if (it != punkte3.end()) std::rotate(vorn++, it, it + 1);
            }
        }
        for (int i = 0; i < a_; ++i)
            spalte2_[static_cast<std::size_t>(i)] =
                i < p_ ? 1u << i
                       : (punkte2.empty() ? (p_ ? 1u << (i % p_) : 0u) : punkte2[(i - p_) % punkte2.size()]);
        std::uint32_t einheit = 1;
        for (int j = 0; j < b_; ++j) {
            if (j < q_) {
                spalte3_[static_cast<std::size_t>(j)] = einheit;
                einheit *= 3;
            } else {
                spalte3_[static_cast<std::size_t>(j)] =
                    punkte3.empty() ? (q_ ? potenz3(j % q_) : 0u) : punkte3[(j - q_) % punkte3.size()];
            }
        }
        // Value 1 of a coordinate adds its column, value 2 (ternary) twice its column.
        for (int i = 0; i < a_; ++i) {
            const std::uint32_t z = spalte2_[static_cast<std::size_t>(i)] * drei_;
            zug_[static_cast<std::size_t>(i)] = {z, z};
        }
        for (int j = 0; j < b_; ++j) {
            const std::uint32_t z = spalte3_[static_cast<std::size_t>(j)];
            zug_[static_cast<std::size_t>(a_ + j)] = {z, plus3(z, z)};
        }
    }

    std::uint32_t plus(std::uint32_t x, std::uint32_t y) const {
        const std::uint32_t u = (x / drei_) ^ (y / drei_);
        return u * drei_ + plus3(x % drei_, y % drei_);
    }
    std::uint32_t minus(std::uint32_t x, std::uint32_t y) const { return plus(x, negativ(y)); }
    std::uint32_t negativ(std::uint32_t x) const {
        std::uint32_t v = x % drei_, n = 0, w = 1;
        for (int i = 0; i < q_; ++i, v /= 3, w *= 3) n += ((3 - v % 3) % 3) * w;
        return (x / drei_) * drei_ + n;
    }

    // The nonzero moves of one coordinate (k < zweier: binary; else ternary).
    std::vector<std::uint32_t> zuege(int k) const {
        const auto& z = zug_[static_cast<std::size_t>(k)];
        if (z[0] == 0) return {};
        return k < a_ ? std::vector<std::uint32_t>{z[0]} : std::vector<std::uint32_t>{z[0], z[1]};
    }

    // Syndrome of a word.
    std::uint32_t syndrom(const Codewort& w) const {
        std::uint32_t s = 0;
        for (std::size_t k = 0; k < zug_.size(); ++k)
            if (w[k]) s = plus(s, zug_[k][w[k] - 1u]);
        return s;
    }

    // Every word whose syndrome lies in `menge`: the coordinates without a unit
    // column run freely, the unit ones follow from the syndrome.
    std::vector<Codewort> woerter(const std::vector<std::uint32_t>& menge) const {
        std::vector<Codewort> aus;
        std::vector<int> frei;
        for (int k = p_; k < a_; ++k) frei.push_back(k);
        for (int k = a_ + q_; k < a_ + b_; ++k) frei.push_back(k);
        Codewort w{};
        for (;;) {
            const std::uint32_t t = syndrom(w);
            for (std::uint32_t s : menge) {
                const std::uint32_t rest = minus(s, t);
                Codewort x = w;
                const std::uint32_t u = rest / drei_;
                std::uint32_t v = rest % drei_;
                for (int i = 0; i < p_; ++i)
                    x[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((u >> i) & 1u);
                for (int j = 0; j < q_; ++j, v /= 3)
                    x[static_cast<std::size_t>(a_ + j)] = static_cast<std::uint8_t>(v % 3);
                aus.push_back(x);
            }
            // Next assignment of the free coordinates (odometer).
            std::size_t i = 0;
            for (; i < frei.size(); ++i) {
                auto& z = w[static_cast<std::size_t>(frei[i])];
                if (++z < (frei[i] < a_ ? 2 : 3)) break;
                z = 0;
            }
            if (i == frei.size()) break;
        }
        return aus;
    }

  private:
    // The representative of the point: its lowest nonzero digit made 1.
    std::uint32_t projektiv(std::uint32_t v) const {
        std::uint32_t w = v;
        while (w % 3 == 0) w /= 3;
        return w % 3 == 1 ? v : plus3(v, v);
    }
    static std::uint32_t potenz3(int e) {
        std::uint32_t w = 1;
        while (e--) w *= 3;
        return w;
    }
    std::uint32_t plus3(std::uint32_t x, std::uint32_t y) const {
        std::uint32_t s = 0, w = 1;
        for (int i = 0; i < q_; ++i, x /= 3, y /= 3, w *= 3) s += ((x % 3 + y % 3) % 3) * w;
        return s;
    }

    int a_, b_, p_, q_;
    std::uint32_t drei_ = 1, groesse_ = 1;
    std::vector<std::uint32_t> spalte2_, spalte3_;
    std::vector<std::array<std::uint32_t, 2>> zug_;
};

// The moves X (sums of at most `radius` moves of distinct coordinates), 0
// first, then the single moves, then the rest; no element twice.
struct Zugmenge {
    std::vector<std::uint32_t> x;
    std::size_t einzel = 0;  // x[1 .. einzel] are the single moves
};

Zugmenge zugmenge(const Syndromraum& raum, int koordinaten, int radius) {
    std::vector<char> drin(raum.groesse(), 0);
    Zugmenge z;
    auto neu = [&](std::uint32_t e) {
        if (!drin[e]) {
            drin[e] = 1;
            z.x.push_back(e);
        }
    };
    neu(0);
    std::vector<std::vector<std::uint32_t>> je(static_cast<std::size_t>(koordinaten));
    for (int k = 0; k < koordinaten; ++k) {
        je[static_cast<std::size_t>(k)] = raum.zuege(k);
        for (auto e : je[static_cast<std::size_t>(k)]) neu(e);
    }
    z.einzel = z.x.size() - 1;
    if (radius >= 2)
        for (int i = 0; i < koordinaten; ++i)
            for (int j = i + 1; j < koordinaten; ++j)
                for (auto e : je[static_cast<std::size_t>(i)])
                    for (auto f : je[static_cast<std::size_t>(j)]) neu(raum.plus(e, f));
    return z;
}

// Shared budget and limits of one call.
class Budget {
  public:
    explicit Budget(const Suchgrenzen& g) : g_(g), rest_(g.schritte) {}
    bool erschoepft() const { return rest_ == 0 || abgebrochen_; }
    // The size of the best covering so far, for the progress reports.
    void setzeBeste(std::uint64_t groesse) { beste_ = groesse; }
    std::uint64_t rest() const { return rest_; }
    // Spends `n` units; now and then checks the clock and reports progress.
    void verbrauche(std::uint64_t n) {
        rest_ = n >= rest_ ? 0 : rest_ - n;
        if ((seitPruefung_ += n) < (1u << 20) || abgebrochen_) return;
        seitPruefung_ = 0;
        if (g_.frist && std::chrono::steady_clock::now() >= *g_.frist) abgebrochen_ = true;
        if (g_.fortschritt &&
            !g_.fortschritt({1.0 - static_cast<double>(rest_) /
                                       static_cast<double>(std::max<std::uint64_t>(g_.schritte, 1)),
                             beste_}))
            abgebrochen_ = true;
    }

  private:
    const Suchgrenzen& g_;
    std::uint64_t rest_;
    std::uint64_t seitPruefung_ = 0;
    bool abgebrochen_ = false;
    std::uint64_t beste_ = 0;
};

// Covering of the group by translates of X: greedy start, then tabu search.
class Gruppenueberdeckung {
  public:
    Gruppenueberdeckung(const Syndromraum& raum, const Zugmenge& zuege, int radius, std::uint64_t seed)
        : n_(raum.groesse()),
          k_(static_cast<std::uint32_t>(zuege.x.size())),
          einzel_(static_cast<std::uint32_t>(zuege.einzel)),
          radius_(radius),
          drei_(raum.dreiTeil()),
          q_(raum.q()),
          rng_(seed) {
        nachbar_.resize(static_cast<std::size_t>(n_) * k_);
        for (std::uint32_t a = 0; a < n_; ++a)
            for (std::uint32_t i = 0; i < k_; ++i)
                nachbar_[static_cast<std::size_t>(a) * k_ + i] = raum.plus(a, zuege.x[i]);
        // Steps from 0 (single moves), up to one beyond the radius.
        abstand_.assign(n_, 0xFF);
        abstand_[0] = 0;
        std::vector<std::uint32_t> rand = {0};
        for (int d = 1; d <= radius_ + 1; ++d) {
            std::vector<std::uint32_t> neu;
            for (std::uint32_t a : rand)
                for (std::uint32_t g = 1; g <= einzel_; ++g)
                    if (abstand_[nb(a)[g]] == 0xFF) {
                        abstand_[nb(a)[g]] = static_cast<std::uint8_t>(d);
                        neu.push_back(nb(a)[g]);
                    }
            rand = std::move(neu);
        }
        ziffern_.resize(static_cast<std::size_t>(drei_) * static_cast<std::size_t>(q_));
        for (std::uint32_t v = 0; v < drei_; ++v) {
            std::uint32_t w = v;
            for (int i = 0; i < q_; ++i, w /= 3)
                ziffern_[v * static_cast<std::uint32_t>(q_) + static_cast<std::uint32_t>(i)] =
                    static_cast<std::uint8_t>(w % 3);
        }
    }

    std::uint32_t untereSchranke() const { return (n_ + k_ - 1) / k_; }

    // The smallest set S found within `eigenesBudget` units of `budget`; it
    // stops early at `genug` elements (the lower bound |A| / |X| at least).
    std::vector<std::uint32_t> suche(Budget& budget, std::uint64_t eigenesBudget, std::uint64_t genug) {
        genug = std::max<std::uint64_t>(genug, untereSchranke());
        gierigerStart();
        std::vector<std::uint32_t> beste = wort_;
        const std::uint64_t ende = budget.rest() > eigenesBudget ? budget.rest() - eigenesBudget : 0;
        std::uint64_t iter = 0;
        std::vector<std::uint64_t> tabuBis(n_, 0);
        std::vector<std::uint32_t> markiert(n_, 0);
        std::uint32_t marke = 0;
        std::size_t wenigsteOffen = 0;
        while (!budget.erschoepft() && budget.rest() > ende) {
            if (offen_.empty()) {
                beste = wort_;
                if (wort_.size() <= genug) break;
                entferneSchwaechstes();
                wenigsteOffen = offen_.size();
                continue;
            }
            ++iter;
            const std::uint32_t u = offen_[rng_() % offen_.size()];
            const std::uint32_t* nu = nb(u);
            int besterWert = 1 << 30;
            std::uint32_t bestVon = 0, bestNach = 0, gleich = 0;
            std::uint64_t arbeit = 0;
            std::uint32_t gemerkt = n_;  // the target whose cover is marked
            int gewinn = 0;
            // Moving row `von` to `ziel` changes the number of open words by `verlust - gewinn`.
            auto bewerte = [&](std::uint32_t von, std::uint32_t ziel) {
                if (ziel != gemerkt) {
                    ++marke;
                    gemerkt = ziel;
                    gewinn = 0;
                    const std::uint32_t* nz = nb(ziel);
                    for (std::uint32_t j = 0; j < k_; ++j) {
                        markiert[nz[j]] = marke;
                        gewinn += deckung_[nz[j]] == 0;
                    }
                    arbeit += k_;
                }
                const std::uint32_t* nv = nb(von);
                int verlust = 0;
                for (std::uint32_t j = 0; j < k_; ++j)
                    verlust += deckung_[nv[j]] == 1 && markiert[nv[j]] != marke;
                arbeit += k_;
                const int wert = verlust - gewinn;
                // A tabu move only when it leaves fewer words open than ever at this size.
                if (tabuBis[ziel] > iter && static_cast<std::int64_t>(offen_.size()) + wert >=
                                                static_cast<std::int64_t>(wenigsteOffen))
                    return;
                if (wert < besterWert) {
                    besterWert = wert;
                    bestVon = von;
                    bestNach = ziel;
                    gleich = 1;
                } else if (wert == besterWert && rng_() % ++gleich == 0) {
                    bestVon = von;
                    bestNach = ziel;
                }
            };
            // The moves: a row one step beyond the radius from u takes one step
            // towards it. Few rows: look at every row; many: at every word near u.
            if (wort_.size() < k_ * einzel_) {
                // A difference costs about as much as 4 + q lookups.
                const auto preis = static_cast<std::uint64_t>(4 + q_);
                arbeit += wort_.size() * preis;
                for (std::uint32_t von : wort_) {
                    if (abstand_[differenz(u, von)] != radius_ + 1) continue;
                    const std::uint32_t* nv = nb(von);
                    arbeit += einzel_ * preis;
                    for (std::uint32_t g = 1; g <= einzel_; ++g)
                        if (wortVon_[nv[g]] < 0 && abstand_[differenz(u, nv[g])] <= radius_)
                            bewerte(von, nv[g]);
                }
            } else {
                arbeit += k_;
                for (std::uint32_t i = 0; i < k_; ++i) {
                    const std::uint32_t ziel = nu[i];
                    if (wortVon_[ziel] >= 0) continue;
                    const std::uint32_t* nz = nb(ziel);
                    arbeit += einzel_;
                    for (std::uint32_t g = 1; g <= einzel_; ++g)
                        if (wortVon_[nz[g]] >= 0) bewerte(nz[g], ziel);
                }
            }
            if (gleich == 0) {
                // No row within one step: move a random row onto a free word covering u.
                bestVon = wort_[rng_() % wort_.size()];
                bestNach = nu[rng_() % k_];
                if (wortVon_[bestNach] >= 0) continue;
            }
            verschiebe(bestVon, bestNach);
            tabuBis[bestVon] = iter + 2 + rng_() % (tabudauer());
            if (wenigsteOffen == 0 || offen_.size() < wenigsteOffen) wenigsteOffen = offen_.size();
            budget.verbrauche(arbeit);
        }
        if (offen_.empty() && wort_.size() < beste.size()) beste = wort_;
        return beste;
    }

  private:
    const std::uint32_t* nb(std::uint32_t a) const {
        return nachbar_.data() + static_cast<std::size_t>(a) * k_;
    }
    // x - y in the group.
    std::uint32_t differenz(std::uint32_t x, std::uint32_t y) const {
        const std::uint8_t* zx = ziffern_.data() + (x % drei_) * static_cast<std::uint32_t>(q_);
        const std::uint8_t* zy = ziffern_.data() + (y % drei_) * static_cast<std::uint32_t>(q_);
        std::uint32_t v = 0;
        for (int i = q_ - 1; i >= 0; --i) v = v * 3 + static_cast<std::uint32_t>((zx[i] + 3 - zy[i]) % 3);
        return ((x / drei_) ^ (y / drei_)) * drei_ + v;
    }
    std::uint64_t tabudauer() const { return 1 + wort_.size() / 8; }

    void gierigerStart() {
        deckung_.assign(n_, 0);
        wortVon_.assign(n_, -1);
        platz_.assign(n_, -1);
        wort_.clear();
        offen_.resize(n_);
        for (std::uint32_t a = 0; a < n_; ++a) {
            offen_[a] = a;
            platz_[a] = static_cast<std::int32_t>(a);
        }
        // Most newly covered words first; ties by a drawn key.
        using Eintrag = std::tuple<std::uint32_t, std::uint64_t, std::uint32_t>;
        std::priority_queue<Eintrag> warte;
        for (std::uint32_t a = 0; a < n_; ++a) warte.emplace(k_, rng_(), a);
        while (!offen_.empty()) {
            auto [g, schluessel, a] = warte.top();
            warte.pop();
            std::uint32_t echt = 0;
            for (std::uint32_t j = 0; j < k_; ++j) echt += deckung_[nb(a)[j]] == 0;
            if (echt != g) {
                warte.emplace(echt, schluessel, a);
                continue;
            }
            hinzu(a);
        }
    }

    void hinzu(std::uint32_t a) {
        wortVon_[a] = static_cast<std::int32_t>(wort_.size());
        wort_.push_back(a);
        for (std::uint32_t j = 0; j < k_; ++j)
            if (deckung_[nb(a)[j]]++ == 0) schliesse(nb(a)[j]);
    }
    void weg(std::uint32_t a) {
        const auto i = static_cast<std::size_t>(wortVon_[a]);
        wortVon_[wort_.back()] = static_cast<std::int32_t>(i);
        wort_[i] = wort_.back();
        wort_.pop_back();
        wortVon_[a] = -1;
        for (std::uint32_t j = 0; j < k_; ++j)
            if (--deckung_[nb(a)[j]] == 0) oeffne(nb(a)[j]);
    }
    void verschiebe(std::uint32_t von, std::uint32_t nach) {
        weg(von);
        hinzu(nach);
    }
    void entferneSchwaechstes() {
        std::uint32_t best = 0;
        int wenigste = 1 << 30;
        for (std::uint32_t w : wort_) {
            int nur = 0;
            for (std::uint32_t j = 0; j < k_; ++j) nur += deckung_[nb(w)[j]] == 1;
            if (nur < wenigste) {
                wenigste = nur;
                best = w;
            }
        }
        weg(best);
    }
    void oeffne(std::uint32_t y) {
        platz_[y] = static_cast<std::int32_t>(offen_.size());
        offen_.push_back(y);
    }
    void schliesse(std::uint32_t y) {
        const auto i = static_cast<std::size_t>(platz_[y]);
        platz_[offen_.back()] = static_cast<std::int32_t>(i);
        offen_[i] = offen_.back();
        offen_.pop_back();
        platz_[y] = -1;
    }

    std::uint32_t n_, k_, einzel_;
    int radius_;
    std::uint32_t drei_;
    int q_;
    std::mt19937_64 rng_;
    std::vector<std::uint8_t> abstand_, ziffern_;
    std::vector<std::uint32_t> nachbar_;
    std::vector<std::uint16_t> deckung_;
    std::vector<std::int32_t> wortVon_, platz_;
    std::vector<std::uint32_t> wort_, offen_;
};

std::uint64_t potenz(std::uint64_t b, int e) {
    std::uint64_t w = 1;
    while (e-- > 0) w *= b;
    return w;
}

}  // namespace

std::vector<Codewort> ueberdeckung(int zweier, int dreier, int radius, const Suchgrenzen& grenzen) {
    const int n = zweier + dreier;
    if (radius >= n) return {Codewort{}};
    const std::uint64_t raumGroesse = potenz(2, zweier) * potenz(3, dreier);

    std::vector<Codewort> bekannt;
    if (grenzen.bekannteNutzen) bekannt = bekannteUeberdeckung(zweier, dreier, radius);
    std::uint64_t besteGroesse = bekannt.empty() ? raumGroesse + 1 : bekannt.size();
    // The best syndrome covering so far; its words are listed only at the end.
    std::optional<Syndromraum> besterRaum;
    std::vector<std::uint32_t> besteMenge;

    // Candidate groups, smallest first; each is worth trying only while its
    // bound |A| / |X| times the words per syndrome can beat the best so far.
    struct Kandidat {
        int p, q;
        std::uint64_t a;
    };
    const std::uint64_t grenze = radius == 1 ? 8192 : 6561;
    std::vector<Kandidat> kandidaten;
    for (int p = 0; p <= zweier; ++p)
        for (int q = 0; q <= dreier; ++q) {
            const std::uint64_t a = potenz(2, p) * potenz(3, q);
            if (a <= grenze) kandidaten.push_back({p, q, a});
        }
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [](const Kandidat& x, const Kandidat& y) { return x.a < y.a; });
    // Budget shares follow the group size; small groups get a floor, as they
    // are tried with several column choices.
    auto gewicht = [](const Kandidat& k) { return std::max<std::uint64_t>(k.a, 2000); };
    std::uint64_t gewichte = 0;
    for (const auto& k : kandidaten) gewichte += gewicht(k);
    const std::uint64_t rekord = bekannteBestgroesse(zweier, dreier, radius);

    Budget budget(grenzen);
    if (!bekannt.empty()) budget.setzeBeste(besteGroesse);
    std::mt19937_64 rng(grenzen.seed);
    for (const auto& k : kandidaten) {
        const std::uint64_t teil = budget.rest() / gewichte * gewicht(k) + 1;
        gewichte -= gewicht(k);
        if (besteGroesse <= rekord) break;
        // Once the budget is spent only a first covering is still needed.
        if (budget.erschoepft() && besteGroesse <= raumGroesse) break;
        const std::uint64_t jeSyndrom = raumGroesse / k.a;
        const int versuche = k.a <= 243 ? 12 : k.a <= 2187 ? 3 : 1;
        for (int v = 0; v < versuche; ++v) {
            Syndromraum raum(zweier, dreier, k.p, k.q);
            std::mt19937_64 spaltenRng(rng());
            raum.spaltenWaehlen(v == 0 ? nullptr : &spaltenRng);
            const Zugmenge z = zugmenge(raum, n, radius);
            const std::uint64_t schranke = (k.a + z.x.size() - 1) / z.x.size();
            if (schranke * jeSyndrom >= besteGroesse) break;
            Gruppenueberdeckung suche(raum, z, radius, rng());
            // Reaching the best known size is enough.
            const std::uint64_t ziel = rekord ? (rekord + jeSyndrom - 1) / jeSyndrom : 0;
            const auto s = suche.suche(budget, teil / static_cast<std::uint64_t>(versuche), ziel);
            if (s.size() * jeSyndrom < besteGroesse) {
                besterRaum = raum;
                besteMenge = s;
                besteGroesse = s.size() * jeSyndrom;
                budget.setzeBeste(besteGroesse);
            }
            if (s.size() == suche.untereSchranke() || budget.erschoepft()) break;
        }
    }
    return besterRaum ? besterRaum->woerter(besteMenge) : bekannt;
}

}  // namespace kv
