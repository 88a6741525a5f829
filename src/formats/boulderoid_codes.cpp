#include "formats/boulderoid_codes.h"

#include "formats/code_table.h"

namespace pyrovel {

namespace {
constexpr std::array kBoulderoidRuns{
    code('.', 1),  codesTo('0', '9', 48), code('A', 62),  code('B', 83),  code('C', 5),
    code('F', 15), code('G', 157),        code('H', 30),  code('L', 6),   code('O', 86),
    code('P', 2),  code('Q', 70),         code('T', 9),   code('V', 154), code('W', 6),
    code('X', 7),  code('a', 11),         code('b', 82),  code('c', 84),  code('d', 4),
    code('f', 15), code('m', 16),         code('o', 85),  code('q', 87),  code('r', 3),
    code('s', 42), code('t', 71),         code('v', 156), code('w', 17),  code('x', 155),
};
static_assert(runsAreDisjoint(kBoulderoidRuns, 256));
constexpr auto kBoulderoidTable = expandCodeRuns<256>(kBoulderoidRuns, 0);
}  // namespace

int boulderoidCharToObject(char c) {
  return kBoulderoidTable[static_cast<unsigned char>(c)];
}

}  // namespace pyrovel
