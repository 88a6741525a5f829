#pragma once
// Text helpers for the two line-based level formats (BDCFF and DAS): a line
// splitter that takes LF and CR LF alike, and the lenient integer
// conversion both formats use for their numbers.
#include <array>
#include <cstddef>
#include <cstdint>
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
inline std::string_view trimLine(std::string_view line) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  // Most lines have nothing to trim.
  if (!line.empty() && !blank(line.front()) && !blank(line.back())) return line;
  std::size_t b = 0, e = line.size();
  while (b < e && blank(line[b])) ++b;
  while (e > b && blank(line[e - 1])) --e;
  return line.substr(b, e - b);
}

// The integer conversion: leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x". Reading stops at the
// first character that does not belong to the number; the digits read so
// far count (no digits give 0). `whole` tells whether the text was a number
// and nothing else. Values wrap like 32-bit integers.
struct LooseInt {
  int value = 0;
  bool whole = false;
};
LooseInt readLooseIntSlowly(std::string_view text);
inline LooseInt readLooseInt(std::string_view text) {
  // Most numbers of a file are a few plain decimal digits, alone or the
  // first of a list ("150 140 130").
  const std::size_t most = text.size() < 10 ? text.size() : 10;
  unsigned acc = 0;
  std::size_t i = 0;
  for (; i < most && text[i] >= '0' && text[i] <= '9'; ++i) {
    acc = acc * 10u + static_cast<unsigned>(text[i] - '0');
  }
  if (i > 0 && i <= 9) {
    if (i == text.size()) return {static_cast<int>(acc), true};
    if (text[i] == ' ' || text[i] == '\t') return {static_cast<int>(acc), false};
  }
  return readLooseIntSlowly(text);
}

// The blank-separated words of a value, up to kMost (more are left out:
// no key or command takes that many; RandomFillC64 takes up to 18); a ';' ends the words (a
// comment). Plain decimal words are read as numbers on the way, since most words of a file are.
// Only the first `count` entries are set, so they are left uninitialised: a line of every cave is
// split.
struct Words {
  static constexpr std::size_t kMost = 24;
  const char* begin[kMost];
  std::size_t length[kMost];
  int plain[kMost];  // the value of a word of 1..9 decimal digits, else -1
  std::size_t count = 0;
  std::size_t size() const { return count; }
  bool empty() const { return count == 0; }
  std::string_view operator[](std::size_t i) const { return {begin[i], length[i]}; }
  // The word as readLooseInt reads it.
  LooseInt number(std::size_t i) const {
    return plain[i] >= 0 ? LooseInt{plain[i], true} : readLooseIntSlowly((*this)[i]);
  }
};
namespace words_detail {
// What a byte is to splitWords, looked up instead of compared: a blank
// ends a word, and only a word of digits is a number.
enum : std::uint8_t { kOther = 0, kDigit = 1, kBlank = 2 };
inline constexpr std::array<std::uint8_t, 256> kKind = [] {
  std::array<std::uint8_t, 256> kind{};
  for (int c = '0'; c <= '9'; ++c) kind[static_cast<std::size_t>(c)] = kDigit;
  kind[' '] = kBlank;
  kind['\t'] = kBlank;
  return kind;
}();
}  // namespace words_detail

inline Words splitWords(std::string_view text) {
  using words_detail::kBlank;
  using words_detail::kKind;
  Words out;
  const auto* at = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = at + text.size();
  while (out.count < Words::kMost) {
    while (at < end && kKind[*at] == kBlank) ++at;
    if (at == end || *at == ';') break;
    const auto* const start = at;
    unsigned value = 0, digits = words_detail::kDigit;
    for (; at < end; ++at) {
      const unsigned kind = kKind[*at];
      if (kind == kBlank) break;
      digits &= kind;
      value = value * 10u + (*at - static_cast<unsigned>('0'));  // kept for digits only
    }
    const auto length = static_cast<std::size_t>(at - start);
    out.begin[out.count] = reinterpret_cast<const char*>(start);
    out.length[out.count] = length;
    out.plain[out.count++] = digits != 0 && length <= 9 ? static_cast<int>(value) : -1;
  }
  return out;
}

// The text as the byte string a file holds (the formats are 8-bit text).
inline std::string_view asText(const Bytes& data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace pyrovel
