#include <gtest/gtest.h>

#include "model/level_header.h"
#include "model/object_catalogue.h"

namespace pyrovel {
namespace {

TEST(LevelHeader, FieldsSitAtTheirRecordOffsets) {
  LevelHeader h;
  h.setWidth(64);
  h.setPlayer2Y(9);
  h.setMagicTime(0x1234);
  h.setKeyScore(7);
  h.setPacmanScore(5);
  h.setHasBackgroundLayer(1);
  h.setYam(3, 2, 1, 0x0102);
  h.setWell(2, 0, 0x0a0b);
  EXPECT_EQ(h.bytes[0], 64);
  EXPECT_EQ(h.bytes[336], 9);
  EXPECT_EQ(h.bytes[152], 0x34);
  EXPECT_EQ(h.bytes[153], 0x12);
  EXPECT_EQ(h.bytes[168], 7);
  EXPECT_EQ(h.bytes[334], 5);
  EXPECT_EQ(h.bytes[359], 1);
  // Pattern 3 starts at 6 + 54; cell (2, 1) at + 12 + 2.
  EXPECT_EQ(h.bytes[6 + 54 + 14], 0x02);
  EXPECT_EQ(h.bytes[6 + 54 + 15], 0x01);
  EXPECT_EQ(h.bytes[340 + 12], 0x0b);
  EXPECT_EQ(h.wellDelay(), 0);
  h.setWellDelay(100);
  EXPECT_EQ(h.bytes[348], 100);
}

TEST(LevelHeader, TextsAreLengthPrefixedAndCut) {
  LevelHeader h;
  h.setTitle("A title that is far longer than twenty");
  EXPECT_EQ(h.bytes[169], 20);
  EXPECT_EQ(h.title(), "A title that is far ");
  h.setAuthor("Me");
  EXPECT_EQ(h.bytes[190], 2);
  EXPECT_EQ(h.bytes[191], 'M');
  // A corrupt length byte never reads past the field.
  h.bytes[211] = 200;
  EXPECT_EQ(h.date().size(), 10u);
}

TEST(LevelHeader, DiamondsToCollectSplitsIntoTwoFields) {
  LevelHeader h;
  h.setDiamondsToCollect(1000);
  EXPECT_EQ(h.diamondsNeeded(), 1000 % 256);
  EXPECT_EQ(h.diamondsNeededHigh(), 3);
  EXPECT_EQ(h.diamondsToCollect(), 1000);
}

TEST(ObjectCatalogue, ItemTextsFollowTheListFormat) {
  ObjectCatalogue c;
  EXPECT_EQ(c.size(), 275);
  EXPECT_EQ(c.item(0), "0 :Empty Space");
  EXPECT_EQ(c.item(2), "2 :LittleFellow");
  EXPECT_EQ(c.item(10), "10:Explosion");
  EXPECT_EQ(c.item(100), "100:'A'");
  EXPECT_EQ(c.item(125), "125:'Z'");
  EXPECT_EQ(c.item(135), "135:'9'");
  EXPECT_EQ(c.item(146), "146:");
  EXPECT_EQ(c.item(202), "202:0 small");
  EXPECT_EQ(c.item(237), "237:Fellow2");
  EXPECT_EQ(c.item(255), "255:Poison Dirt");
  EXPECT_EQ(c.item(274), "274:");
  EXPECT_EQ(c.item(275), "");
  // The windows show every item alike, whatever the list's spacing.
  EXPECT_EQ(c.label(2), "2: LittleFellow");
  EXPECT_EQ(c.label(10), "10: Explosion");
  EXPECT_EQ(c.label(146), "146: ");
  EXPECT_EQ(c.label(275), "");
  c.replaceLines({"0 :Nothing", "1 :Soil", "no colon"});
  EXPECT_EQ(c.size(), 3);
  EXPECT_EQ(c.item(1), "1 :Soil");
  EXPECT_EQ(c.label(2), "no colon");
}

TEST(ObjectCatalogue, FamiliesCoverEveryObject) {
  EXPECT_EQ(ObjectCatalogue::family(237), 0);
  EXPECT_EQ(ObjectCatalogue::family(205), 0);
  EXPECT_EQ(ObjectCatalogue::family(2), 1);
  EXPECT_EQ(ObjectCatalogue::family(5), 2);
  EXPECT_EQ(ObjectCatalogue::family(145), 2);
  EXPECT_EQ(ObjectCatalogue::family(99), 3);
  EXPECT_EQ(ObjectCatalogue::family(242), 4);
  EXPECT_EQ(ObjectCatalogue::family(157), 5);
  EXPECT_EQ(ObjectCatalogue::family(146), 6);
  EXPECT_EQ(ObjectCatalogue::family(255), 6);
  EXPECT_EQ(ObjectCatalogue::family(18), 7);
  EXPECT_EQ(ObjectCatalogue::family(220), 8);
}

}  // namespace
}  // namespace pyrovel
