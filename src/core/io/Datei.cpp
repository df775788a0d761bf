#include "io/Datei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <random>
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

[[noreturn]] void wirfArt(const char* was, const std::string& pfad, unsigned art) {
    const char* text = "Das ist keine gewöhnliche Datei";
    if (S_ISDIR(art)) {
        text = "Das ist ein Ordner, keine Datei";
    } else if (S_ISFIFO(art)) {
        text = "Das ist eine Pipe (FIFO), keine gewöhnliche Datei";
    } else if (S_ISCHR(art) || S_ISBLK(art)) {
        text = "Das ist ein Gerät, keine gewöhnliche Datei";
    } else if (S_ISSOCK(art)) {
        text = "Das ist ein Socket, keine gewöhnliche Datei";
    }
    throw DateiFehler(std::string("Die Datei ") + pfad + " konnte nicht " + was + " werden: " + text + ".");
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

namespace {

// Opens a regular file for reading; -1 with errno ENOENT or ENOTDIR when there
// is none. A device or a FIFO is refused before it is opened (opening may wait
// or have effects of its own); O_NONBLOCK keeps the open from waiting should
// one be put there in between, and fstat checks what was really opened.
int oeffneZumLesen(const std::string& pfad, struct stat& st) {
    if (::stat(pfad.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) wirfArt("gelesen", pfad, st.st_mode);
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return -1;
        wirf("geöffnet", pfad, errno);
    }
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        wirf("gelesen", pfad, e);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        wirfArt("gelesen", pfad, st.st_mode);
    }
    return fd;
}

}  // namespace

Lesedatei::Lesedatei(const std::string& pfad, FallsVorhanden) : pfad_(pfad) {
    struct stat st {};
    fd_ = oeffneZumLesen(pfad, st);
    groesse_ = fd_ >= 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

Lesedatei::Lesedatei(const std::string& pfad) : Lesedatei(pfad, FallsVorhanden{}) {
    if (fd_ < 0) wirf("geöffnet", pfad, errno);
}

Lesedatei::~Lesedatei() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t Lesedatei::lies(std::uint8_t* ziel, std::size_t n) {
    for (;;) {
        const ssize_t k = ::read(fd_, ziel, n);
        if (k >= 0) return static_cast<std::size_t>(k);
        if (errno != EINTR) wirf("gelesen", pfad_, errno);
    }
}

namespace {

std::vector<std::uint8_t> leseGanz(Lesedatei& datei) {
    std::vector<std::uint8_t> daten;
    try {
        daten.reserve(datei.groesse());
        std::uint8_t puffer[1 << 16];
        while (const std::size_t n = datei.lies(puffer, sizeof puffer))
            daten.insert(daten.end(), puffer, puffer + n);
    } catch (const std::bad_alloc&) {
        wirf("gelesen", datei.pfad(), ENOMEM);
    }
    return daten;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> leseDateiFallsVorhanden(const std::string& pfad) {
    Lesedatei datei(pfad, Lesedatei::FallsVorhanden{});
    if (!datei.vorhanden()) return std::nullopt;
    return leseGanz(datei);
}

std::vector<std::uint8_t> leseDateianfang(const std::string& pfad, std::size_t hoechstens) {
    Lesedatei datei(pfad);
    std::vector<std::uint8_t> daten(hoechstens);
    std::size_t gelesen = 0;
    while (gelesen < hoechstens)
        if (const std::size_t n = datei.lies(daten.data() + gelesen, hoechstens - gelesen)) {
            gelesen += n;
        } else {
            break;
        }
    daten.resize(gelesen);
    return daten;
}

std::vector<std::uint8_t> leseDatei(const std::string& pfad) {
    Lesedatei datei(pfad);
    return leseGanz(datei);
}

namespace {

// Temporary files of a write: "." + target name + kMarke + 6 random characters.
constexpr std::string_view kMarke = ".kalvendo-";
constexpr std::size_t kZufall = 6;

bool istZwischendateiName(std::string_view name) {
    return name.size() > 1 + kMarke.size() + kZufall && name.front() == '.' &&
           name.substr(name.size() - kZufall - kMarke.size(), kMarke.size()) == kMarke;
}

// The file a write to `angegeben` really replaces. Symbolic links are
// followed, so the link stays and its target gets the new content (or is
// created, for a dangling link). `st` is filled when the file exists.
// Anything but a regular file or nothing at all is refused.
std::string schreibziel(const std::string& angegeben, struct stat& st, bool& vorhanden) {
    constexpr int kMaxVerknuepfungen = 40;  // as the kernel allows
    std::string pfad = angegeben;
    for (int n = 0;; ++n) {
        if (::lstat(pfad.c_str(), &st) != 0) {
            if (errno != ENOENT) wirf("geschrieben", angegeben, errno);
            vorhanden = false;
            return pfad;
        }
        if (S_ISREG(st.st_mode)) {
            vorhanden = true;
            return pfad;
        }
        if (!S_ISLNK(st.st_mode)) wirfArt("geschrieben", angegeben, st.st_mode);
        if (n == kMaxVerknuepfungen) wirf("geschrieben", angegeben, ELOOP);
        std::string ziel(static_cast<std::size_t>(st.st_size) + 256, '\0');
        const ssize_t laenge = ::readlink(pfad.c_str(), ziel.data(), ziel.size());
        if (laenge < 0) wirf("geschrieben", angegeben, errno);
        if (laenge == 0 || static_cast<std::size_t>(laenge) == ziel.size())
            wirf("geschrieben", angegeben, ENOENT);
        ziel.resize(static_cast<std::size_t>(laenge));
        pfad = ziel.front() == '/' ? ziel : ordnerVon(pfad) + "/" + ziel;
    }
}

// Removes the temporary files of writes that were killed: this user's, held
// by no process (a running write holds a lock on its file) and unchanged for
// kVerwaistNachSekunden. Failures are ignored: this is tidying up.
void raeumeAuf(const std::string& ordner) {
    DIR* d = ::opendir(ordner.c_str());
    if (!d) return;
    const time_t grenze = std::time(nullptr) - AtomaresSchreiben::kVerwaistNachSekunden;
    while (const dirent* e = ::readdir(d)) {
        if (!istZwischendateiName(e->d_name)) continue;
        const int fd =
            ::openat(::dirfd(d), e->d_name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) continue;
        struct stat st {
        }, jetzt{};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            st.st_mtime < grenze && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(::dirfd(d), e->d_name, &jetzt, AT_SYMLINK_NOFOLLOW) == 0 && jetzt.st_ino == st.st_ino &&
            jetzt.st_dev == st.st_dev)
            ::unlinkat(::dirfd(d), e->d_name, 0);
        ::close(fd);
    }
    ::closedir(d);
}

mode_t neueDateiRechte() {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

}  // namespace

AtomaresSchreiben::AtomaresSchreiben(const std::string& pfad) : angegeben_(pfad) {
    struct stat alt {};
    bool vorhanden = false;
    ziel_ = schreibziel(pfad, alt, vorhanden);
    ordner_ = ordnerVon(ziel_);
    raeumeAuf(ordner_);
    // Where the file system allows it, the content goes into a file without a
    // name, which gets its name only when it is complete: a killed write then
    // leaves nothing behind. Writers that open the file by name reach it
    // through /proc.
    fd_ = ::open(ordner_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0) {
        zwischen_ = "/proc/self/fd/" + std::to_string(fd_);
        if (::access(zwischen_.c_str(), F_OK) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    if (fd_ < 0) {
        zwischen_ = zwischenName();
        fd_ = ::mkostemp(zwischen_.data(), O_CLOEXEC);
        if (fd_ < 0) wirf("geschrieben", angegeben_, errno);
        benannt_ = true;
    }
    if (::flock(fd_, LOCK_EX) != 0) scheitern(errno);
    if (vorhanden) {
        // The owner where the process may set it (ownership changes clear
        // set-user-ID bits, so the mode comes after).
        if ((alt.st_uid != ::geteuid() || alt.st_gid != ::getegid()) &&
            ::fchown(fd_, alt.st_uid, alt.st_gid) != 0) {
            // not permitted: the file gets this process's owner, as a new one would
        }
        if (::fchmod(fd_, alt.st_mode & 07777) != 0) scheitern(errno);
    } else if (::fchmod(fd_, neueDateiRechte()) != 0) {
        scheitern(errno);
    }
}

std::string AtomaresSchreiben::zwischenName() const {
    // The name stays within the file system's limit of 255 bytes; mkostemp
    // and the naming in abschliessen() replace the X.
    return ordner_ + "/." + dateiName(ziel_).substr(0, 200) + std::string(kMarke) + "XXXXXX";
}

AtomaresSchreiben::~AtomaresSchreiben() {
    if (fd_ >= 0) verwerfen();
}

void AtomaresSchreiben::verwerfen() {
    if (benannt_) ::unlink(zwischen_.c_str());
    ::close(fd_);
    fd_ = -1;
}

void AtomaresSchreiben::scheitern(int fehler) {
    verwerfen();
    wirf("geschrieben", angegeben_, fehler);
}

void AtomaresSchreiben::schreibe(std::string_view daten) {
    const char* p = daten.data();
    std::size_t rest = daten.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd_, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            scheitern(errno);
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
}

void AtomaresSchreiben::abschliessen() {
    if (::fsync(fd_) != 0) scheitern(errno);
    // The target may have changed since it was checked: look once more.
    struct stat st {};
    bool vorhanden = false;
    std::string jetzt;
    try {
        jetzt = schreibziel(angegeben_, st, vorhanden);
    } catch (const DateiFehler&) {
        verwerfen();
        throw;
    }
    if (jetzt != ziel_) {
        verwerfen();
        throw DateiFehler("Die Datei " + angegeben_ +
                          " konnte nicht geschrieben werden: Sie wurde während des Schreibens ersetzt.");
    }
    if (!benannt_) {
        // The complete file gets its temporary name, then the target's.
        static constexpr char kZeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device zufall;
        for (int versuch = 0;; ++versuch) {
            std::string name = zwischenName();
            for (std::size_t i = name.size() - kZufall; i < name.size(); ++i)
                name[i] = kZeichen[zufall() % (sizeof kZeichen - 1)];
            if (::linkat(AT_FDCWD, zwischen_.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                zwischen_ = std::move(name);
                benannt_ = true;
                break;
            }
            if (errno != EEXIST || versuch == 100) scheitern(errno);
        }
    }
    if (::rename(zwischen_.c_str(), ziel_.c_str()) != 0) scheitern(errno);
    // The data are on the disk already (fsync); the lock goes with the close.
    ::close(fd_);
    fd_ = -1;
}

void schreibeAtomar(const std::string& pfad, std::string_view inhalt) {
    AtomaresSchreiben s(pfad);
    s.schreibe(inhalt);
    s.abschliessen();
}

void schreibeAtomar(const std::string& pfad, const std::vector<std::uint8_t>& inhalt) {
    schreibeAtomar(pfad, std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()));
}

}  // namespace kv
