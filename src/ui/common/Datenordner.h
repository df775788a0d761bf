// The data folder: every file the program manages by itself lives there.
#pragma once

#include <QString>

namespace kv::ui {

// The per-user data folder (generic data location + "/Kalvendo/"), with a
// trailing separator; created (one level) when it is missing.
QString datenordnerBestimmen();

}  // namespace kv::ui
