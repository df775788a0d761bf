// The reader of the published version file on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Pruefen.h"
#include "io/Datei.h"
#include "update/Updatepruefung.h"

using namespace kv;
using namespace kv::update;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::vector<std::uint8_t> bytes(daten, daten + groesse);
    std::string version;
    try {
        version = leseVersion(bytes);
    } catch (const UngueltigeDatei&) {
        return 0;
    }
    PRUEFE(groesse >= kVersionSatz && version.size() <= kVersionTextMax);
    PRUEFE(leseVersion(versionsSatz(version)) == version);
    return 0;
}
