#include "Ausgabe.h"

#include <unistd.h>

#include <cerrno>

#include "io/Datei.h"
#include "model/Records.h"

namespace kv::cli {

namespace {

constexpr std::size_t kPufferGroesse = 1 << 16;

}  // namespace

Dateiausgabe::Dateiausgabe(int fd) : fd_(fd), puffer_(kPufferGroesse) {
    setp(puffer_.data(), puffer_.data() + puffer_.size());
}

Dateiausgabe::~Dateiausgabe() {
    leeren();
}

bool Dateiausgabe::schreibeDirekt(const char* s, std::size_t n) {
    while (n > 0 && fehler_ == 0) {
        const ssize_t k = ::write(fd_, s, n);
        if (k < 0) {
            if (errno == EINTR) continue;
            fehler_ = errno;
        } else if (k == 0) {
            fehler_ = EIO;
        } else {
            s += k;
            n -= static_cast<std::size_t>(k);
        }
    }
    return fehler_ == 0;
}

bool Dateiausgabe::leeren() {
    const bool gut = schreibeDirekt(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(puffer_.data(), puffer_.data() + puffer_.size());
    return gut;
}

Dateiausgabe::int_type Dateiausgabe::overflow(int_type c) {
    if (!leeren()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize Dateiausgabe::xsputn(const char* s, std::streamsize n) {
    if (fehler_ != 0) return 0;
    const auto frei = epptr() - pptr();
    if (n <= frei) {
        traits_type::copy(pptr(), s, static_cast<std::size_t>(n));
        pbump(static_cast<int>(n));
        return n;
    }
    // Large blocks go straight through, after what is buffered.
    if (!leeren() || !schreibeDirekt(s, static_cast<std::size_t>(n))) return 0;
    return n;
}

int Dateiausgabe::sync() {
    return leeren() ? 0 : -1;
}

void pruefeAusgabe(std::ostream& out) {
    if (out.good()) return;
    const auto* datei = dynamic_cast<const Dateiausgabe*>(out.rdbuf());
    const int fehler = datei && datei->fehler() != 0 ? datei->fehler() : EIO;
    throw AusgabeFehler("Die Ausgabe konnte nicht geschrieben werden: " + systemFehlerText(fehler) + ".");
}

void schreibe(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    pruefeAusgabe(out);
}

void abschliessen(std::ostream& out) {
    out.flush();
    pruefeAusgabe(out);
}

std::string einzeilig(std::string meldung) {
    for (std::size_t p; (p = meldung.find(kAbsatz)) != std::string::npos;) meldung.replace(p, 2, " ");
    return meldung;
}

}  // namespace kv::cli
