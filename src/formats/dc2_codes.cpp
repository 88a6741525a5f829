#include "formats/dc2_codes.h"

#include "formats/code_table.h"

namespace pyrovel {

namespace {
// Sorted by code: the table is sparse over 0..65535 and is searched.
constexpr std::array kDc2Runs{
    code(0, 3),
    codesTo(279, 872, 13),
    codesTo(873, 1668, 4),
    code(1777, 12),
    code(1868, 9),
    code(1956, 170),
    code(2083, 171),
    code(3703, 69),
    code(3794, 8),
    code(3811, 7),
    code(3819, 8),
    code(3836, 7),
    codesTo(3969, 3972, 11),
    code(3973, 74),
    code(4025, 16),
    code(4048, 85),
    code(4057, 87),
    code(4081, 70),
    code(4089, 86),
    code(4183, 82),
    code(4192, 84),
    code(4216, 5),
    code(4224, 83),
    code(4544, 61),
    code(5109, 89),
    code(5157, 182),
    code(5158, 183),
    code(5175, 184),
    code(5196, 194),
    code(5211, 192),
    code(5219, 191),
    code(5227, 193),
    code(5292, 155),
    code(5309, 156),
    code(5318, 154),
    code(5353, 180),
    code(5377, 181),
    code(5455, 62),
    code(5496, 77),
    codesTo(5500, 5515, 1),
    codesTo(5526, 5535, 199),
    code(5536, 71),
    code(5537, 60),
    code(5538, 59),
    code(5539, 58),
    code(5540, 57),
    code(5541, 179),
    code(5542, 31),
    code(5543, 17),
    code(5544, 17),
    codesUp(5545, 5570, 100),  // A..Z
    code(5584, 136),
    code(5585, 139),
    code(5587, 141),
    code(5588, 143),
    code(5589, 138),
    code(5590, 145),
    code(5592, 144),
    codesUp(5599, 5624, 100),  // A..Z
    codesUp(5628, 5638, 126),  // 0..9 and the point
    codesUp(5653, 5678, 100),  // A..Z
    code(5683, 139),
    code(5695, 141),
    code(5761, 55),
    code(5762, 81),
    code(5763, 54),
    code(5764, 80),
    code(5765, 53),
    code(5766, 79),
    code(5767, 52),
    code(5768, 56),
    code(5769, 176),
    code(5772, 72),
    code(5774, 67),
    codesUp(5775, 5778, 63),
    code(5779, 6),
    code(5780, 225),
    code(5781, 6),
    codesTo(5782, 5793, 20),
    codesTo(5796, 5813, 6),
    codesUp(5814, 5817, 172),
    code(5818, 68),
    code(5819, 227),
    codesTo(5820, 5828, 226),
    code(5837, 200),
};
static_assert(runsAreSorted(kDc2Runs));
}  // namespace

int dc2CodeToObject(std::uint16_t c) {
  return lookupCodeRuns(kDc2Runs, c, 0);
}

}  // namespace pyrovel
