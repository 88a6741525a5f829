#pragma once
// Where the spray and the chaos fill take their chances from. The window
// uses the clock-seeded source; tests hand in a fixed seed or a script so
// every run scatters the same cells.
#include <random>

namespace pyrovel {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Called once before each spray event or chaos fill.
  virtual void reseed() {}
  // A uniform number in 0 .. n-1; n is at least 1.
  virtual int below(int n) = 0;
};

// A Mersenne twister with a fixed seed that reseeding leaves alone:
// repeatable runs.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(unsigned seed) : engine_(seed) {}
  int below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 protected:
  std::mt19937 engine_;
};

// Seeded anew from the clock at every reseed.
class ClockRandom : public SeededRandom {
 public:
  ClockRandom();
  void reseed() override;
};

}  // namespace pyrovel
