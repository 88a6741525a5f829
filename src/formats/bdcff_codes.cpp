#include "formats/bdcff_codes.h"

#include <array>
#include <cstdint>
#include <utility>

namespace pyrovel {

namespace {

struct CodePair {
  std::string_view code;
  int object;
};

// Read in this order; when a code appears twice the later entry wins
// ("Dy" is Door Yellow Closed, "Kb" Key Blue).
constexpr CodePair kImportCodes[] = {
    {" ", 0},    {".", 1},    {"P", 2},    {"r", 3},    {"d", 13},   {"w", 17},   {"W", 6},
    {"M", 16},   {"X", 7},    {"H", 30},   {"Q", 70},   {"o", 85},   {"O", 86},   {"q", 87},
    {"x", 155},  {"v", 156},  {"V", 154},  {"C", 5},    {"b", 82},   {"B", 83},   {"c", 84},
    {"a", 11},   {"s", 42},   {"F", 197},  {"bu", 234}, {"br", 235}, {"bl", 233}, {"bd", 236},
    {"WV", 154}, {"Wv", 156}, {"Wx", 155}, {"w-", 249}, {"Rw", 72},  {"A4", 66},  {"A5", 64},
    {"  ", 0},   {"Qr", 69},  {"$8", 171}, {"Dz", 73},  {"A3", 67},  {"wx", 244}, {"wl", 245},
    {"wu", 246}, {"A2", 65},  {"wr", 247}, {"Kw", 179}, {"Sp", 250}, {"Gl", 251}, {"wd", 248},
    {"dy", 80},  {"Bd", 84},  {"Bu", 82},  {"Br", 83},  {"Yl", 88},  {"Yd", 91},  {"Yu", 89},
    {"Yr", 90},  {"Kn", 253}, {"dr", 81},  {"A1", 63},  {"Dw", 176}, {"Dp", 213}, {"Dn", 219},
    {"Dy", 71},  {"Kp", 212}, {"Kb", 252}, {"db", 79},  {"Tl", 70},  {"Tu", 85},  {"Td", 87},
    {"Tr", 86},  {"$5", 170}, {"..", 1},   {"P1", 2},   {"RR", 3},   {"$1", 4},   {"Bl", 5},
    {"Ws", 6},   {"XX", 7},   {"XY", 8},   {"Bo", 9},   {"Ex", 10},  {"am", 11},  {"Nu", 12},
    {"$3", 13},  {"WM", 16},  {"Ww", 17},  {"XH", 30},  {"sl", 42},  {"Dg", 52},  {"Db", 53},
    {"Dy", 54},  {"Dr", 55},  {"dg", 56},  {"Kg", 57},  {"Kb", 58},  {"Ky", 59},  {"Kr", 60},
    {"Ro", 61},  {"Ac", 62},  {"Wi", 68},  {"Q.", 77},  {"ad", 74},  {"q.", 78},  {"rr", 195},
    {"dd", 196}, {"PF", 197}, {"Dk", 223}, {"ol", 229}, {"ou", 232}, {"or", 230}, {"od", 231},
    {"Ba", 243}, {".2", 254}, {".P", 255},
};

constexpr CodePair kExportCodes1[] = {
    {" ", 0},  {".", 1},  {"P", 2},  {"r", 3},  {"C", 5},   {"W", 6},   {"X", 7},   {"a", 11},
    {"H", 30}, {"d", 13}, {"M", 16}, {"w", 17}, {"s", 42},  {"Q", 70},  {"b", 82},  {"B", 83},
    {"c", 84}, {"o", 85}, {"O", 86}, {"q", 87}, {"V", 154}, {"x", 155}, {"v", 156}, {"F", 197},
};

constexpr CodePair kExportCodes2[] = {
    {"  ", 0},   {"..", 1},   {"P1", 2},   {"RR", 3},   {"$1", 4},   {"Bl", 5},   {"Ws", 6},
    {"XX", 7},   {"XY", 8},   {"Bo", 9},   {"Ex", 10},  {"am", 11},  {"Nu", 12},  {"$3", 13},
    {"WM", 16},  {"Ww", 17},  {"XH", 30},  {"sl", 42},  {"Dg", 52},  {"Db", 53},  {"Dy", 54},
    {"Dr", 55},  {"dg", 56},  {"Kg", 57},  {"Kb", 58},  {"Ky", 59},  {"Kr", 60},  {"Ro", 61},
    {"Ac", 62},  {"A1", 63},  {"A5", 64},  {"A2", 65},  {"A4", 66},  {"A3", 67},  {"Wi", 68},
    {"Qr", 69},  {"Tl", 70},  {"Dy", 71},  {"Rw", 72},  {"Dz", 73},  {"ad", 74},  {"Q.", 77},
    {"q.", 78},  {"db", 79},  {"dy", 80},  {"dr", 81},  {"Bu", 82},  {"Br", 83},  {"Bd", 84},
    {"Tu", 85},  {"Tr", 86},  {"Td", 87},  {"Yl", 88},  {"Yu", 89},  {"Yr", 90},  {"Yd", 91},
    {"WV", 154}, {"Wx", 155}, {"Wv", 156}, {"$5", 170}, {"$8", 171}, {"Dw", 176}, {"Kw", 179},
    {"rr", 195}, {"dd", 196}, {"PF", 197}, {"Kp", 212}, {"Dp", 213}, {"Dn", 219}, {"Dk", 223},
    {"ol", 229}, {"or", 230}, {"od", 231}, {"ou", 232}, {"bl", 233}, {"bu", 234}, {"br", 235},
    {"bd", 236}, {"Ba", 243}, {"wx", 244}, {"wl", 245}, {"wu", 246}, {"wr", 247}, {"wd", 248},
    {"w-", 249}, {"Sp", 250}, {"Gl", 251}, {"Kb", 252}, {"Kn", 253}, {".2", 254}, {".P", 255},
};

constexpr int kUnknownObject = 15;

// The import list laid out for direct indexing by the code's bytes, built
// once in list order so that later entries override earlier ones.
struct ImportLookup {
  std::array<std::uint8_t, 256> one;
  std::array<std::uint8_t, 256 * 256> two;
  ImportLookup() {
    one.fill(kUnknownObject);
    two.fill(kUnknownObject);
    for (const CodePair& p : kImportCodes) {
      const auto obj = static_cast<std::uint8_t>(p.object);
      if (p.code.size() == 1)
        one[static_cast<unsigned char>(p.code[0])] = obj;
      else
        two[pairIndex(p.code[0], p.code[1])] = obj;
    }
  }
  static std::size_t pairIndex(char a, char b) {
    return static_cast<std::size_t>(static_cast<unsigned char>(a)) * 256 +
           static_cast<unsigned char>(b);
  }
};

struct ExportLookup {
  std::array<std::string_view, 256> one;
  std::array<std::string_view, 256> two;
  std::array<bool, 256> hasOne{}, hasTwo{};
  ExportLookup() {
    one.fill("W");
    two.fill("Ws");
    for (const CodePair& p : kExportCodes1) {
      one[static_cast<std::size_t>(p.object)] = p.code;
      hasOne[static_cast<std::size_t>(p.object)] = true;
    }
    for (const CodePair& p : kExportCodes2) {
      two[static_cast<std::size_t>(p.object)] = p.code;
      hasTwo[static_cast<std::size_t>(p.object)] = true;
    }
  }
};

const ImportLookup& importLookup() {
  static const ImportLookup lookup;
  return lookup;
}

const ExportLookup& exportLookup() {
  static const ExportLookup lookup;
  return lookup;
}

}  // namespace

int bdcffCodeToObject(std::string_view code) {
  const ImportLookup& t = importLookup();
  if (code.size() == 1) return t.one[static_cast<unsigned char>(code[0])];
  if (code.size() == 2) return t.two[ImportLookup::pairIndex(code[0], code[1])];
  return kUnknownObject;
}

std::span<const std::uint8_t> bdcffImportTable(int codeLength) {
  const ImportLookup& t = importLookup();
  if (codeLength == 2) return t.two;
  return t.one;
}

std::string_view bdcffObjectToCode(int object, int codeLength) {
  const ExportLookup& t = exportLookup();
  const auto index = static_cast<std::size_t>(object & 0xFF);
  return codeLength == 2 ? t.two[index] : t.one[index];
}

bool bdcffHasCode(int object, int codeLength) {
  if (object < 0 || object > 255) return false;
  const ExportLookup& t = exportLookup();
  const auto index = static_cast<std::size_t>(object);
  return codeLength == 2 ? t.hasTwo[index] : t.hasOne[index];
}

}  // namespace pyrovel
