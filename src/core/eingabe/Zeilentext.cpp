#include "eingabe/Zeilentext.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "eingabe/Entwurf.h"
#include "eingabe/Reihenliste.h"
#include "io/Datei.h"

namespace kv {

namespace {

// The line without blanks, tabs and carriage returns at its ends.
std::string_view ohneRand(std::string_view z) {
    const auto rand = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!z.empty() && rand(z.front())) z.remove_prefix(1);
    while (!z.empty() && rand(z.back())) z.remove_suffix(1);
    return z;
}

}  // namespace

void Zeilentext::zeigeListe(const Reihenliste* liste) {
    liste_ = liste;
    stuecke_.clear();
    if (liste && liste->anzahl() > 0) stuecke_.push_back(Stueck{true, 0, liste->anzahl(), {}});
    zaehlen();
    gesichert_ = true;
}

std::uint64_t Zeilentext::belegteZeilen() const {
    std::uint64_t n = 0;
    for (const Stueck& s : stuecke_) {
        if (s.reihen) {
            n += s.groesse();
            continue;
        }
        for (const std::string& z : s.zeilen) n += ohneRand(z).empty() ? 0 : 1;
    }
    return n;
}

bool Zeilentext::stimmtMitListe() const {
    const std::uint64_t reihen = liste_ ? liste_->anzahl() : 0;
    std::uint64_t k = 0;  // the row the next line has to show
    for (const Stueck& s : stuecke_) {
        if (s.reihen) {
            if (s.von == k) {  // rows at their own place
                k = s.bis;
                continue;
            }
            for (std::uint64_t r = s.von; r < s.bis; ++r, ++k)
                if (k >= reihen || liste_->reihe(r) != liste_->reihe(k)) return false;
            continue;
        }
        for (const std::string& z : s.zeilen) {
            const std::string_view t = ohneRand(z);
            if (t.empty()) continue;
            if (k >= reihen || t != zeilentext(liste_->reihe(k))) return false;
            ++k;
        }
    }
    return k == reihen;
}

void Zeilentext::entwurfSchreiben(Entwurfsschreiber& s) const {
    s.zahl(stuecke_.size());
    for (const Stueck& st : stuecke_) {
        s.byte(st.reihen ? 1 : 0);
        if (st.reihen) {
            s.zahl(st.von);
            s.zahl(st.bis);
            continue;
        }
        s.zahl(st.zeilen.size());
        for (const std::string& z : st.zeilen) s.text(z);
    }
}

void Zeilentext::entwurfLesen(const Reihenliste* liste, Entwurfsleser& l) {
    const std::uint64_t reihen = liste ? liste->anzahl() : 0;
    // every piece takes at least 9 bytes, every line 8
    std::vector<Stueck> stuecke(static_cast<std::size_t>(l.zahl(l.rest() / 9)));
    for (Stueck& st : stuecke) {
        st.reihen = l.byte() != 0;
        if (st.reihen) {
            st.von = l.zahl();
            st.bis = l.zahl(reihen);
            if (st.von >= st.bis) throw UngueltigeDatei("Entwurf mit Reihen, die die Liste nicht hat");
            continue;
        }
        st.zeilen.resize(static_cast<std::size_t>(l.zahl(l.rest() / 8)));
        for (std::string& z : st.zeilen) z = l.text();
    }
    liste_ = liste;
    stuecke_ = std::move(stuecke);
    zaehlen();
    gesichert_ = false;
}

void Zeilentext::zaehlen() {
    anfang_.resize(stuecke_.size());
    std::uint64_t n = 0;
    for (std::size_t p = 0; p < stuecke_.size(); ++p) {
        anfang_[p] = n;
        n += stuecke_[p].groesse();
    }
    anzahl_ = n;
}

std::pair<std::size_t, std::uint64_t> Zeilentext::finde(std::uint64_t i) const {
    if (i >= anzahl_) throw std::out_of_range("Zeile außerhalb der Liste");
    const auto it = std::upper_bound(anfang_.begin(), anfang_.end(), i);
    const auto p = static_cast<std::size_t>(std::distance(anfang_.begin(), it) - 1);
    return {p, i - anfang_[p]};
}

std::string Zeilentext::zeile(std::uint64_t i) const {
    const auto [p, o] = finde(i);
    const Stueck& s = stuecke_[p];
    return s.reihen ? zeilentext(liste_->reihe(s.von + o)) : s.zeilen[static_cast<std::size_t>(o)];
}

bool Zeilentext::bearbeitet() const {
    const std::uint64_t reihen = liste_ ? liste_->anzahl() : 0;
    if (stuecke_.empty()) return reihen != 0;
    return !(stuecke_.size() == 1 && stuecke_[0].reihen && stuecke_[0].von == 0 && stuecke_[0].bis == reihen);
}

std::size_t Zeilentext::teile(std::uint64_t i) {
    if (i >= anzahl_) return stuecke_.size();
    const auto [p, o] = finde(i);
    if (o == 0) return p;
    Stueck hinten;
    Stueck& vorne = stuecke_[p];
    hinten.reihen = vorne.reihen;
    if (vorne.reihen) {
        hinten.von = vorne.von + o;
        hinten.bis = vorne.bis;
        vorne.bis = hinten.von;
    } else {
        const auto mitte = vorne.zeilen.begin() + static_cast<std::ptrdiff_t>(o);
        hinten.zeilen.assign(std::make_move_iterator(mitte), std::make_move_iterator(vorne.zeilen.end()));
        vorne.zeilen.erase(mitte, vorne.zeilen.end());
    }
    stuecke_.insert(stuecke_.begin() + static_cast<std::ptrdiff_t>(p) + 1, std::move(hinten));
    zaehlen();
    return p + 1;
}

void Zeilentext::ersetzen(std::uint64_t ab, std::uint64_t weg, const std::vector<std::string>& neu) {
    if (ab + weg > anzahl_) throw std::out_of_range("Zeilen außerhalb der Liste");
    gesichert_ = false;
    const std::size_t a = teile(ab);
    const std::size_t e = teile(ab + weg);
    stuecke_.erase(stuecke_.begin() + static_cast<std::ptrdiff_t>(a),
                   stuecke_.begin() + static_cast<std::ptrdiff_t>(e));
    std::size_t hier = a;
    if (!neu.empty()) {
        // text lines join a text piece beside them, so hand edits stay few pieces
        if (a > 0 && !stuecke_[a - 1].reihen) {
            hier = a - 1;
            stuecke_[hier].zeilen.insert(stuecke_[hier].zeilen.end(), neu.begin(), neu.end());
        } else {
            stuecke_.insert(stuecke_.begin() + static_cast<std::ptrdiff_t>(a), Stueck{false, 0, 0, neu});
        }
    }
    if (hier + 1 < stuecke_.size() && !stuecke_[hier].reihen && !stuecke_[hier + 1].reihen) {
        auto& z = stuecke_[hier].zeilen;
        auto& danach = stuecke_[hier + 1].zeilen;
        z.insert(z.end(), std::make_move_iterator(danach.begin()), std::make_move_iterator(danach.end()));
        stuecke_.erase(stuecke_.begin() + static_cast<std::ptrdiff_t>(hier) + 1);
    }
    zaehlen();
}

std::pair<std::uint64_t, std::size_t> Zeilentext::einfuegen(std::uint64_t ab, std::size_t spalte,
                                                            std::string_view text) {
    std::vector<std::string> teile;
    std::size_t p = 0;
    while (true) {
        const std::size_t lf = text.find('\n', p);
        std::string_view z = text.substr(p, lf == std::string_view::npos ? std::string_view::npos : lf - p);
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        teile.emplace_back(z);
        if (lf == std::string_view::npos) break;
        p = lf + 1;
    }
    const bool neueZeile = ab >= anzahl_;
    const std::string bisher = neueZeile ? std::string() : zeile(ab);
    spalte = std::min(spalte, bisher.size());
    const std::size_t ende = teile.back().size();
    teile.front().insert(0, bisher.substr(0, spalte));
    teile.back() += bisher.substr(spalte);
    const std::uint64_t letzte = ab + teile.size() - 1;
    const std::size_t neueSpalte = teile.size() == 1 ? spalte + ende : ende;
    ersetzen(std::min(ab, anzahl_), neueZeile ? 0 : 1, teile);
    return {letzte, neueSpalte};
}

std::string Zeilentext::text() const {
    std::string t;
    t.reserve(static_cast<std::size_t>(anzahl_) * 27);
    for (const Stueck& s : stuecke_) {
        if (s.reihen) {
            for (std::uint64_t k = s.von; k < s.bis; ++k) {
                t += zeilentext(liste_->reihe(k));
                t += "\r\n";
            }
        } else {
            for (const std::string& z : s.zeilen) {
                t += z;
                t += "\r\n";
            }
        }
    }
    return t;
}

}  // namespace kv
