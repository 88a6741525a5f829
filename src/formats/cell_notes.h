#pragma once
// The note for a cell that could not be converted (it holds a Grover now).
#include <string>

namespace pyrovel {

// "Unsupported at level 3:12,4 :99". The status bar finds it by this shape.
inline std::string unsupportedAt(int level, int x, int y, int code) {
  return "Unsupported at level " + std::to_string(level) + ":" + std::to_string(x) + "," +
         std::to_string(y) + " :" + std::to_string(code);
}

}  // namespace pyrovel
