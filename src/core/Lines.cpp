#include "core/Lines.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tivra {
namespace {

// Bit 7 of each byte is set where the byte of x is zero. Only the lowest set bit is
// exact: a borrow can mark a byte above a true zero, never one below it.
constexpr std::uint64_t zeroBytes(std::uint64_t x) {
    return (x - 0x0101010101010101ULL) & ~x & 0x8080808080808080ULL;
}

} // namespace

// Eight bytes at a time where the machine allows: most lines of a booking file are
// shorter than that.
const char* lineEnd(const char* p, const char* end) {
    if constexpr (std::endian::native == std::endian::little) {
        while (end - p >= 8) {
            std::uint64_t x = 0;
            std::memcpy(&x, p, 8);
            std::uint64_t hits = zeroBytes(x ^ 0x0A0A0A0A0A0A0A0AULL) | zeroBytes(x ^ 0x0D0D0D0D0D0D0D0DULL);
            if (hits != 0) {
                return p + std::countr_zero(hits) / 8;
            }
            p += 8;
        }
    }
    while (p != end && *p != '\n' && *p != '\r') {
        ++p;
    }
    return p;
}

} // namespace tivra
