#include "eingabe/Reihensumme.h"

#include <bit>

namespace kv {

Reihensumme::Reihensumme(const std::array<std::uint32_t, kKreuzIndizes + 1>& gewicht) : tafel_(3 * kBlock) {
    for (std::uint64_t block = 0; block < 3; ++block)
        for (std::uint64_t muster = 1; muster < kBlock; ++muster) {
            const std::uint64_t kreuz = block * 13 + static_cast<std::uint64_t>(std::countr_zero(muster)) + 1;
            tafel_[block * kBlock + muster] =
                tafel_[block * kBlock + (muster & (muster - 1))] + gewicht[kreuz];
        }
}

}  // namespace kv
