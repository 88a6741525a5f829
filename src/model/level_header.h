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
    oWidth = 0, oHeight = 1, oPlayerX = 2, oPlayerY = 3, oDiamondsNeeded = 4,
    oYamPatterns = 6, oLevelTime = 150, oMagicTime = 152, oWheelTime = 154,
    oAmoebaGrowth = 156, oEmeraldScore = 158, oDiamondScore = 159, oDynamiteScore = 161,
    oNutScore = 162, oRobotScore = 163, oShipScore = 164, oYamScore = 165, oTimeScore = 166,
    oBugScore = 167, oKeyScore = 168, oTitle = 169, oAuthor = 190, oDate = 211, oInfo = 222,
    oPearlScore = 324, oCrystalScore = 325, oGateWheelTime = 326, oHatchTime = 327,
    oMaxAmoeba = 328, oConvertTrappedAmoeba = 329, oAmoebaBrake = 330,
    oSlimePermeability = 331, oDiamondsNeededHigh = 332, oIntermission = 333,
    oPacmanScore = 334, oPlayer2X = 335, oPlayer2Y = 336, oExtraTime = 337,
    oForcefieldTime = 338, oWellPattern = 340, oWellActive = 358, oHasBackgroundLayer = 359,
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

#define PYROVEL_U8_FIELD(Name) \
  int Name() const { return u8(o##Name); } \
  void set##Name(int v) { setU8(o##Name, v); }
#define PYROVEL_U16_FIELD(Name) \
  int Name() const { return u16(o##Name); } \
  void set##Name(int v) { setU16(o##Name, v); }
#define PYROVEL_STR_FIELD(Name, Len) \
  std::string Name() const { return str(o##Name, Len); } \
  void set##Name(std::string_view v) { setStr(o##Name, Len, v); }

  PYROVEL_U8_FIELD(Width)
  PYROVEL_U8_FIELD(Height)
  PYROVEL_U8_FIELD(PlayerX)
  PYROVEL_U8_FIELD(PlayerY)
  PYROVEL_U16_FIELD(DiamondsNeeded)
  PYROVEL_U8_FIELD(LevelTime)
  PYROVEL_U16_FIELD(MagicTime)
  PYROVEL_U16_FIELD(WheelTime)
  PYROVEL_U16_FIELD(AmoebaGrowth)
  PYROVEL_U8_FIELD(EmeraldScore)
  PYROVEL_U8_FIELD(DiamondScore)
  PYROVEL_U8_FIELD(DynamiteScore)
  PYROVEL_U8_FIELD(NutScore)
  PYROVEL_U8_FIELD(RobotScore)
  PYROVEL_U8_FIELD(ShipScore)
  PYROVEL_U8_FIELD(YamScore)
  PYROVEL_U8_FIELD(TimeScore)
  PYROVEL_U8_FIELD(BugScore)
  PYROVEL_U8_FIELD(KeyScore)
  PYROVEL_STR_FIELD(Title, kTitleLen)
  PYROVEL_STR_FIELD(Author, kAuthorLen)
  PYROVEL_STR_FIELD(Date, kDateLen)
  PYROVEL_STR_FIELD(Info, kInfoLen)
  PYROVEL_U8_FIELD(PearlScore)
  PYROVEL_U8_FIELD(CrystalScore)
  PYROVEL_U8_FIELD(GateWheelTime)
  PYROVEL_U8_FIELD(HatchTime)
  PYROVEL_U8_FIELD(MaxAmoeba)
  PYROVEL_U8_FIELD(ConvertTrappedAmoeba)
  PYROVEL_U8_FIELD(AmoebaBrake)
  PYROVEL_U8_FIELD(SlimePermeability)
  PYROVEL_U8_FIELD(DiamondsNeededHigh)
  PYROVEL_U8_FIELD(Intermission)
  PYROVEL_U8_FIELD(PacmanScore)
  PYROVEL_U8_FIELD(Player2X)
  PYROVEL_U8_FIELD(Player2Y)
  PYROVEL_U8_FIELD(ExtraTime)
  PYROVEL_U8_FIELD(ForcefieldTime)
  PYROVEL_U8_FIELD(WellActive)
  PYROVEL_U8_FIELD(HasBackgroundLayer)

#undef PYROVEL_U8_FIELD
#undef PYROVEL_U16_FIELD
#undef PYROVEL_STR_FIELD

  // "Diamonds to Collect": DiamondsNeeded + 256 * DiamondsNeededHigh.
  int diamondsToCollect() const { return DiamondsNeeded() + 256 * DiamondsNeededHigh(); }
  // Stores the value modulo 256 in the low field and the value div 256 in the high byte.
  void setDiamondsToCollect(int v);

  // Yam pattern k (0..7), cell (x, y) with x, y in 0..2; stored column by column.
  int yam(int k, int x, int y) const { return u16(oYamPatterns + 18 * k + 6 * x + 2 * y); }
  void setYam(int k, int x, int y, int v) { setU16(oYamPatterns + 18 * k + 6 * x + 2 * y, v); }
  // The well pattern; its centre word holds the well delay instead of an object.
  int well(int x, int y) const { return u16(oWellPattern + 6 * x + 2 * y); }
  void setWell(int x, int y, int v) { setU16(oWellPattern + 6 * x + 2 * y, v); }
  int wellDelay() const { return well(1, 1); }
  void setWellDelay(int v) { setWell(1, 1, v); }
};

}  // namespace pyrovel
