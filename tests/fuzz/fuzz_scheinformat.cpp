// The print format reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Pruefen.h"
#include "io/Datei.h"
#include "print/Scheinformat.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::vector<std::uint8_t> bytes(daten, daten + groesse);
    TScheinFormat f;
    try {
        f = formatAusBytes(bytes, "fuzz.kvxdr");
    } catch (const UngueltigeDatei&) {
        return 0;
    }
    PRUEFE(groesse >= kFormatBytes);
    const std::vector<std::uint8_t> geschrieben = formatBytes(f);
    PRUEFE(geschrieben.size() == kFormatBytes);
    PRUEFE(formatAusBytes(geschrieben, "wieder.kvxdr") == f);
    return 0;
}
