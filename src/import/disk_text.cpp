#include "import/disk_text.h"

namespace pyrovel {

namespace {
void appendLatin1(std::string& out, std::uint8_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}
}  // namespace

std::string latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) appendLatin1(out, static_cast<std::uint8_t>(c));
  return out;
}

std::string printableLatin1(std::span<const std::uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::uint8_t c : bytes) appendLatin1(out, c < 0x20 || c == 0x7F ? '.' : c);
  return out;
}

std::optional<std::string> utf8ToLatin1(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    // Only two-byte sequences of U+0080..U+00FF have a Latin-1 byte.
    if ((c & 0xFE) != 0xC2 || i + 1 >= text.size()) return std::nullopt;
    const auto next = static_cast<std::uint8_t>(text[i + 1]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    out += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
    ++i;
  }
  return out;
}

std::string safeHostFileName(std::string_view name) {
  std::string out;
  for (char ch : name) {
    const auto c = static_cast<std::uint8_t>(ch);
    out += (c < 0x20 || c == 0x7F || ch == '/' || ch == '\\') ? '_' : ch;
  }
  if (out.empty() || out == "." || out == "..") out = "unnamed" + out;
  return out;
}

std::optional<int> numberAfterHash(std::string_view text) {
  if (text.size() < 2 || text.size() > 7 || text.front() != '#') return std::nullopt;
  int n = 0;
  for (char c : text.substr(1)) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace pyrovel
