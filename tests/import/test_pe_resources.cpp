// Executables built byte by byte: the resource tree of PE32 and PE32+
// images, extraction, importing caves and levelsets into the session, and
// damaged images that must end with an error naming the offset.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "editor/resource_import.h"
#include "import/import_test_support.h"
#include "import/pe_resources.h"
#include "import/test_pe_builder.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using testing::PeKey;
using testing::PeResource;

std::vector<PeResource> sampleResources() {
  return {
      {{"BDCAV"}, {"CAVE1"}, 0x409, testing::ckCave()},
      {{"BDCAV"}, {"", 2}, 0x409, std::vector<std::uint8_t>(100, 0x77)},  // too short
      {{"BDINT"}, {"", 7}, 0x409, testing::ckCave()},
      {{"BDGAME"}, {"", 10}, 0x409, testing::gamLevelset(3)},
      {{"", 10}, {"", 1}, 0x409, {1, 2, 3}},                    // RCData
      {{"", 10}, {"", 1}, 0x407, {4, 5}},                       // same, German
      {{"", 3}, {"", 1}, 0, std::vector<std::uint8_t>(40, 9)},  // icon image
      {{"", 14}, {"", 5}, 0x409, {0, 0, 1, 0, 1,    0, 32, 32, 16, 0,
                                  1, 0, 4, 0, 0xE8, 2, 0,  0,  1,  0}},  // group naming image 1
  };
}

PeResources parsed(const testing::PeImage& img, const std::string& name = "game.dll") {
  return PeResources::parse(img.bytes, name);
}

class PeFiles : public ::testing::TestWithParam<bool> {};

TEST_P(PeFiles, TreeShowsTypesAndNamesAsLeaves) {
  const PeResources pe = parsed(testing::buildPe(sampleResources(), GetParam()));
  EXPECT_EQ(pe.isPe32Plus(), GetParam());
  ASSERT_EQ(pe.types().size(), 6u);
  const auto shown = pe.tree();  // icon images are set aside
  ASSERT_EQ(shown.size(), 5u);
  std::vector<std::string> names;
  for (const ResourceNode* t : shown) names.push_back(resourceTypeName(t->key));
  EXPECT_EQ(names, (std::vector<std::string>{"BDCAV", "BDINT", "BDGAME", "RCData", "Icon"}));

  const ResourceNode& caves = *shown[0];
  EXPECT_TRUE(caves.isList());
  ASSERT_EQ(caves.children.size(), 2u);
  EXPECT_EQ(caves.children[0].key.text(), "CAVE1");
  EXPECT_EQ(caves.children[1].key.text(), "2");
  EXPECT_FALSE(caves.children[0].isList());
  ASSERT_NE(caves.children[0].leafData(), nullptr);
  EXPECT_EQ(caves.children[0].leafData()->size, 500u);
  EXPECT_EQ(pe.bytes(*caves.children[0].leafData()), testing::ckCave());

  // A leaf stands for its first language; a language may be asked for.
  ASSERT_NE(pe.find("RCData", "1"), nullptr);
  EXPECT_EQ(pe.bytes(*pe.find("10", "1")), (Bytes{1, 2, 3}));
  EXPECT_EQ(pe.bytes(*pe.find("rcdata", "1", "1031")), (Bytes{4, 5}));
  EXPECT_EQ(pe.find("RCData", "1", "1"), nullptr);
  EXPECT_NE(pe.find("bdcav", "cave1"), nullptr);  // names without letter case
  EXPECT_EQ(pe.find("BDCAV", "CAVE9"), nullptr);

  // The group icon names its image, which is found among those set aside.
  const auto group = pe.iconGroup(*pe.find("Icon", "5"), false);
  ASSERT_EQ(group.size(), 1u);
  EXPECT_EQ(group[0].displayName, "32 X 32 16 Colors");
  ASSERT_NE(pe.iconImage(group[0].imageId, false), nullptr);
  EXPECT_EQ(pe.iconImage(group[0].imageId, false)->size, 40u);
  EXPECT_EQ(pe.iconImage(2, false), nullptr);

  EXPECT_EQ(resourceStatusText(caves.children[0]).rfind(" Offset: ", 0), 0u);
  EXPECT_NE(resourceStatusText(caves.children[0]).find("  Size: 1f4"), std::string::npos);
}

TEST_P(PeFiles, ASectionOfAnyNameIsFoundByTheDataDirectory) {
  const PeResources pe = parsed(testing::buildPe(sampleResources(), GetParam(), ".data2"));
  ASSERT_EQ(pe.tree().size(), 5u);
  EXPECT_EQ(pe.bytes(*pe.find("BDCAV", "CAVE1")), testing::ckCave());
}

INSTANTIATE_TEST_SUITE_P(Pe32AndPe32Plus, PeFiles, ::testing::Bool());

TEST(PeFilesOnDisk, AFileThatCannotBeOpenedSaysSo) {
  testing::TempDir dir;
  for (const std::string& path : {dir.path("missing.exe"), dir.path("")}) {
    try {
      PeResources::load(path);
      FAIL() << path;
    } catch (const LevelError& e) {
      EXPECT_EQ(std::string(e.what()), "Couldn't open: " + path);
    }
  }
}

using ResourceImport = testing::ImportFixture;

TEST_F(ResourceImport, CaveGoesIntoTheShownLevelWhichStaysShown) {
  const PeResources pe = parsed(testing::buildPe(sampleResources()));
  const ResourceNode& caves = *pe.findType("BDCAV");
  at(4);
  EXPECT_EQ(importResource(session, pe, caves, caves.children[0], false), ResourceLevelKind::Cave);
  EXPECT_EQ(session.map.currentLevel, 4);
  EXPECT_EQ(header(4).width(), 40);
  EXPECT_EQ(header(4).levelTime(), 150);
  EXPECT_EQ(header(4).title(), "CAVE1");
  EXPECT_EQ(header(4).intermission(), 0);
  EXPECT_EQ(cell(4, 0, 0), 2);
  EXPECT_TRUE(session.map.modified);

  // The intermission type marks the level; a short resource is no cave.
  const ResourceNode& ints = *pe.findType("BDINT");
  ui.answers = {Answer::Yes, Answer::Yes};  // each replaces the level shown
  EXPECT_EQ(importResource(session, pe, ints, ints.children[0], false),
            ResourceLevelKind::Intermission);
  EXPECT_NE(header(4).intermission(), 0);
  EXPECT_EQ(importResource(session, pe, caves, caves.children[1], false), ResourceLevelKind::None);
  EXPECT_EQ(header(4).title(), "7");

  // Other types import nothing.
  const ResourceNode& data = *pe.findType("RCData");
  EXPECT_EQ(importResource(session, pe, data, data.children[0], false), ResourceLevelKind::None);
}

TEST_F(ResourceImport, LevelsetOpensAsTheLevelmapAndLeavesNoScratchFile) {
  const PeResources pe = parsed(testing::buildPe(sampleResources()));
  const ResourceNode& games = *pe.findType("BDGAME");
  const testing::OwnTemporaryFolder tmp;
  session.levelPath = dir.path("mine.map");
  session.map.fileName = "mine.map";

  EXPECT_EQ(importResource(session, pe, games, games.children[0], false),
            ResourceLevelKind::Levelset);
  EXPECT_EQ(header(1).title(), "Cave 1");
  EXPECT_EQ(header(3).title(), "Cave 3");
  EXPECT_EQ(header(1).width(), 5);
  EXPECT_EQ(tmp.fileCount(), 0) << "a scratch file was left behind";
  // The levels are in no file yet: Save must ask, and the scratch file is
  // not in the history.
  EXPECT_TRUE(session.map.modified);
  EXPECT_TRUE(session.levelPath.empty());
  EXPECT_EQ(session.map.fileName, "New.map");
  for (const std::string& h : session.history) EXPECT_EQ(h.find("prvl-res-"), std::string::npos);
}

TEST_F(ResourceImport, BrokenLevelsetEndsWithAnErrorAndUntiesTheScratchFile) {
  Bytes game = testing::gamLevelset(1);
  game.resize(84 + 100);  // ends inside the first level's header
  const PeResources pe = parsed(testing::buildPe({{{"BDGAME"}, {"", 10}, 0x409, game}}));
  const ResourceNode& games = *pe.findType("BDGAME");
  session.levelPath = dir.path("mine.map");
  session.map.fileName = "mine.map";
  EXPECT_THROW(importResource(session, pe, games, games.children[0], true), LevelError);
  EXPECT_FALSE(session.map.modified) << "a broken levelset changes nothing";
  EXPECT_EQ(session.levelPath, dir.path("mine.map"));
  EXPECT_EQ(session.map.fileName, "mine.map");
  for (const std::string& h : session.history) EXPECT_EQ(h.find("prvl-res-"), std::string::npos);
}

TEST_F(ResourceImport, AppendPutsTheLevelsetFromTheCurrentLevelOn) {
  const PeResources pe = parsed(testing::buildPe(sampleResources()));
  const ResourceNode& games = *pe.findType("BDGAME");
  header(1).setTitle("Keep me");
  header(1).setWidth(10);
  header(1).setHeight(10);
  session.levelPath = dir.path("mine.map");
  session.map.fileName = "mine.map";
  at(6);
  importResource(session, pe, games, games.children[0], true);
  EXPECT_EQ(header(1).title(), "Keep me");
  EXPECT_EQ(header(6).title(), "Cave 1");
  EXPECT_EQ(header(8).title(), "Cave 3");
  EXPECT_EQ(session.levelPath, dir.path("mine.map"));
  EXPECT_EQ(session.map.fileName, "mine.map");
}

TEST_F(ResourceImport, SavingWritesRawBytesAndNeedsADataNode) {
  const PeResources pe = parsed(testing::buildPe(sampleResources()));
  const ResourceNode& data = *pe.findType("RCData");
  saveResource(pe, &data.children[0], dir.path("out.bin"));
  EXPECT_EQ(testing::readAll(dir.path("out.bin")), (std::vector<std::uint8_t>{1, 2, 3}));
  try {
    saveResource(pe, &data, dir.path("list.bin"));
    FAIL() << "a list was saved";
  } catch (const LevelError& e) {
    EXPECT_STREQ(e.what(), "No resource selected");
  }
  EXPECT_THROW(saveResource(pe, nullptr, dir.path("none.bin")), LevelError);
  EXPECT_FALSE(std::filesystem::exists(dir.path("list.bin")));
}

// --- damaged files ---------------------------------------------------------

LevelError errorOf(const Bytes& bytes) {
  try {
    PeResources::parse(bytes, "bad.exe");
  } catch (const LevelError& e) {
    return e;
  }
  ADD_FAILURE() << "the image was read";
  return LevelError("none");
}

// Reads every leaf's data; data outside the file may only end with an error.
void readEveryLeaf(const PeResources& pe) {
  for (const ResourceNode& t : pe.types()) {
    for (const ResourceNode& leaf : t.children) {
      if (const ResourceData* d = leaf.leafData()) {
        try {
          EXPECT_EQ(pe.bytes(*d).size(), d->size);
        } catch (const LevelError&) {
        }
      }
    }
  }
}

TEST(PeDamage, HeadersRefusedWithTheirMessages) {
  EXPECT_EQ(errorOf({}).detail(), "unrecognized file format");
  EXPECT_EQ(errorOf({'Z', 'M', 0, 0}).detail(), "unrecognized file format");

  testing::PeImage img = testing::buildPe(sampleResources());
  Bytes noPe = img.bytes;
  noPe[img.ntHeaders + 1] = 'X';
  EXPECT_EQ(errorOf(noPe).detail(), "Not a PE (WIN32 Executable) file");
  Bytes farPe = img.bytes;
  testing::put32(farPe, 60, 0xFFFFFFF0u);
  EXPECT_EQ(errorOf(farPe).detail(), "Not a PE (WIN32 Executable) file");

  // Without a resource directory entry or a ".rsrc" section.
  Bytes none = img.bytes;
  testing::put32(none, img.ntHeaders + 24 + 92 + 4 + 16, 0);
  none[img.sectionTable + 40 + 1] = 'x';
  EXPECT_EQ(errorOf(none).detail(), "No resources in this file.");

  // A data directory that names no place in the file: ".rsrc" stands in,
  // and without it the error says where the resources were looked for.
  Bytes lost = img.bytes;
  testing::put32(lost, img.ntHeaders + 24 + 92 + 4 + 16, 0x55555);
  EXPECT_NE(PeResources::parse(lost, "lost.dll").findType("BDCAV"), nullptr);
  lost[img.sectionTable + 40 + 1] = 'x';
  EXPECT_NE(errorOf(lost).detail().find("RVA 0x55555 lies outside the file's sections"),
            std::string::npos);

  // A section table that runs past the end.
  Bytes manySections = img.bytes;
  testing::put16(manySections, img.ntHeaders + 6, 0xFFFF);
  const LevelError e = errorOf(manySections);
  EXPECT_EQ(e.file(), "bad.exe");
  EXPECT_EQ(e.offset(), img.sectionTable);
}

TEST(PeDamage, EveryTruncationEndsWithAnErrorOrReadsWhatIsThere) {
  const testing::PeImage img = testing::buildPe(sampleResources(), true);
  for (std::size_t n = 0; n < img.bytes.size(); n += (n < 0x600 ? 1 : 7)) {
    const Bytes cut(img.bytes.begin(), img.bytes.begin() + static_cast<std::ptrdiff_t>(n));
    try {
      readEveryLeaf(PeResources::parse(cut, "cut.dll"));
    } catch (const LevelError& e) {
      EXPECT_FALSE(e.detail().empty());
    }
  }
}

TEST(PeDamage, DataOutsideTheSectionsEndsExtractionWithTheEntryOffset) {
  testing::PeImage img = testing::buildPe(sampleResources());
  testing::put32(img.bytes, img.dataEntries[4], 0x90000);          // RVA in no section
  testing::put32(img.bytes, img.dataEntries[5] + 4, 0x7FFFFFF0u);  // size past the end
  const PeResources pe = parsed(img);
  for (const char* lang : {"1033", "1031"}) {
    const ResourceData* d = pe.find("RCData", "1", lang);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->entryOffset, img.dataEntries[lang[3] == '3' ? 4 : 5]);
    try {
      pe.bytes(*d);
      ADD_FAILURE() << "read data outside the file";
    } catch (const LevelError& e) {
      EXPECT_NE(e.detail().find("lies outside the file's sections"), std::string::npos);
      EXPECT_EQ(e.offset(), d->entryOffset);
    }
  }
  EXPECT_EQ(pe.bytes(*pe.find("BDCAV", "CAVE1")), testing::ckCave());  // the rest still reads
}

TEST(PeDamage, DirectoriesThatLoopOrOverflowAreRefused) {
  testing::PeImage img = testing::buildPe(sampleResources());
  Bytes loop = img.bytes;
  testing::put32(loop, img.typeEntries[1] + 4, 0x80000000u);  // BDINT's directory is the root
  LevelError e = errorOf(loop);
  EXPECT_NE(e.detail().find("refers back to itself"), std::string::npos);
  EXPECT_EQ(e.offset(), img.rsrcStart);

  Bytes huge = img.bytes;
  testing::put16(huge, img.rsrcStart + 14, 0xFFFF);
  EXPECT_NE(errorOf(huge).detail().find("runs past the end"), std::string::npos);

  Bytes badName = img.bytes;
  testing::put32(badName, img.typeEntries[0], 0x80000000u | 0x7FFFFF00u);
  EXPECT_NE(errorOf(badName).detail().find("resource name outside"), std::string::npos);

  Bytes badDirectory = img.bytes;  // BDCAV's directory past the section
  testing::put32(badDirectory, img.typeEntries[0] + 4, 0x80000000u | 0x7FFFFFF0u);
  e = errorOf(badDirectory);
  EXPECT_EQ(e.detail(), "resource directory outside the resource data");
  EXPECT_EQ(e.offset(), img.rsrcStart + 0x7FFFFFF0u);

  Bytes badData = img.bytes;  // CAVE1's language names a data entry past the section
  testing::put32(badData, img.languageEntries[0] + 4, 0x7FFFFFF8u);
  EXPECT_NE(errorOf(badData).detail().find("data entry outside"), std::string::npos);

  Bytes deep = img.bytes;  // CAVE1's language entry made a directory: its own parent
  const std::uint32_t nameDirectory =
      static_cast<std::uint32_t>(img.languageEntries[0] - 16 - img.rsrcStart);
  testing::put32(deep, img.languageEntries[0] + 4, 0x80000000u | nameDirectory);
  EXPECT_NE(errorOf(deep).detail().find("refers back to itself"), std::string::npos);
}

TEST(PeDamage, RandomDamageNeverEscapesAsAnythingButALevelError) {
  const testing::PeImage img = testing::buildPe(sampleResources());
  std::mt19937 rng(1234);
  for (int round = 0; round < 2000; ++round) {
    Bytes b = img.bytes;
    const int flips = 1 + static_cast<int>(rng() % 6);
    for (int i = 0; i < flips; ++i) {
      // Mostly in the headers and the resource directory, where damage matters.
      const std::size_t at = (rng() % 2 ? 0 : img.rsrcStart) + rng() % 0x200;
      b[std::min(at, b.size() - 1)] = static_cast<std::uint8_t>(rng());
    }
    try {
      readEveryLeaf(PeResources::parse(b, "fuzz.dll"));
    } catch (const LevelError&) {
    }
  }
}

TEST(PeTexts, StringTableMenuAndBitmap) {
  // String block 2: strings 16..31; only the non-empty ones give lines.
  Bytes block;
  auto str = [&](const std::u16string& s) {
    block.push_back(static_cast<std::uint8_t>(s.size()));
    block.push_back(0);
    for (char16_t c : s) {
      block.push_back(static_cast<std::uint8_t>(c));
      block.push_back(static_cast<std::uint8_t>(c >> 8));
    }
  };
  str(u"Hello");
  str(u"");
  str(u"Caf\u00e9 \u20ac\U0001F600");  // Latin-1 kept, others one '?' each
  for (int i = 3; i < 16; ++i) str(u"");
  EXPECT_EQ(stringTableLines(block, 2, "s"),
            (std::vector<std::string>{"16,  \"Hello\"", "18,  \"Caf\xe9 ??\""}));
  Bytes cut = block;
  cut[0] = 200;  // longer than the block
  EXPECT_THROW(stringTableLines(cut, 1, "s"), LevelError);

  // POPUP File { Open 1, separator, Exit 2 (end) } followed by another item.
  Bytes menu = {0, 0, 0, 0};
  auto item = [&](std::uint16_t flags, std::optional<std::uint16_t> cmd, const std::string& t) {
    menu.push_back(static_cast<std::uint8_t>(flags));
    menu.push_back(static_cast<std::uint8_t>(flags >> 8));
    if (cmd) {
      menu.push_back(static_cast<std::uint8_t>(*cmd));
      menu.push_back(static_cast<std::uint8_t>(*cmd >> 8));
    }
    for (char c : t) menu.insert(menu.end(), {static_cast<std::uint8_t>(c), 0});
    menu.insert(menu.end(), {0, 0});
  };
  item(0x10, std::nullopt, "File");
  item(0, 1, "Open");
  item(0, 0, "");
  item(0x80, 2, "Exit");
  EXPECT_EQ(
      menuLines(menu, "m"),
      (std::vector<std::string>{"POPUP \"File\"", "  MENUITEM \"Open\",  1", "  MENUITEM SEPARATOR",
                                "  MENUITEM \"Exit\",  2", "ENDPOPUP"}));

  const Bytes bmp = bitmapFile({7, 8});
  EXPECT_EQ(bmp, (Bytes{'B', 'M', 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8}));
}

TEST(PeTexts, IconImagesBecomeIconFiles) {
  // A 16 x 16, 4-bit icon image: bitmap header (height doubled) and pixels.
  Bytes icon(40 + 64 + 128 + 32, 0);
  testing::put32(icon, 0, 40);
  testing::put32(icon, 4, 16);
  testing::put32(icon, 8, 32);
  testing::put16(icon, 12, 1);
  testing::put16(icon, 14, 4);
  const IconFile ico = iconFile(icon, false, "i");
  EXPECT_EQ(ico.width, 16);
  EXPECT_EQ(ico.height, 16);
  EXPECT_EQ(ico.bitCount, 4);
  ASSERT_EQ(ico.bytes.size(), 22 + icon.size());
  EXPECT_EQ(Bytes(ico.bytes.begin(), ico.bytes.begin() + 22),
            (Bytes{0, 0, 1, 0, 1, 0, 16, 16, 16, 0, 1, 0, 4, 0, 8, 1, 0, 0, 22, 0, 0, 0}));

  // A cursor keeps its hot spot in the directory entry; a PNG image its own header.
  Bytes cursor = {3, 0, 5, 0};
  cursor.insert(cursor.end(), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I',
                               'H',  'D', 'R', 0,   0,    1,    0,    0,    0, 1, 0, 32, 6});
  const IconFile cur = iconFile(cursor, true, "c");
  EXPECT_EQ(cur.width, 256);
  EXPECT_EQ(cur.bitCount, 32);
  EXPECT_EQ(Bytes(cur.bytes.begin(), cur.bytes.begin() + 14),
            (Bytes{0, 0, 2, 0, 1, 0, 0, 0, 0, 0, 3, 0, 5, 0}));
  EXPECT_THROW(iconFile({1, 2, 3}, false, "short"), LevelError);
}

TEST(PeTexts, StringBlocksAreCollectedAndNameTheLevelsets) {
  // Block 1 holds string 10, block 7 string 110.
  auto block = [](int index, const std::string& text) {
    Bytes b;
    for (int i = 0; i < 16; ++i) {
      const std::string t = i == index ? text : "";
      b.insert(b.end(), {static_cast<std::uint8_t>(t.size()), 0});
      for (char c : t) b.insert(b.end(), {static_cast<std::uint8_t>(c), 0});
    }
    return b;
  };
  const PeResources pe =
      PeResources::parse(testing::buildPe({{{"", 6}, {"", 1}, 0x409, block(10, "Caves one")},
                                           {{"", 6}, {"", 7}, 0x409, block(14, "Caves two")},
                                           {{"BDGAME"}, {"", 10}, 0x409, testing::gamLevelset(1)}})
                             .bytes,
                         "s.dll");
  std::vector<std::string> lines = collectStringLines(pe);
  EXPECT_EQ(lines, (std::vector<std::string>{"10,  \"Caves one\"", "110,  \"Caves two\""}));

  // The later line that holds "10" wins and leaves the list; 15 is no multiple of 10.
  std::vector<std::string> names = {"10", "15", "0", "CAVE"};
  assignLevelsetNames(names, lines);
  EXPECT_EQ(names, (std::vector<std::string>{"110,  \"Caves two\"", "15", "0", "CAVE"}));
  EXPECT_EQ(lines, (std::vector<std::string>{"10,  \"Caves one\""}));
}

}  // namespace
}  // namespace pyrovel
