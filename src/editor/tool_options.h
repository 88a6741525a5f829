#pragma once
// The option bars of the tools: the spray's amount, size and "Spray only in
// space and dirt", and the chaos fill's "Include" boxes with the object
// number edit. Plain values the window's controls mirror.
#include <array>
#include <string_view>
#include <vector>

namespace pyrovel {

struct SprayOptions {
  static constexpr int kMin = 1, kMax = 100, kDefault = 10;
  int objectsPerEvent = kDefault;  // objects put down per spray event
  int squareSide = kDefault;    // side of the square the spray scatters in
  bool onlySpaceAndDirt = false;     // only change cells holding Empty Space or Dirt
};

struct Chaosoptions {
  static constexpr int kBoxes = 11;
  static constexpr int kMaxObjectNumber = 254;
  // randomfillcheck1 .. randomfillcheck11, in the order their objects enter the list.
  std::array<bool, kBoxes> randomfillcheck{};
  int lastBoxObject = 0;  // the object of the last box, "Object Number"

  // The captions of the boxes, in order.
  static std::string_view caption(int box);
  // The objects of the checked boxes in box order; empty when none is checked.
  std::vector<int> chaosList() const;
};

}  // namespace pyrovel
