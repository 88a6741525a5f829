// Writes the seed corpora of fuzz/corpus/<harness>/ from this project's own
// writers and the inputs its tests build: a small levelmap in every format
// that is written, and for the readers without a writer the shape their
// tests give them. Run by `make fuzz-seeds`; the files are kept in the tree.
//   prvl_fuzz_seeds <source folder>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <utility>
#include <vector>

#include "editor/levelset_formats.h"
#include "editor/objects_help.h"
#include "editor/single_level_io.h"
#include "formats/levelset_io.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"
#include "import/c64_dump_convert.h"
#include "import/mikeysoft_level.h"
#include "import/test_adf_builder.h"
#include "import/test_c64_dump_builder.h"
#include "import/test_d64_builder.h"
#include "import/test_pe_builder.h"
#include "model/configuration.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/ini_file.h"
#include "model/object_catalogue.h"
#include "render/image_library.h"
#include "render/object_table.h"

namespace pyrovel::fuzz {
namespace {

namespace fs = std::filesystem;

fs::path corpus;

void seed(const std::string& harness, const std::string& name, const Bytes& bytes) {
  if (!isHarness(harness)) throw LevelError("no harness named " + harness);
  const fs::path folder = corpus / harness;
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}
void seed(const std::string& harness, const std::string& name, std::string_view text) {
  seed(harness, name, Bytes(text.begin(), text.end()));
}

// Three levels: a cleared 20 x 12 level with a few objects, a 40 x 22 level
// with a background layer and yam patterns, and a 3 x 3 one.
Levelmap sampleLevelmap() {
  Levelmap map;
  auto level = [&](int slot, int w, int h, const char* title) {
    LevelHeader& header = map.header(slot);
    header.setWidth(w);
    header.setHeight(h);
    header.setTitle(title);
    header.setAuthor("Pyrovel");
    header.setPlayerX(1);
    header.setPlayerY(1);
    header.setDiamondsToCollect(12);
    header.setLevelTime(120);
    map.clearLayer(kGameLayer, slot);
  };
  level(1, 20, 12, "Seed one");
  for (int x = 3; x < 17; x += 2) map.cell(kGameLayer, 1, x, 5) = obj::Rock;
  for (int x = 4; x < 16; x += 3) map.cell(kGameLayer, 1, x, 8) = obj::Diamond;
  level(2, 40, 22, "Seed two");
  map.header(2).setHasBackgroundLayer(1);
  map.clearLayer(kBackgroundLayer, 2);
  map.cell(kGameLayer, 2, 10, 10) = obj::Magicwall;
  map.cell(kGameLayer, 2, 12, 10) = obj::YamRandom;
  map.header(2).setYam(0, 1, 1, obj::Diamond);
  level(3, 3, 3, "Seed three");
  return map;
}

// The game's older versions: a 1.1 file (358-byte records, a byte per cell)
// and the oldest (16 bytes of magic, 256-byte records).
Bytes olderGameLevelmap(bool oldest) {
  ByteWriter out;
  const std::string magic = oldest ? kMagicOldest : kMagicV11;
  out.text(magic);
  out.fill((oldest ? 16 : kLevelmapHeaderSize) - magic.size());
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    Bytes record(oldest ? 256 : 358, 0);
    const int side = slot == 1 ? 4 : 1;
    record[0] = record[1] = static_cast<std::uint8_t>(side);
    record[2] = record[3] = 1;
    out.bytes(record);
    out.fill(static_cast<std::size_t>(side * side), obj::Dirt);
  }
  return out.take();
}

void levelsets(const Levelmap& map) {
  SilentFrontend ui;
  seed("levelset_map", "v20.map", encodeLevelmap(map, ui));
  seed("levelset_map", "v11.map", olderGameLevelmap(false));
  seed("levelset_map", "oldest.map", olderGameLevelmap(true));
  std::vector<std::string> notes;
  seed("levelset_bd4", "three.lev", encodeBd4Levelset(map, notes));
  seed("levelset_emv6", "three.lev", encodeEmV6Levelset(map, notes));
  seed("levelset_bdcff", "three.bd", encodeBdcffLevelset(map, notes));
  seed("levelset_bdcff", "drawn.bd",
       "[BDCFF]\n[game]\nName=Drawn\n[cave]\nName=A\nSize=20 12\nDiamondsRequired=5\n"
       "RandSeed=3\nRandomFill=BOULDER 60 DIAMOND 20\n[objects]\nFillRect=0 0 20 12 DIRT\n"
       "Rectangle=0 0 20 12 STEELWALL\nPoint=2 2 INBOX\nPoint=17 9 OUTBOX\n"
       "Line=3 4 12 4 BRICKWALL\nRaster=5 6 3 2 2 2 DIAMOND\nAdd=1 0 BOULDER DIAMOND\n"
       "[/objects]\n[/cave]\n[/game]\n[/BDCFF]\n");
  seed("levelset_bdcff", "fills.bd",
       "[BDCFF]\nVersion=0.5\n[game]\nName=Fills\nLevels=5\n[cave]\nName=B\nSize=16 10\n"
       "CaveTime=150 140 130 120 110\nAmoebaThreshold=0.227\n[objects]\n"
       "Rectangle=1 1 6 6 WALL\nBoundaryFill=3 3 SPACE WALL\nFloodFill=9 2 BOULDER DIRT\n"
       "CopyPaste=1 1 4 4 10 5 mirror flip\nRandomFillC64=2 2 5 5 7 8 9 10 11 SPACE DIAMOND 40\n"
       "RandomFill=8 8 12 8 3 DIRT NUT 90\nRaster=14 8 -3 -2 2 2 OUTBOXopen\n"
       "[Level=2,3]\nPoint=2 2 BOULDERf\n[/Level]\n[/objects]\n[/cave]\n[/game]\n[/BDCFF]\n");
  seed("levelset_gam", "two.gam", testing::gamLevelset(2));

  const std::string boulderoid =
      "# Boulderoid map\nversion 1\nname=seed\nwidth=5\nheight=3\nmap:\nWWWWW\nWP.dr\nWWWWW\n"
      "view=1\nscroll\ntime=160\ndiamond=12\ndvalue =15\ntscore=3\nskipped\namoeba =80\n"
      "a\nb\nc\n";
  seed("levelset_boulderoid", "seed.map", boulderoid);
  seed("import_boulderoid", "seed.map", boulderoid);

  Bytes bpbd(256 + 2304, 1);
  std::copy_n("BPBD", 4, bpbd.begin());
  seed("levelset_bpbd", "one.map", bpbd);

  seed("levelset_caves", "one.caves",
       "name=Cave\nwidth=6\nheight=3\nmapstart\nWWWWWW\nWP.d*W\nWWWWWW\nmapend\n");

  // A BoulderDash 4 level: the map's 32 rows of 64 pairs, the yam patterns.
  Bytes bd4level(108 + 32 * 129 + 84, '#');
  for (std::size_t y = 0; y < 32; ++y) {
    for (std::size_t x = 0; x < 128; ++x) bd4level[108 + y * 129 + x] = '.';
  }
  seed("levelset_bd4level", "one.bd4", bd4level);

  // Supaplex: records of 1536 bytes, base in the 60 x 24 map, a title.
  Bytes supaplex;
  for (int n = 0; n < 2; ++n) {
    Bytes record(1536, 0);
    std::fill_n(record.begin(), 1440, 2);
    record[0] = 3;
    std::copy_n("-- SEED LEVEL --", 16, record.begin() + 1446);
    record[1470] = 4;
    supaplex.insert(supaplex.end(), record.begin(), record.end());
    if (n == 0) seed("import_sp", "one.sp", record);
  }
  seed("levelset_supaplex", "LEVELS.DAT", supaplex);
}

void singleLevels(Levelmap map) {
  map.currentLevel = 1;
  const fs::path scratch = fs::path(scratchFolder());
  for (const auto& [index, harness, name] :
       {std::tuple{1, "import_lev", "seed.lev"}, std::tuple{2, "import_em", "v4.dat"},
        std::tuple{3, "import_em", "v6.dat"}}) {
    const std::string path = (scratch / name).string();
    exportLevel(map, index, path);
    seed(harness, name, readFileBytes(path));
  }
  seed("import_cav", "plain.cav", testing::ckCave());
  Bytes atari(452, 0x77);
  atari[13] = 0x2E;
  seed("import_atari", "plain.cav", atari);
  seed("import_boulderrush", "rush.cav", Bytes(296 + 800, 1));
  seed("import_dc2", "zeros.dat", Bytes(344 + 2 * 40 * 22, 0));

  // Rocks & Diamonds: the classic layout (a 150-byte header, a byte per
  // cell) and the chunk layout.
  Bytes classic(150 + 8 * 5, 1);
  classic[38] = 8;
  classic[39] = 5;
  seed("import_rnd", "classic.lvl", classic);
  auto rndChunks = [](const std::vector<std::pair<const char*, Bytes>>& list) {
    ByteWriter chunks;
    chunks.text("RND1");
    chunks.fill(4);
    chunks.text("CAVE");
    for (const auto& [id, data] : list) {
      chunks.text(id);
      for (int shift : {24, 16, 8, 0}) chunks.u8(static_cast<std::uint8_t>(data.size() >> shift));
      chunks.bytes(data);
    }
    Bytes rnd1 = chunks.take();
    const auto rest = static_cast<std::uint32_t>(rnd1.size() - 8);
    for (int i = 0; i < 4; ++i)
      rnd1[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(rest >> (24 - 8 * i));
    return rnd1;
  };
  Bytes head(112, 0);
  head[0] = 5;
  head[1] = 3;
  seed("import_rnd", "chunks.level",
       rndChunks({{"VERS", Bytes(8, 3)}, {"HEAD", head}, {"BODY", Bytes(15, 1)}}));
  // Version 2.0, whose HEAD says 80 bytes and holds 112, and the settings
  // lists of later versions.
  Bytes v2 = rndChunks({{"VERS", {2, 0, 0, 0, 2, 0, 0, 0}},
                        {"HEAD", head},
                        {"INFO", {0x01, 0x01, 0x41, 0x00, 0x05, 0x42, 0x00, 0x03, 0x0b, 0x01}},
                        {"ELEM", {0x00, 0x3f, 0x02, 0x05, 0xC3, 0x00, 0x02, 0xAA, 0xBB}},
                        {"BODY", Bytes(15, 1)}});
  v2[12 + 16 + 7] = 80;
  seed("import_rnd", "settings.level", v2);

  Bytes plain(700);
  for (std::size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<std::uint8_t>(i % 7);
  seed("import_bou", "seed.bou", scrambleMikeysoft(plain));
}

void containers(const Levelmap& map) {
  // An Amiga disk: a folder, an Emerald Mine level and a text file, a soft
  // and a hard link.
  Levelmap one = map.clone();
  one.currentLevel = 1;
  const std::string levelPath = scratchFolder() + "/level";
  exportLevel(one, 2, levelPath);
  testing::AdfBuilder adf;
  adf.root("SEED");
  std::copy_n("DOS", 3, adf.image.begin());
  adf.file(882, "Level1", readFileBytes(levelPath));
  adf.hash(880, 3, 882);
  adf.header(900, "Levels");
  adf.secondaryType(900, 2);
  adf.hash(880, 9, 900);
  adf.file(910, "ReadMe", testing::countingBytes(600, 32));
  adf.hash(900, 4, 910);
  adf.header(920, "Link");
  adf.secondaryType(920, -4);
  adf.put32(920, 468, 882);
  adf.chain(882, 920);
  seed("adf", "seed.adf.sparse", sparseImageOf(adf.image));

  // A C64 disk with a Construction Kit cave and an intermission.
  testing::D64Builder d64;
  d64.header("SEED DISK");
  d64.entry(18, 1, 0, 0x82, 17, 0, "CAVE A.CAV", 2);
  d64.entry(18, 1, 1, 0x82, 17, 2, "INTER.INT", 2);
  d64.entry(18, 1, 2, 0x81, 17, 4, "NOTES", 1);
  d64.file({{17, 0}, {17, 1}}, testing::ckCave());
  d64.file({{17, 2}, {17, 3}}, testing::ckCave());
  d64.file({{17, 4}}, testing::countingBytes(100, 65));
  seed("d64", "seed.d64.sparse", sparseImageOf(d64.image));

  // C64 memory: a level packer game, a game on the first game's engine.
  seed("c64_dump", "plck.sparse", sparseImageOf(testing::plckMemory({1, 2, 3}, true)));
  seed("c64_dump", "bd1.sparse", sparseImageOf(testing::pc64RamImage(testing::bd1Memory())));
  seed("c64_dump", "cave.sparse",
       sparseImageOf(testing::pc64FileImage("CAVE", testing::kitCaveBlock())));
  const C64Conversion bd1 = convertC64Dump(testing::bd1Memory(), "bd1");
  seed("levelset_das", "bd1.das", bd1.dasText);

  // An executable with a cave, a game levelset and a string table.
  Bytes strings;
  for (int i = 0; i < 16; ++i) {
    const std::string s = i % 5 == 0 ? "Cave " + std::to_string(i) : "";
    strings.push_back(static_cast<std::uint8_t>(s.size()));
    strings.push_back(0);
    for (char c : s) strings.insert(strings.end(), {static_cast<std::uint8_t>(c), 0});
  }
  const testing::PeImage pe = testing::buildPe({
      {{"BDCAV"}, {"CAVE1"}, 0x409, testing::ckCave()},
      {{"BDGAME"}, {"", 10}, 0x409, testing::gamLevelset(2)},
      {{"", 6}, {"", 1}, 0x409, strings},
  });
  seed("pe_resources", "seed.exe", pe.bytes);
}

void editorFiles(const fs::path& source) {
  ImageLibrary library;
  LibraryImage& a = library.addImage(16, 16);
  for (std::size_t i = 0; i < a.pixels.size(); ++i) a.pixels[i] = static_cast<std::uint8_t>(i);
  library.addImage(5, 3);
  library.setColour(1, 200, 100, 50);
  seed("image_library", "two.iml", serializeImageLibrary(library));

  ObjectTable table;
  table.count = 3;
  table.records = {{0, 1}, {1, 0}, {1, 1}, {0, 0}};
  seed("object_table", "three.bam", serializeObjectTable(table));

  IniFile ini;
  Configuration config;
  config.gameDir = "/games/pyrovel";
  config.history = {"/levels/a.map", "/levels/b.bd", "---", "---"};
  config.write(ini);
  seed("edit_ini", "Edit.ini", ini.text());

  seed("edit_bdi", "Edit.bdi", readFileBytes((source / "data" / "Edit.bdi").string()));

  const ObjectCatalogue catalogue;
  std::string objectList;
  for (int n = 0; n < 40; ++n) objectList += catalogue.item(n) + "\r\n";
  seed("objectlist", "Objectlist.txt", objectList);

  const ObjectsHelp builtIn;
  std::string help;
  for (const std::string& line : builtIn.document()) help += line + "\r\n";
  seed("objects_help", "ObjectsHelp.txt", help);
}

}  // namespace
}  // namespace pyrovel::fuzz

int main(int argc, char** argv) {
  using namespace pyrovel;
  if (argc != 2) {
    std::cerr << "usage: prvl_fuzz_seeds SOURCE_FOLDER\n";
    return 2;
  }
  const std::filesystem::path source = argv[1];
  fuzz::corpus = source / "fuzz" / "corpus";
  try {
    const Levelmap map = fuzz::sampleLevelmap();
    fuzz::levelsets(map);
    fuzz::singleLevels(map.clone());
    fuzz::containers(map);
    fuzz::editorFiles(source);
  } catch (const std::exception& e) {
    std::cerr << "prvl_fuzz_seeds: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
