// The selection tool, the clipboard, the floating selection and its
// paste, copy and cut.
#include "editor_fixture.h"

namespace pyrovel {
namespace {

class SelectionClipboardTest : public EditorFixture {
 protected:
  // Numbers every cell of the grid by its place, so copies can be traced.
  void numberCells() {
    for (int x = 0; x < kGridSide; ++x) {
      for (int y = 0; y < kGridSide; ++y) s.map.at(x, y) = 1000 + 100 * x + y;
    }
  }
  void select(int x1, int y1, int x2, int y2) {
    if (!tools.isOn(SelectionTool::kId)) tools.toggle(SelectionTool::kId);
    dragCells(x1, y1, x2, y2);
  }
  const SelectionClipboard& clip() const { return tools.clipboard(); }
};

TEST_F(SelectionClipboardTest, SelectionCopiesTheAreaAndFloatsOverIt) {
  numberCells();
  select(2, 3, 4, 4);
  EXPECT_EQ(tools.activeTool().id(), SelectionTool::kId);
  ASSERT_EQ(clip().width(), 3);
  ASSERT_EQ(clip().height(), 2);
  EXPECT_EQ(clip().cell(0, 0), 1000 + 203);
  EXPECT_EQ(clip().cell(2, 1), 1000 + 404);
  EXPECT_TRUE(clip().visible());
  EXPECT_EQ(clip().position(), CellPos(2, 3));
  EXPECT_EQ(clip().rect(kCell), (ViewRect{32, 48, 32 + 3 * kCell + 1, 48 + 2 * kCell + 1}));
  // Shown at the current zoom: doubling the cells doubles the rectangle.
  EXPECT_EQ(clip().rect(2 * kCell).left, 64);
  EXPECT_EQ(undoSteps(), 0);

  // Paste in place writes the same cells: nothing changed, so no undo step.
  const ViewUpdate u = tools.paste();
  EXPECT_TRUE(u.redrawLevel);
  EXPECT_EQ(at(2, 3), 1000 + 203);
  EXPECT_EQ(clip().position(), CellPos(2, 3));
  EXPECT_EQ(undoSteps(), 0);
}

TEST_F(SelectionClipboardTest, TheFloatingCopyStaysWhereItWasPut) {
  numberCells();
  select(2, 5, 3, 6);  // 2 x 2
  const int a = at(2, 5), b = at(3, 6);
  tools.clipboard().startDrag(px(2), px(5), kCell);
  tools.clipboard().dragTo(px(8), px(8), kCell);
  tools.paste();
  tools.paste();
  EXPECT_EQ(at(8, 8), a);
  EXPECT_EQ(at(9, 9), b);
  EXPECT_EQ(clip().position(), CellPos(8, 8));
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_EQ(s.undoName(), "Paste");
  EXPECT_TRUE(s.map.modified);
}

TEST_F(SelectionClipboardTest, SelectAllThenEscOrAnotherLevelDropsTheFloatingCopy) {
  numberCells();
  tools.levelShown(1);
  EXPECT_TRUE(tools.selectAll().overlay);
  EXPECT_TRUE(clip().visible());
  EXPECT_EQ(clip().width(), 20);
  EXPECT_EQ(clip().height(), 12);
  EXPECT_EQ(clip().position(), CellPos(0, 0));
  EXPECT_TRUE(tools.dropSelection().overlay);
  EXPECT_FALSE(clip().visible());
  EXPECT_FALSE(tools.dropSelection().any());  // nothing left: Esc may do something else
  tools.selectAll();
  EXPECT_FALSE(tools.levelShown(1).any());  // the same level shown again
  EXPECT_TRUE(clip().visible());
  EXPECT_TRUE(tools.levelShown(2).overlay);
  EXPECT_FALSE(clip().visible());
}

TEST_F(SelectionClipboardTest, EveryPasteThatWritesCanBeUndone) {
  s.map.at(4, 2) = obj::Rock;
  select(4, 2, 4, 6);  // a single column
  ASSERT_EQ(clip().width(), 1);
  tools.clipboard().startDrag(px(4), px(2), kCell);
  tools.clipboard().dragTo(px(8), px(2), kCell);
  tools.paste();
  EXPECT_EQ(undoSteps(), 1);
  ASSERT_TRUE(s.undo());
  EXPECT_EQ(at(8, 2), obj::Dirt);
}

TEST_F(SelectionClipboardTest, PasteBeforeAnySelectionOnlyRedraws) {
  const ViewUpdate u = tools.paste();
  EXPECT_TRUE(u.redrawLevel);
  EXPECT_FALSE(clip().visible());
  EXPECT_EQ(undoSteps(), 0);
  EXPECT_EQ(at(0, 0), obj::Dirt);
}

TEST_F(SelectionClipboardTest, PasteIsClippedAtTheLevelEdge) {
  numberCells();
  s.map.at(20, 11) = 7;  // hidden, beyond the level's width
  select(1, 1, 3, 3);    // 3 x 3
  tools.clipboard().startDrag(px(1), px(1), kCell);
  tools.clipboard().dragTo(px(18), px(10), kCell);
  ASSERT_EQ(clip().position(), CellPos(18, 10));
  tools.paste();
  EXPECT_EQ(at(18, 10), 1000 + 101);
  EXPECT_EQ(at(19, 11), 1000 + 202);
  EXPECT_EQ(at(20, 11), 7);
  EXPECT_EQ(at(18, 12), 1000 + 1800 + 12);

  // Above the top row: only the rows inside are written.
  tools.clipboard().startDrag(px(18), px(10), kCell);
  tools.clipboard().dragTo(px(5), px(-1), kCell);
  ASSERT_EQ(clip().position(), CellPos(5, -1));
  tools.paste();
  EXPECT_EQ(at(5, 0), 1000 + 102);
  EXPECT_EQ(at(7, 1), 1000 + 303);
}

TEST_F(SelectionClipboardTest, DraggingSnapsToTheNearestCell) {
  EXPECT_EQ(SelectionClipboard::snapToCell(2 * 16 + 5, 16), 32);
  EXPECT_EQ(SelectionClipboard::snapToCell(2 * 16 + 9, 16), 48);
  EXPECT_EQ(SelectionClipboard::snapToCell(2 * 16 + 8, 16), 32);
  EXPECT_EQ(SelectionClipboard::snapToCell(-12, 16), -16);

  select(2, 3, 3, 3);
  SelectionClipboard& c = tools.clipboard();
  c.startDrag(40, 56, kCell);  // 8 pixels into the selection
  EXPECT_FALSE(c.dragTo(40 + 5, 56 + 5, kCell));
  EXPECT_EQ(c.position(), CellPos(2, 3));
  EXPECT_TRUE(c.dragTo(40 + 9, 56 + 20, kCell));
  EXPECT_EQ(c.position(), CellPos(3, 4));
  c.endDrag();
  EXPECT_FALSE(c.dragTo(200, 200, kCell));
}

TEST_F(SelectionClipboardTest, SelectionStopsAtTheLevelEdge) {
  numberCells();
  select(17, 9, 30, 30);
  EXPECT_EQ(clip().width(), 3);
  EXPECT_EQ(clip().height(), 3);
  select(5, 5, 2, 2);  // dragged up and left: the same cells
  EXPECT_EQ(clip().width(), 4);
  EXPECT_EQ(clip().position(), CellPos(2, 2));
}

TEST_F(SelectionClipboardTest, CutEmptiesTheSelectionWithOneUndoEntry) {
  numberCells();
  EXPECT_FALSE(tools.cutSelection().any());
  EXPECT_FALSE(tools.copySelection().any());
  select(2, 2, 3, 4);
  const ViewUpdate u = tools.cutSelection();
  EXPECT_TRUE(u.redrawLevel);
  for (int x = 2; x <= 3; ++x) {
    for (int y = 2; y <= 4; ++y) EXPECT_EQ(at(x, y), obj::EmptySpace);
  }
  EXPECT_EQ(at(4, 2), 1000 + 402);
  EXPECT_EQ(clip().cell(1, 2), 1000 + 304);
  EXPECT_EQ(undoSteps(), 1);
  // Moved and pasted, the cut cells land elsewhere: a move.
  tools.clipboard().startDrag(px(2), px(2), kCell);
  tools.clipboard().dragTo(px(10), px(6), kCell);
  tools.paste();
  EXPECT_EQ(at(10, 6), 1000 + 202);
  ASSERT_TRUE(s.undo());
  ASSERT_TRUE(s.undo());
  EXPECT_EQ(at(2, 2), 1000 + 202);
}

TEST_F(SelectionClipboardTest, CopyTakesTheCellsUnderTheMovedSelection) {
  numberCells();
  select(2, 2, 3, 3);
  tools.clipboard().startDrag(px(2), px(2), kCell);
  tools.clipboard().dragTo(px(7), px(8), kCell);
  EXPECT_TRUE(tools.copySelection().overlay);
  EXPECT_EQ(clip().cell(0, 0), 1000 + 708);
  EXPECT_EQ(clip().position(), CellPos(7, 8));
  EXPECT_EQ(undoSteps(), 0);
}

}  // namespace
}  // namespace pyrovel
