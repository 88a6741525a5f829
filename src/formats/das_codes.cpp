#include "formats/das_codes.h"

#include "formats/bdcff_das_text.h"

namespace pyrovel {

namespace {

struct DasCode {
  std::string_view text;
  int object;
};

constexpr DasCode kDasCodes[] = {
    {"0", 0},     {"1", 1},     {"2", 17},    {"3", 16},   {"4", 7},    {"5", 8},    {"6", 30},
    {"7", 8},     {"8", 230},   {"9", 232},   {"11", 231}, {"12", 234}, {"13", 236}, {"14", 233},
    {"15", 235},  {"16", 195},  {"17", 195},  {"20", 196}, {"37", 2},   {"42", 155}, {"44", 156},
    {"46", 154},  {"48", 234},  {"49", 236},  {"50", 233}, {"51", 235}, {"52", 230}, {"53", 232},
    {"54", 229},  {"55", 231},  {"56", 6},    {"57", 42},  {"58", 62},  {"87", 11},  {"184", 33},
    {"194", 155}, {"196", 156}, {"198", 154},
};

}  // namespace

int dasCodeToObject(std::string_view text) {
  if (!readLooseInt(text).whole) return -1;
  for (const DasCode& c : kDasCodes) {
    if (c.text == text) return c.object;
  }
  return 15;
}

}  // namespace pyrovel
