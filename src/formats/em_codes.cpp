#include "formats/em_codes.h"

#include <array>

#include "formats/code_table.h"

namespace pyrovel {

namespace {

constexpr int kMarkerMagicWall = -16, kMarkerWheel = -72;

// EM cell code -> object; markers are the negative entries.
constexpr std::array kEmCodeRuns{
    code(0, 3),
    code(2, 13),
    code(3, 13),
    code(4, 61),
    code(5, 61),
    code(8, 85),
    code(9, 86),
    code(10, 87),
    code(11, 70),
    code(12, 85),
    code(13, 86),
    code(14, 87),
    code(15, 70),
    code(16, 9),
    code(18, 4),
    code(19, 4),
    code(20, 82),
    code(21, 83),
    code(22, 84),
    code(23, 5),
    code(24, 82),
    code(25, 83),
    code(26, 84),
    code(27, 5),
    code(28, 74),
    code(32, 3),
    code(37, 12),
    code(41, 89),
    code(42, 91),
    code(43, 88),
    code(44, 90),
    code(45, 69),
    code(57, 155),
    code(58, 156),
    codesTo(59, 62, 73),
    code(63, 67),
    codesTo(64, 66, 8),
    code(67, 243),
    code(68, 255),
    code(69, 250),
    code(73, 216),
    code(75, 224),
    code(78, 68),
    code(101, 62),
    code(116, 6),
    code(117, 10),
    code(118, 0),
    codesTo(123, 128, 0),
    code(129, 31),
    code(130, 1),
    code(131, 6),
    code(132, 17),
    code(133, 60),
    code(134, 59),
    code(135, 58),
    code(136, 57),
    code(137, 55),
    code(138, 54),
    code(139, 53),
    code(140, 52),
    code(141, 68),
    code(142, 81),
    code(143, 80),
    code(144, 79),
    code(145, 56),
    code(146, 16),
    code(147, 72),
    code(148, 77),
    codesUp(149, 152, 63),
    code(153, 68),
    code(154, 11),
    codesTo(155, 157, 75),
    code(158, 7),
    code(159, 141),
    code(160, 33),
    code(161, 251),
    code(162, 217),
    code(165, 215),
    codesTo(168, 170, 24),
    code(173, 136),
    code(174, 136),
    code(175, 71),
    code(176, 21),
    code(177, 28),
    code(178, 29),
    code(179, 20),
    code(180, 31),
    code(181, 34),
    code(182, 34),
    code(184, 244),
    code(185, 247),
    code(186, 248),
    code(187, 245),
    code(188, 246),
    code(189, 254),
    code(191, 252),
    code(192, 212),
    code(193, 253),
    code(194, 179),
    code(195, 223),
    code(196, 213),
    code(197, 219),
    code(198, 176),
    code(199, 221),
    codesUp(200, 236, 100),
    code(237, 139),
    code(238, 136),
    code(239, 138),
    code(240, 143),
    code(241, 31),
    codesUp(242, 245, 146),
    // Objects in a state the editor has no object for.
    code(36, kMarkerMagicWall),
    code(40, kMarkerWheel),
    code(114, -114),
    code(115, -115),
    code(119, -119),
    code(120, -120),
    code(121, -121),
    code(122, -122),
};
static_assert(runsAreDisjoint(kEmCodeRuns, 256));
constexpr auto kEmCodeTable = expandCodeRuns<256>(kEmCodeRuns, kEmUnknownObject);

constexpr std::array<EmMarker, 8> kMarkers{{
    {36, kMarkerMagicWall, 16, 0, "Warning: Magic Wall active used", "magic wall active"},
    {40, kMarkerWheel, 72, 0, "Warning: Wheel active used", "wheel active"},
    {114, -114, 12, -1, "Warning: Nut Move left used in level ", "nut moving left"},
    {115, -115, 12, +1, "Warning: Nut Move right used in level ", "nut moving right"},
    {119, -119, 9, -1, "Warning: Bomb Move left used in level ", "bomb moving left"},
    {120, -120, 9, +1, "Warning: Bomb Move right used in level ", "bomb moving right"},
    {121, -121, 3, -1, "Warning: Rock Move left used in level ", "rock moving left"},
    {122, -122, 3, +1, "Warning: Rock Move right used in level ", "rock moving right"},
}};

// The marker list and the code table must tell the same story.
constexpr bool markersMatchCodeTable() {
  for (const EmMarker& m : kMarkers) {
    if (kEmCodeTable[m.code] != m.marker) return false;
  }
  int negatives = 0;
  for (std::int16_t r : kEmCodeTable) negatives += r < 0 ? 1 : 0;
  return negatives == static_cast<int>(kMarkers.size());
}
static_assert(markersMatchCodeTable());

// Object -> EM cell code. Fixed once at start, never changed.
constexpr std::array kEmExportRuns{
    code(0, 128),
    code(1, 130),
    code(2, 128),
    code(3, 0),
    code(4, 18),
    code(5, 27),
    code(6, 131),
    code(7, 158),
    code(8, 64),
    code(9, 16),
    code(11, 154),
    code(12, 37),
    code(13, 2),
    code(15, 254),
    code(16, 146),
    code(17, 132),
    code(24, 170),
    code(31, 180),
    code(33, 160),
    code(34, 181),
    code(52, 140),
    code(53, 139),
    code(54, 138),
    code(55, 137),
    code(56, 145),
    code(57, 136),
    code(58, 135),
    code(59, 134),
    code(60, 133),
    code(61, 4),
    code(62, 123),
    codesUp(63, 66, 149),
    code(67, 63),
    code(68, 78),
    code(69, 45),
    code(70, 15),
    code(71, 175),
    code(72, 147),
    code(73, 59),
    code(74, 28),
    code(75, 157),
    code(76, 153),
    code(77, 148),
    code(79, 144),
    code(80, 143),
    code(81, 142),
    code(82, 24),
    code(83, 25),
    code(84, 26),
    code(85, 12),
    code(86, 13),
    code(87, 14),
    code(88, 43),
    code(89, 41),
    code(90, 44),
    code(91, 42),
    codesUp(100, 135, 200),
    code(138, 239),
    code(139, 237),
    code(143, 240),
    codesUp(145, 149, 241),
    code(155, 57),
    code(156, 58),
    code(176, 198),
    code(177, 28),
    code(178, 29),
    code(212, 192),
    code(213, 196),
    code(215, 165),
    code(216, 73),
    code(217, 162),
    code(219, 197),
    code(221, 199),
    code(223, 195),
    code(224, 75),
    code(237, 128),
    code(243, 67),
    code(244, 184),
    code(247, 185),
    code(250, 69),
    code(251, 161),
    code(252, 191),
    code(253, 193),
    code(254, 189),
    code(255, 68),
};
static_assert(runsAreDisjoint(kEmExportRuns, 256));
constexpr auto kEmExportTable = expandCodeRuns<256>(kEmExportRuns, kEmFallbackCode);

// Object -> EM yam code. Fixed once at start, never changed.
constexpr std::array kEmYamRuns{
    code(0, 0),   code(1, 12),  code(3, 3),   code(4, 1),   code(5, 7),   code(6, 14),
    code(8, 23),  code(9, 6),   code(12, 9),  code(13, 2),  code(14, 10), code(16, 20),
    code(17, 15), code(31, 13), code(57, 19), code(58, 18), code(59, 17), code(60, 16),
    code(61, 4),  code(69, 11), code(70, 5),  code(71, 22), code(72, 21), code(74, 8),
};
static_assert(runsAreDisjoint(kEmYamRuns, 256));
constexpr auto kEmYamTable = expandCodeRuns<256>(kEmYamRuns, 0);

// EM yam code -> object, by code 0..23.
constexpr std::array<std::uint8_t, 24> kEmYamDecoding{
    0, 4, 13, 3, 61, 70, 9, 5, 74, 12, 14, 69, 1, 31, 6, 17, 60, 59, 58, 57, 16, 72, 71, 8,
};

// The decoding is written down separately; both lists must be exact inverses.
constexpr bool yamDecodingInvertsYamTable() {
  const auto yam = expandCodeRuns<256>(kEmYamRuns, 0);
  if (kEmYamRuns.size() != kEmYamDecoding.size()) return false;
  for (std::size_t code = 0; code < kEmYamDecoding.size(); ++code) {
    if (yam[kEmYamDecoding[code]] != static_cast<int>(code)) return false;
  }
  return true;
}
static_assert(yamDecodingInvertsYamTable());

}  // namespace

int emCodeToObject(std::uint8_t c) {
  return kEmCodeTable[c];
}

std::uint8_t emExportCode(int object) {
  if (object < 0 || object > 255) return kEmFallbackCode;
  return static_cast<std::uint8_t>(kEmExportTable[static_cast<std::size_t>(object)]);
}

const EmExportTable& emExportTable() {
  return kEmExportTable;
}

std::uint8_t emYamCode(int object) {
  if (object < 0 || object > 255) return 0;
  return static_cast<std::uint8_t>(kEmYamTable[static_cast<std::size_t>(object)]);
}

int emYamToObject(std::uint8_t c) {
  return c < kEmYamDecoding.size() ? kEmYamDecoding[c] : 0;
}

const EmMarker* findEmMarker(int result) {
  if (result >= 0) return nullptr;
  for (const EmMarker& m : kMarkers) {
    if (m.marker == result) return &m;
  }
  return nullptr;
}

int emResolvedObject(int result) {
  if (const EmMarker* m = findEmMarker(result)) return m->object;
  return result < 0 ? kEmUnknownObject : result;
}

}  // namespace pyrovel
