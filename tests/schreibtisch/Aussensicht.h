// The desktop as the user sees it, read from outside the program: the X
// server's window tree as xwininfo shows it (the window manager's frame is
// the ancestor just below the root window), and keys typed with xdotool.
// Nothing here asks Qt where a window is.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace kv::test {

// The screen the desktop was started with: KALVENDO_SCHIRM ("1366x768"),
// which the test's command line gives, as a rectangle at (0,0).
QRect schirmVorgabe();

// Runs a command and gives its standard output; fails the test when it cannot
// be started or does not end with status 0.
QString ausfuehren(const QString& programm, const QStringList& argumente);

// The outer frame of the X window `id` (a top-level window of a client) once
// it is mapped and has stood still for a moment; nothing when it did not
// appear within `ms` milliseconds.
std::optional<QRect> rahmenVonAussen(unsigned long id, int ms = 15000);

// The visible top-level windows of process `pid` whose name matches
// `name` (a regular expression), as xdotool finds them.
QList<unsigned long> fensterDesProzesses(qint64 pid, const QString& name = QStringLiteral("."));

// Types `tasten` (xdotool key names, e.g. "alt+d") into window `id`, after
// making it the active window.
void tippen(unsigned long id, const QStringList& tasten);

}  // namespace kv::test
