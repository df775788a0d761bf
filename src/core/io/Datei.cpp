#include "io/Datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kv {

std::string systemFehlerText(int fehler) {
    switch (fehler) {
        case ENOENT:
            return "Datei oder Ordner nicht gefunden";
        case EACCES:
        case EPERM:
            return "Zugriff verweigert";
        case ENOSPC:
            return "Kein Speicherplatz mehr auf dem Datenträger";
        case EDQUOT:
            return "Speicherkontingent erschöpft";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt";
        case EISDIR:
            return "Das ist ein Ordner, keine Datei";
        case ENOTDIR:
            return "Ein Teil des Pfades ist kein Ordner";
        case ENAMETOOLONG:
            return "Der Dateiname ist zu lang";
        case EIO:
            return "Ein-/Ausgabefehler";
        case EBADF:
            return "Die Ausgabe ist geschlossen";
        case EPIPE:
            return "Der Empfänger liest nicht mehr";
        case EFBIG:
            return "Die Datei wird zu groß";
        case ELOOP:
            return "Zu viele symbolische Verknüpfungen (eine Schleife?)";
        case ENOMEM:
            return "Nicht genug Arbeitsspeicher";
        default:
            return std::strerror(fehler);
    }
}

namespace {

[[noreturn]] void wirf(const char* was, const std::string& pfad, int fehler) {
    throw DateiFehler(std::string("Die Datei ") + pfad + " konnte nicht " + was +
                      " werden: " + systemFehlerText(fehler) + ".");
}

std::string ordnerVon(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
    if (p == std::string::npos) return ".";
    if (p == 0) return "/";
    return pfad.substr(0, p);
}

}  // namespace

std::string dateiName(std::string_view pfad) {
    const auto p = pfad.find_last_of('/');
    return std::string(p == std::string_view::npos ? pfad : pfad.substr(p + 1));
}

std::string dateiNameOhneEndung(std::string_view pfad) {
    std::string n = dateiName(pfad);
    const auto p = n.find_last_of('.');
    if (p != std::string::npos && p > 0) n.erase(p);
    return n;
}

bool dateiExistiert(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::uint8_t> leseDatei(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) wirf("geöffnet", pfad, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int e = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        wirf("gelesen", pfad, e);
    }
    std::vector<std::uint8_t> daten;
    daten.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t puffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            wirf("gelesen", pfad, e);
        }
        if (n == 0) break;
        daten.insert(daten.end(), puffer, puffer + n);
    }
    ::close(fd);
    return daten;
}

namespace {

// The file a write really replaces: a symbolic link is written through, so
// the link stays and its target gets the new content.
std::string schreibziel(const std::string& pfad) {
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return pfad;
    char* echt = ::realpath(pfad.c_str(), nullptr);
    if (!echt) return pfad;
    std::string ziel(echt);
    std::free(echt);
    return ziel;
}

}  // namespace

void schreibeAtomar(const std::string& angegeben, std::string_view inhalt) {
    const std::string pfad = schreibziel(angegeben);
    // The temporary name stays within the file system's limit of 255 bytes.
    std::string vorlage = ordnerVon(pfad) + "/." + dateiName(pfad).substr(0, 200) + ".XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0) wirf("geschrieben", angegeben, errno);
    // Keep the permissions of an existing target; new files get the usual 0666 & ~umask.
    struct stat alt {};
    if (::stat(pfad.c_str(), &alt) == 0) {
        ::fchmod(fd, alt.st_mode & 07777);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }
    const char* p = inhalt.data();
    std::size_t rest = inhalt.size();
    int fehler = 0;
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            fehler = errno;
            break;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    if (fehler == 0 && ::fsync(fd) != 0) fehler = errno;
    if (::close(fd) != 0 && fehler == 0) fehler = errno;
    if (fehler == 0 && ::rename(vorlage.c_str(), pfad.c_str()) != 0) fehler = errno;
    if (fehler != 0) {
        ::unlink(vorlage.c_str());
        wirf("geschrieben", angegeben, fehler);
    }
}

void schreibeAtomar(const std::string& pfad, const std::vector<std::uint8_t>& inhalt) {
    schreibeAtomar(pfad, std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()));
}

}  // namespace kv
