// What the hand does on the level view besides drawing: panning with the
// middle button or Space, picking an object, strokes faster than the cells,
// the tools' letter keys, the rectangle button's halves and pasting under
// the pointer.
#include "editor/drawing_tool_registry.h"
#include "editor/tools/pick_tool.h"
#include "editor_fixture.h"

namespace pyrovel {
namespace {

using ViewGestures = EditorFixture;

TEST_F(ViewGestures, MiddleDragAndSpaceDragPanWithoutTouchingTheLevel) {
  s.drawingObject = obj::Rock;
  s.map.modified = false;
  // The middle button: each move scrolls by what brings the pressed pixel
  // back under the pointer.
  EXPECT_TRUE(tools.press(100, 80, MouseButton::Middle, kCell, kHeldMiddle).tools);
  EXPECT_EQ(tools.cursor(), CursorKind::ClosedHand);
  ViewUpdate u = tools.move(70, 95, kHeldMiddle, kCell);
  EXPECT_EQ(u.scrollX, 30);
  EXPECT_EQ(u.scrollY, -15);
  EXPECT_TRUE(u.cells.empty());
  tools.release(MouseButton::Middle);
  EXPECT_EQ(tools.cursor(), CursorKind::Default);

  // Space turns the left button into the same pan, with any tool on.
  tools.toggle(RectangleTool::kId);
  EXPECT_TRUE(tools.setPanKeyHeld(true).tools);
  EXPECT_EQ(tools.cursor(), CursorKind::OpenHand);
  tools.press(px(3), px(3), MouseButton::Left, kCell, kHeldLeft);
  u = tools.move(px(8), px(3), kHeldLeft, kCell);
  EXPECT_EQ(u.scrollX, -5 * kCell);
  EXPECT_FALSE(tools.rubberBand());
  tools.release(MouseButton::Left);
  EXPECT_EQ(tools.cursor(), CursorKind::OpenHand);
  tools.setPanKeyHeld(false);
  EXPECT_EQ(tools.cursor(), CursorKind::Cross);
  EXPECT_EQ(tools.activeTool().id(), RectangleTool::kId);
  EXPECT_EQ(at(3, 3), obj::Dirt);
  EXPECT_EQ(undoSteps(), 0);
  EXPECT_FALSE(s.map.modified);

  // A middle click in the middle of a stroke is no pan: the stroke goes on.
  tools.toggle(RectangleTool::kId);
  pressCell(2, 6);
  tools.press(px(3), px(6), MouseButton::Middle, kCell, kHeldLeft | kHeldMiddle);
  EXPECT_EQ(tools.move(px(3), px(6), kHeldLeft, kCell).scrollX, 0);
  tools.release(MouseButton::Middle);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(2, 6), obj::Rock);
  EXPECT_EQ(at(3, 6), obj::Rock);
}

TEST_F(ViewGestures, AltClickAndThePickToolTakeTheObjectOfTheLayerShown) {
  s.map.at(4, 4) = obj::Diamond;
  s.map.at(5, 4) = 300;  // a number no object has
  s.drawingObject = obj::Rock;
  s.map.modified = false;
  ViewUpdate u = tools.press(px(4), px(4), MouseButton::Left, kCell, kHeldLeft | kHeldAlt);
  EXPECT_TRUE(u.drawingObject);
  EXPECT_EQ(s.drawingObject, obj::Diamond);
  // The rest of that press draws nothing, however the pointer moves.
  tools.move(px(6), px(4), kHeldLeft, kCell);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(6, 4), obj::Dirt);
  EXPECT_FALSE(tools.press(px(5), px(4), MouseButton::Left, kCell, kHeldLeft | kHeldAlt)
                   .drawingObject);
  tools.release(MouseButton::Left);
  tools.press(px(30), px(4), MouseButton::Left, kCell, kHeldLeft | kHeldAlt);  // beyond the level
  tools.release(MouseButton::Left);
  EXPECT_EQ(s.drawingObject, obj::Diamond);
  EXPECT_EQ(undoSteps(), 0);
  EXPECT_FALSE(s.map.modified);

  // The pick tool, on the background layer: it picks there, then the pen is back.
  s.map.currentLayer = kBackgroundLayer;
  s.map.at(7, 7) = obj::SolidWall;
  tools.pressKey('i');
  EXPECT_EQ(tools.activeTool().id(), PickTool::kId);
  pressCell(30, 7);  // beside the level: nothing picked, the tool stays on
  tools.release(MouseButton::Left);
  EXPECT_EQ(tools.activeTool().id(), PickTool::kId);
  pressCell(7, 7);
  tools.release(MouseButton::Left);
  EXPECT_EQ(s.drawingObject, obj::SolidWall);
  EXPECT_EQ(tools.activeTool().id(), PenTool::kId);
  EXPECT_EQ(undoSteps(), 0);
  EXPECT_FALSE(s.map.modified);
}

TEST_F(ViewGestures, FastStrokesDrawAndEraseEveryCellBetweenMoves) {
  s.drawingObject = obj::Rock;
  pressCell(2, 2);
  moveCell(9, 5, kHeldLeft);  // seven cells in one move
  moveCell(9, 5, kHeldLeft);
  moveCell(12, 2, kHeldLeft);
  tools.release(MouseButton::Left);
  for (const CellPos c : lineCells({2, 2}, {9, 5})) EXPECT_EQ(at(c.x, c.y), obj::Rock) << c.x;
  for (const CellPos c : lineCells({9, 5}, {12, 2})) EXPECT_EQ(at(c.x, c.y), obj::Rock) << c.x;
  EXPECT_EQ(at(5, 5), obj::Dirt);  // and nothing beside the line
  EXPECT_EQ(undoSteps(), 1);

  // The eraser the same way; a stroke leaving the level stops at its edge.
  pressCell(1, 8, MouseButton::Right);
  moveCell(25, 8, kHeldRight);
  tools.release(MouseButton::Right);
  for (int x = 1; x < 20; ++x) EXPECT_EQ(at(x, 8), obj::EmptySpace) << x;
  EXPECT_EQ(at(20, 8), obj::Dirt);  // beyond the 20 columns: hidden cells stay

  // A new stroke starts at its own press, not where the last one ended.
  pressCell(3, 10);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(10, 9), obj::Dirt);

  // The spray sprays once a move, not along the way.
  tools.toggle(SprayTool::kId);
  random.reseeds = 0;
  pressCell(5, 5);
  moveCell(12, 5, kHeldLeft);
  tools.release(MouseButton::Left);
  EXPECT_EQ(random.reseeds, 2);
}

TEST_F(ViewGestures, EveryToolHasItsOwnLetterKey) {
  std::string keys;
  for (const auto& tool : tools.tools()) {
    EXPECT_TRUE(tool->key() >= 'A' && tool->key() <= 'Z') << tool->id();
    EXPECT_EQ(keys.find(tool->key()), std::string::npos) << tool->id();
    keys += tool->key();
  }
  EXPECT_EQ(buttonHintWithKey(tools.tool<LineTool>()), "Line tool (L)");
  EXPECT_TRUE(tools.pressKey('r').tools);
  EXPECT_EQ(tools.activeTool().id(), RectangleTool::kId);
  EXPECT_FALSE(tools.pressKey('R').any());  // on stays on
  EXPECT_EQ(tools.activeTool().id(), RectangleTool::kId);
  // Switching by key drops a half-dragged area as a button does.
  pressCell(2, 2);
  tools.pressKey('L');
  EXPECT_FALSE(tools.rubberBand());
  EXPECT_EQ(tools.activeTool().id(), LineTool::kId);
  tools.pressKey('p');
  EXPECT_EQ(tools.activeTool().id(), PenTool::kId);
  EXPECT_FALSE(tools.hasKey('z'));
  EXPECT_FALSE(tools.pressKey('z').any());
}

TEST_F(ViewGestures, TheRectangleButtonsHalvesChooseTheStyleAndItsPreviewShowsIt) {
  tools.pressButton(RectangleTool::kId, 3, 3);  // filled
  tools.toggle(RectangleTool::kId);
  ASSERT_TRUE(tools.isOn(RectangleTool::kId));
  // The other half while on: the other style, still on.
  tools.pressButton(RectangleTool::kId, 20, 20);
  tools.toggle(RectangleTool::kId);
  EXPECT_TRUE(tools.isOn(RectangleTool::kId));
  EXPECT_EQ(tools.buttonIcon(RectangleTool::kId), "rectangleOutline");
  // The outline previews its border cells, within the level.
  pressCell(17, 2);
  moveCell(22, 5, kHeldLeft);
  EXPECT_FALSE(tools.previewArea());
  const std::vector<CellPos> border = tools.previewCells();
  EXPECT_EQ(border.size(), 3u + 3u + 2u);  // top, bottom, the left side between
  for (const CellPos c : border) EXPECT_LT(c.x, 20);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(18, 3), obj::Dirt);

  // The same half again switches it off.
  tools.pressButton(RectangleTool::kId, 20, 20);
  tools.toggle(RectangleTool::kId);
  EXPECT_FALSE(tools.isOn(RectangleTool::kId));
  // Filled, it previews the whole area as one.
  tools.pressButton(RectangleTool::kId, 2, 2);
  tools.toggle(RectangleTool::kId);
  pressCell(17, 2);
  moveCell(22, 5, kHeldLeft);
  EXPECT_EQ(tools.previewArea(), (CellArea{17, 2, 19, 5}));
  EXPECT_TRUE(tools.previewCells().empty());
  tools.release(MouseButton::Left);
  EXPECT_FALSE(tools.previewArea());

  // The chaos button chooses the rectangle's style but always toggles.
  tools.toggle(ChaosTool::kId);
  tools.pressButton(ChaosTool::kId, 20, 20);
  tools.toggle(ChaosTool::kId);
  EXPECT_FALSE(tools.isOn(ChaosTool::kId));
}

TEST_F(ViewGestures, CtrlVPastesUnderThePointerBesideTheFloatingSelection) {
  for (int x = 2; x <= 4; ++x) {
    for (int y = 3; y <= 4; ++y) s.map.at(x, y) = 100 + 10 * x + y;
  }
  tools.toggle(SelectionTool::kId);
  dragCells(2, 3, 4, 4);
  // Over the floating selection: where it is.
  tools.pasteAtPointer();
  EXPECT_EQ(undoSteps(), 0);  // the same cells written back
  // Beside it: the copy's top-left under the pointer, the selection with it.
  moveCell(10, 6, 0);
  EXPECT_TRUE(tools.pasteAtPointer().redrawLevel);
  EXPECT_EQ(at(10, 6), 123);
  EXPECT_EQ(at(12, 7), 144);
  EXPECT_EQ(tools.clipboard().position(), CellPos(10, 6));
  EXPECT_EQ(undoSteps(), 1);
  // Off the view (the tool bar's button), where the selection is.
  moveCell(15, 1, 0);
  tools.pointerLeft();
  tools.pasteAtPointer();
  EXPECT_EQ(at(15, 1), obj::Dirt);
  // Beyond the level, too.
  moveCell(30, 1, 0);
  tools.pasteAtPointer();
  EXPECT_EQ(tools.clipboard().position(), CellPos(10, 6));
}

TEST_F(ViewGestures, DraggingTheFloatingSelectionReadsOutThePointer) {
  tools.toggle(SelectionTool::kId);
  dragCells(2, 3, 4, 4);
  tools.pressSelection(px(3), px(3), kCell);
  const ViewUpdate u = tools.dragSelection(px(9), px(7), kCell);
  EXPECT_TRUE(u.status);
  EXPECT_EQ(tools.context().statusCoordinates(), "Co: 9,7");
  tools.releaseSelection();
}

}  // namespace
}  // namespace pyrovel
