// The pen, the eraser, the spray, the rectangle and chaos tools and the
// rules that go with them, driven through the tool controller by pixel.
#include <algorithm>
#include <cstdlib>

#include "editor_fixture.h"

namespace pyrovel {
namespace {

using DrawingTools = EditorFixture;

TEST_F(DrawingTools, PenStrokeRecordsOneUndoEntryAndUndoesWhole) {
  s.drawingObject = obj::Rock;
  pressCell(3, 3);
  for (int x = 4; x <= 8; ++x) moveCell(x, 3, kHeldLeft);
  tools.release(MouseButton::Left);
  for (int x = 3; x <= 8; ++x) EXPECT_EQ(at(x, 3), obj::Rock) << x;
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_TRUE(s.map.modified);

  pressCell(3, 5);
  tools.release(MouseButton::Left);
  EXPECT_EQ(undoSteps(), 2);
  ASSERT_TRUE(s.undo());
  ASSERT_TRUE(s.undo());
  EXPECT_EQ(at(3, 3), obj::Dirt);
  EXPECT_EQ(at(8, 3), obj::Dirt);
}

TEST_F(DrawingTools, MovesPaintOnlyWithExactlyTheLeftButtonHeld) {
  s.drawingObject = obj::Rock;
  moveCell(4, 4, kHeldLeft | kHeldShift);
  moveCell(5, 4, kHeldLeft | kHeldRight);
  moveCell(6, 4, 0);
  EXPECT_EQ(at(4, 4), obj::Dirt);
  EXPECT_EQ(at(5, 4), obj::Dirt);
  moveCell(7, 4, kHeldRight);
  EXPECT_EQ(at(7, 4), obj::EmptySpace);
}

TEST_F(DrawingTools, NothingIsWrittenOutsideTheLevelOrTheGrid) {
  s.map.at(25, 3) = 99;  // a hidden cell beyond the level's width
  s.drawingObject = obj::Rock;
  const ViewUpdate u = pressCell(25, 3);
  EXPECT_TRUE(u.cells.empty());
  EXPECT_EQ(at(25, 3), 99);
  pressCell(25, 3, MouseButton::Right);
  EXPECT_EQ(at(25, 3), 99);
  EXPECT_EQ(undoSteps(), 0);
  // Left of the view is column -1, not column 0.
  tools.press(-3, px(2), MouseButton::Left, kCell);
  EXPECT_EQ(at(0, 2), obj::Dirt);
  // A record claiming more than the grid holds stops at the grid.
  s.map.current().setWidth(200);
  pressCell(140, 3);
  pressCell(128, 3);
  EXPECT_EQ(at(128, 3), obj::Rock);
  // A view without cells does nothing at all.
  EXPECT_FALSE(tools.press(5, 5, MouseButton::Left, 0).any());
}

TEST_F(DrawingTools, LittleFellowQuestionAnsweredNoThenYes) {
  s.drawingObject = obj::LittleFellow;
  ui.answers = {Answer::No};
  pressCell(5, 5);
  tools.release(MouseButton::Left);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "You can only have 1 Little Fellow, Do you want to move it here?");
  EXPECT_EQ(at(5, 5), obj::Dirt);
  EXPECT_EQ(at(1, 1), obj::LittleFellow);

  ui.answers = {Answer::Yes};
  ViewUpdate u = pressCell(5, 5);
  // A drag after the question neither asks again nor paints.
  moveCell(6, 5, kHeldLeft);
  tools.release(MouseButton::Left);
  EXPECT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(at(5, 5), obj::LittleFellow);
  EXPECT_EQ(at(1, 1), obj::EmptySpace);
  EXPECT_EQ(at(6, 5), obj::Dirt);
  EXPECT_EQ(s.map.current().playerX(), 5);
  EXPECT_EQ(s.map.current().playerY(), 5);
  EXPECT_NE(std::find(u.cells.begin(), u.cells.end(), CellPos{1, 1}), u.cells.end());
  EXPECT_NE(std::find(u.cells.begin(), u.cells.end(), CellPos{5, 5}), u.cells.end());

  // On its own cell it is only drawn again.
  u = pressCell(5, 5);
  EXPECT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(u.cells, std::vector<CellPos>{CellPos(5, 5)});
}

TEST_F(DrawingTools, AStrokeBrokenOffByTheQuestionEndsWithoutItsRelease) {
  // The question box takes the button's release; the next stroke must
  // still be undone on its own.
  s.drawingObject = obj::LittleFellow;
  ui.answers = {Answer::Yes};
  pressCell(5, 5);
  const int afterQuestion = undoSteps();
  s.drawingObject = obj::Rock;
  pressCell(8, 8);
  tools.release(MouseButton::Left);
  EXPECT_EQ(undoSteps(), afterQuestion + 1);
  ASSERT_TRUE(s.undo());
  EXPECT_EQ(at(8, 8), obj::Dirt);
  EXPECT_EQ(at(5, 5), obj::LittleFellow);
}

TEST_F(DrawingTools, AStalePlayerPositionNeverErasesAnotherObject) {
  s.map.at(1, 1) = obj::SolidWall;  // the player was drawn over
  s.drawingObject = obj::LittleFellow;
  ui.answers = {Answer::Yes};
  pressCell(4, 4);
  EXPECT_EQ(at(1, 1), obj::SolidWall);
  EXPECT_EQ(at(4, 4), obj::LittleFellow);
  // A position far outside the grid is harmless too.
  s.map.current().setPlayerX(250);
  ui.answers = {Answer::Yes};
  pressCell(6, 6);
  EXPECT_EQ(s.map.current().playerX(), 6);
}

TEST_F(DrawingTools, WithoutTheOptionTheLittleFellowIsAnOrdinaryObject) {
  s.allowOnlyOneLittleFellow = false;
  s.drawingObject = obj::LittleFellow;
  pressCell(5, 5);
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(at(5, 5), obj::LittleFellow);
  EXPECT_EQ(at(1, 1), obj::LittleFellow);
  EXPECT_EQ(s.map.current().playerX(), 1);
}

TEST_F(DrawingTools, Fellow2PositionFollowsEachNewCell) {
  s.drawingObject = obj::Fellow2;
  pressCell(3, 4);
  pressCell(6, 7);
  EXPECT_EQ(s.map.current().player2X(), 6);
  EXPECT_EQ(s.map.current().player2Y(), 7);
  EXPECT_EQ(at(3, 4), obj::Fellow2);  // the earlier one stays
}

TEST_F(DrawingTools, SprayScattersOverTheSquareAroundThePressedCell) {
  makeLevel(30, 30);
  tools.toggle(SprayTool::kId);
  s.drawingObject = obj::Diamond;
  // With amount 2 and size 10 the extremes are column-5 .. column+4.
  spray().options.objectsPerEvent = 2;
  random.values = {0, 0, 9, 9};
  pressCell(15, 15);
  EXPECT_EQ(at(10, 10), obj::Diamond);
  EXPECT_EQ(at(19, 19), obj::Diamond);
  EXPECT_EQ(random.reseeds, 1);
  // Every move of the drag sprays again, still in one undo entry.
  random.values = {3, 3};
  moveCell(15, 15, kHeldLeft);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(13, 13), obj::Diamond);
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_EQ(tools.activeTool().id(), SprayTool::kId);  // the spray stays on
}

TEST_F(DrawingTools, SprayNeverTouchesTheOuterRingOrLeavesTheLevel) {
  makeLevel(8, 6);
  for (int x = 0; x < kGridSide; ++x) {
    for (int y = 0; y < kGridSide; ++y) s.map.at(x, y) = 99;
  }
  SeededRandom seeded(7);
  ToolController sprayer(s, seeded);
  sprayer.toggle(SprayTool::kId);
  s.drawingObject = obj::Diamond;
  sprayer.tool<SprayTool>().options.objectsPerEvent = 100;
  sprayer.tool<SprayTool>().options.squareSide = 100;
  for (int i = 0; i < 100; ++i) sprayer.press(px(1), px(1), MouseButton::Left, kCell);
  int sprayed = 0;
  for (int x = 0; x < kGridSide; ++x) {
    for (int y = 0; y < kGridSide; ++y) {
      const bool inner = x >= 1 && x <= 6 && y >= 1 && y <= 4;
      if (!inner) {
        ASSERT_EQ(at(x, y), 99) << x << "," << y;
      }
      if (at(x, y) == obj::Diamond) ++sprayed;
    }
  }
  EXPECT_GT(sprayed, 0);
  // Size and amount out of range neither crash nor spray outside.
  sprayer.tool<SprayTool>().options.squareSide = 0;
  sprayer.tool<SprayTool>().options.objectsPerEvent = -4;
  sprayer.press(px(3), px(3), MouseButton::Left, kCell);
}

TEST_F(DrawingTools, SprayOnlyInSpaceAndDirtLeavesRocksAlone) {
  for (int x = 1; x < 19; ++x) {
    for (int y = 1; y < 11; ++y) s.map.at(x, y) = (x + y) % 3 == 0 ? obj::Rock : (x % 2);
  }
  s.drawingObject = obj::Diamond;
  SeededRandom seeded(3);
  ToolController sprayer(s, seeded);
  sprayer.toggle(SprayTool::kId);
  sprayer.tool<SprayTool>().options.onlySpaceAndDirt = true;
  sprayer.tool<SprayTool>().options.objectsPerEvent = 100;
  for (int i = 0; i < 10; ++i) sprayer.press(px(9), px(6), MouseButton::Left, kCell);
  int diamonds = 0;
  for (int x = 1; x < 19; ++x) {
    for (int y = 1; y < 11; ++y) {
      if ((x + y) % 3 == 0) {
        EXPECT_EQ(at(x, y), obj::Rock) << x << "," << y;
      }
      diamonds += at(x, y) == obj::Diamond;
    }
  }
  EXPECT_GT(diamonds, 0);
}

TEST_F(DrawingTools, RectangleCoversThePressedCellToThePointerCellAndStaysOn) {
  tools.toggle(RectangleTool::kId);
  EXPECT_EQ(tools.cursor(), CursorKind::Cross);
  s.drawingObject = obj::Rock;
  pressCell(2, 3);
  const ViewUpdate dragged = moveCell(6, 5, kHeldLeft);
  ASSERT_TRUE(tools.rubberBand());
  EXPECT_EQ(*tools.rubberBand(), (ViewRect{31, 47, 113, 97}));
  EXPECT_TRUE(dragged.status);
  EXPECT_EQ(tools.context().statusCoordinates(), "Co: 6,5  (5 x 3)");
  EXPECT_EQ(at(2, 3), obj::Dirt);  // nothing changes during the drag
  const ViewUpdate u = tools.release(MouseButton::Left);
  for (int x = 0; x < 10; ++x) {
    for (int y = 0; y < 8; ++y) {
      const bool in = x >= 2 && x <= 6 && y >= 3 && y <= 5;
      if (x == 1 && y == 1) continue;
      EXPECT_EQ(at(x, y), in ? obj::Rock : obj::Dirt) << x << "," << y;
    }
  }
  EXPECT_EQ(u.cells.size(), 15u);
  EXPECT_TRUE(u.overlay);
  EXPECT_FALSE(tools.rubberBand());
  EXPECT_EQ(tools.activeTool().id(), RectangleTool::kId);  // ready for the next one
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_EQ(s.undoName(), "Rectangle");

  // Dragged up and to the left it covers the same kind of area; a click, one cell.
  dragCells(9, 7, 8, 6);
  EXPECT_EQ(at(8, 6), obj::Rock);
  EXPECT_EQ(at(9, 7), obj::Rock);
  dragCells(12, 2, 12, 2);
  EXPECT_EQ(at(12, 2), obj::Rock);
  EXPECT_EQ(at(13, 2), obj::Dirt);
  EXPECT_EQ(undoSteps(), 3);
}

TEST_F(DrawingTools, OneShotToolsSwitchThemselvesOff) {
  tools.context().oneShotTools = true;
  s.drawingObject = obj::Rock;
  for (const std::string_view id : {RectangleTool::kId, LineTool::kId, FillTool::kId}) {
    tools.toggle(id);
    dragCells(4, 4, 6, 6);
    EXPECT_EQ(tools.activeTool().id(), PenTool::kId) << id;
    EXPECT_EQ(tools.cursor(), CursorKind::Default);
  }
}

TEST_F(DrawingTools, LineDrawsFromEndToEndWithAPreview) {
  s.drawingObject = obj::SolidWall;
  tools.toggle(LineTool::kId);
  pressCell(2, 2);
  const ViewUpdate dragged = moveCell(8, 5, kHeldLeft);
  EXPECT_TRUE(dragged.overlay);
  EXPECT_FALSE(tools.rubberBand());  // a line shows its cells, not a frame
  const std::vector<CellPos> preview = tools.previewCells();
  EXPECT_EQ(preview.size(), 7u);
  EXPECT_EQ(at(2, 2), obj::Dirt);
  tools.release(MouseButton::Left);
  EXPECT_TRUE(tools.previewCells().empty());
  for (const CellPos c : preview) EXPECT_EQ(at(c.x, c.y), obj::SolidWall) << c.x << "," << c.y;
  EXPECT_EQ(at(8, 5), obj::SolidWall);
  EXPECT_EQ(at(3, 2), obj::Dirt);
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_EQ(s.undoName(), "Line");
  // Beyond the level's edge only the cells inside are drawn.
  dragCells(17, 8, 25, 8);
  EXPECT_EQ(at(19, 8), obj::SolidWall);
  EXPECT_EQ(s.map.at(20, 8), obj::Dirt);
  ASSERT_TRUE(s.undo());
  ASSERT_TRUE(s.undo());
  EXPECT_EQ(at(8, 5), obj::Dirt);
}

TEST_F(DrawingTools, LineCellsJoinEveryStepAndIncludeBothEnds) {
  EXPECT_EQ(lineCells({3, 3}, {3, 3}), std::vector<CellPos>{CellPos(3, 3)});
  const std::vector<CellPos> steep = lineCells({5, 9}, {3, 1});
  EXPECT_EQ(steep.front(), CellPos(5, 9));
  EXPECT_EQ(steep.back(), CellPos(3, 1));
  EXPECT_EQ(steep.size(), 9u);  // one cell a row
  for (std::size_t i = 1; i < steep.size(); ++i) {
    EXPECT_LE(std::abs(steep[i].x - steep[i - 1].x), 1);
    EXPECT_EQ(std::abs(steep[i].y - steep[i - 1].y), 1);
  }
  EXPECT_EQ(lineCells({0, 0}, {4, 4}).size(), 5u);  // a diagonal
}

TEST_F(DrawingTools, FloodFillStaysInsideItsAreaAndTheLevel) {
  // A wall ring from (3,3) to (8,7) and a diagonal gap that does not leak.
  for (int x = 3; x <= 8; ++x) s.map.at(x, 3) = s.map.at(x, 7) = obj::SolidWall;
  for (int y = 3; y <= 7; ++y) s.map.at(3, y) = s.map.at(8, y) = obj::SolidWall;
  s.map.at(8, 7) = obj::Dirt;   // touches the inside only at a corner
  s.map.at(25, 5) = obj::Dirt;  // beyond the level's width
  s.drawingObject = obj::Diamond;
  tools.toggle(FillTool::kId);
  const ViewUpdate u = pressCell(5, 5);
  tools.release(MouseButton::Left);
  EXPECT_EQ(u.cells.size(), 12u);  // the 4 x 3 inside
  EXPECT_EQ(at(4, 4), obj::Diamond);
  EXPECT_EQ(at(7, 6), obj::Diamond);
  EXPECT_EQ(at(9, 9), obj::Dirt);
  EXPECT_EQ(undoSteps(), 1);
  EXPECT_EQ(s.undoName(), "Fill");
  EXPECT_EQ(tools.activeTool().id(), FillTool::kId);

  // Outside the ring: everything joined to it, never past the level's edge.
  pressCell(10, 10);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(19, 11), obj::Diamond);
  EXPECT_EQ(at(8, 7), obj::Diamond);
  EXPECT_EQ(at(25, 5), obj::Dirt);
  EXPECT_EQ(at(1, 1), obj::LittleFellow);
  // A cell that already holds the object changes nothing.
  pressCell(10, 10);
  tools.release(MouseButton::Left);
  EXPECT_EQ(undoSteps(), 2);

  // A whole 128 x 128 level fills without running out of stack.
  makeLevel(128, 128);
  s.map.at(1, 1) = obj::Dirt;
  pressCell(60, 60);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(0, 0), obj::Diamond);
  EXPECT_EQ(at(127, 127), obj::Diamond);
  EXPECT_EQ(s.map.at(128, 127), obj::Dirt);
}

TEST_F(DrawingTools, OutlineStyleAndItsGlyphs) {
  EXPECT_EQ(tools.buttonIcon(RectangleTool::kId), "rectangleOff");
  tools.pressButton(RectangleTool::kId, 20, 10);  // lower-right half of the button
  tools.toggle(RectangleTool::kId);
  EXPECT_EQ(tools.context().fillStyle(), FillStyle::Outline);
  EXPECT_EQ(tools.buttonIcon(RectangleTool::kId), "rectangleOutline");
  s.drawingObject = obj::SolidWall;
  dragCells(2, 2, 4, 4);  // 3 x 3: the centre stays
  EXPECT_EQ(at(3, 3), obj::Dirt);
  EXPECT_EQ(at(4, 3), obj::SolidWall);
  EXPECT_EQ(at(2, 4), obj::SolidWall);

  // A one-cell-wide area is all border.
  s.drawingObject = obj::Rock;
  dragCells(8, 2, 8, 7);
  for (int y = 2; y <= 7; ++y) EXPECT_EQ(at(8, y), obj::Rock) << y;
  EXPECT_EQ(at(8, 8), obj::Dirt);

  tools.toggle(RectangleTool::kId);
  EXPECT_EQ(tools.buttonIcon(RectangleTool::kId), "rectangleOff");
  tools.pressButton(RectangleTool::kId, 3, 3);
  tools.toggle(RectangleTool::kId);
  EXPECT_EQ(tools.context().fillStyle(), FillStyle::Filled);
  EXPECT_EQ(tools.buttonIcon(RectangleTool::kId), "rectangleFilled");
}

TEST_F(DrawingTools, OutlineCutByTheLevelEdgeKeepsTheDraggedBorders) {
  s.map.at(20, 4) = 99;
  tools.pressButton(RectangleTool::kId, 24, 24);
  tools.toggle(RectangleTool::kId);
  s.drawingObject = obj::Rock;
  dragCells(16, 2, 22, 6);  // columns 16..22, the level ends at 19
  EXPECT_EQ(at(16, 3), obj::Rock);
  EXPECT_EQ(at(19, 2), obj::Rock);
  EXPECT_EQ(at(19, 3), obj::Dirt);  // not on the dragged area's border
  EXPECT_EQ(at(20, 4), 99);
}

TEST_F(DrawingTools, ChaosFillsFromTheCheckedBoxes) {
  tools.toggle(ChaosTool::kId);
  EXPECT_EQ(tools.optionBar(), OptionBar::Chaos);
  chaos().options.checked[2] = true;  // "Diamond"
  dragCells(2, 2, 4, 3);
  for (int x = 2; x <= 4; ++x) {
    for (int y = 2; y <= 3; ++y) EXPECT_EQ(at(x, y), obj::Diamond);
  }
  EXPECT_EQ(tools.optionBar(), OptionBar::Chaos);  // still on

  chaos().options.checked[2] = false;
  chaos().options.checked[1] = true;   // "Rocks"
  chaos().options.checked[10] = true;  // "Object Number"
  chaos().options.lastBoxObject = 200;
  random.values = {0, 1, 1, 0};
  dragCells(6, 2, 7, 3);  // column by column, row by row
  EXPECT_EQ(at(6, 2), obj::Rock);
  EXPECT_EQ(at(6, 3), 200);
  EXPECT_EQ(at(7, 2), 200);
  EXPECT_EQ(at(7, 3), obj::Rock);
  EXPECT_EQ(undoSteps(), 2);
  EXPECT_EQ(s.undoName(), "Chaos Fill");
}

TEST_F(DrawingTools, ChaosWithNoBoxCheckedChangesNothing) {
  tools.toggle(ChaosTool::kId);
  dragCells(2, 2, 6, 6);
  EXPECT_EQ(at(3, 3), obj::Dirt);
  EXPECT_EQ(undoSteps(), 0);
}

TEST_F(DrawingTools, RightButtonErasesDuringARubberBand) {
  tools.toggle(RectangleTool::kId);
  s.drawingObject = obj::Rock;
  pressCell(2, 2);
  moveCell(4, 4, kHeldLeft);
  // The right button comes down and up in the middle of the drag.
  const ViewUpdate erase = tools.press(px(9), px(9), MouseButton::Right, kCell);
  EXPECT_EQ(erase.cells, std::vector<CellPos>{CellPos(9, 9)});
  tools.release(MouseButton::Right);
  EXPECT_EQ(at(9, 9), obj::EmptySpace);
  EXPECT_TRUE(tools.rubberBand());
  EXPECT_EQ(tools.activeTool().id(), RectangleTool::kId);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(4, 4), obj::Rock);
  EXPECT_EQ(at(5, 5), obj::Dirt);
  EXPECT_EQ(undoSteps(), 2);
  EXPECT_FALSE(tools.rubberBand());
}

TEST_F(DrawingTools, RightClickWithARubberBandToolOnlyErases) {
  tools.toggle(SelectionTool::kId);
  pressCell(4, 4, MouseButton::Right);
  tools.release(MouseButton::Right);
  EXPECT_EQ(at(4, 4), obj::EmptySpace);
  EXPECT_EQ(tools.activeTool().id(), SelectionTool::kId);
  EXPECT_FALSE(tools.clipboard().visible());
  // One-shot, the release switches the tool off as well.
  tools.context().oneShotTools = true;
  pressCell(5, 4, MouseButton::Right);
  tools.release(MouseButton::Right);
  EXPECT_EQ(tools.activeTool().id(), PenTool::kId);
}

TEST_F(DrawingTools, ToolSwitchingKeepsAtMostOneToolOn) {
  tools.toggle(SelectionTool::kId);
  EXPECT_TRUE(tools.buttonHighlighted(SelectionTool::kId));
  tools.toggle(SprayTool::kId);
  EXPECT_EQ(tools.activeTool().id(), SprayTool::kId);
  EXPECT_FALSE(tools.buttonHighlighted(SelectionTool::kId));
  EXPECT_TRUE(tools.buttonDown(SprayTool::kId));
  EXPECT_EQ(tools.optionBar(), OptionBar::Spray);
  EXPECT_EQ(tools.cursor(), CursorKind::Default);
  tools.toggle(ChaosTool::kId);
  EXPECT_NE(tools.optionBar(), OptionBar::Spray);
  EXPECT_EQ(tools.optionBar(), OptionBar::Chaos);
  tools.toggle(ChaosTool::kId);
  EXPECT_EQ(tools.activeTool().id(), PenTool::kId);
  // Switching off in the middle of a drag leaves no band behind.
  tools.toggle(SelectionTool::kId);
  pressCell(2, 2);
  EXPECT_TRUE(tools.toggle(RectangleTool::kId).overlay);
  EXPECT_FALSE(tools.rubberBand());
}

TEST_F(DrawingTools, StatusBarReadsTheCellUnderThePointer) {
  s.map.at(3, 4) = obj::Rock;
  const ViewUpdate u = moveCell(3, 4, 0);
  EXPECT_TRUE(u.status);
  EXPECT_EQ(tools.context().statusCoordinates(), "Co: 3,4");
  EXPECT_EQ(tools.context().statusObject(), "Object 3: Rock");
  moveCell(22, 4, 0);
  EXPECT_EQ(tools.context().statusCoordinates(), "Co: 22,4");
  EXPECT_EQ(tools.context().statusObject(), "Outside level area");
}

TEST_F(DrawingTools, GroverShowsWhereItCameFrom) {
  s.map.at(3, 4) = obj::Grover;
  moveCell(3, 4, 0);
  EXPECT_EQ(tools.context().statusObject(), "Object 15: Grover (unknown conversion)");
  // Level 10's note must not be taken for level 0's.
  s.messages = {"Unsupported at level 10:3,4 :42", "Unsupported at level 0:3,4 :7",
                "Unsupported at level 0:3,4 :9", "Unsupported at level 10:3,4 :5"};
  moveCell(3, 4, 0);
  EXPECT_EQ(tools.context().statusObject(), "Unsupported at level 0:3,4 :9");
}

TEST_F(DrawingTools, PropertiesDragFreezesTheViewButNotTheBand) {
  s.drawingObject = obj::Rock;
  moveCell(2, 2, 0);
  tools.context().propertiesDragActive = true;
  const ViewUpdate u = moveCell(5, 5, kHeldLeft);
  EXPECT_FALSE(u.status);
  EXPECT_EQ(at(5, 5), obj::Dirt);
  EXPECT_EQ(tools.context().statusCoordinates(), "Co: 2,2");
  tools.context().propertiesDragActive = false;
  moveCell(5, 5, kHeldLeft);
  EXPECT_EQ(at(5, 5), obj::Rock);
}

}  // namespace
}  // namespace pyrovel
