// Edit.bdi: the palettes of the three editing modes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "model/errors.h"
#include "model/palette_file.h"
#include "support/test_support.h"

using namespace pyrovel;

namespace {
std::optional<Palette> read(const std::string& text, EditMode mode) {
  std::istringstream in(text);
  return readPalette(in, paletteMarker(mode));
}
}  // namespace

TEST(PaletteFile, AListEndingAtEndOfFileHasOneEntryPerNumber) {
  const auto p = read("--C64 embedding--\nskipped 99\n1\n2\n300\n", kC64Mode);
  ASSERT_TRUE(p);
  EXPECT_EQ(*p, (Palette{1, 2, 300}));
}

TEST(PaletteFile, AListEndingAtAnotherLineTakesThatLineAsOneMoreEntry) {
  const std::string text =
      "--Pyrovel embedding--\r\nheading\r\n3\r\n4\r\n--Emerald "
      "embedding--\r\n\r\n7\r\n12x\r\n9\r\n";
  EXPECT_EQ(*read(text, kGameMode), (Palette{3, 4, 0}));   // the marker adds a 0
  EXPECT_EQ(*read(text, kEmeraldMode), (Palette{7, 12}));  // "12x" adds 12 and ends
  EXPECT_EQ(*read("--C64 embedding--\nx\n5\n\n6\n", kC64Mode), (Palette{5, 0}));
  EXPECT_FALSE(read(text, kC64Mode));
}

TEST(PaletteFile, EntriesBeyondTheTableAreIgnored) {
  std::string text = "--Pyrovel embedding--\n\n";
  for (int i = 0; i < 600; ++i) text += std::to_string(i % 256) + "\n";
  const auto p = read(text, kGameMode);
  ASSERT_EQ(p->size(), kMaxPaletteEntries);
  EXPECT_EQ(p->back(), 512 % 256);
}

TEST(PaletteFile, BuiltInPaletteIsZeroToHundred) {
  const Palette p = builtInPalette();
  ASSERT_EQ(p.size(), 101u);
  EXPECT_EQ(p.front(), 0);
  EXPECT_EQ(p.back(), 100);
}

TEST(PaletteFile, ModeSwitchSkipsAMissingFileExceptInEmeraldMode) {
  pyrovel::testing::TempDir dir;
  const std::string path = dir.path("Edit.bdi");
  EXPECT_FALSE(paletteForModeSwitch(path, kGameMode));
  EXPECT_FALSE(paletteForModeSwitch(path, kC64Mode));
  EXPECT_THROW(paletteForModeSwitch(path, kEmeraldMode), LevelError);
  std::ofstream(path) << "--Emerald embedding--\n\n5\n6";
  EXPECT_EQ(*paletteForModeSwitch(path, kEmeraldMode), (Palette{5, 6}));
}

TEST(PaletteFile, TheShippedFileHoldsThreeUsablePalettes) {
  const std::string path = std::string(PYROVEL_SOURCE_DIR) + "/data/Edit.bdi";
  for (EditMode mode : {kGameMode, kEmeraldMode, kC64Mode}) {
    const auto p = readPaletteFile(path, mode);
    ASSERT_TRUE(p) << paletteMarker(mode);
    EXPECT_GT(p->size(), 20u);
    for (std::uint16_t object : *p) EXPECT_LE(object, 255);
  }
}
