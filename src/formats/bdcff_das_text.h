#pragma once
// Text helpers for the two line-based level formats (BDCFF and DAS): a line
// splitter that takes LF and CR LF alike, and the lenient integer
// conversion both formats use for their numbers.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/bytes.h"
#include "model/version.h"

namespace pyrovel {

// The lines of a text, each without its line end. A last line without a line
// end counts; a text ending with a line end has no empty line after it.
// The views point into `text`, which must outlive them.
std::vector<std::string_view> splitLines(std::string_view text);
// The same lines handed to `take(line)` one by one, without a list.
template <typename Take>
void forEachLine(std::string_view text, Take&& take) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    take(text.substr(start, end - start));
    start = next;
  }
}

// Leading and trailing blanks and control characters removed.
std::string_view trimLine(std::string_view line);

// The integer conversion: leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x". Reading stops at the
// first character that does not belong to the number; the digits read so
// far count (no digits give 0). `whole` tells whether the text was a number
// and nothing else. Values wrap like 32-bit integers.
struct LooseInt {
  int value = 0;
  bool whole = false;
};
LooseInt readLooseInt(std::string_view text);

// The text as the byte string a file holds (the formats are 8-bit text).
inline std::string_view asText(const Bytes& data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace pyrovel
