// kalvendo-cli: the core from the command line. Each command lives in its own
// file in this folder and is dispatched from Cli.cpp.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kv::cli {

// Exit statuses of every command.
inline constexpr int kOk = 0;
inline constexpr int kEaFehler = 1;       // a file could not be read or written
inline constexpr int kEingabeFehler = 2;  // bad usage or invalid input

// Runs one command; returns the exit status (0 ok, 1 I/O error, 2 bad input).
//
// A command writes its output only to `out` (large output in blocks with
// schreibe() from Ausgabe.h) and its messages to `err`. Afterwards `out` is
// flushed and checked here: a failed write to standard output becomes the
// German message and exit status 1 (Ausgabe.h), so no command checks it itself.
int ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
