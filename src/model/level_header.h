#pragma once
// The 460-byte per-level record, held as its bytes so that reserved bytes
// survive every load and save, with a typed accessor per field.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/bytes.h"

namespace pyrovel {

class LevelHeader {
 public:
  static constexpr std::size_t kSize = 460;
  static constexpr std::size_t kTitleLen = 20, kAuthorLen = 20, kDateLen = 10, kInfoLen = 100;

  // Field offsets of the record.
  enum Offset : std::size_t {
    oWidth = 0,
    oHeight = 1,
    oPlayerX = 2,
    oPlayerY = 3,
    oDiamondsNeeded = 4,
    oYamPatterns = 6,
    oLevelTime = 150,
    oMagicTime = 152,
    oWheelTime = 154,
    oAmoebaGrowth = 156,
    oEmeraldScore = 158,
    oDiamondScore = 159,
    oDynamiteScore = 161,
    oNutScore = 162,
    oRobotScore = 163,
    oShipScore = 164,
    oYamScore = 165,
    oTimeScore = 166,
    oBugScore = 167,
    oKeyScore = 168,
    oTitle = 169,
    oAuthor = 190,
    oDate = 211,
    oInfo = 222,
    oPearlScore = 324,
    oCrystalScore = 325,
    oGateWheelTime = 326,
    oHatchTime = 327,
    oMaxAmoeba = 328,
    oConvertTrappedAmoeba = 329,
    oAmoebaBrake = 330,
    oSlimePermeability = 331,
    oDiamondsNeededHigh = 332,
    oIntermission = 333,
    oPacmanScore = 334,
    oPlayer2X = 335,
    oPlayer2Y = 336,
    oExtraTime = 337,
    oForcefieldTime = 338,
    oWellPattern = 340,
    oWellActive = 358,
    oHasBackgroundLayer = 359,
  };

  std::array<std::uint8_t, kSize> bytes{};

  void clear() { bytes.fill(0); }

  std::uint8_t u8(std::size_t off) const { return bytes[off]; }
  void setU8(std::size_t off, int v) { bytes[off] = static_cast<std::uint8_t>(v); }
  std::uint16_t u16(std::size_t off) const { return getU16le(&bytes[off]); }
  void setU16(std::size_t off, int v) { putU16le(&bytes[off], static_cast<std::uint16_t>(v)); }
  // Length-prefixed text of at most maxLen characters.
  std::string str(std::size_t off, std::size_t maxLen) const;
  void setStr(std::size_t off, std::size_t maxLen, std::string_view text);

#define PYROVEL_U8_FIELD(name, Name) \
  int name() const {                 \
    return u8(o##Name);              \
  }                                  \
  void set##Name(int v) {            \
    setU8(o##Name, v);               \
  }
#define PYROVEL_U16_FIELD(name, Name) \
  int name() const {                  \
    return u16(o##Name);              \
  }                                   \
  void set##Name(int v) {             \
    setU16(o##Name, v);               \
  }
#define PYROVEL_STR_FIELD(name, Name, Len) \
  std::string name() const {               \
    return str(o##Name, Len);              \
  }                                        \
  void set##Name(std::string_view v) {     \
    setStr(o##Name, Len, v);               \
  }

  PYROVEL_U8_FIELD(width, Width)
  PYROVEL_U8_FIELD(height, Height)
  PYROVEL_U8_FIELD(playerX, PlayerX)
  PYROVEL_U8_FIELD(playerY, PlayerY)
  PYROVEL_U16_FIELD(diamondsNeeded, DiamondsNeeded)
  PYROVEL_U8_FIELD(levelTime, LevelTime)
  PYROVEL_U16_FIELD(magicTime, MagicTime)
  PYROVEL_U16_FIELD(wheelTime, WheelTime)
  PYROVEL_U16_FIELD(amoebaGrowth, AmoebaGrowth)
  PYROVEL_U8_FIELD(emeraldScore, EmeraldScore)
  PYROVEL_U8_FIELD(diamondScore, DiamondScore)
  PYROVEL_U8_FIELD(dynamiteScore, DynamiteScore)
  PYROVEL_U8_FIELD(nutScore, NutScore)
  PYROVEL_U8_FIELD(robotScore, RobotScore)
  PYROVEL_U8_FIELD(shipScore, ShipScore)
  PYROVEL_U8_FIELD(yamScore, YamScore)
  PYROVEL_U8_FIELD(timeScore, TimeScore)
  PYROVEL_U8_FIELD(bugScore, BugScore)
  PYROVEL_U8_FIELD(keyScore, KeyScore)
  PYROVEL_STR_FIELD(title, Title, kTitleLen)
  PYROVEL_STR_FIELD(author, Author, kAuthorLen)
  PYROVEL_STR_FIELD(date, Date, kDateLen)
  PYROVEL_STR_FIELD(info, Info, kInfoLen)
  PYROVEL_U8_FIELD(pearlScore, PearlScore)
  PYROVEL_U8_FIELD(crystalScore, CrystalScore)
  PYROVEL_U8_FIELD(gateWheelTime, GateWheelTime)
  PYROVEL_U8_FIELD(hatchTime, HatchTime)
  PYROVEL_U8_FIELD(maxAmoeba, MaxAmoeba)
  PYROVEL_U8_FIELD(convertTrappedAmoeba, ConvertTrappedAmoeba)
  PYROVEL_U8_FIELD(amoebaBrake, AmoebaBrake)
  PYROVEL_U8_FIELD(slimePermeability, SlimePermeability)
  PYROVEL_U8_FIELD(diamondsNeededHigh, DiamondsNeededHigh)
  PYROVEL_U8_FIELD(intermission, Intermission)
  PYROVEL_U8_FIELD(pacmanScore, PacmanScore)
  PYROVEL_U8_FIELD(player2X, Player2X)
  PYROVEL_U8_FIELD(player2Y, Player2Y)
  PYROVEL_U8_FIELD(extraTime, ExtraTime)
  PYROVEL_U8_FIELD(forcefieldTime, ForcefieldTime)
  PYROVEL_U8_FIELD(wellActive, WellActive)
  PYROVEL_U8_FIELD(hasBackgroundLayer, HasBackgroundLayer)

#undef PYROVEL_U8_FIELD
#undef PYROVEL_U16_FIELD
#undef PYROVEL_STR_FIELD

  // "Diamonds to Collect": DiamondsNeeded + 256 * DiamondsNeededHigh.
  int diamondsToCollect() const {
    return diamondsNeeded() + 256 * diamondsNeededHigh();
  }
  // Stores the value modulo 256 in the low field and the value div 256 in the high byte.
  void setDiamondsToCollect(int v);

  // Yam pattern k (0..7), cell (x, y) with x, y in 0..2; stored column by column.
  int yam(int k, int x, int y) const {
    return u16(oYamPatterns + 18 * k + 6 * x + 2 * y);
  }
  void setYam(int k, int x, int y, int v) {
    setU16(oYamPatterns + 18 * k + 6 * x + 2 * y, v);
  }
  // The well pattern; its centre word holds the well delay instead of an object.
  int well(int x, int y) const {
    return u16(oWellPattern + 6 * x + 2 * y);
  }
  void setWell(int x, int y, int v) {
    setU16(oWellPattern + 6 * x + 2 * y, v);
  }
  int wellDelay() const {
    return well(1, 1);
  }
  void setWellDelay(int v) {
    setWell(1, 1, v);
  }
};

}  // namespace pyrovel
