#include "formats/bdcff_das_text.h"

#include <cstdint>

namespace pyrovel {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  lines.reserve(text.size() / 32 + 1);
  forEachLine(text, [&](std::string_view line) { lines.push_back(line); });
  return lines;
}

namespace {
int digitValue(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hex) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

LooseInt readLooseIntSlowly(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  // Unsigned arithmetic wraps instead of overflowing on absurdly long numbers.
  std::uint32_t acc = 0;
  std::size_t digits = 0;
  for (; i < text.size(); ++i, ++digits) {
    const int d = digitValue(text[i], hex);
    if (d < 0) break;
    acc = acc * (hex ? 16u : 10u) + static_cast<std::uint32_t>(d);
  }
  if (negative) acc = 0u - acc;
  return {static_cast<int>(acc), digits > 0 && i == text.size()};
}

}  // namespace pyrovel
