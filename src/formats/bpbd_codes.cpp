#include "formats/bpbd_codes.h"

#include "formats/code_table.h"

namespace pyrovel {

namespace {
constexpr std::array kBpbdRuns{
    code(0, 0),    code(1, 1),    code(2, 6),          code(3, 2),          code(4, 17),
    code(5, 31),   code(6, 77),   code(7, 69),         code(8, 16),         code(9, 11),
    code(10, 11),  code(11, 7),   code(13, 72),        code(14, 68),        codesUp(20, 23, 62),
    code(24, 67),  code(25, 66),  codesUp(26, 29, 57), codesUp(30, 34, 52), code(35, 79),
    code(36, 80),  code(37, 81),  codesUp(49, 85, 99), code(89, 139),       code(100, 3),
    code(101, 4),  code(102, 13), code(103, 9),        code(104, 12),       code(105, 71),
    code(106, 73), code(150, 74), code(200, 87),       code(201, 70),       code(202, 85),
    code(203, 86), code(204, 84), code(205, 5),        code(206, 82),       code(207, 83),
    code(208, 14), code(212, 61),
};
static_assert(runsAreDisjoint(kBpbdRuns, 256));
constexpr auto kBpbdTable = expandCodeRuns<256>(kBpbdRuns, kBpbdUnknown);
}  // namespace

int bpbdCodeToObject(std::uint8_t c) {
  return kBpbdTable[c];
}

}  // namespace pyrovel
