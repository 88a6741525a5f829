#include "import/petscii_text.h"

#include <algorithm>
#include <cstdint>

namespace pyrovel {

namespace {

bool isShiftedLetter(std::uint8_t c) {
  return (c >= 0xC1 && c <= 0xDA) || (c >= 0x61 && c <= 0x7A);
}

// The three characters a name can hold beyond ASCII, as the caller spells them.
struct Specials {
  std::string_view pound, upArrow, leftArrow;
};

std::string petsciiWith(std::string_view stored, const Specials& specials) {
  // A name with capitals from the other character set was typed in that
  // set: its plain letters are the small ones.
  const bool mixedCase = std::any_of(stored.begin(), stored.end(), [](char c) {
    return isShiftedLetter(static_cast<std::uint8_t>(c));
  });
  std::string text;
  for (const char ch : stored) {
    const auto c = static_cast<std::uint8_t>(ch);
    if (c >= 0x41 && c <= 0x5A) {
      text += static_cast<char>(mixedCase ? c + ('a' - 'A') : c);
    } else if (c >= 0xC1 && c <= 0xDA) {
      text += static_cast<char>(c - 0xC1 + 'A');
    } else if (c >= 0x61 && c <= 0x7A) {
      text += static_cast<char>(c - 0x61 + 'A');
    } else if (c >= 0x20 && c <= 0x3F) {
      text += static_cast<char>(c);
    } else if (c == 0xA0) {
      text += ' ';
    } else if (c == 0x5B || c == 0x5D) {
      text += static_cast<char>(c);
    } else if (c == 0x5C) {
      text += specials.pound;
    } else if (c == 0x5E) {
      text += specials.upArrow;
    } else if (c == 0x5F) {
      text += specials.leftArrow;
    } else {
      text += '.';
    }
  }
  return text;
}
}  // namespace

std::string petsciiToText(std::string_view stored) {
  return petsciiWith(stored, {"\u00A3", "\u2191", "\u2190"});
}

std::string petsciiToRecordText(std::string_view stored) {
  return petsciiWith(stored, {"\xA3", "^", "<"});
}

}  // namespace pyrovel
