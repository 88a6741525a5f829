// Amiga disk images built block by block, damaged ones too, and a real one.
#include <gtest/gtest.h>

#include <filesystem>

#include "import/adf_image.h"
#include "import/test_adf_builder.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::AdfBuilder;
using testing::countingBytes;

AdfImage image(const AdfBuilder& b) {
  return AdfImage::fromBytes(b.image, "built.adf");
}

std::vector<int> blocksOf(const std::vector<AdfEntry>& entries) {
  std::vector<int> v;
  for (const AdfEntry& e : entries) v.push_back(e.block);
  return v;
}

// --- the listing ---------------------------------------------------------------

TEST(AdfListing, HashTableOrderWithChainedEntriesRightAfterTheirHead) {
  AdfBuilder b;
  b.root("Levels");
  b.file(900, "CAVE1", countingBytes(10));
  b.file(910, "CAVE2", countingBytes(20));  // same hash as CAVE1, reached through its chain
  b.header(920, "Folder");                  // first-data field 0: a folder
  b.hash(880, 3, 920);
  b.hash(880, 40, 900);
  b.chain(900, 910);
  b.hash(880, 50, 1760);  // beyond the disk: skipped
  b.chain(920, 5000);     // a link beyond the disk ends the chain
  const AdfImage adf = image(b);

  EXPECT_EQ(adf.diskName(), "Levels");
  std::vector<std::string> notes;
  const auto list = adf.entries(kAdfRootBlock, &notes);
  EXPECT_EQ(blocksOf(list), (std::vector<int>{920, 900, 910}));
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(list[0].name, "Folder");
  EXPECT_TRUE(list[0].folder);
  EXPECT_EQ(list[1].name, "CAVE1");
  EXPECT_FALSE(list[1].folder);
  EXPECT_EQ(list[1].size, 10u);
  EXPECT_EQ(list[2].size, 20u);
}

TEST(AdfListing, NamesEndAtZeroAndAreCutToTheirLength) {
  AdfBuilder b;
  const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdef";  // 42
  b.header(900, longName);
  b.header(901, std::string("fran\xE7"
                            "ais\0junk",
                            12));
  b.hash(880, 0, 900);
  b.hash(880, 1, 901);
  const AdfImage adf = image(b);
  const auto list = adf.entries();
  EXPECT_EQ(list[0].name, longName.substr(0, 30));
  EXPECT_EQ(adf.describeBlock(900).info, "header block of " + longName.substr(0, 41));
  EXPECT_EQ(list[1].name,
            "fran\xE7"
            "ais");
  EXPECT_EQ(list[1].displayName(),
            "fran\xC3\xA7"
            "ais");
}

TEST(AdfListing, LoopingAndRepeatedEntriesEndWithANote) {
  AdfBuilder b;
  b.header(900, "A");
  b.header(901, "B");
  b.hash(880, 0, 900);
  b.chain(900, 901);
  b.chain(901, 900);    // back to the head
  b.hash(880, 7, 901);  // a second way to the same block
  std::vector<std::string> notes;
  const auto list = image(b).entries(kAdfRootBlock, &notes);
  EXPECT_EQ(blocksOf(list), (std::vector<int>{900, 901}));
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_NE(notes[0].find("comes back to block 900"), std::string::npos) << notes[0];
  EXPECT_NE(notes[1].find("hash entry 7"), std::string::npos) << notes[1];
}

TEST(AdfListing, FindsEntriesByPathWithoutRegardToCaseOrByBlock) {
  AdfBuilder b;
  b.header(900, "Levels");
  b.hash(880, 2, 900);
  b.file(910, "Cave\xE9", countingBytes(5));
  b.hash(900, 9, 910);
  const AdfImage adf = image(b);
  ASSERT_TRUE(adf.findEntry("levels/CAVE\xC3\x89").has_value());  // É matches é
  EXPECT_EQ(adf.findEntry("LEVELS/cave\xC3\xA9")->block, 910);
  EXPECT_EQ(adf.findEntry("#910")->name, "Cave\xE9");
  EXPECT_FALSE(adf.findEntry("Cave\xC3\xA9").has_value());           // not in the root
  EXPECT_FALSE(adf.findEntry("Levels/Cave\xC3\xA9/x").has_value());  // a file has no entries
  EXPECT_FALSE(adf.findEntry("#1760").has_value());
  EXPECT_FALSE(adf.findEntry("#12x").has_value());
}

// --- files ------------------------------------------------------------------------

TEST(AdfFiles, SizeFieldDecidesHowMuchOfTheLastBlockIsTaken) {
  AdfBuilder b;
  const auto exact = countingBytes(976, 1);  // two whole data blocks
  const auto odd = countingBytes(500, 7);    // 488 + 12
  b.file(900, "EXACT", exact);
  b.file(950, "ODD", odd);
  b.header(990, "EMPTY");
  b.secondaryType(990, -3);  // a file, though it has no data
  const AdfImage adf = image(b);
  EXPECT_EQ(adf.extract(900), exact);
  EXPECT_EQ(adf.extract(950), odd);
  EXPECT_TRUE(adf.extract(990).empty());
}

TEST(AdfFiles, DataBlocksGiveTheirOwnByteCounts) {
  // A block may hold less than its 488 bytes: the file is what the blocks
  // say they hold, not whole blocks up to the header's size.
  AdfBuilder b;
  const auto first = countingBytes(100, 1), second = countingBytes(300, 50);
  b.header(900, "SHORTBLOCKS", 901, 400);
  b.dataBlock(901, 900, 902, first);
  b.dataBlock(902, 900, 0, second);
  Bytes whole(first.begin(), first.end());
  whole.insert(whole.end(), second.begin(), second.end());
  EXPECT_EQ(image(b).extract(900), whole);
}

TEST(AdfFiles, AHeaderClaimingMoreThanTheBlocksHoldIsAnError) {
  AdfBuilder b;
  b.file(900, "CUT", countingBytes(1000));
  b.put32(901, 16, 0);  // the first data block ends the chain
  b.file(920, "LESS", countingBytes(900));
  b.put32(922, 12, 10);  // the last block holds 10 of its 412 bytes
  const AdfImage adf = image(b);
  try {
    adf.extract(900);
    FAIL() << "a file cut short came out";
  } catch (const LevelError& e) {
    EXPECT_NE(std::string(e.what()).find("\"CUT\": the header says 1000 bytes, but its data "
                                         "blocks hold 488"),
              std::string::npos)
        << e.what();
    EXPECT_EQ(e.offset(), 900u * 512 + 324);
  }
  try {
    adf.extract(920);
    FAIL() << "a file cut short came out";
  } catch (const LevelError& e) {
    EXPECT_NE(std::string(e.what()).find("says 900 bytes, but its data blocks hold 498"),
              std::string::npos)
        << e.what();
  }
}

TEST(AdfFiles, DamagedDataChainsAreErrors) {
  AdfBuilder b;
  b.file(900, "LOOP", countingBytes(2000));
  b.put32(903, 16, 901);  // the fourth block leads back to the first
  b.file(920, "AWAY", countingBytes(1000));
  b.put32(921, 16, 1760);
  b.header(940, "NOWHERE", 0xFFFF, 100);
  const AdfImage adf = image(b);
  try {
    adf.extract(900);
    FAIL() << "a looping chain was followed";
  } catch (const LevelError& e) {
    EXPECT_NE(std::string(e.what()).find("comes back to block 901"), std::string::npos) << e.what();
    EXPECT_EQ(e.offset(), 903u * 512 + 18);
  }
  EXPECT_THROW(adf.extract(920), LevelError);
  EXPECT_THROW(adf.extract(940), LevelError);
  EXPECT_THROW(adf.extract(1760), LevelError);
}

TEST(AdfFiles, HugeSizeFieldIsBoundedByTheChain) {
  AdfBuilder b;
  b.file(900, "BIG", countingBytes(600));
  b.put32(900, 324, 0xFFFFFFFF);
  // Both blocks are read, then link 0 ends the chain far short of the size.
  try {
    image(b).extract(900);
    FAIL() << "no error";
  } catch (const LevelError& e) {
    EXPECT_NE(std::string(e.what()).find("says 4294967295 bytes, but its data blocks hold 600"),
              std::string::npos)
        << e.what();
  }
}

TEST(AdfFiles, SavedUnderTheirNameInsideTheChosenFolderOnly) {
  AdfBuilder b;
  b.file(900, "../escape", countingBytes(30));
  b.file(910, "level.em", countingBytes(40));
  const AdfImage adf = image(b);
  testing::TempDir dir;
  EXPECT_EQ(adf.saveFile(910, dir.dir().string()), dir.path("level.em"));
  EXPECT_EQ(testing::readAll(dir.path("level.em")), countingBytes(40));
  const std::string written = adf.saveFile(900, dir.dir().string());
  EXPECT_EQ(std::filesystem::path(written).parent_path(), dir.dir());
  EXPECT_EQ(testing::readAll(written), countingBytes(30));
}

TEST(AdfFiles, FastFileSystemFilesFollowTheBlockTableAndItsExtensions) {
  AdfBuilder b;
  b.block(0)[0] = 'D';
  b.block(0)[1] = 'O';
  b.block(0)[2] = 'S';
  b.block(0)[3] = 1;
  // Header 900 lists 901 and 902 (from offset 308 down), extension 950 lists 903.
  const auto content = countingBytes(3 * 512 - 100, 3);
  b.header(900, "FFSFILE", 901, static_cast<std::uint32_t>(content.size()));
  b.put32(900, 8, 2);
  b.put32(900, 308, 901);
  b.put32(900, 304, 902);
  b.put32(900, 504, 950);
  b.put32(950, 0, 16);
  b.put32(950, 8, 1);
  b.put32(950, 308, 903);
  for (int k = 0; k < 3; ++k) {
    for (int i = 0; i < 512 && 512 * k + i < static_cast<int>(content.size()); ++i) {
      b.block(901 + k)[i] = content[static_cast<std::size_t>(512 * k + i)];
    }
  }
  AdfImage adf = image(b);
  ASSERT_TRUE(adf.isFastFileSystem());
  EXPECT_EQ(adf.extract(900), content);

  b.put32(950, 504, 900);  // the extension chain back to the header
  b.put32(900, 324, 5000);
  EXPECT_THROW(image(b).extract(900), LevelError);
}

TEST(AdfImageFile, ShortImagesAndBlocksOffTheDiskAreErrors) {
  try {
    AdfImage::fromBytes(Bytes(901119, 0), "short.adf");
    FAIL() << "a short image was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.file(), "short.adf");
    EXPECT_NE(std::string(e.what()).find("901119"), std::string::npos);
  }
  const AdfImage adf = AdfImage::fromBytes(Bytes(kAdfImageSize + 100, 0), "long.adf");
  EXPECT_THROW(adf.describeBlock(1760), LevelError);
  EXPECT_THROW(adf.hexDump(-1), LevelError);
  EXPECT_THROW(adf.entries(1760), LevelError);
  EXPECT_TRUE(adf.entries().empty());
  testing::TempDir dir;
  EXPECT_THROW(AdfImage::load(dir.path("missing.adf")), LevelError);
}

// --- blocks as the browser shows them --------------------------------------------

TEST(AdfBlocks, DescriptionsOfHeaderDataAndUnknownBlocks) {
  AdfBuilder b;
  b.file(900, "MINE", countingBytes(600));
  b.dataBlock(1000, 4000, 0, {});  // owner beyond the disk
  b.secondaryType(900, -3);
  b.header(950, "CAVES");
  b.secondaryType(950, 2);
  b.root("DISK");
  const AdfImage adf = image(b);

  AdfBlockInfo h = adf.describeBlock(900);
  EXPECT_EQ(h.kind, AdfBlockKind::Header);
  EXPECT_EQ(h.info, "header block of the file MINE");
  EXPECT_EQ(adf.describeBlock(950).info, "header block of the folder CAVES");
  EXPECT_EQ(adf.describeBlock(880).info, "root block of the disk DISK");
  // The boot block says "DOS" and a type byte that reads like a header's.
  EXPECT_EQ(adf.describeBlock(0).info, "boot block (\"DOS\" and the file system's flags)");
  EXPECT_EQ(adf.describeBlock(1).info, "boot block");
  EXPECT_EQ(h.details, "next block: 901");
  EXPECT_EQ(h.nextBlock, 901);
  EXPECT_EQ(h.label, "Block 900");

  AdfBlockInfo d = adf.describeBlock(901);
  EXPECT_EQ(d.info, "data block with header 900: MINE");
  EXPECT_EQ(d.details, "next block: 902");
  EXPECT_EQ(adf.describeBlock(902).nextBlock, 0);
  EXPECT_EQ(adf.describeBlock(1000).info, "data block with header 4000: ");

  AdfBlockInfo u = adf.describeBlock(5);
  EXPECT_EQ(u.kind, AdfBlockKind::Unknown);
  EXPECT_EQ(u.info, "unknown block");
  EXPECT_EQ(u.details, "");
}

TEST(AdfBlocks, HexDumpLines) {
  AdfBuilder b;
  for (int i = 0; i < 16; ++i)
    b.block(7)[i] = static_cast<std::uint8_t>("Hi!\x01\x1F\x7F\xE9 ABCDEFGH"[i]);
  b.block(7)[511] = 0xAB;
  const std::string dump = image(b).hexDump(7);
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = dump.find('\n', start);
    lines.push_back(dump.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  ASSERT_EQ(lines.size(), 32u);
  EXPECT_EQ(lines[0],
            "000   48 69 21 01 1F 7F E9 20 41 42 43 44 45 46 47 48  Hi!...\xC3\xA9 ABCDEFGH");
  EXPECT_EQ(lines[31],
            "496   00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 AB  ...............\xC2\xAB");
}

TEST(AdfBlocks, SearchFindsTextWhollyInsideOneBlock) {
  AdfBuilder b;
  auto put = [&](int n, int offset, const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
      b.block(n)[offset + static_cast<int>(i)] = static_cast<std::uint8_t>(s[i]);
  };
  put(100, 510, "AB");  // "ABC" split over blocks 100 and 101
  put(101, 0, "C");
  put(300, 509, "ABC");  // the last place a match fits
  put(400, 20, "caf\xE9");
  const AdfImage adf = image(b);
  EXPECT_EQ(adf.find("ABC", 0), 300);
  EXPECT_EQ(adf.find("ABC", 300), 300);
  EXPECT_FALSE(adf.find("ABC", 301).has_value());
  EXPECT_FALSE(adf.find("abc", 0).has_value());  // case-sensitive
  EXPECT_EQ(adf.find("caf\xC3\xA9", 0), 400);    // typed as UTF-8, stored as Latin-1
  EXPECT_FALSE(adf.find("ABC", 1760).has_value());
  EXPECT_FALSE(adf.find("", 0).has_value());
  EXPECT_FALSE(adf.find(std::string(513, 'A'), 0).has_value());
}

// --- a real image ---------------------------------------------------------------------

TEST(AdfCorpus, OfsTestImage) {
  const std::string path = testing::corpusPath("adf/testofs.adf");
  if (path.empty()) GTEST_SKIP() << "corpus not present";
  const AdfImage adf = AdfImage::load(path);
  EXPECT_EQ(adf.diskName(), "testofs");
  EXPECT_FALSE(adf.isFastFileSystem());
  std::vector<std::string> notes;
  const auto list = adf.entries(kAdfRootBlock, &notes);
  EXPECT_TRUE(notes.empty());
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].block, 884);
  EXPECT_EQ(list[0].name, "MOON.GIF");
  EXPECT_EQ(list[0].size, 173847u);
  EXPECT_EQ(list[1].block, 882);
  EXPECT_EQ(list[1].name,
            "fran\xE7"
            "ais");
  EXPECT_EQ(list[1].size, 1u);

  const Bytes moon = adf.extract(884);
  ASSERT_EQ(moon.size(), 173847u);
  EXPECT_EQ(std::string(moon.begin(), moon.begin() + 6), "GIF87a");
  EXPECT_EQ(adf.extract(882), Bytes{'\n'});
  EXPECT_EQ(adf.describeBlock(885).info, "data block with header 884: MOON.GIF");
  EXPECT_EQ(adf.find("GIF87a", 0), 885);
}

}  // namespace
}  // namespace pyrovel
