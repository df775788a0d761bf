// Shared by the fuzz targets: a check that ends the run with a message, so
// that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define PRUEFE(bedingung)                                                                  \
    do {                                                                                   \
        if (!(bedingung)) {                                                                \
            std::fprintf(stderr, "%s:%d: verletzt: %s\n", __FILE__, __LINE__, #bedingung); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)
