#pragma once
// The options of the spray (amount, size and "Spray only in space and dirt")
// and of the chaos fill (its "Include" boxes and the object number). Plain
// values the controls of the tools' option bars mirror.
#include <array>
#include <string_view>
#include <vector>

namespace pyrovel {

struct SprayOptions {
  static constexpr int kMin = 1, kMax = 100, kDefault = 10;
  int objectsPerEvent = kDefault;  // objects put down per spray event
  int squareSide = kDefault;       // side of the square the spray scatters in
  bool onlySpaceAndDirt = false;   // only change cells holding Empty Space or Dirt
};

struct ChaosOptions {
  static constexpr int kBoxes = 11;
  static constexpr int kMaxObjectNumber = 254;
  // The "Include" boxes, in the order their objects enter the list.
  std::array<bool, kBoxes> checked{};
  int lastBoxObject = 0;  // the object of the last box, "Object Number"

  // The captions of the boxes, in order.
  static std::string_view caption(int box);
  // The objects of the checked boxes in box order; empty when none is checked.
  std::vector<int> chaosList() const;
};

}  // namespace pyrovel
