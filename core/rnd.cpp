#include "rnd.h"

#include <cstdint>

namespace {
// xorshift64* from a fixed starting state.
std::uint64_t state = 0x9E3779B97F4A7C15u;
std::function<float()> source;
} // namespace

void setRndSource(std::function<float()> replacement)
{
    source = std::move(replacement);
}

float Rnd()
{
    if (source)
        return source();
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    const std::uint64_t bits = (state * 0x2545F4914F6CDD1Du) >> 40; // the top 24 bits
    return float(bits) / 16777216.0f;
}
