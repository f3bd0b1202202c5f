#include "core/random.h"

#include <chrono>

namespace corvel {

uint32_t clockSeed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks ^ (ticks >> 32));
}

} // namespace corvel
