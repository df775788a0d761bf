// Counting bits in inner loops.
//
// The build targets every x86-64 processor, and the first ones (before 2008)
// lack the POPCNT instruction, so std::popcount is a library call there. A
// function whose inner loop counts bits is therefore marked KV_MIT_POPCNT: the
// compiler builds it twice, once with POPCNT and once for any x86-64, and the
// loader picks the one the processor runs (function multi-versioning, decided
// once at program start). Elsewhere the mark is empty.
#pragma once

#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define KV_MIT_POPCNT __attribute__((target_clones("popcnt", "default")))
#endif
#endif
#ifndef KV_MIT_POPCNT
#define KV_MIT_POPCNT
#endif
