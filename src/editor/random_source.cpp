#include "editor/random_source.h"

#include <chrono>

namespace pyrovel {

namespace {
unsigned clockSeed() {
  return static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
}
}  // namespace

ClockRandom::ClockRandom() : SeededRandom(clockSeed()) {}

void ClockRandom::reseed() {
  engine_.seed(clockSeed());
}

}  // namespace pyrovel
