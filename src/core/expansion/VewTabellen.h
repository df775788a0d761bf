// The 13 reduced ("VEW") systems: descriptors and row tables.
#pragma once

#include <array>
#include <cstdint>

namespace kv {

inline constexpr int kVewSystemAnzahl = 13;

// Descriptor of one system; `Name` is two-ways, hyphen, three-ways ("4-3").
struct TVewSystem {
    const char* Name;
    std::uint8_t Zweiwege;
    std::uint8_t Dreiwege;
    std::uint8_t Reihen;
};

// Indexed by the system number a field's `sys` holds; entry 0 is "no system".
extern const std::array<TVewSystem, kVewSystemAnzahl + 1> VewSysteme;

// Code of system s (1..13), row r (1..Reihen), column k (1..Zweiwege + Dreiwege):
// 1/2/3 = tip "1"/"0"/"2" of a 3-way, 4/5 = first/second tip of a 2-way.
// 0 for arguments out of range.
int vewCode(int system, int reihe, int spalte);

// The system with exactly these numbers of 2-ways and 3-ways; 0 if none.
int vewSystemFuer(int zweiwege, int dreiwege);

}  // namespace kv
