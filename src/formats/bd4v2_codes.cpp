#include "formats/bd4v2_codes.h"

#include <array>
#include <string_view>

namespace pyrovel {

namespace {

struct PairCode {
  std::string_view code;
  int object;
};

constexpr std::array<PairCode, 50> kBd4V2Codes{{
    {"WW", 6},  {"..", 1},  {".o", 3},  {".O", 9},   {".a", 61}, {"bu", 5},  {"br", 5},  {"bl", 5},
    {"bd", 5},  {"Wi", 68}, {"$3", 13}, {"yu", 14},  {"yd", 14}, {"yr", 14}, {"yl", 14}, {"ee", 7},
    {"ef", 8},  {"e1", 8},  {"e2", 8},  {"e3", 8},   {"ru", 70}, {"rr", 70}, {"rd", 70}, {"rl", 70},
    {"Wb", 16}, {".w", 72}, {".n", 12}, {"\"\"", 0}, {"Ww", 17}, {"$1", 4},  {"fr", 69}, {"ko", 60},
    {"ky", 59}, {"kb", 58}, {"kg", 57}, {"Do", 55},  {"Dy", 54}, {"Db", 53}, {"Dg", 52}, {"do", 56},
    {"s1", 11}, {"s2", 11}, {"s3", 11}, {"s4", 11},  {"g1", 73}, {"g2", 73}, {"g3", 73}, {"g4", 73},
    {"gg", 71}, {"sd", 74},
}};

constexpr bool pairsAreUnique() {
  for (std::size_t i = 0; i < kBd4V2Codes.size(); ++i) {
    if (kBd4V2Codes[i].code.size() != 2) return false;
    for (std::size_t j = i + 1; j < kBd4V2Codes.size(); ++j) {
      if (kBd4V2Codes[i].code == kBd4V2Codes[j].code) return false;
    }
  }
  return true;
}
static_assert(pairsAreUnique());

}  // namespace

int bd4V2CodeToObject(char first, char second) {
  for (const PairCode& p : kBd4V2Codes) {
    if (p.code[0] == first && p.code[1] == second) return p.object;
  }
  return 0;
}

}  // namespace pyrovel
