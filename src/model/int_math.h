#pragma once
// Division and remainder rounding towards minus infinity: a pixel left of
// the view lies in column -1, -1 stored in a byte field is 255, and a
// raster that starts left of a cave enters it at a step rounded up.

namespace pyrovel {

constexpr int floorDiv(int a, int b) {
  const int q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr int floorMod(int a, int b) {
  return a - floorDiv(a, b) * b;
}

}  // namespace pyrovel
