#pragma once
// C64 memory images for the dump converter's tests, laid out byte by byte
// at the C64 addresses the engines use.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pyrovel::testing {

using DumpBytes = std::vector<std::uint8_t>;

inline void put(DumpBytes& b, std::size_t at, std::string_view text) {
  if (b.size() < at + text.size()) b.resize(at + text.size(), 0);
  std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}
inline void put(DumpBytes& b, std::size_t at, std::initializer_list<int> values) {
  if (b.size() < at + values.size()) b.resize(at + values.size(), 0);
  for (int v : values) b[at++] = static_cast<std::uint8_t>(v);
}

// The 9-byte header of a PC64 RAM image, then the memory.
inline DumpBytes pc64RamImage(const DumpBytes& memory) {
  DumpBytes b;
  put(b, 0, "C64Image");
  b.resize(9, 0);
  b.insert(b.end(), memory.begin(), memory.end());
  return b;
}

// A PC64 file image: "C64File", a zero, the 16-byte name, a zero and the
// record size, then the program file.
inline DumpBytes pc64FileImage(std::string_view name, const DumpBytes& program) {
  DumpBytes b;
  put(b, 0, "C64File");
  b.resize(26, 0);
  put(b, 8, name);
  b.insert(b.end(), program.begin(), program.end());
  return b;
}

// A Construction Kit cave block (the one a packer game or a single cave
// holds) from its "DDDD": a magic wall and dirt in the first byte, amoeba
// and a space in the second, dirt in all other cells.
inline DumpBytes kitCaveBlock() {
  DumpBytes b(512, 0);
  put(b, 0, "DDDD");
  for (std::size_t i = 20; i < 20 + 21 * 20; ++i) b[i] = 0x77;
  b[20] = 0x27;
  b[21] = 0xA0;
  b[440] = 5;    // speed
  b[442] = 120;  // time
  b[444] = 10;   // diamonds needed
  b[446] = 0;    // score: not written
  b[448] = 2;    // bonus
  b[452] = 0;    // amoeba time: written as 999
  b[454] = 7;    // magic wall time
  b[474] = 3;    // cave type, above 1 written as 1
  return b;
}

inline void markEffectKit(DumpBytes& block) {
  put(block, 485, {32, 144, 70});
  put(block, 490, {8, 3, 200, 34, 46, 99});
}

// A 64 KB memory with a PLCK game whose caves have no names. `types` are
// the caves' type bytes; cave 2's block lacks its "DDDD".
inline DumpBytes plckMemory(const std::vector<int>& types, bool effect = false) {
  DumpBytes m(0x10000, 0);
  for (std::size_t n = 1; n <= types.size(); ++n) {
    m[0x5E8B + n] = static_cast<std::uint8_t>(types[n - 1]);
    DumpBytes block = kitCaveBlock();
    if (effect) markEffectKit(block);
    if (n == 2) put(block, 0, "XXXX");
    std::copy(block.begin(), block.end(), m.begin() + 0x7000 + (n - 1) * 512);
  }
  return m;
}

// A 64 KB memory with a BD1-engine game. Cave A has a record with every
// kind of command; cave B points past the memory; all others share a
// record with no commands.
inline DumpBytes bd1Memory() {
  DumpBytes m(0x10000, 0);
  put(m, 24378, "DDHH");
  const std::size_t records = 0x582E;
  const int caveA = 0x0000, empty = 0x0100;
  for (std::size_t p = 0x5806; p <= 0x582C; p += 2) put(m, p, {empty & 255, empty >> 8});
  put(m, 0x5806, {caveA & 255, caveA >> 8});
  put(m, 0x5808, {0xFF, 0xFF});
  const std::size_t a = records + caveA;
  put(m, a + 1, {20, 5, 7, 0x42});             // magic wall / amoeba time, score, bonus, seed
  m[a + 9] = 12;                               // diamonds needed
  m[a + 14] = 150;                             // time
  m[a + 22] = 3;                               // slime permeability
  put(m, a + 24, {1, 9, 8, 6});                // random objects (6 has no code)
  put(m, a + 28, {100, 60, 0, 0});             // thresholds
  put(m, a + 32, {3,        5,  4,             // set magic wall at (5, 4 - 2)
                  64 + 58,  2,  3,  4, 2,      // line of amoeba
                  128 + 63, 1,  2,  3, 3, 61,  // slime box filled with object 61
                  192 + 7,  10, 10, 5, 4,      // outline
                  255});
  m[records + empty + 32] = 255;
  return m;
}

}  // namespace pyrovel::testing
