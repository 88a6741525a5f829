// Drawing on the level view with the mouse: the tools end to end, from Qt
// mouse events to cells, undo entries, what the view shows and the tool
// controls around it.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

#include "app/editing_area.h"
#include "app/level_paint.h"
#include "app/level_view.h"
#include "app/text_codec.h"
#include "app_fixture.h"
#include "editor/drawing_tool_registry.h"
#include "editor/tools/chaos_tool.h"
#include "editor/tools/fill_tool.h"
#include "editor/tools/line_tool.h"
#include "editor/tools/pen_tool.h"
#include "editor/tools/rectangle_tool.h"
#include "editor/tools/spray_tool.h"
#include "model/object_catalogue.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

// Mouse events with the buttons held stated outright, as a drag sends them.
void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

class Drag {
 public:
  explicit Drag(LevelView* view) : view_(view) {}
  QPoint centre(int x, int y) const {
    const int cs = view_->cellSize();
    return {x * cs + cs / 2, y * cs + cs / 2};
  }
  void press(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    held_ |= b;
    send(view_, QEvent::MouseButtonPress, centre(x, y), b, held_);
  }
  void move(int x, int y) { send(view_, QEvent::MouseMove, centre(x, y), Qt::NoButton, held_); }
  void release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    held_ &= ~b;
    send(view_, QEvent::MouseButtonRelease, centre(x, y), b, held_);
  }

 private:
  LevelView* view_;
  Qt::MouseButtons held_;
};

int undoSteps(const EditorSession& s) {
  return static_cast<int>(s.undoHistory().of(s.map.currentLevel).undo.size());
}

QToolButton* button(MainWindow& w, const QString& name) {
  return w.findChild<QToolButton*>(name);
}

// A tool's button shows its tool is on: held down or highlighted.
bool showsOn(const QToolButton* b) {
  return b->isChecked() || !b->styleSheet().isEmpty();
}

// What the screen shows of the view now, stale pixels included.
QImage onScreen(LevelView* view) {
  QTest::qWait(30);
  return view->screen()
      ->grabWindow(view->window()->winId())
      .toImage()
      .copy(QRect(view->mapTo(view->window(), QPoint(0, 0)), view->size()));
}

// The view as a full repaint draws it.
QImage repainted(LevelView* view) {
  return view->grab().toImage();
}

}  // namespace

class DrawingTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void aPenStrokeIsOneUndoEntryAndTheStatusBarReadsTheCell() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    w->chooseDrawingObject(obj::SolidWall);
    std::vector<std::int32_t> before;
    for (int x = 10; x <= 14; ++x) before.push_back(s.map.at(x, 10));
    Drag drag(w->editingArea().view());
    drag.press(10, 10);
    for (int x = 11; x <= 14; ++x) drag.move(x, 10);
    drag.release(14, 10);
    for (int x = 10; x <= 14; ++x) QCOMPARE(s.map.at(x, 10), obj::SolidWall);
    QCOMPARE(undoSteps(s), 1);
    QVERIFY(s.map.modified);
    drag.move(14, 10);  // the readout names what was there before a move draws
    QCOMPARE(w->statusPanel(0)->text(), QString("Co: 14,10"));
    QCOMPARE(w->statusPanel(3)->text(),
             "Object " + QString::fromStdString(s.catalogue.label(obj::SolidWall)));
    drag.move(60, 10);  // beyond the 40 columns
    QCOMPARE(w->statusPanel(3)->text(), QString("Outside level area"));

    w->action("undo")->trigger();
    for (int x = 10; x <= 14; ++x)
      QCOMPARE(s.map.at(x, 10), before[static_cast<std::size_t>(x - 10)]);
    QVERIFY(onScreen(w->editingArea().view()) == repainted(w->editingArea().view()));
  }

  void theLittleFellowQuestionIsAskedThroughTheWindow() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    const int oldX = s.map.current().playerX(), oldY = s.map.current().playerY();
    QCOMPARE(s.map.at(oldX, oldY), obj::LittleFellow);
    w->chooseDrawingObject(obj::LittleFellow);
    dialogs.answers = {Answer::Yes};
    Drag drag(w->editingArea().view());
    drag.press(20, 12);
    // The question box took the release: the next stroke is undone on its own.
    QCOMPARE(dialogs.questions,
             QStringList{"You can only have 1 Little Fellow, Do you want to move it here?"});
    QCOMPARE(s.map.at(20, 12), obj::LittleFellow);
    QCOMPARE(s.map.at(oldX, oldY), obj::EmptySpace);
    w->chooseDrawingObject(obj::SolidWall);
    const std::int32_t before = s.map.at(25, 12);
    drag.press(25, 12);
    drag.release(25, 12);
    QCOMPARE(s.map.at(25, 12), obj::SolidWall);
    w->action("undo")->trigger();
    QCOMPARE(s.map.at(25, 12), before);
    QCOMPARE(s.map.at(20, 12), obj::LittleFellow);
  }

  void aRectangleDragFillsFromThePressedToThePointerCellAndLeavesNoTraceOfItsBand() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    LevelView* view = w->editingArea().view();
    w->chooseDrawingObject(obj::Rock);
    QToolButton* rectangle = button(*w, "rectangleTool");
    QVERIFY(rectangle->isEnabled());
    QTest::mouseClick(rectangle, Qt::LeftButton, {}, QPoint(3, 3));  // upper left: filled
    QCOMPARE(w->drawingTools().activeTool().id(), RectangleTool::kId);
    QCOMPARE(w->drawingTools().buttonIcon(RectangleTool::kId), std::string_view("rectangleFilled"));
    QCOMPARE(view->cursor().shape(), Qt::CrossCursor);
    const QImage untouched = onScreen(view);
    const std::int32_t inside = s.map.at(3, 3), right = s.map.at(7, 4), below = s.map.at(3, 6);

    Drag drag(view);
    drag.press(2, 3);
    drag.move(4, 4);
    drag.move(6, 5);
    QVERIFY(w->drawingTools().rubberBand().has_value());
    const QImage during = onScreen(view);
    // The band runs just outside the area: along the row above cell (2, 3) to
    // the column of the pointer's cell it changes most pixels...
    const int cs = view->cellSize();
    int changed = 0;
    for (int x = 2 * cs; x < 6 * cs; ++x)
      changed += during.pixel(x, 3 * cs - 1) != untouched.pixel(x, 3 * cs - 1);
    QVERIFY2(changed > cs, qPrintable(QString::number(changed)));
    // ... and no cell has changed yet; the status bar tells the size.
    QCOMPARE(s.map.at(3, 3), inside);
    QCOMPARE(w->statusPanel(0)->text(), QString("Co: 6,5  (5 x 3)"));
    drag.release(6, 5);

    for (int x = 2; x <= 6; ++x) {
      for (int y = 3; y <= 5; ++y) QCOMPARE(s.map.at(x, y), obj::Rock);
    }
    QCOMPARE(s.map.at(7, 4), right);
    QCOMPARE(s.map.at(3, 6), below);
    QCOMPARE(undoSteps(s), 1);
    QCOMPARE(w->action("undo")->text(), QString("&Undo Rectangle"));
    QCOMPARE(w->action("undo")->toolTip(), QString("Undo Rectangle (Ctrl+Z)"));
    // The tool stays on for the next rectangle.
    QCOMPARE(w->drawingTools().activeTool().id(), RectangleTool::kId);
    QCOMPARE(view->cursor().shape(), Qt::CrossCursor);
    // What the screen shows is what a full repaint draws: no band is left.
    QVERIFY(onScreen(view) == repainted(view));
  }

  void theRightButtonErasesDuringARubberBand() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    w->chooseDrawingObject(obj::Rock);
    s.map.at(8, 8) = obj::Diamond;
    s.map.at(3, 4) = obj::Diamond;
    QTest::mouseClick(button(*w, "rectangleTool"), Qt::LeftButton, {}, QPoint(20, 20));  // outline
    QCOMPARE(w->drawingTools().buttonIcon(RectangleTool::kId),
             std::string_view("rectangleOutline"));
    Drag drag(w->editingArea().view());
    drag.press(2, 3);
    drag.move(5, 5);
    drag.press(8, 8, Qt::RightButton);
    drag.release(8, 8, Qt::RightButton);
    QCOMPARE(s.map.at(8, 8), obj::EmptySpace);
    QVERIFY(w->drawingTools().rubberBand().has_value());  // the band lives on
    drag.move(5, 5);
    drag.release(5, 5);
    // Outline of columns 2..5, rows 3..5; the inside keeps what it had.
    QCOMPARE(s.map.at(2, 4), obj::Rock);
    QCOMPARE(s.map.at(5, 5), obj::Rock);
    QCOMPARE(s.map.at(3, 4), obj::Diamond);

    // Without a band, a right click only erases; the tool stays on.
    button(*w, "chaosTool")->click();
    QVERIFY(w->findChild<QWidget*>("chaosOptions")->isVisible());
    s.map.at(9, 9) = obj::Diamond;
    drag.press(9, 9, Qt::RightButton);
    drag.release(9, 9, Qt::RightButton);
    QCOMPARE(s.map.at(9, 9), obj::EmptySpace);
    QCOMPARE(w->drawingTools().activeTool().id(), ChaosTool::kId);
    QVERIFY(w->findChild<QWidget*>("chaosOptions")->isVisible());
  }

  void aPasteAfterASelectionWritesWhereTheSelectionWasDragged() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    LevelView* view = w->editingArea().view();
    for (int x = 2; x <= 4; ++x) {
      for (int y = 3; y <= 4; ++y) s.map.at(x, y) = 100 + x * 10 + y;
    }
    button(*w, "selectionTool")->click();
    Drag drag(view);
    drag.press(2, 3);
    drag.move(4, 4);
    drag.release(4, 4);
    const SelectionClipboard& clip = w->drawingTools().clipboard();
    QVERIFY(clip.visible());
    QCOMPARE(clip.width(), 3);
    QCOMPARE(clip.height(), 2);
    // The floating selection is drawn over the view, its frame at cell (2, 3).
    const int cs = view->cellSize();
    const QImage shown = onScreen(view);
    QCOMPARE(QColor(shown.pixel(2 * cs + cs / 2, 3 * cs)), QColor(0xff, 0xd8, 0x40));
    QVERIFY(shown == repainted(view));

    // Dragged by four cells right and six down, it snaps to the cells there.
    drag.press(3, 3);
    drag.move(5, 6);
    drag.move(7, 9);
    drag.release(7, 9);
    QCOMPARE(clip.position(), (CellPos{6, 9}));
    QVERIFY(onScreen(view) == repainted(view));  // nothing left where it was
    const int undo = undoSteps(s);
    w->action("paste")->trigger();
    for (int x = 0; x < 3; ++x) {
      for (int y = 0; y < 2; ++y) QCOMPARE(s.map.at(6 + x, 9 + y), 100 + (2 + x) * 10 + 3 + y);
    }
    QCOMPARE(undoSteps(s), undo + 1);
    QCOMPARE(w->action("undo")->text(), QString("&Undo Paste"));
    // The floating copy stays where it was put.
    QCOMPARE(clip.position(), (CellPos{6, 9}));

    // Cut empties the cells under the selection, with one undo entry.
    w->action("cut")->trigger();
    for (int x = 6; x < 9; ++x) QCOMPARE(s.map.at(x, 9), obj::EmptySpace);
    QCOMPARE(undoSteps(s), undo + 2);
    QVERIFY(onScreen(view) == repainted(view));
  }

  void sprayAndChaosShowTheirOptionBars() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QWidget* row = w->findChild<QWidget*>("toolOptionsRow");
    // Each bar is made when its tool is first chosen.
    QVERIFY(!w->findChild<QWidget*>("sprayOptions"));
    QVERIFY(!w->findChild<QWidget*>("chaosOptions"));
    QToolButton* sprayButton = button(*w, "sprayTool");
    const int viewHeight = w->editingArea().view()->height();
    const int rowHeight = row->height();
    sprayButton->click();
    auto* spray = w->findChild<QWidget*>("sprayOptions");
    QVERIFY(spray);
    QVERIFY(spray->isVisible());
    QVERIFY(sprayButton->isChecked());
    // Showing a bar never moves or rescales the level view: the row, measured
    // before the spray's bar was made, holds it.
    QTest::qWait(20);
    QCOMPARE(w->editingArea().view()->height(), viewHeight);
    QCOMPARE(row->height(), rowHeight);
    QVERIFY(spray->sizeHint().height() <= spray->parentWidget()->height());
    QCOMPARE(spray->parentWidget()->layout()->indexOf(spray), 0);  // before the chaos bar
    // The bar's controls are the spray's options.
    w->findChild<QSpinBox*>("sprayAmount")->setValue(25);
    QCOMPARE(w->drawingTools().tool<SprayTool>().options.objectsPerEvent, 25);
    w->findChild<QCheckBox*>("sprayOnlySpaceAndDirt")->setChecked(true);
    QVERIFY(w->drawingTools().tool<SprayTool>().options.onlySpaceAndDirt);

    button(*w, "chaosTool")->click();
    auto* chaos = w->findChild<QWidget*>("chaosOptions");
    QVERIFY(chaos);
    QVERIFY(chaos->isVisible());
    QVERIFY(!spray->isVisible());
    QTest::qWait(20);
    QCOMPARE(w->editingArea().view()->height(), viewHeight);
    QCOMPARE(row->height(), rowHeight);
    QVERIFY(chaos->sizeHint().height() <= chaos->parentWidget()->height());
    QCOMPARE(chaos->parentWidget()->layout()->indexOf(chaos), 1);  // after the spray's
    QVERIFY(!sprayButton->isChecked());
    w->findChild<QCheckBox*>("chaosBox3")->setChecked(true);
    QCOMPARE(w->drawingTools().tool<ChaosTool>().options.chaosList(), std::vector<int>{4});
    // A chaos fill with only "Diamond" checked puts object 4 everywhere.
    Drag drag(w->editingArea().view());
    drag.press(2, 3);
    drag.move(5, 5);
    drag.release(5, 5);
    for (int x = 2; x <= 4; ++x) QCOMPARE(w->session().map.at(x, 4), 4);
  }

  void everyRegisteredToolHasAButtonThatSwitchesItOnAndTheOthersOff() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const ToolController& tools = w->drawingTools();
    QCOMPARE(tools.activeTool().id(), tools.defaultTool().id());
    for (const auto& tool : tools.tools()) {
      const QString id = fromStd(tool->id());
      QToolButton* b = button(*w, id);
      if (tool.get() == &tools.defaultTool()) {
        QVERIFY2(!b, qPrintable(id));  // on whenever no other is
        continue;
      }
      QVERIFY2(b, qPrintable(id));
      QVERIFY(!b->icon().isNull());
      QCOMPARE(b->toolTip(), fromStd(buttonHintWithKey(*tool)));
      QCOMPARE(b->isEnabled(), tool->available());
      if (!tool->available()) continue;
      b->click();
      QCOMPARE(tools.activeTool().id(), tool->id());
      for (const auto& other : tools.tools()) {
        if (QToolButton* otherButton = button(*w, fromStd(other->id()))) {
          QVERIFY2(showsOn(otherButton) == (other == tool), qPrintable(fromStd(other->id())));
        }
      }
      b->click();
      QCOMPARE(tools.activeTool().id(), tools.defaultTool().id());
      QVERIFY(!showsOn(b));
    }
  }

  void theLineAndTheFloodFillDrawWhatTheyShow() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    LevelView* view = w->editingArea().view();
    // A closed room of walls, columns 10..16 and rows 5..9, with Dirt inside.
    for (int x = 10; x <= 16; ++x) {
      for (int y = 5; y <= 9; ++y) {
        const bool wall = x == 10 || x == 16 || y == 5 || y == 9;
        s.map.at(x, y) = wall ? obj::SolidWall : obj::Dirt;
      }
    }
    s.notify(kCellsChanged);
    w->chooseDrawingObject(obj::Rock);
    button(*w, "lineTool")->click();
    QCOMPARE(w->drawingTools().activeTool().id(), LineTool::kId);
    Drag drag(view);
    const QImage untouched = onScreen(view);
    drag.press(11, 6);
    drag.move(15, 8);
    // While dragged the line is shown, not yet drawn.
    QCOMPARE(w->drawingTools().previewCells().size(), std::size_t{5});
    QCOMPARE(s.map.at(13, 7), obj::Dirt);
    const int cs = view->cellSize();
    const QPoint middle(13 * cs + cs / 2, 7 * cs + cs / 2);
    QVERIFY(onScreen(view).pixel(middle) != untouched.pixel(middle));
    drag.release(15, 8);
    for (const QPoint c :
         {QPoint(11, 6), QPoint(12, 7), QPoint(13, 7), QPoint(14, 8), QPoint(15, 8)})
      QCOMPARE(s.map.at(c.x(), c.y()), obj::Rock);
    QCOMPARE(w->action("undo")->text(), QString("&Undo Line"));
    QVERIFY(onScreen(view) == repainted(view));

    // The line cuts the room in two: the fill takes the Dirt of one part,
    // nothing across the line and nothing beyond the walls.
    w->chooseDrawingObject(obj::Diamond);
    button(*w, "fillTool")->click();
    const std::int32_t outside = s.map.at(17, 7);
    drag.press(11, 8);
    drag.release(11, 8);
    QCOMPARE(s.map.at(11, 7), obj::Diamond);
    QCOMPARE(s.map.at(13, 8), obj::Diamond);
    QCOMPARE(s.map.at(15, 6), obj::Dirt);
    QCOMPARE(s.map.at(13, 7), obj::Rock);
    QCOMPARE(s.map.at(17, 7), outside);
    QCOMPARE(w->action("undo")->text(), QString("&Undo Fill"));
    w->action("undo")->trigger();
    QCOMPARE(s.map.at(13, 8), obj::Dirt);
    QCOMPARE(w->action("redo")->text(), QString("&Redo Fill"));
  }

  void undoKeepsEachLevelsStepsAndBringsADeletedLevelBack() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    Drag drag(w->editingArea().view());
    w->chooseDrawingObject(obj::SolidWall);
    const std::int32_t before = s.map.at(4, 4);
    drag.press(4, 4);
    drag.release(4, 4);
    w->action("nextLevel")->trigger();
    QVERIFY(!w->action("undo")->isEnabled());  // level 1 has its own history
    drag.press(2, 2);
    drag.release(2, 2);
    w->action("previousLevel")->trigger();
    QCOMPARE(w->action("undo")->text(), QString("&Undo Draw"));
    w->action("undo")->trigger();
    QCOMPARE(s.map.at(4, 4), before);
    QCOMPARE(s.map.cell(kGameLayer, 2, 2, 2), obj::SolidWall);

    const std::string title = s.map.header(1).title();
    const std::string next = s.map.header(2).title();
    dialogs.answers = {Answer::Yes};
    w->action("deleteLevel")->trigger();
    QCOMPARE(s.map.header(1).title(), next);
    QCOMPARE(w->action("undo")->text(), QString("&Undo Delete Level"));
    QCOMPARE(w->findChild<QAction*>("popupUndo")->text(), QString("Undo Delete Level"));
    w->action("undo")->trigger();
    QCOMPARE(s.map.header(1).title(), title);
    QCOMPARE(s.map.header(2).title(), next);
    QCOMPARE(w->action("redo")->text(), QString("&Redo Delete Level"));
    // The level came back with its own history.
    QCOMPARE(w->action("undo")->isEnabled(), false);
    QCOMPARE(s.redoName(), std::string("Delete Level"));
  }

  void selectAllFloatsTheLevelAndEscapeOrAnotherLevelDropsIt() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const SelectionClipboard& clip = w->drawingTools().clipboard();
    LevelView* view = w->editingArea().view();
    QCOMPARE(w->action("selectAll")->shortcut(), QKeySequence("Ctrl+A"));
    QCOMPARE(w->action("zoomOut")->shortcut(), QKeySequence("Ctrl+-"));
    w->action("selectAll")->trigger();
    QVERIFY(clip.visible());
    QCOMPARE(clip.width(), w->session().map.current().width());
    QCOMPARE(clip.height(), w->session().map.current().height());
    QVERIFY(onScreen(view) == repainted(view));
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QVERIFY(!clip.visible());
    QVERIFY(onScreen(view) == repainted(view));

    w->action("selectAll")->trigger();
    w->action("nextLevel")->trigger();
    QVERIFY(!clip.visible());
  }

  void movesAreIgnoredWhileThePropertiesWindowIsDragged() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("propertiesPanel")->trigger();
    QWidget* dock = w->findChild<QWidget*>("propertiesDock");
    send(dock, QEvent::MouseButtonPress, QPoint(20, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(w->drawingTools().context().propertiesDragActive);
    // Moves with the button held (the drag going on) neither draw nor read out.
    LevelView* view = w->editingArea().view();
    const int cs = view->cellSize();
    const std::int32_t before = w->session().map.at(3, 3);
    w->chooseDrawingObject(obj::SolidWall);
    send(view, QEvent::MouseMove, QPoint(3 * cs + 1, 3 * cs + 1), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(w->statusPanel(0)->text(), QString("Co:"));
    QCOMPARE(w->session().map.at(3, 3), before);
    send(dock, QEvent::MouseButtonRelease, QPoint(20, 5), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!w->drawingTools().context().propertiesDragActive);
    Drag drag(view);
    drag.move(3, 3);
    QCOMPARE(w->statusPanel(0)->text(), QString("Co: 3,3"));
    // A drag whose release never came ends at the first move with the button up.
    send(dock, QEvent::MouseButtonPress, QPoint(20, 5), Qt::LeftButton, Qt::LeftButton);
    drag.move(4, 4);
    QVERIFY(!w->drawingTools().context().propertiesDragActive);
    QCOMPARE(w->statusPanel(0)->text(), QString("Co: 4,4"));
  }
};

QTEST_MAIN(DrawingTest)
#include "test_drawing.moc"
