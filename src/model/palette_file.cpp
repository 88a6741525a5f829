#include "model/palette_file.h"

#include <cctype>
#include <fstream>

#include "model/errors.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

void stripLineEnd(std::string& line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.pop_back();
  }
}

bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The value of the leading digits, kept to the table's 16 bits.
std::uint16_t leadingNumber(const std::string& line, std::size_t* digits) {
  std::uint32_t value = 0;
  std::size_t i = 0;
  while (i < line.size() && isDigit(line[i])) {
    value = (value * 10 + static_cast<std::uint32_t>(line[i] - '0')) & 0xffffu;
    ++i;
  }
  *digits = i;
  return static_cast<std::uint16_t>(value);
}

}  // namespace

const char* paletteMarker(EditMode mode) {
  switch (mode) {
    case kEmeraldMode:
      return "--Emerald embedding--";
    case kC64Mode:
      return "--C64 embedding--";
    default:
      return "--Pyrovel embedding--";
  }
}

Palette builtInPalette() {
  Palette p;
  for (std::uint16_t i = 0; i <= 100; ++i) p.push_back(i);
  return p;
}

std::optional<Palette> readPalette(std::istream& in, const std::string& marker) {
  std::string line;
  bool found = false;
  while (std::getline(in, line)) {
    stripLineEnd(line);
    if (line == marker) {
      found = true;
      break;
    }
  }
  if (!found) return std::nullopt;

  Palette palette;
  std::getline(in, line);  // the line after the marker is not part of the list
  while (std::getline(in, line)) {
    stripLineEnd(line);
    std::size_t digits = 0;
    const std::uint16_t value = leadingNumber(line, &digits);
    if (palette.size() < kMaxPaletteEntries) palette.push_back(value);
    if (digits == 0 || digits != line.size()) break;
  }
  return palette;
}

std::optional<Palette> readPaletteFile(const std::string& path, EditMode mode) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw LevelError(path, std::nullopt, std::nullopt, "cannot open for reading");
  auto palette = readPalette(in, paletteMarker(mode));
  if (in.bad()) throw LevelError(path, std::nullopt, std::nullopt, "read error");
  return palette;
}

std::optional<Palette> paletteForModeSwitch(const std::string& path, EditMode mode) {
  if (mode != kEmeraldMode && !fileExists(path)) return std::nullopt;
  return readPaletteFile(path, mode);
}

}  // namespace pyrovel
