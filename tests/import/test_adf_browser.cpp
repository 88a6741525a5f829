// The ADF browser's state as its window drives it: opening, stepping through
// blocks, searching, double clicks on folders and files.
#include <gtest/gtest.h>

#include "import/adf_browser.h"
#include "import/test_adf_builder.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::AdfBuilder;

class AdfBrowsing : public ::testing::Test {
 protected:
  AdfBrowsing() : session(ui) {
    b.root("BROWSE");
    b.header(890, "Folder");
    b.hash(880, 1, 890);
    b.file(900, "Level", std::vector<std::uint8_t>(2106, 0));
    b.hash(890, 3, 900);
    b.header(950, "Empty");  // an empty file: first-data field 0, like a folder
    b.hash(880, 2, 950);
    b.file(960, "Note", testing::countingBytes(10));
    b.hash(880, 3, 960);
    const std::string needle = "NEEDLE";
    std::copy(needle.begin(), needle.end(), b.block(1200) + 100);
    testing::writeAll(dir.path("disk.adf"), b.image);
    browser.openImage(dir.path("disk.adf"));
  }

  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  EditorSession session;
  AdfBuilder b;
  AdfBrowser browser;
};

TEST_F(AdfBrowsing, OpeningListsTheRootAndShowsBlockZero) {
  ASSERT_TRUE(browser.isOpen());
  EXPECT_EQ(browser.image().diskName(), "BROWSE");
  EXPECT_EQ(browser.listedDirectory(), kAdfRootBlock);
  ASSERT_EQ(browser.listing().size(), 3u);
  EXPECT_EQ(browser.listing()[0].name, "Folder");
  EXPECT_EQ(browser.currentBlock(), 0);
  EXPECT_EQ(browser.blockInfo().label, "Block 0");
  EXPECT_EQ(browser.blockDump().substr(0, 6), "000   ");

  // A file that is no image leaves the open one as it was.
  testing::writeAll(dir.path("small.adf"), std::vector<std::uint8_t>(100, 0));
  EXPECT_THROW(browser.openImage(dir.path("small.adf")), LevelError);
  EXPECT_EQ(browser.image().diskName(), "BROWSE");
}

TEST_F(AdfBrowsing, StepsStayOnTheDisk) {
  browser.previousBlock();
  EXPECT_EQ(browser.currentBlock(), 0);
  browser.goToBlock(5000);
  EXPECT_EQ(browser.currentBlock(), 1759);
  browser.nextBlock();
  EXPECT_EQ(browser.currentBlock(), 1759);
  browser.goToBlock(900);
  EXPECT_EQ(browser.details(), "next block: 901");
  // "Go" with the number field the block showed follows the data chain.
  browser.goToBlock(browser.blockInfo().nextBlock);
  EXPECT_EQ(browser.currentBlock(), 901);
  EXPECT_EQ(browser.blockInfo().info, "data block with header 900: Level");
}

TEST_F(AdfBrowsing, SearchShowsTheBlockWhereTheTextIs) {
  EXPECT_EQ(browser.search("NEEDLE", 0), 1200);
  EXPECT_EQ(browser.currentBlock(), 1200);
  browser.goToBlock(3);
  EXPECT_FALSE(browser.search("NEEDLE", 1201).has_value());
  EXPECT_EQ(browser.currentBlock(), 3);
}

TEST_F(AdfBrowsing, DoubleClicksListFoldersAndImportFiles) {
  const AdfEntry folder = browser.listing()[0];
  EXPECT_EQ(browser.doubleClick(session, folder), AdfBrowser::Opened::Folder);
  EXPECT_EQ(browser.listedDirectory(), 890);
  EXPECT_EQ(browser.currentBlock(), 890);
  ASSERT_EQ(browser.listing().size(), 1u);

  session.selectLevel(3);
  EXPECT_EQ(browser.doubleClick(session, browser.listing()[0]), AdfBrowser::Opened::Level);
  EXPECT_EQ(session.map.currentLevel, 3);
  EXPECT_EQ(session.map.header(3).width(), 64);

  browser.previousFolder();
  EXPECT_EQ(browser.listedDirectory(), kAdfRootBlock);
  EXPECT_EQ(browser.currentBlock(), kAdfRootBlock);
  // The empty file looks like a folder: its header block is listed (as nothing).
  const AdfEntry empty = browser.listing()[1];
  ASSERT_TRUE(empty.folder);
  EXPECT_EQ(browser.doubleClick(session, empty), AdfBrowser::Opened::Folder);
  EXPECT_TRUE(browser.listing().empty());

  browser.previousFolder();
  EXPECT_EQ(browser.doubleClick(session, browser.listing()[2]), AdfBrowser::Opened::NotALevel);
  EXPECT_EQ(session.map.currentLevel, 3);
}

TEST_F(AdfBrowsing, ClickAndSaveShowTheirNumbers) {
  const AdfEntry note = browser.listing()[2];
  browser.click(note);
  EXPECT_EQ(browser.details(), "960");
  const std::string saved = browser.saveFile(note, dir.dir().string());
  EXPECT_EQ(browser.details(), "10");
  EXPECT_EQ(saved, dir.path("Note"));
  EXPECT_EQ(testing::readAll(saved), testing::countingBytes(10));
}

}  // namespace
}  // namespace pyrovel
