// The D64 browser's state as its window drives it: the file list, clicks
// that import caves, the text view and saving.
#include <gtest/gtest.h>

#include "import/d64_browser.h"
#include "import/test_d64_builder.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::D64Builder;

class D64Browsing : public ::testing::Test {
 protected:
  D64Browsing() : session(ui) {
    b.header("BROWSE");
    b.link(18, 1, 0, 0xFF);
    std::vector<std::uint8_t> cave(500, 0x77);
    cave[444] = 150;
    b.file({{4, 2}, {4, 3}}, cave);
    b.entry(18, 1, 0, 0x82, 4, 2, "CAVE A.CAV", 2);
    const std::string text = "HELLO";
    b.file({{6, 0}}, std::vector<std::uint8_t>(text.begin(), text.end()));
    b.entry(18, 1, 1, 0x81, 6, 0, "TEXT/FILE", 1);
    testing::writeAll(dir.path("disk.d64"), b.image);
    browser.openImage(dir.path("disk.d64"));
  }

  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  EditorSession session;
  D64Builder b;
  D64Browser browser;
};

TEST_F(D64Browsing, ListsEverySlotAndStartsAtTheFirstFile) {
  EXPECT_EQ(browser.title(), "BROWSE");
  const auto names = browser.fileNames();
  ASSERT_EQ(names.size(), 8u);
  EXPECT_EQ(names[0], "CAVE A.CAV");
  EXPECT_EQ(names[1], "TEXT/FILE");
  EXPECT_EQ(names[2], "");
  EXPECT_EQ(browser.currentSector(), 65);  // track 4, sector 2

  testing::writeAll(dir.path("small.d64"), std::vector<std::uint8_t>(1000, 0));
  EXPECT_THROW(browser.openImage(dir.path("small.d64")), LevelError);
  EXPECT_EQ(browser.title(), "BROWSE");
}

TEST_F(D64Browsing, ClicksImportCavesIntoTheShownLevel) {
  session.selectLevel(7);
  EXPECT_FALSE(browser.importFile(session, 1));
  EXPECT_EQ(browser.currentSector(), 105);  // track 6, sector 0
  EXPECT_EQ(session.map.header(7).width(), 3);

  EXPECT_TRUE(browser.importFile(session, 0));
  EXPECT_EQ(session.map.currentLevel, 7);
  EXPECT_EQ(session.map.header(7).title(), "CAVE A.CAV");
  EXPECT_EQ(session.map.header(7).levelTime(), 150);

  EXPECT_FALSE(browser.importFile(session, 5));  // an empty slot
  EXPECT_FALSE(browser.currentSector().has_value());
  EXPECT_THROW(browser.importFile(session, 8), LevelError);
}

TEST_F(D64Browsing, TextViewAndSave) {
  EXPECT_EQ(browser.viewasAscii(1), "HELLO");
  EXPECT_EQ(browser.proposedFileName(1), "TEXT_FILE");
  browser.saveFile(1, dir.path("saved.seq"));
  EXPECT_EQ(testing::readAll(dir.path("saved.seq")),
            (std::vector<std::uint8_t>{'H', 'E', 'L', 'L', 'O'}));
  EXPECT_THROW(browser.viewasAscii(2), LevelError);  // an empty slot holds no file
}

}  // namespace
}  // namespace pyrovel
