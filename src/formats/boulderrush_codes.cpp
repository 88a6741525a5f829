#include "formats/boulderrush_codes.h"

#include "formats/code_table.h"

namespace pyrovel {

namespace {
constexpr std::array kBoulderRushRuns{
    code(0, 0),     code(1, 1),     code(2, 195),   code(3, 42),    code(4, 6),     code(5, 17),
    code(6, 155),   code(10, 17),   code(56, 77),   code(128, 196), code(130, 11),  code(131, 42),
    code(133, 16),  code(134, 2),   code(135, 30),  code(137, 42),  code(178, 233), code(224, 234),
    code(225, 233), code(226, 235), code(227, 230), code(228, 229), code(229, 231), code(255, 42),
};
static_assert(runsAreDisjoint(kBoulderRushRuns, 256));
constexpr auto kBoulderRushTable = expandCodeRuns<256>(kBoulderRushRuns, 15);
}  // namespace

int boulderRushCodeToObject(std::uint8_t c) {
  return kBoulderRushTable[c];
}

}  // namespace pyrovel
