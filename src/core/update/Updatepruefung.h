// The plain logic of the update check: the published version file, the
// comparison with the installed version, the server addresses and every
// message of the update window. Removing the old program after the hand-over
// is Programmentfernung.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv::update {

// The maker's download server. KALVENDO_UPDATE_URL replaces it (mirrors, tests).
inline constexpr const char* kServer = "https://www.kalvendo.de";
inline constexpr const char* kServerVariable = "KALVENDO_UPDATE_URL";
// The maker's web site, named in the download error message.
inline constexpr const char* kWebseite = "www.kalvendo.de";

inline constexpr const char* kVersionPfad = "/downloads/verinfos.kvx";
inline constexpr const char* kInstallerPfad = "/downloads/kvxupdate.run";
// The local copies, in the data folder.
inline constexpr const char* kVersionDatei = "verinfos.kvx";
inline constexpr const char* kInstallerDatei = "Update.run";
// Prefix of the removal script's name in the temporary folder.
inline constexpr const char* kSkriptPraefix = "uis";

// One record of the version file: 8 bytes the program does not read, the
// length n of the version text (0..15), then 15 bytes of which the first n are
// the text.
inline constexpr std::size_t kVersionSatz = 24;
inline constexpr std::size_t kVersionLaengeOffset = 8;
inline constexpr std::size_t kVersionTextMax = 15;

// The version text of the last complete record (single-byte characters as
// stored). A trailing partial record is ignored. Throws UngueltigeDatei when
// there is no complete record, a record's length byte is above 15, or the
// last record's text is empty.
std::string leseVersion(const std::vector<std::uint8_t>& inhalt);
// The same for the file `pfad`; throws DateiFehler when it cannot be read.
std::string leseVersionsdatei(const std::string& pfad);
// One record holding `version` (at most 15 bytes), as the server publishes it.
std::vector<std::uint8_t> versionsSatz(std::string_view version);

// Only equality counts: any other published version, an older one too, can
// be downloaded.
bool downloadAngeboten(std::string_view verfuegbar, std::string_view installiert);

// The server's base address: the value of KALVENDO_UPDATE_URL when it is set
// and not empty (`umgebung` may be null), else kServer. Throws
// std::invalid_argument with a German message when the value is no https://
// address with a host.
std::string serverAdresse(const char* umgebung);
// Base address joined with an absolute path ("/downloads/..."), one slash between.
std::string adresse(std::string_view basis, std::string_view pfad);

// --- messages (UTF-8; kAbsatz joins two parts) ------------------------------
std::string textKeineVerbindungPruefen();
// `grund` may be empty; otherwise it follows on the next line.
std::string textPruefenGescheitert(std::string_view grund);
std::string textVersionsdateiUnlesbar(std::string_view grund);
std::string textKeineVerbindungDownload();
std::string textDownloadGescheitert(std::string_view grund);
std::string textInstallationFrage(std::string_view datenordner);
std::string textInstallationAbgebrochen(std::string_view datenordner, std::string_view programmordner);
std::string textStartGescheitert(std::string_view datenordner);
// "Update.run" has gone from the data folder since the download.
std::string textInstallerFehlt(std::string_view datenordner);
// The installer runs, but the old program file may not be deleted by this user.
std::string textManuellEntfernen(std::string_view datenordner, std::string_view programmordner);
// The installer runs, but the removal script could not be written or started.
std::string textEntfernungGescheitert(std::string_view grund, std::string_view datenordner,
                                      std::string_view programmordner);

}  // namespace kv::update
