#include "formats/rnd_codes.h"

#include "formats/code_table.h"

namespace pyrovel {

namespace {
constexpr std::array kRndRuns{
    code(0, 0),
    code(1, 1),
    code(2, 17),
    code(3, 31),
    code(4, 3),
    code(6, 4),
    code(7, 7),
    code(8, 2),
    code(9, 83),
    code(10, 86),
    code(11, 89),
    code(12, 61),
    code(13, 6),
    code(14, 13),
    code(15, 11),
    code(16, 77),
    code(17, 69),
    code(18, 74),
    code(19, 9),
    code(20, 16),
    code(22, 62),
    code(23, 11),
    code(24, 11),
    code(25, 12),
    code(27, 242),
    code(28, 73),
    code(29, 32),
    code(30, 72),
    code(32, 60),
    code(33, 59),
    code(34, 57),
    code(35, 58),
    code(36, 55),
    code(37, 54),
    code(38, 52),
    code(39, 54),
    code(40, 81),
    code(41, 80),
    code(42, 56),
    code(43, 79),
    code(44, 71),
    code(45, 240),
    code(46, 68),
    code(49, 172),
    code(50, 173),
    code(51, 78),
    code(52, 11),
    code(56, 4),
    // The classic sets' other elements, each as its nearest object: gems of
    // other colours as emeralds, their walls, the dark yam, the Boulder
    // Dash magic wall, butterflies and fireflies (right, up, left, down),
    // invisible steel, and Sokoban's boxes (on a field or not) as rocks and
    // its empty fields as empty space.
    code(57, 13),
    code(58, 172),
    code(59, 173),
    code(60, 89),
    code(61, 16),
    code(62, 227),
    code(67, 3),
    code(68, 0),
    code(69, 3),
    code(70, 235),
    code(71, 234),
    code(72, 233),
    code(73, 236),
    code(74, 231),
    code(75, 230),
    code(76, 229),
    code(77, 232),
    code(80, 2),
    code(81, 237),
    code(84, 83),
    code(85, 82),
    code(86, 5),
    code(87, 84),
    code(88, 86),
    code(89, 85),
    code(90, 70),
    code(91, 87),
    code(92, 240),
    code(93, 239),
    code(94, 238),
    code(95, 241),
    codesTo(96, 97, 13),
    codesTo(98, 99, 173),
    code(100, 63),
    code(101, 64),
    code(102, 65),
    code(103, 67),
    code(104, 66),
    code(105, 17),  // Boulder Dash brick wall
    code(106, 3),   // Boulder Dash boulder
    code(107, 8),
    code(121, 139),
    code(124, 145),
    code(134, 136),
    codesUp(136, 146, 126),
    code(148, 141),
    code(150, 143),
    code(151, 138),
    codesUp(153, 179, 100),
    code(182, 145),
};
static_assert(runsAreDisjoint(kRndRuns, 256));
constexpr auto kRndTable = expandCodeRuns<256>(kRndRuns, 15);
}  // namespace

int rndCodeToObject(std::uint8_t c) {
  return kRndTable[c];
}

}  // namespace pyrovel
