// The edges of what the hand does on the level view besides drawing (the
// window tests walk the common cases): gestures inside a stroke, picks that
// find no object, strokes leaving the level, the rectangle button's halves.
#include "editor/tools/pick_tool.h"
#include "editor_fixture.h"

namespace pyrovel {
namespace {

using ViewGestures = EditorFixture;

TEST_F(ViewGestures, AMiddleClickInAStrokeIsNoPanAndSpaceKeepsTheTool) {
  s.drawingObject = obj::Rock;
  pressCell(2, 6);
  tools.press(px(3), px(6), MouseButton::Middle, kCell, kHeldLeft | kHeldMiddle);
  EXPECT_EQ(tools.move(px(3), px(6), kHeldLeft, kCell).scrollX, 0);
  tools.release(MouseButton::Middle);
  tools.release(MouseButton::Left);
  EXPECT_EQ(at(3, 6), obj::Rock);

  tools.toggle(RectangleTool::kId);
  tools.setPanKeyHeld(true);
  tools.press(px(3), px(3), MouseButton::Left, kCell, kHeldLeft);
  EXPECT_EQ(tools.move(px(8), px(3), kHeldLeft, kCell).scrollX, -5 * kCell);
  EXPECT_FALSE(tools.rubberBand());
  tools.release(MouseButton::Left);
  tools.setPanKeyHeld(false);
  EXPECT_EQ(tools.cursor(), CursorKind::Cross);
  EXPECT_EQ(undoSteps(), 1);

  // A pan whose release went elsewhere ends at the next move without its button.
  tools.press(px(3), px(3), MouseButton::Middle, kCell, kHeldMiddle);
  EXPECT_TRUE(tools.move(px(4), px(3), 0, kCell).tools);
  EXPECT_FALSE(tools.panning());
}

TEST_F(ViewGestures, APickTakesOnlyObjectsOfTheLevelAndLayerShown) {
  s.map.at(5, 4) = 300;  // a number no object has
  s.drawingObject = obj::Rock;
  s.map.modified = false;
  for (const int x : {5, 30}) {  // and beyond the level
    EXPECT_FALSE(
        tools.press(px(x), px(4), MouseButton::Left, kCell, kHeldLeft | kHeldAlt).drawingObject);
    tools.move(px(6), px(4), kHeldLeft, kCell);  // the rest of the press draws nothing
    tools.release(MouseButton::Left);
  }
  EXPECT_EQ(s.drawingObject, obj::Rock);
  EXPECT_EQ(at(6, 4), obj::Dirt);

  s.map.currentLayer = kBackgroundLayer;
  s.map.at(7, 7) = obj::SolidWall;
  tools.pressKey('i');
  pressCell(30, 7);  // beside the level the pick stays on
  tools.release(MouseButton::Left);
  EXPECT_EQ(tools.activeTool().id(), PickTool::kId);
  pressCell(7, 7);
  tools.release(MouseButton::Left);
  EXPECT_EQ(s.drawingObject, obj::SolidWall);
  EXPECT_EQ(tools.activeTool().id(), PenTool::kId);
  EXPECT_FALSE(s.map.modified);
}

TEST_F(ViewGestures, AFastEraserStopsAtTheLevelEdgeAndTheSprayDoesNotJoinMoves) {
  pressCell(1, 8, MouseButton::Right);
  moveCell(25, 8, kHeldRight);
  tools.release(MouseButton::Right);
  for (int x = 1; x < 20; ++x) EXPECT_EQ(at(x, 8), obj::EmptySpace) << x;
  EXPECT_EQ(at(20, 8), obj::Dirt);  // beyond the 20 columns: hidden cells stay

  tools.toggle(SprayTool::kId);
  random.reseeds = 0;
  pressCell(5, 5);
  moveCell(12, 5, kHeldLeft);
  tools.release(MouseButton::Left);
  EXPECT_EQ(random.reseeds, 2);  // once a press or move
}

TEST_F(ViewGestures, TheRectangleButtonsHalvesChooseTheStyleAndThePreviewShowsIt) {
  tools.pressButton(RectangleTool::kId, 3, 3);  // filled
  tools.toggle(RectangleTool::kId);
  // The other half while on: the other style, still on; the same half: off.
  tools.pressButton(RectangleTool::kId, 20, 20);
  tools.toggle(RectangleTool::kId);
  EXPECT_EQ(tools.buttonIcon(RectangleTool::kId), "rectangleOutline");
  pressCell(17, 2);
  moveCell(22, 5, kHeldLeft);
  EXPECT_FALSE(tools.previewArea());
  EXPECT_EQ(tools.previewCells().size(), 3u + 3u + 2u);  // the border within the level
  tools.release(MouseButton::Left);
  tools.pressButton(RectangleTool::kId, 20, 20);
  tools.toggle(RectangleTool::kId);
  EXPECT_FALSE(tools.isOn(RectangleTool::kId));

  tools.pressButton(RectangleTool::kId, 2, 2);
  tools.toggle(RectangleTool::kId);
  pressCell(17, 2);
  moveCell(22, 5, kHeldLeft);
  EXPECT_EQ(tools.previewArea(), (CellArea{17, 2, 19, 5}));
  tools.release(MouseButton::Left);

  // The chaos fill always fills: its button toggles wherever it is pressed.
  tools.toggle(ChaosTool::kId);
  tools.pressButton(ChaosTool::kId, 20, 20);
  tools.toggle(ChaosTool::kId);
  EXPECT_FALSE(tools.isOn(ChaosTool::kId));
}

TEST_F(ViewGestures, TheReadoutFollowsADraggedSelection) {
  tools.toggle(SelectionTool::kId);
  dragCells(2, 3, 4, 4);
  tools.pressSelection(px(3), px(3), kCell);
  EXPECT_TRUE(tools.dragSelection(px(9), px(7), kCell).status);
  EXPECT_EQ(tools.context().statusCoordinates(), "Co: 9,7");
}

}  // namespace
}  // namespace pyrovel
