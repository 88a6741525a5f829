// prvl disk on images built block by block: listing, copying a file off,
// importing a level into a levelmap, and the ways that fails.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "import/test_adf_builder.h"
#include "import/test_d64_builder.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using Outcome = testing::ProcessOutcome;
using testing::prvl;

bool has(const Outcome& r, const std::string& text) {
  return r.out.find(text) != std::string::npos;
}

class PrvlDisk : public ::testing::Test {
 protected:
  PrvlDisk() {
    // An Amiga disk with an Emerald Mine V4 level (2106 bytes) and a note.
    testing::AdfBuilder adf;
    adf.root("EMDISK");
    adf.header(890, "Levels");
    adf.hash(880, 4, 890);
    level = std::vector<std::uint8_t>(2106, 0);
    level[64 * 3 + 4] = 1;
    adf.file(900, "Level1", level);
    adf.hash(890, 11, 900);
    adf.file(1000, "Readme", testing::countingBytes(700));
    adf.hash(880, 5, 1000);
    testing::writeAll(dir.path("em.adf"), adf.image);

    // A C64 disk with a Construction Kit cave (a plain 500-byte file).
    testing::D64Builder d64;
    d64.header("CAVES");
    d64.link(18, 1, 0, 0xFF);
    std::vector<std::uint8_t> cave(500, 0x77);  // dirt everywhere
    cave[444] = 150;
    d64.file({{1, 0}, {1, 1}}, cave);
    d64.entry(18, 1, 0, 0x82, 1, 0, "BOULDER1.CAV", 2);
    d64.file({{2, 0}}, testing::countingBytes(30));
    d64.entry(18, 1, 1, 0x81, 2, 0, "NOTES", 1);
    testing::writeAll(dir.path("caves.d64"), d64.image);
  }

  testing::TempDir dir;
  std::vector<std::uint8_t> level;
};

TEST_F(PrvlDisk, ListsBothKindsOfImage) {
  Outcome adf = prvl("disk ls " + dir.path("em.adf"));
  ASSERT_EQ(adf.status, 0) << adf.out;
  EXPECT_TRUE(has(adf, "Amiga disk \"EMDISK\" (OFS)")) << adf.out;
  EXPECT_TRUE(has(adf, "  890  dir")) << adf.out;
  EXPECT_TRUE(has(adf, " 1000  file           700  Readme")) << adf.out;
  Outcome folder = prvl("disk ls " + dir.path("em.adf") + " levels");
  EXPECT_TRUE(has(folder, "  900  file          2106  Level1")) << folder.out;

  Outcome d64 = prvl("disk ls " + dir.path("caves.d64"));
  ASSERT_EQ(d64.status, 0) << d64.out;
  EXPECT_TRUE(has(d64, "C64 disk \"CAVES\"")) << d64.out;
  EXPECT_TRUE(has(d64, "  0  PRG        2    1/0  BOULDER1.CAV")) << d64.out;
  EXPECT_TRUE(has(d64, "  1  SEQ        1    2/0  NOTES")) << d64.out;
  EXPECT_FALSE(has(d64, "\n  2  ")) << d64.out;  // empty slots are left out

  // Told apart by size when the name does not say.
  std::filesystem::copy_file(dir.path("caves.d64"), dir.path("disk.img"));
  EXPECT_TRUE(has(prvl("disk ls " + dir.path("disk.img")), "BOULDER1.CAV"));
}

TEST_F(PrvlDisk, ExtractOfAFileLongerThanItsBlocksFailsAndWritesNothing) {
  // Readme's header says 700 bytes; its second data block says it holds 100
  // of its 212, so the file is 588 bytes and the header lies.
  testing::AdfBuilder adf;
  adf.image = testing::readAll(dir.path("em.adf"));
  adf.put32(1002, 12, 100);
  testing::writeAll(dir.path("cut.adf"), adf.image);
  const std::string out = dir.path("readme");
  const Outcome r = prvl("disk extract " + dir.path("cut.adf") + " Readme -o " + out);
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_TRUE(has(r, "the header says 700 bytes, but its data blocks hold 588")) << r.out;
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(PrvlDisk, ExtractCopiesTheFileBytes) {
  Outcome r = prvl("disk extract " + dir.path("em.adf") + " LEVELS/level1 -o " + dir.path("l.em"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(testing::readAll(dir.path("l.em")), level);
  r = prvl("disk extract " + dir.path("caves.d64") + " notes -o " + dir.path("notes.seq"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(testing::readAll(dir.path("notes.seq")), testing::countingBytes(30));
}

TEST_F(PrvlDisk, ImportFillsTheFirstEmptyLevels) {
  const std::string map = dir.path("new.map");
  Outcome first = prvl("disk import " + dir.path("em.adf") + " Levels/Level1 --into " + map);
  ASSERT_EQ(first.status, 0) << first.out;
  EXPECT_TRUE(has(first, "into level 0 of " + map)) << first.out;
  EXPECT_TRUE(has(first, "Unsupported at level 0:4,3 :1")) << first.out;
  Outcome second = prvl("disk import " + dir.path("caves.d64") + " BOULDER1.CAV --into " + map);
  ASSERT_EQ(second.status, 0) << second.out;
  EXPECT_TRUE(has(second, "into level 1 of " + map)) << second.out;

  Outcome info = prvl("info " + map);
  EXPECT_TRUE(has(info, "Level 0: 64 x 32")) << info.out;
  EXPECT_TRUE(has(info, "Level 1: 40 x 22  \"BOULDER1.CAV\"")) << info.out;
  EXPECT_TRUE(has(info, "time 150")) << info.out;
  EXPECT_FALSE(has(info, "Level 2:")) << info.out;
}

TEST_F(PrvlDisk, ImportIntoACopyLeavesTheLevelmapAlone) {
  const std::string demo = std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.map";
  const auto before = testing::readAll(demo);
  Outcome r = prvl("disk import " + dir.path("caves.d64") + " '#0' --into " + demo + " -o " +
                   dir.path("more.map"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(testing::readAll(demo), before);
  EXPECT_TRUE(has(prvl("info " + dir.path("more.map")), "40 x 22  \"BOULDER1.CAV\""));
}

TEST_F(PrvlDisk, FailuresSayWhyAndWriteNothing) {
  const std::string map = dir.path("out.map");
  struct Case {
    std::string args, reason;
  };
  testing::writeAll(dir.path("short.adf"), std::vector<std::uint8_t>(1000, 0));
  const Case cases[] = {
      {"disk extract " + dir.path("em.adf") + " Nothing -o " + dir.path("x"),
       "no file named Nothing"},
      {"disk ls " + dir.path("short.adf"), "not a whole Amiga disk image"},
      {"disk import " + dir.path("em.adf") + " Readme --into " + map, "holds no level"},
      {"disk import " + dir.path("caves.d64") + " NOTES --into " + map,
       "not a Construction Kit cave"},
      {"disk import " + dir.path("caves.d64") + " '#0' --into " + dir.path("set.bd"), "-o OUT.map"},
      {"disk ls " + dir.path("README"), "README"},
      {"disk ls " + dir.path(""), "is a folder, not a disk image"},
      {"disk frob", "usage: prvl disk"},
  };
  for (const Case& c : cases) {
    Outcome r = prvl(c.args);
    EXPECT_NE(r.status, 0) << c.args;
    EXPECT_TRUE(has(r, c.reason)) << c.args << "\n" << r.out;
  }
  EXPECT_FALSE(std::filesystem::exists(map));
  EXPECT_FALSE(std::filesystem::exists(dir.path("x")));
}

// A high-density fast-file-system disk (root block 1760) with an entry of
// each kind, and a name whose bytes run on past its length byte.
TEST_F(PrvlDisk, HighDensityDisksTellFilesFoldersAndLinksApart) {
  testing::AdfBuilder adf;
  adf.image.resize(1802240);
  const std::uint8_t boot[] = {'D', 'O', 'S', 1};
  std::copy(std::begin(boot), std::end(boot), adf.image.begin());
  adf.header(1760, "BIGDISK");
  adf.secondaryType(1760, 1);
  // An FFS file: the header lists its data blocks from 308 down.
  const auto content = testing::countingBytes(600, 3);
  adf.header(1800, "Cave1", 1801, 600);
  adf.secondaryType(1800, -3);
  adf.put32(1800, 8, 2);
  adf.put32(1800, 308, 1801);
  adf.put32(1800, 304, 1802);
  std::copy(content.begin(), content.end(), adf.block(1801));
  adf.header(1810, "Levels");
  adf.secondaryType(1810, 2);
  adf.header(1820, "Shortcut");
  adf.secondaryType(1820, 3);
  const std::string path = "Levels/Cave1";
  std::copy(path.begin(), path.end(), adf.block(1820) + 24);
  adf.header(1830, "Twin");
  adf.secondaryType(1830, -4);
  adf.put32(1830, 468, 1800);
  adf.header(1840, "Empty");
  adf.secondaryType(1840, -3);
  adf.header(1850, "file_3a", 0, 0);
  adf.secondaryType(1850, -3);
  const std::string leftover = "file_3a.Second";  // an older, longer name under it
  std::copy(leftover.begin(), leftover.end(), adf.block(1850) + 433);
  adf.header(1860, "Lost");  // a hard link out of the disk
  adf.secondaryType(1860, -4);
  adf.put32(1860, 468, 9999);
  int slot = 0;
  for (int block : {1800, 1810, 1820, 1830, 1840, 1850, 1860}) adf.hash(1760, slot++, block);
  const std::string image = dir.path("hd.adf");
  testing::writeAll(image, adf.image);

  const Outcome ls = prvl("disk ls " + image);
  ASSERT_EQ(ls.status, 0) << ls.out;
  EXPECT_TRUE(has(ls, "Amiga disk \"BIGDISK\" (FFS, high density)")) << ls.out;
  EXPECT_TRUE(has(ls, " 1800  file           600  Cave1\n")) << ls.out;
  EXPECT_TRUE(has(ls, " 1810  dir                 Levels\n")) << ls.out;
  EXPECT_TRUE(has(ls, " 1820  softlink            Shortcut -> Levels/Cave1\n")) << ls.out;
  EXPECT_TRUE(has(ls, " 1830  hardlink       600  Twin -> Cave1\n")) << ls.out;
  EXPECT_TRUE(has(ls, " 1840  file             0  Empty\n")) << ls.out;
  EXPECT_TRUE(has(ls, " 1850  file             0  file_3a\n")) << ls.out;

  const std::string twin = dir.path("twin.bin");
  EXPECT_EQ(prvl("disk extract " + image + " twin -o " + twin).status, 0);
  EXPECT_EQ(testing::readAll(twin), content);
  EXPECT_EQ(prvl("disk extract " + image + " file_3a -o " + dir.path("f3")).status, 0);

  EXPECT_TRUE(has(ls, " 1860  hardlink         0  Lost -> block 9999, outside the disk\n"))
      << ls.out;

  const std::vector<std::pair<std::string, std::string>> refusals = {
      {"Levels", "\"Levels\" is a folder"},
      {"Shortcut", "\"Shortcut\" is a soft link to \"Levels/Cave1\""},
      {"Lost", "\"Lost\": hard link to block 9999"}};
  for (const auto& [refused, why] : refusals) {
    const std::string out = dir.path(refused + ".bin");
    const Outcome r = prvl("disk extract " + image + " " + refused + " -o " + out);
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(has(r, image)) << r.out;
    EXPECT_TRUE(has(r, why)) << r.out;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

// A 40-track disk whose cave lies on track 38 under a name in the shifted
// character set, as a C64 in its other mode writes it.
TEST_F(PrvlDisk, FortyTrackDisksAndShiftedNames) {
  testing::D64Builder d64;
  d64.image.resize(196608);
  d64.header("\xC2\xC9\xC7 \xC4\xC9\xD3\xCB");
  d64.link(18, 1, 0, 0xFF);
  std::vector<std::uint8_t> cave(500, 0x77);
  cave[444] = 150;
  d64.file({{38, 0}, {38, 1}}, cave);
  d64.entry(18, 1, 0, 0x82, 38, 0, "\xC3\xC1\xD6\xC5\x31.\xC3\xC1\xD6", 2);
  d64.file({{40, 16}}, testing::countingBytes(30));
  d64.entry(18, 1, 1, 0x81, 40, 16, "\xD2\x45\x41\x44\xCD\x45", 1);  // "ReadMe"
  const std::string image = dir.path("forty.d64");
  testing::writeAll(image, d64.image);

  const Outcome ls = prvl("disk ls " + image);
  ASSERT_EQ(ls.status, 0) << ls.out;
  EXPECT_TRUE(has(ls, "C64 disk \"BIG DISK\"")) << ls.out;
  EXPECT_TRUE(has(ls, "38/0  CAVE1.CAV\n")) << ls.out;
  EXPECT_TRUE(has(ls, "40/16  ReadMe\n")) << ls.out;
  EXPECT_FALSE(has(ls, "note")) << ls.out;

  const std::string map = dir.path("forty.map");
  const Outcome in = prvl("disk import " + image + " cave1.cav --into " + map);
  EXPECT_EQ(in.status, 0) << in.out;
  const Outcome out = prvl("disk extract " + image + " readme -o " + dir.path("readme"));
  EXPECT_EQ(out.status, 0) << out.out;
  EXPECT_EQ(testing::readAll(dir.path("readme")), testing::countingBytes(30));
}

}  // namespace
}  // namespace pyrovel
