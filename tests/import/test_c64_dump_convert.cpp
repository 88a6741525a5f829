// The C64 memory-dump converter: input kinds, engines and the DAS text of
// their caves, from images laid out byte by byte, and what the DAS reader
// then makes of that text.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/das_codes.h"
#include "editor/c64_levels.h"
#include "import/c64_dump_convert.h"
#include "import/c64_dump_das.h"
#include "import/import_test_support.h"
#include "import/test_c64_dump_builder.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

Lines linesOf(const std::string& text) {
  Lines out;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every DAS line ends with CR LF";
    if (end == std::string::npos) break;
    out.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

// Where `wanted` appears as consecutive lines of `lines` (npos when not).
std::size_t findRun(const Lines& lines, const Lines& wanted, std::size_t from = 0) {
  for (std::size_t i = from; i + wanted.size() <= lines.size(); ++i) {
    if (std::equal(wanted.begin(), wanted.end(), lines.begin() + static_cast<std::ptrdiff_t>(i))) {
      return i;
    }
  }
  return std::string::npos;
}

bool has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int das(const char* code) {
  return dasCodeToObject(code);
}

struct C64Dump : ImportFixture {
  C64Conversion convert(const DumpBytes& bytes, const std::string& name = "dump.ram") {
    return convertC64Dump(bytes, dir.path(name));
  }
};

TEST_F(C64Dump, Bd1GameInRawMemoryWritesTwentyCavesWithEveryCommand) {
  const C64Conversion c = convert(bd1Memory());
  ASSERT_TRUE(c.scan.match);
  EXPECT_EQ(c.scan.kind, C64InputKind::Raw);
  EXPECT_EQ(c.scan.match->engine, C64Engine::Bd1Game);
  ASSERT_EQ(c.scan.match->caves.size(), 20u);
  const Lines l = linesOf(c.dasText);
  // clang-format off
  const Lines caveA{"level", "1", "name", " Cave A", "cavetype", "0",
                    "wurf", "66", "1", "10", "9", "255", "100", "60", "0", "0",
                    "set", "3", "5", "2",
                    "line", "87", "2", "1", "4", "2",
                    "boxp", "57", "1", "0", "3", "3", "6",
                    "box", "56", "10", "8", "5", "4",
                    "filter", "20", "filtertype", "3", "amtime", "20", "vor", "5", "bonus", "7",
                    "need", "12", "time", "150", "slimed", "3", "slimetype", "1",
                    "level", "2", "name", " Cave B", "cavetype", "0",
                    "level", "3", "name", " Cave C", "cavetype", "0",
                    "level", "4"};
  // clang-format on
  EXPECT_EQ(findRun(l, caveA), 0u);
  EXPECT_NE(findRun(l, {"level", "-5", "name", " Cave Q", "cavetype", "1", "delay", ".08", "level",
                        "6", "name", " Cave E"}),
            std::string::npos);
  EXPECT_NE(findRun(l, {"level", "-20", "name", " Cave T"}), std::string::npos);
  ASSERT_GE(l.size(), 2u);
  EXPECT_EQ(Lines(l.end() - 2, l.end()), (Lines{"level", "1"}));
  EXPECT_EQ(std::count(c.report.begin(), c.report.end(), "(Cave A contains unsupported items!)"),
            1);
  EXPECT_TRUE(has(c.report, "(Cave B is out of filerange!)"));
  EXPECT_TRUE(has(c.report, "Found a BD1-Engine Game."));
  EXPECT_EQ(c.report.back(), " done.");

  loadC64Conversion(session, c, false);
  EXPECT_EQ(header(1).title(), " Cave A");
  EXPECT_EQ(header(1).diamondsNeeded(), 12);
  EXPECT_EQ(header(1).levelTime(), 37);
  EXPECT_EQ(header(1).magicTime(), 20);
  EXPECT_EQ(header(1).slimePermeability(), 4);
  EXPECT_EQ(cell(1, 5, 2), das("3"));
  EXPECT_EQ(cell(1, 4, 1), das("87"));
  EXPECT_EQ(cell(1, 5, 1), das("87"));
  EXPECT_EQ(cell(1, 2, 0), das("57"));  // the box's border reaches row 0
  EXPECT_EQ(cell(1, 2, 1), das("6"));   // the box's fill over the line drawn before it
  EXPECT_EQ(cell(1, 10, 8), das("56"));
  EXPECT_EQ(cell(1, 11, 9), cell(2, 11, 9)) << "an outline leaves its inside";
  EXPECT_EQ(header(5).intermission(), 255);
  EXPECT_EQ(header(5).width(), 20);
  EXPECT_EQ(header(20).title(), " Cave T");
  EXPECT_TRUE(session.map.isEmptyLevel(21));
}

TEST_F(C64Dump, Bd1GameAppendsFromTheCurrentLevel) {
  const C64Conversion c = convert(pc64RamImage(bd1Memory()));
  EXPECT_EQ(c.scan.kind, C64InputKind::PC64RamImage);
  ASSERT_TRUE(c.scan.match);
  EXPECT_EQ(c.scan.match->base, kPC64RamImageBase);
  at(11);
  loadC64Conversion(session, c, true);
  EXPECT_EQ(header(11).title(), " Cave A");
  EXPECT_EQ(header(30).title(), " Cave T");
  EXPECT_TRUE(session.map.isEmptyLevel(1));
}

TEST_F(C64Dump, PlckGameWithoutNamesNumbersIntermissionsNegative) {
  const C64Conversion c = convert(plckMemory({25, 25, 14, 0, 25}));
  ASSERT_TRUE(c.scan.match);
  EXPECT_EQ(c.scan.match->engine, C64Engine::PlckGame);
  EXPECT_EQ(c.scan.match->kit, C64Kit::Kestrin);
  ASSERT_EQ(c.scan.match->caves.size(), 4u) << "the first cave of another type ends the list";
  const Lines l = linesOf(c.dasText);
  Lines cave1{"level", "1", "name", "Cave 1", "boxb", "0", "0", "40", "21", "3", "1", "87", "16"};
  for (int i = 0; i < 836; ++i) cave1.push_back("1");
  for (const char* s : {"cavetype", "1", "delay", "0.1739", "time", "120", "need", "10", "bonus",
                        "2", "amtime", "999", "filtertype", "0", "filterzeit", "7", "level", "2"}) {
    cave1.push_back(s);
  }
  EXPECT_EQ(findRun(l, cave1), 0u);
  EXPECT_NE(findRun(l, {"level", "-3", "name", "Cave 3"}), std::string::npos);
  EXPECT_NE(findRun(l, {"level", "4", "name", "Cave 4"}), std::string::npos);
  EXPECT_EQ(findRun(l, {"level", "5"}), std::string::npos);
  EXPECT_TRUE(has(c.report, "Game has no cave names. Using Cave 1, Cave 2 etc.."));
  EXPECT_TRUE(has(c.report, "(Level 2 could be damaged!)"));
  EXPECT_FALSE(has(c.report, "(Level 1 could be damaged!)"));

  loadC64Conversion(session, c, false);
  EXPECT_EQ(header(1).title(), "Cave 1");
  EXPECT_EQ(header(1).diamondsNeeded(), 10);
  EXPECT_EQ(header(1).intermission(), 255);  // cave type 3 is read as 1
  EXPECT_EQ(cell(1, 0, 0), das("3"));
  EXPECT_EQ(cell(1, 2, 0), das("87"));
  EXPECT_EQ(cell(1, 3, 0), das("16"));
  EXPECT_EQ(header(4).title(), "Cave 4");
  EXPECT_TRUE(session.map.isEmptyLevel(5));
  EXPECT_FALSE(session.messages.empty()) << "filterzeit is not a key the reader knows";
}

TEST_F(C64Dump, PlckGameWithNamesAndTheEffectKit) {
  DumpBytes m = plckMemory({25, 0}, true);
  m[0x5E8B + 1] = 0;  // no longer the first cave's type: the table holds names
  put(m, 0x5E8B + 13, std::string_view("A B\0CD", 6));
  m[0x5E8B + 13 + 12] = 25;
  put(m, 0x5E8B + 26, "SECOND");
  m[0x5E8B + 26 + 12] = 7;
  const C64Conversion c = convert(pc64RamImage(m));
  ASSERT_TRUE(c.scan.match);
  EXPECT_TRUE(c.scan.match->namedCaves);
  EXPECT_EQ(c.scan.match->kit, C64Kit::Effect);
  ASSERT_EQ(c.scan.match->caves.size(), 2u);
  EXPECT_EQ(c.scan.match->caves[0].name, "ABCD");
  const Lines l = linesOf(c.dasText);
  EXPECT_NE(findRun(l, {"level", "2", "name", "SECOND", "boxb"}), std::string::npos);
  EXPECT_NE(findRun(l, {"filterzeit", "7",   "ammax",  "99",     "effect", "201",  "13",
                        "effect",     "204", "3",      "effect", "77",     "255",  "effect",
                        "1",          "41",  "effect", "42",     "194",    "level"}),
            std::string::npos)
      << "an Effect object past the table is written as unsupported";
  EXPECT_TRUE(has(c.report, "Found an Effect Construction Kit Game."));

  // A name with a line break stays one line, so the keys after it keep their place.
  put(m, 0x5E8B + 13, "A\r\ntime");
  const C64Conversion broken = convert(m);
  EXPECT_EQ(findRun(linesOf(broken.dasText), {"level", "1", "name", "Atime", "boxb"}), 0u);
}

TEST_F(C64Dump, SingleCaveIsNamedFromThePc64HeaderOrElseAfterTheFile) {
  DumpBytes program{0x00, 0xBE};
  const DumpBytes block = kitCaveBlock();
  program.insert(program.end(), block.begin(), block.end());

  const C64Conversion image = convert(pc64FileImage("MY CAVE", program), "x.p00");
  ASSERT_TRUE(image.scan.match);
  EXPECT_EQ(image.scan.kind, C64InputKind::PC64FileImage);
  EXPECT_EQ(image.scan.match->engine, C64Engine::KitCave);
  const Lines li = linesOf(image.dasText);
  EXPECT_EQ(findRun(li, {"level", "1", "name", "MY CAVE", "boxb", "0", "0", "40", "21"}), 0u);
  EXPECT_EQ(Lines(li.end() - 2, li.end()), (Lines{"level", "1"}));
  EXPECT_TRUE(has(image.report, "Found a Kestrin Construction Kit Game."));
  EXPECT_TRUE(has(image.report, "Converting Level."));

  const C64Conversion raw = convert(program, "boulders-of-doom.prg");
  EXPECT_EQ(raw.scan.kind, C64InputKind::Raw);
  EXPECT_EQ(findRun(linesOf(raw.dasText), {"level", "1", "name", "boulders-of-"}), 0u);

  loadC64Conversion(session, image, false);
  EXPECT_EQ(header(1).title(), "MY CAVE");
  EXPECT_EQ(header(1).levelTime(), 30);
  EXPECT_TRUE(session.map.isEmptyLevel(2));
}

TEST_F(C64Dump, DeluxeKitGameFillsTwentyLevelsDirectly) {
  DumpBytes d(28697 + 20 * 1024, 1);
  put(d, 28697, "8888");
  d[28697 + 1024 + 2 * 40 + 3] = 9;  // cave 2, (3, 2)
  d[28697 + 19 * 1024 + 21 * 40 + 39] = 0;
  const C64Conversion c = convert(d);
  ASSERT_TRUE(c.scan.match);
  EXPECT_EQ(c.scan.match->engine, C64Engine::DeluxeKitGame);
  EXPECT_TRUE(c.dasText.empty());
  ASSERT_EQ(c.deluxeCaves.size(), 20u);
  at(7);
  loadC64Conversion(session, c, false);
  EXPECT_EQ(session.map.currentLevel, 1);
  EXPECT_EQ(header(1).width(), 40);
  EXPECT_EQ(header(20).height(), 22);
  EXPECT_EQ(cell(1, 0, 0), das("56"));  // the signature's own "8"
  EXPECT_EQ(cell(1, 4, 0), das("1"));
  EXPECT_EQ(cell(2, 3, 2), das("9"));
  EXPECT_EQ(cell(20, 39, 21), das("0"));
  EXPECT_TRUE(session.map.isEmptyLevel(21));
}

TEST_F(C64Dump, FilesThatAreNotConverted) {
  DumpBytes amiga;
  put(amiga, 0, "BDCA and more");
  const C64Conversion a = convert(amiga);
  EXPECT_EQ(a.report, (Lines{kC64ConverterBanner, "BDCA",
                             "Found an Amiga Construction Kit Cave or Intermission.",
                             "(But that import filter is currently disabled) "}));
  EXPECT_FALSE(a.loadable());
  EXPECT_EQ(convert(DumpBytes{'B', 'D', 'G', 'A'}).scan.kind, C64InputKind::AmigaGame);

  DumpBytes boulderoid;
  put(boulderoid, 0, "# map\n");
  const C64Conversion b = convert(boulderoid);
  EXPECT_TRUE(has(b.report, "Please use the Pyrovel-Editor Boulderoid import filter"));
  EXPECT_FALSE(b.loadable());

  DumpBytes garbage(70000);
  for (std::size_t i = 0; i < garbage.size(); ++i)
    garbage[i] = static_cast<std::uint8_t>(i * 7 + 3);
  for (const DumpBytes& d : {garbage, DumpBytes{}, DumpBytes{0x01, 0x02}}) {
    const C64Conversion g = convert(d);
    EXPECT_FALSE(g.loadable());
    EXPECT_TRUE(has(g.report, "Cannot convert: unknown Boulder Dash Engine"));
    EXPECT_EQ(g.report.back(), "  *: full Ondrel-effects support now.");
  }
  const C64Conversion g = convert(garbage);
  loadC64Conversion(session, g, false);
  EXPECT_TRUE(session.map.isEmptyLevel(1));
  EXPECT_EQ(c64ConverterHelp().size(), 18u);
}

TEST_F(C64Dump, TruncatedImagesEndWithAnErrorNamingTheOffset) {
  // A PLCK signature with the cave block cut short.
  DumpBytes plck = plckMemory({25});
  plck.resize(0x7000 + 100);
  try {
    convert(plck);
    FAIL() << "expected an error";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.level(), 0);
    EXPECT_EQ(e.offset(), 0x7000u + 100);
  }
  // Deluxe caves cut short: the levelmap is left alone.
  DumpBytes deluxe(28697 + 5 * 1024, 1);
  put(deluxe, 28697, "8888");
  EXPECT_THROW(convert(deluxe), LevelError);

  // A BD1 cave whose commands run off the end is reported and left.
  DumpBytes bd1 = bd1Memory();
  put(bd1, 0x5806, {0xF0, 0xA7});                      // cave A at 0x582E + 0xA7F0 = 0xFE1E
  std::fill(bd1.begin() + 0xFE1E + 32, bd1.end(), 0);  // "set" commands without an end
  const C64Conversion c = convert(bd1);
  EXPECT_TRUE(has(c.report, "(Cave A is out of filerange!)"));
  EXPECT_NE(findRun(linesOf(c.dasText), {"level", "2", "name", " Cave B"}), std::string::npos);
}

}  // namespace
}  // namespace pyrovel

namespace pyrovel {
namespace {

TEST_F(ImportFixture, DasTextIsReadThroughATemporaryFileThatIsRemoved) {
  const testing::OwnTemporaryFolder tmp;
  C64Conversion c;
  c.dasText = "level\r\n1\r\nname\r\nFROM MEMORY\r\nlevel\r\n1\r\n";
  loadC64Conversion(session, c, false);
  EXPECT_EQ(header(1).title(), "FROM MEMORY");
  EXPECT_EQ(tmp.fileCount(), 0) << "a scratch file was left behind";
}

}  // namespace
}  // namespace pyrovel

namespace pyrovel {
namespace {

TEST_F(ImportFixture, ConverterRunReadsConvertsAndLoadsAFile) {
  DumpBytes program{0x00, 0xBE};
  const DumpBytes block = testing::kitCaveBlock();
  program.insert(program.end(), block.begin(), block.end());
  at(4);
  const C64Conversion c = runC64Converter(session, file("ONE.PRG", program), true);
  EXPECT_EQ(c.report.front(), kC64ConverterBanner);
  EXPECT_EQ(header(4).title(), "ONE");
  EXPECT_TRUE(session.map.modified) << "closing asks to save the converted caves";
  EXPECT_TRUE(ui.changes & kLevelList);
  EXPECT_THROW(runC64Converter(session, dir.path("missing.prg"), false), LevelError);
}

// A real disk image is no memory dump: it is reported, not converted.
TEST_F(ImportFixture, RealDiskImageIsNotTakenForADump) {
  const std::string d64 = testing::corpusPath("d64/validated.d64");
  if (d64.empty()) GTEST_SKIP() << "no corpus";
  const C64Conversion c = runC64Converter(session, d64, false);
  EXPECT_FALSE(c.loadable());
  EXPECT_EQ(c.report.back(), "  *: full Ondrel-effects support now.");
  EXPECT_TRUE(session.map.isEmptyLevel(1));
  EXPECT_FALSE(session.map.modified);
}

}  // namespace
}  // namespace pyrovel

namespace pyrovel {
namespace {

// Damaged images: cut at many lengths and with bytes changed where the
// engines look. Each either converts and loads or ends with a LevelError.
TEST_F(ImportFixture, DamagedImagesConvertOrFailCleanly) {
  std::uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  std::vector<testing::DumpBytes> images{testing::bd1Memory(),
                                         testing::plckMemory({25, 14, 25, 25}, true)};
  int converted = 0;
  for (int round = 0; round < 60; ++round) {
    testing::DumpBytes d = images[round % 2];
    for (int k = 0; k < 40; ++k) {
      const std::size_t at = round % 2 == 0 ? 0x5806 + next() % 0x200 : 0x5E8B + next() % 0x1400;
      d[at] = static_cast<std::uint8_t>(next());
    }
    if (round % 3 == 0) d.resize(0x5F3E + next() % (d.size() - 0x5F3E));
    try {
      const C64Conversion c = convertC64Dump(d, "damaged.ram");
      loadC64Conversion(session, c, false);
      ++converted;
    } catch (const LevelError& e) {
      EXPECT_TRUE(e.offset().has_value()) << e.what();
    }
  }
  EXPECT_GT(converted, 0);
}

}  // namespace
}  // namespace pyrovel
