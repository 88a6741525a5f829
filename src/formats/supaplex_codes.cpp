#include "formats/supaplex_codes.h"

#include "formats/code_table.h"

namespace pyrovel {

namespace {
constexpr std::array kSupaplexRuns{
    code(0, 0),   code(1, 3),   code(2, 1),   code(3, 2),   code(4, 4),   code(5, 17),
    code(6, 6),   code(7, 7),   code(8, 99),  code(9, 36),  code(10, 38), code(11, 35),
    code(12, 37), code(13, 44), code(14, 46), code(15, 43), code(16, 45), code(17, 151),
    code(18, 92), code(19, 19), code(20, 71), code(21, 39), code(22, 40), code(23, 41),
    code(24, 93), code(25, 97), code(26, 31), code(27, 32), code(28, 25), code(29, 27),
    code(30, 26), code(31, 28), code(32, 29), code(33, 20), code(34, 21), code(35, 22),
    code(36, 23), code(37, 24), code(38, 33), code(39, 34), code(40, 68),
};
static_assert(runsAreDisjoint(kSupaplexRuns, 256));
constexpr auto kSupaplexTable = expandCodeRuns<256>(kSupaplexRuns, kSupaplexUnknown);
}  // namespace

int supaplexCodeToObject(std::uint8_t c) {
  return kSupaplexTable[c];
}

}  // namespace pyrovel
