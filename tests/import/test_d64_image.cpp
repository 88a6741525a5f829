// C64 disk images built sector by sector, damaged ones too, and a real one.
#include <gtest/gtest.h>

#include "import/d64_image.h"
#include "import/test_adf_builder.h"
#include "import/test_d64_builder.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::countingBytes;
using testing::D64Builder;

D64Image image(const D64Builder& b) {
  return D64Image::fromBytes(b.image, "built.d64");
}

std::string errorOf(const D64Image& d64, const D64Entry& e) {
  try {
    d64.extract(e);
  } catch (const LevelError& error) {
    return error.what();
  }
  return "no error";
}

TEST(D64Geometry, TrackAndSectorToSectorNumber) {
  EXPECT_EQ(getblock(1, 0), 0);
  EXPECT_EQ(getblock(17, 20), 356);
  EXPECT_EQ(getblock(18, 0), 357);
  EXPECT_EQ(getblock(24, 18), 489);
  EXPECT_EQ(getblock(25, 0), 490);
  EXPECT_EQ(getblock(30, 17), 597);
  EXPECT_EQ(getblock(31, 0), 598);
  EXPECT_EQ(getblock(35, 16), 682);
  // No such sector: tracks outside 1..35 and sectors past a track's end.
  const std::vector<std::pair<int, int>> outside = {{0, 0},   {36, 0},  {255, 255}, {1, 21},
                                                    {18, 19}, {30, 18}, {35, 17},   {1, -1}};
  for (auto [t, s] : outside) {
    EXPECT_EQ(getblock(t, s), -1) << t << "/" << s;
  }
  // 40- and 42-track disks go on with 17 sectors a track.
  EXPECT_EQ(getblock(36, 0, 40), 683);
  EXPECT_EQ(getblock(40, 16, 40), 767);
  EXPECT_EQ(getblock(41, 0, 40), -1);
  EXPECT_EQ(getblock(42, 16, 42), 801);
  EXPECT_EQ(d64TracksForSize(174848), 35);
  EXPECT_EQ(d64TracksForSize(175531), 35);
  EXPECT_EQ(d64TracksForSize(197376), 40);
  EXPECT_EQ(d64TracksForSize(206114), 42);
  // 42 tracks without error bytes: 802 sectors, the last one readable.
  EXPECT_EQ(d64TracksForSize(205312), 42);
  const D64Image d64 = D64Image::fromBytes(Bytes(205312, 0), "42.d64");
  EXPECT_EQ(d64.sector(801).size(), 256u);
  EXPECT_THROW(d64.sector(802), LevelError);
}

TEST(D64Directory, OneSectorListsItsEightSlotsEmptyOnesIncluded) {
  D64Builder b;
  b.header("MY DISK");
  b.link(18, 1, 0, 0xFF);
  b.entry(18, 1, 0, 0x82, 17, 0, "BOULDER1.CAV", 2);
  b.entry(18, 1, 1, 0xC1, 20, 3, "NOTES", 1);
  b.entry(18, 1, 3, 0x00, 0, 0, "GONE", 0);  // deleted: still listed
  const D64Image d64 = image(b);

  EXPECT_EQ(d64.title(), "MY DISK");
  EXPECT_EQ(d64.directorySectors(), std::vector<int>{358});
  EXPECT_TRUE(d64.notes().empty());
  const auto& dir = d64.directory();
  ASSERT_EQ(dir.size(), 8u);
  EXPECT_EQ(dir[0].plainName(), "BOULDER1.CAV");
  EXPECT_EQ(dir[0].storedName.size(), 17u);
  EXPECT_EQ(dir[0].typeName(), "PRG");
  EXPECT_EQ(dir[0].firstTrack, 17);
  EXPECT_EQ(dir[0].blocks, 2);
  EXPECT_EQ(dir[1].typeName(), "SEQ<");
  EXPECT_EQ(dir[1].firstSector, 3);
  EXPECT_TRUE(dir[2].isUnused());
  EXPECT_EQ(dir[3].typeName(), "*DEL");
  EXPECT_FALSE(dir[3].isUnused());
  EXPECT_EQ(dir[7].index, 7);
}

TEST(D64Directory, ChainOfSectorsInOrder) {
  D64Builder b;
  b.header("TWO");
  b.link(18, 1, 18, 4);
  b.link(18, 4, 0, 0xFF);
  b.entry(18, 1, 7, 0x82, 1, 0, "LAST OF FIRST", 1);
  b.entry(18, 4, 0, 0x82, 1, 1, "FIRST OF NEXT", 1);
  const D64Image d64 = image(b);
  EXPECT_EQ(d64.directorySectors(), (std::vector<int>{358, 361}));
  ASSERT_EQ(d64.directory().size(), 16u);
  EXPECT_EQ(d64.directory()[7].plainName(), "LAST OF FIRST");
  EXPECT_EQ(d64.directory()[8].plainName(), "FIRST OF NEXT");
  EXPECT_EQ(d64.directory()[8].directorySector, 361);
  EXPECT_EQ(d64.findEntry("first of next")->index, 8);
  EXPECT_EQ(d64.findEntry("#7")->plainName(), "LAST OF FIRST");
  EXPECT_FALSE(d64.findEntry("#16").has_value());
  EXPECT_FALSE(d64.findEntry("MISSING").has_value());
}

TEST(D64Directory, DamagedChainsEndTheListingWithANote) {
  {
    D64Builder b;  // back to the first directory sector
    b.header("LOOP");
    b.link(18, 1, 18, 2);
    b.link(18, 2, 18, 1);
    const D64Image d64 = image(b);
    EXPECT_EQ(d64.directory().size(), 16u);
    ASSERT_EQ(d64.notes().size(), 1u);
    EXPECT_NE(d64.notes()[0].find("comes back to sector 358"), std::string::npos);
  }
  {
    D64Builder b;  // off the disk
    b.header("AWAY");
    b.link(18, 1, 40, 1);
    const D64Image d64 = image(b);
    EXPECT_EQ(d64.directory().size(), 8u);
    ASSERT_EQ(d64.notes().size(), 1u);
    EXPECT_NE(d64.notes()[0].find("40/1"), std::string::npos);
  }
  {
    D64Builder b;  // longer than track 18 has room for
    b.header("LONG");
    for (int s = 1; s < 18; ++s) b.link(18, s, 18, s + 1);
    b.link(18, 18, 19, 0);
    b.link(19, 0, 0, 0xFF);
    const D64Image d64 = image(b);
    EXPECT_EQ(d64.directory().size(), 18u * 8);
    ASSERT_EQ(d64.notes().size(), 1u);
  }
  {
    D64Builder b;  // no directory at all
    b.header("NONE", 0, 0);
    const D64Image d64 = image(b);
    EXPECT_TRUE(d64.directory().empty());
    EXPECT_EQ(d64.notes().size(), 1u);
  }
}

TEST(D64Files, SectorChainsGiveTheFileBytes) {
  D64Builder b;
  b.header("FILES");
  b.link(18, 1, 0, 0xFF);
  const auto content = countingBytes(255, 1);  // 254 + 1: the last sector's byte 1 is 2
  b.file({{17, 0}, {35, 16}}, content);
  b.entry(18, 1, 0, 0x82, 17, 0, "TWO SECTORS", 2);
  b.file({{1, 0}}, {});  // the last sector says it holds nothing
  b.sector(1, 0)[1] = 0;
  b.entry(18, 1, 1, 0x82, 1, 0, "NOTHING", 1);
  const D64Image d64 = image(b);

  ASSERT_EQ(b.sector(35, 16)[1], 2);
  EXPECT_EQ(d64.extract(d64.directory()[0]), content);
  EXPECT_TRUE(d64.extract(d64.directory()[1]).empty());

  testing::TempDir dir;
  d64.saveFile(d64.directory()[0], dir.path("two.prg"));
  EXPECT_EQ(testing::readAll(dir.path("two.prg")), content);
}

TEST(D64Files, DamagedChainsAreErrors) {
  D64Builder b;
  b.header("BAD");
  b.link(18, 1, 0, 0xFF);
  b.link(1, 0, 1, 1);
  b.link(1, 1, 1, 2);
  b.link(1, 2, 1, 0);  // back to the start
  b.entry(18, 1, 0, 0x82, 1, 0, "LOOP", 3);
  b.link(2, 0, 36, 0);
  b.entry(18, 1, 1, 0x82, 2, 0, "BADTRACK", 1);
  b.link(3, 0, 3, 21);
  b.entry(18, 1, 2, 0x82, 3, 0, "BADSECTOR", 1);
  b.entry(18, 1, 3, 0x82, 18, 19, "BADSTART", 1);
  const D64Image d64 = image(b);
  const auto& dir = d64.directory();
  EXPECT_NE(errorOf(d64, dir[0]).find("\"LOOP\": the sector chain comes back to sector 0"),
            std::string::npos)
      << errorOf(d64, dir[0]);
  EXPECT_NE(errorOf(d64, dir[1]).find("36/0"), std::string::npos);
  EXPECT_NE(errorOf(d64, dir[2]).find("3/21"), std::string::npos);
  EXPECT_NE(errorOf(d64, dir[3]).find("18/19"), std::string::npos);
  EXPECT_NE(errorOf(d64, dir[4]).find("entry #4"), std::string::npos);  // an empty slot
  EXPECT_THROW(d64.textView(dir[0]), LevelError);
}

TEST(D64Files, TextViewShowsEachSectorUpToItsFirstZero) {
  D64Builder b;
  b.header("TEXT");
  b.link(18, 1, 0, 0xFF);
  std::vector<std::uint8_t> content(254, 'A');
  content[3] = 0;  // the first sector's line ends here
  const std::string second = "HELLO\rW\xC9";
  content.insert(content.end(), second.begin(), second.end());
  b.file({{5, 0}, {5, 1}}, content);
  b.sector(5, 1)[2 + second.size()] = 'Z';  // past the end of the file: not shown
  b.entry(18, 1, 0, 0x81, 5, 0, "README", 2);
  const D64Image d64 = image(b);
  EXPECT_EQ(d64.textView(d64.directory()[0]), "AAA\nHELLO.W\xC3\x89");
}

TEST(D64Entries, CavesAndIntermissionsByTheirExtension) {
  auto named = [](const std::string& stored) {
    D64Entry e;
    e.storedName = stored;
    return e;
  };
  const std::string pad(5, '\xA0');
  EXPECT_TRUE(named("BOULDER1.CAV" + std::string(4, '\xA0') + '\0').isCave());
  EXPECT_TRUE(named("b.cav" + pad).isCave());
  EXPECT_TRUE(named("A.CAVE" + pad).isCave());
  EXPECT_FALSE(named("A.CAV.PRG" + pad).isCave());
  EXPECT_FALSE(named("CAV" + pad).isCave());
  EXPECT_TRUE(named("X.INT" + pad).isIntermission());
  EXPECT_FALSE(named("X.INT" + pad).isCave());
  EXPECT_FALSE(named("X.CAV" + pad).isIntermission());
  EXPECT_EQ(named("X.INT" + pad + '\0').plainName(), "X.INT");
  EXPECT_EQ(named("A\x01"
                  "B" +
                  pad)
                .displayName(),
            "A.B");
}

TEST(D64ImageFile, ShortImagesAreErrorsAndLongOnesAreCut) {
  EXPECT_THROW(D64Image::fromBytes(Bytes(174847, 0), "short.d64"), LevelError);
  D64Builder b;
  b.header("ERRORS");
  b.link(18, 1, 0, 0xFF);
  Bytes withErrorBytes = b.image;
  withErrorBytes.resize(175531, 1);
  const D64Image d64 = D64Image::fromBytes(withErrorBytes, "errors.d64");
  EXPECT_EQ(d64.title(), "ERRORS");
  EXPECT_THROW(d64.sector(683), LevelError);
  testing::TempDir dir;
  EXPECT_THROW(D64Image::load(dir.path("missing.d64")), LevelError);
}

TEST(D64Corpus, ValidatedImage) {
  const std::string path = testing::corpusPath("d64/validated.d64");
  if (path.empty()) GTEST_SKIP() << "corpus not present";
  const D64Image d64 = D64Image::load(path);
  EXPECT_EQ(d64.title(), "D.ADDFILE");
  EXPECT_TRUE(d64.notes().empty());
  const auto& dir = d64.directory();
  ASSERT_EQ(dir.size(), 8u);
  EXPECT_EQ(dir[0].plainName(), "FILE 0");
  EXPECT_EQ(dir[0].typeName(), "PRG");
  EXPECT_EQ(dir[0].blocks, 42);
  EXPECT_EQ(dir[1].plainName(), "FILE 1");
  EXPECT_EQ(dir[1].firstTrack, 3);
  EXPECT_EQ(dir[1].blocks, 61);
  for (std::size_t i = 2; i < 8; ++i) EXPECT_TRUE(dir[i].isUnused()) << i;
  EXPECT_EQ(d64.extract(dir[0]).size(), 10608u);
  EXPECT_EQ(d64.fileSectors(dir[0]).size(), 42u);
  EXPECT_EQ(d64.extract(dir[1]).size(), 15337u);
}

}  // namespace
}  // namespace pyrovel
