// The objects help document: its sections, stepping through the objects,
// writing an edited section back and saving the document with its offsets.
#include <gtest/gtest.h>

#include "editor/objects_help.h"
#include "model/errors.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using Lines = std::vector<std::string>;

// Markers 0..160 with section n holding n % 3 lines "n.k", then "--161--".
Lines smallDocument() {
  Lines doc;
  for (int n = 0; n <= 160; ++n) {
    doc.push_back("--" + std::to_string(n) + "--");
    for (int k = 0; k < n % 3; ++k) doc.push_back(std::to_string(n) + "." + std::to_string(k));
  }
  doc.push_back("--161--");
  return doc;
}

TEST(ObjectsHelp, BuiltInDocumentStartsOnTheLittleFellow) {
  ObjectsHelp help;
  EXPECT_EQ(help.currentObject(), 2);
  const Lines fellow = help.section(2);
  ASSERT_GE(fellow.size(), 3u);
  EXPECT_EQ(fellow[0], "2 :LittleFellow");
  EXPECT_EQ(fellow[1], "");
  EXPECT_EQ(help.section(0), Lines{"Sorry, no help yet ..."});
  EXPECT_EQ(help.offsets().size(), 161u);
  EXPECT_EQ(help.document().front(), "--0--");
  EXPECT_EQ(help.document().back(), "--161--");
  EXPECT_TRUE(help.section(147).empty());  // no name, no help
}

TEST(ObjectsHelp, SectionsRunUpToTheNextMarker) {
  ObjectsHelp help(smallDocument());
  EXPECT_EQ(help.offsets()[0], 1);
  EXPECT_EQ(help.offsets()[1], 2);
  EXPECT_EQ(help.offsets()[2], 4);
  EXPECT_EQ(help.section(0), Lines{});
  EXPECT_EQ(help.section(2), (Lines{"2.0", "2.1"}));
  EXPECT_EQ(help.section(160), (Lines{"160.0"}));  // up to "--161--"
  EXPECT_TRUE(help.section(161).empty());
}

TEST(ObjectsHelp, StepsStayInsideTheObjects) {
  ObjectsHelp help(smallDocument());
  help.select(160, {});
  help.nextObject({});
  EXPECT_EQ(help.currentObject(), 160);
  help.select(0, {});
  help.previousObject({});
  EXPECT_EQ(help.currentObject(), 0);
  help.nextObject({});
  EXPECT_EQ(help.currentObject(), 1);
  // Beyond the name list or the sections the first section is shown.
  help.select(150, {});
  EXPECT_EQ(help.displayObjectHelp(275), 150);
  EXPECT_EQ(help.displayObjectHelp(100), 0);
  EXPECT_EQ(help.currentObject(), 0);
  help.select(237, {});  // Fellow2 from the palette
  EXPECT_EQ(help.displayObjectHelp(275), 0);
}

TEST(ObjectsHelp, AnEditIsWrittenBackWhenMovingOn) {
  ObjectsHelp help(smallDocument());
  const std::vector<int> before = help.offsets();
  help.select(4, {});
  help.nextObject({"ignored: nothing was changed"});
  EXPECT_EQ(help.offsets(), before);

  help.select(4, {});
  help.markChanged();
  help.nextObject({"new 1", "new 2", "new 3"});  // section 4 had one line
  EXPECT_FALSE(help.changed());
  EXPECT_EQ(help.currentObject(), 5);
  EXPECT_EQ(help.section(4), (Lines{"new 1", "new 2", "new 3"}));
  for (int n = 0; n <= 4; ++n) EXPECT_EQ(help.offsets()[n], before[n]) << n;
  for (int n = 5; n <= 160; ++n) EXPECT_EQ(help.offsets()[n], before[n] + 2) << n;
  EXPECT_EQ(help.section(5), (Lines{"5.0", "5.1"}));

  // Choosing another object on the palette keeps the edit too.
  help.markChanged();
  help.select(9, {});
  EXPECT_TRUE(help.section(5).empty());
}

TEST(ObjectsHelp, TheLastSectionCanBeRewritten) {
  ObjectsHelp help(smallDocument());
  help.select(160, {});
  help.insertText({"a", "b"});
  EXPECT_EQ(help.section(160), (Lines{"a", "b"}));
  EXPECT_EQ(help.document().back(), "--161--");
}

TEST(ObjectsHelp, MarkersAreRequiredAndCannotBeTypedIn) {
  Lines doc = smallDocument();
  doc.erase(std::find(doc.begin(), doc.end(), "--77--"));
  EXPECT_THROW(ObjectsHelp{doc}, LevelError);

  ObjectsHelp help(smallDocument());
  const Lines before = help.document();
  help.select(3, {});
  EXPECT_THROW(help.insertText({"text", "--9--"}), LevelError);
  EXPECT_EQ(help.document(), before);
  help.insertText({"-- not a marker --", "--"});
  EXPECT_EQ(help.section(3).size(), 2u);
}

TEST(ObjectsHelp, SaveWritesTheDocumentAndItsOffsets) {
  testing::TempDir dir;
  ObjectsHelp help(smallDocument());
  help.select(1, {});
  help.insertText({"x", "y", "z"});
  const auto paths = help.saveText(dir.dir().string());
  ASSERT_EQ(paths.size(), 2u);
  const auto text = testing::readAll(paths[0]);
  const std::string doc(text.begin(), text.end());
  EXPECT_TRUE(doc.starts_with("--0--\r\n--1--\r\nx\r\ny\r\nz\r\n--2--\r\n"));
  const auto offsetBytes = testing::readAll(paths[1]);
  const std::string offsets(offsetBytes.begin(), offsetBytes.end());
  EXPECT_TRUE(offsets.starts_with("1\r\n2\r\n6\r\n"));
  EXPECT_EQ(std::count(offsets.begin(), offsets.end(), '\n'), 161);
}

}  // namespace
}  // namespace pyrovel
