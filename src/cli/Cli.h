// kalvendo-cli: the core from the command line (expand, evaluate, info).
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
int ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
