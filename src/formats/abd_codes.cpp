#include "formats/abd_codes.h"

#include "formats/code_table.h"

namespace pyrovel {

namespace {
constexpr std::array kAbdRuns{
    code('W', 6),  code('g', 6), code('G', 6),  code('i', 6),  code('w', 17), code('.', 1),
    code(' ', 0),  code('/', 0), code('q', 14), code('o', 14), code('O', 14), code('Q', 14),
    code('r', 3),  code('b', 5), code('B', 5),  code('c', 5),  code('C', 5),  code('d', 4),
    code('X', 7),  code('P', 2), code('m', 16), code('a', 11), code('s', 15), code('f', 15),
    code('-', 15), code('t', 9),
};
static_assert(runsAreDisjoint(kAbdRuns, 256));
constexpr auto kAbdTable = expandCodeRuns<256>(kAbdRuns, kAbdUnknown);
}  // namespace

int abdCharToObject(char c) {
  return kAbdTable[static_cast<unsigned char>(c)];
}

}  // namespace pyrovel
