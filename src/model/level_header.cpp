#include "model/level_header.h"

#include <algorithm>

namespace pyrovel {

std::string LevelHeader::str(std::size_t off, std::size_t maxLen) const {
  std::size_t len = std::min<std::size_t>(bytes[off], maxLen);
  return std::string(reinterpret_cast<const char*>(&bytes[off + 1]), len);
}

void LevelHeader::setStr(std::size_t off, std::size_t maxLen, std::string_view text) {
  std::size_t len = std::min(text.size(), maxLen);
  bytes[off] = static_cast<std::uint8_t>(len);
  std::copy_n(text.begin(), len, bytes.begin() + static_cast<std::ptrdiff_t>(off + 1));
}

void LevelHeader::setDiamondsToCollect(int v) {
  v = std::clamp(v, 0, 255 * 256 + 255);
  setDiamondsNeeded(v % 256);
  setDiamondsNeededHigh(v / 256);
}

}  // namespace pyrovel
