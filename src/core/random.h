#pragma once
// The program's pseudo-random numbers. One generator serves every random search, so a
// search seeded with the same value repeats itself exactly.

#include <cstdint>

namespace corvel {

// 32-bit linear congruential generator: seed ← seed × 134775813 + 1 (mod 2^32); a draw
// from 0 to n − 1 is the high 32 bits of the 64-bit product of the new seed and n.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : seed_(seed) {}
    uint32_t next(uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(seed_) * n) >> 32);
    }
    uint32_t seed() const { return seed_; }
    void setSeed(uint32_t seed) { seed_ = seed; }

private:
    uint32_t seed_;
};

// A seed from the clock.
uint32_t clockSeed();

} // namespace corvel
