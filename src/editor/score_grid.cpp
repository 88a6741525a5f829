#include "editor/score_grid.h"

#include <array>
#include <limits>

#include "model/int_math.h"

namespace pyrovel {

namespace {

using H = LevelHeader;

constexpr std::array<ScoreRow, kScoreRowCount> kRows{{
    {"Key score", H::oKeyScore, ScoreWidth::Byte},
    {"Time score", H::oTimeScore, ScoreWidth::Byte},
    {"Emerald score", H::oEmeraldScore, ScoreWidth::Byte},
    {"Diamond score", H::oDiamondScore, ScoreWidth::Byte},
    {"Nut score", H::oNutScore, ScoreWidth::Byte},
    {"Yam score", H::oYamScore, ScoreWidth::Byte},
    {"Bug score", H::oBugScore, ScoreWidth::Byte},
    {"Ship score", H::oShipScore, ScoreWidth::Byte},
    {"Robot score", H::oRobotScore, ScoreWidth::Byte},
    {"Dynamite score", H::oDynamiteScore, ScoreWidth::Byte},
    {"Level time", H::oLevelTime, ScoreWidth::Byte},
    {"Magic time", H::oMagicTime, ScoreWidth::Word},
    {"Amoeba growth", H::oAmoebaGrowth, ScoreWidth::Word},
    {"Wheel time", H::oWheelTime, ScoreWidth::Word},
    {"Diamonds to collect", H::oDiamondsNeeded, ScoreWidth::DiamondsToCollect},
    {"Pearl score", H::oPearlScore, ScoreWidth::Byte},
    {"Crystal score", H::oCrystalScore, ScoreWidth::Byte},
    {"Gate wheel time", H::oGateWheelTime, ScoreWidth::Byte},
    {"Hatch time", H::oHatchTime, ScoreWidth::Byte},
    {"Max amoeba (%)", H::oMaxAmoeba, ScoreWidth::Byte},
    {"Amoeba brake", H::oAmoebaBrake, ScoreWidth::Byte},
    {"Slime permeability", H::oSlimePermeability, ScoreWidth::Byte},
    {"Pacman score", H::oPacmanScore, ScoreWidth::Byte},
    {"Extra time", H::oExtraTime, ScoreWidth::Byte},
    {"Forcefield time", H::oForcefieldTime, ScoreWidth::Byte},
}};

}  // namespace

const ScoreRow* scoreRow(int row) {
  return row >= 0 && row < kScoreRowCount ? &kRows[static_cast<std::size_t>(row)] : nullptr;
}

int scoreValue(const LevelHeader& h, int row) {
  const ScoreRow* r = scoreRow(row);
  if (!r) return 0;
  switch (r->width) {
    case ScoreWidth::Byte:
      return h.u8(r->offset);
    case ScoreWidth::Word:
      return h.u16(r->offset);
    case ScoreWidth::DiamondsToCollect:
      return h.diamondsToCollect();
  }
  return 0;
}

void setScoreValue(LevelHeader& h, int row, int value) {
  const ScoreRow* r = scoreRow(row);
  if (!r) return;
  switch (r->width) {
    case ScoreWidth::Byte:
      h.setU8(r->offset, floorMod(value, 256));
      break;
    case ScoreWidth::Word:
      h.setU16(r->offset, floorMod(value, 65536));
      break;
    case ScoreWidth::DiamondsToCollect:
      // Low part value mod 256, high byte (value div 256) mod 256.
      h.setDiamondsToCollect(floorMod(value, 65536));
      break;
  }
}

int parseScoreText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return 0;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return 0;
  }
  value = negative ? -value : value;
  return value > std::numeric_limits<int>::max() ? 0 : static_cast<int>(value);
}

}  // namespace pyrovel
