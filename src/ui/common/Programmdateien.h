// The program's own files outside the program file: installed, they lie in
// <prefix>/share beside <prefix>/bin; in a build folder, in the source tree's
// "data" folder, which has the same layout.
#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace kv::ui {

// The desktop's name of the program: its desktop entry, icon and metainfo.
inline constexpr const char* kAnwendungsId = "de.kalvendo.Kalvendo";

// Where to look, in order, for a program in `programmordner`: the installed
// "../share" and, when given, the data folder `bauordnerRelativ` (relative
// to the program's folder in the build folder).
QStringList datenwurzeln(const QString& programmordner, const QString& bauordnerRelativ);

// The program's icon in every size of the hicolor theme found under the
// first of `wurzeln` that has it ("icons/hicolor/<n>x<n>/apps"); a null icon
// when none has.
QIcon programmSymbol(const QStringList& wurzeln);

}  // namespace kv::ui
