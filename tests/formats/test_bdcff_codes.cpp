#include <gtest/gtest.h>

#include "formats/bdcff_codes.h"

namespace pyrovel {
namespace {

TEST(BdcffCodes, LaterEntriesOverrideEarlierOnes) {
  EXPECT_EQ(bdcffCodeToObject("Dy"), 54);  // not 71 (Dynamite)
  EXPECT_EQ(bdcffCodeToObject("Kb"), 58);  // not 252 (Key Gray)
}

TEST(BdcffCodes, OneAndTwoCharacterCodesShareTheTable) {
  EXPECT_EQ(bdcffCodeToObject(" "), 0);
  EXPECT_EQ(bdcffCodeToObject("  "), 0);
  EXPECT_EQ(bdcffCodeToObject("W"), 6);
  EXPECT_EQ(bdcffCodeToObject("Ws"), 6);
  EXPECT_EQ(bdcffCodeToObject("H"), 30);  // the hidden outbox is the game's Hidden Exit
  EXPECT_EQ(bdcffCodeToObject("o"), 85);
  EXPECT_EQ(bdcffCodeToObject("ou"), 232);
  EXPECT_EQ(bdcffCodeToObject(".P"), 255);
}

TEST(BdcffCodes, UnknownCodesAreGrover) {
  EXPECT_EQ(bdcffCodeToObject("ZZ"), 15);
  EXPECT_EQ(bdcffCodeToObject("z"), 15);
  EXPECT_EQ(bdcffCodeToObject("dY"), 15);  // case matters
  EXPECT_EQ(bdcffCodeToObject(""), 15);
  EXPECT_EQ(bdcffCodeToObject("WWW"), 15);
}

TEST(BdcffCodes, ObjectsWithoutCodeExportAsSolidWall) {
  EXPECT_EQ(bdcffObjectToCode(20, 1), "W");
  EXPECT_EQ(bdcffObjectToCode(20, 2), "Ws");
  EXPECT_EQ(bdcffObjectToCode(4, 1), "W");  // Diamond has only a two-character code
  EXPECT_EQ(bdcffObjectToCode(4, 2), "$1");
}

TEST(BdcffCodes, ExportUsesTheLowByte) {
  EXPECT_EQ(bdcffObjectToCode(256 + 2, 1), "P");
  EXPECT_EQ(bdcffObjectToCode(512 + 197, 2), "PF");
}

// Every exported code reads back as its object, except the two codes that
// two objects share.
TEST(BdcffCodes, ExportedCodesReadBack) {
  for (int length = 1; length <= 2; ++length) {
    for (int object = 0; object < 256; ++object) {
      const std::string_view code = bdcffObjectToCode(object, length);
      ASSERT_EQ(code.size(), static_cast<std::size_t>(length)) << object;
      const int back = bdcffCodeToObject(code);
      if (code == "W" || code == "Ws") {
        EXPECT_EQ(back, 6) << object;
      } else if (object == 71) {
        EXPECT_EQ(back, 54);
      } else if (object == 252) {
        EXPECT_EQ(back, 58);
      } else {
        EXPECT_EQ(back, object) << "length " << length << " code '" << code << "'";
      }
    }
  }
}

}  // namespace
}  // namespace pyrovel
