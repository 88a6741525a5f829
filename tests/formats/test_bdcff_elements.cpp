#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "formats/bdcff_codes.h"
#include "formats/bdcff_elements.h"

namespace pyrovel {
namespace {

TEST(BdcffElements, NamesGiveObjectsWithoutRegardToCase) {
  EXPECT_EQ(bdcffElementObject("BOULDER"), 3);
  EXPECT_EQ(bdcffElementObject("boulder"), 3);
  EXPECT_EQ(bdcffElementObject("FIREFLYl"), 70);
  EXPECT_EQ(bdcffElementObject("BUTTERFLYd"), 84);
  EXPECT_EQ(bdcffElementObject("ACID"), 62);
  EXPECT_EQ(bdcffElementObject("KEY2"), 58);
  EXPECT_EQ(bdcffElementObject("CLOCK"), std::nullopt);
  EXPECT_EQ(bdcffElementObject(""), std::nullopt);
  EXPECT_EQ(bdcffElementObject("BOULDERS"), std::nullopt);
  // Names are compared as packed bytes and length: the longest name of the
  // table, one longer than any, and a name with a zero byte in it.
  EXPECT_EQ(bdcffElementObject("invisibleOutbox"), 30);
  EXPECT_EQ(bdcffElementObject("INVISIBLEOUTBOXX"), std::nullopt);
  EXPECT_EQ(bdcffElementObject(std::string_view("DIRT\0", 5)), std::nullopt);
  EXPECT_EQ(bdcffElementObject("D[RT"), std::nullopt);
  // The index is built by the compiler and searched at run time: every name
  // of the table is found, as the first of its spellings.
  const auto capitals = [](std::string_view name) {
    std::string s(name);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  const auto table = bdcffElementTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto first = std::find_if(table.begin(), table.end(), [&](const BdcffElement& e) {
      return capitals(e.name) == capitals(table[i].name);
    });
    EXPECT_EQ(bdcffElementObject(table[i].name), first->object) << table[i].name;
  }
}

// A cave comes out the same drawn by map codes or by element names.
TEST(BdcffElements, NamesWithAStandardCodeFollowTheCodeTable) {
  const std::pair<const char*, const char*> standard[] = {
      {" ", "SPACE"},          {".", "DIRT"},          {"w", "WALL"},
      {"M", "MAGICWALL"},      {"W", "STEELWALL"},     {"x", "HEXPANDINGWALL"},
      {"v", "VEXPANDINGWALL"}, {"V", "EXPANDINGWALL"}, {"r", "BOULDER"},
      {"d", "DIAMOND"},        {"P", "INBOX"},         {"X", "OUTBOX"},
      {"H", "HIDDENOUTBOX"},   {"Q", "FIREFLYl"},      {"o", "FIREFLYu"},
      {"O", "FIREFLYr"},       {"q", "FIREFLYd"},      {"C", "BUTTERFLYl"},
      {"b", "BUTTERFLYu"},     {"B", "BUTTERFLYr"},    {"c", "BUTTERFLYd"},
      {"a", "AMOEBA"},         {"s", "SLIME"},         {"F", "VOODOO"},
  };
  for (const auto& [code, name] : standard) {
    EXPECT_EQ(bdcffElementObject(name), bdcffCodeToObject(code)) << name;
  }
}

// Every object of the table is written by the BDCFF writer as a code that
// reads back as that object: a one-character code, or a two-character code,
// which makes the writer switch to two characters. The game's conveyor belts
// have no code: the writer notes their cells.
TEST(BdcffElements, EveryObjectOfTheTableSurvivesTheWriter) {
  for (const BdcffElement& e : bdcffElementTable()) {
    EXPECT_NE(e.object, kBdcffGrover) << e.name;
    if (e.object >= 187 && e.object <= 198) continue;
    const bool one = bdcffHasCode(e.object, 1);
    EXPECT_TRUE(one || bdcffHasCode(e.object, 2)) << e.name;
    EXPECT_EQ(bdcffCodeToObject(bdcffObjectToCode(e.object, one ? 1 : 2)), e.object) << e.name;
  }
}

TEST(BdcffMapCodes, BuiltInCodesUntilTheFileSaysOtherwise) {
  BdcffMapCodes codes;
  EXPECT_EQ(codes.length(), 1);
  EXPECT_EQ(codes.lookup("r").object, 3);
  EXPECT_TRUE(codes.lookup("r").known);
  const auto unknown = codes.lookup("g");
  EXPECT_EQ(unknown.object, kBdcffGrover);
  EXPECT_FALSE(unknown.known);
  EXPECT_TRUE(unknown.element.empty());

  codes.readLine("r=DIAMOND");       // a built-in code redefined
  codes.readLine("1=GLUEDBOULDER");  // a name without an object
  codes.readLine(" =BOULDER ; a blank is a code too");
  codes.readLine("; Length=2 in a comment changes nothing");
  EXPECT_EQ(codes.length(), 1);
  EXPECT_EQ(codes.lookup("r").object, 13);
  EXPECT_EQ(codes.lookup(" ").object, 3);
  const auto glued = codes.lookup("1");
  EXPECT_EQ(glued.object, kBdcffGrover);
  EXPECT_FALSE(glued.known);
  EXPECT_EQ(glued.element, "GLUEDBOULDER");
}

TEST(BdcffMapCodes, TwoCharacterCodes) {
  BdcffMapCodes codes;
  codes.readLine("  Length=2  ");
  EXPECT_EQ(codes.length(), 2);
  codes.readLine("Zz=ACID");
  codes.readLine("  =STEELWALL");
  EXPECT_EQ(codes.lookup("Zz").object, 62);
  EXPECT_EQ(codes.lookup("  ").object, 6);
  EXPECT_EQ(codes.lookup("RR").object, 3);  // the built-in two-character table
  codes.readLine("Length=3");
  EXPECT_EQ(codes.length(), 1);  // only 1 and 2 are lengths
}

}  // namespace
}  // namespace pyrovel
