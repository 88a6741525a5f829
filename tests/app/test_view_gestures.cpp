// The level view in the hand, through the real window: panning, picking,
// fast strokes, the tools' letter keys, Ctrl+V under the pointer and the
// keys going back to the level after the level number box.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "app/editing_area.h"
#include "app/level_view.h"
#include "app_fixture.h"
#include "editor/tools/line_tool.h"
#include "editor/tools/pen_tool.h"
#include "editor/tools/pick_tool.h"
#include "editor/tools/rectangle_tool.h"
#include "model/object_catalogue.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, modifiers);
  QApplication::sendEvent(w, &e);
}

// The pointer comes over the view at a cell.
QPoint hover(LevelView* view, int x, int y) {
  const int cs = view->cellSize();
  const QPoint at(x * cs + cs / 2, y * cs + cs / 2);
  const QPointF local(at);
  QEnterEvent enter(local, local, view->mapToGlobal(local));
  QApplication::sendEvent(view, &enter);
  send(view, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
  return at;
}

QToolButton* button(MainWindow& w, const QString& name) {
  return w.findChild<QToolButton*>(name);
}

void activate(MainWindow& w) {
  w.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class ViewGesturesTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void middleDragAndSpaceDragPanTheZoomedView() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    activate(*w);
    EditorSession& s = w->session();
    LevelScrollBox* box = w->editingArea().scrollBox();
    LevelView* view = box->view();
    for (int i = 0; i < 3; ++i) box->zoomIn();
    QVERIFY(box->horizontalScrollBar()->maximum() > 200);
    QVERIFY(box->verticalScrollBar()->maximum() > 200);
    box->horizontalScrollBar()->setValue(100);
    box->verticalScrollBar()->setValue(100);
    s.map.modified = false;

    // The middle button drags the level along with the pointer.
    const QPoint at = hover(view, 10, 8);
    send(view, QEvent::MouseButtonPress, at, Qt::MiddleButton, Qt::MiddleButton);
    QCOMPARE(view->cursor().shape(), Qt::ClosedHandCursor);
    send(view, QEvent::MouseMove, at + QPoint(-60, -40), Qt::NoButton, Qt::MiddleButton);
    QCOMPARE(box->horizontalScrollBar()->value(), 160);
    QCOMPARE(box->verticalScrollBar()->value(), 140);
    // The view moved under the pointer: where it was pressed on the screen
    // is now 60, 40 pixels further into the view. Back there, the view is too.
    send(view, QEvent::MouseMove, at + QPoint(60, 40), Qt::NoButton, Qt::MiddleButton);
    QCOMPARE(box->horizontalScrollBar()->value(), 100);
    QCOMPARE(box->verticalScrollBar()->value(), 100);
    send(view, QEvent::MouseButtonRelease, at, Qt::MiddleButton, Qt::NoButton);
    QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);

    // Space held over the view turns the left button into the same pan.
    QTest::keyPress(w.get(), Qt::Key_Space);
    QCOMPARE(view->cursor().shape(), Qt::OpenHandCursor);
    send(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send(view, QEvent::MouseMove, at + QPoint(-30, 0), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(box->horizontalScrollBar()->value(), 130);
    send(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QTest::keyRelease(w.get(), Qt::Key_Space);
    QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!w->action("undo")->isEnabled());
    QVERIFY(!s.map.modified);

    // Typed into a text box, a Space is a space.
    auto* filter = w->findChild<QLineEdit*>("objectsFilter");
    QVERIFY(filter);
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Space);
    QCOMPARE(filter->text(), QString(" "));
    QVERIFY(!w->drawingTools().panKeyHeld());
  }

  void altClickAndThePickToolChooseTheObjectUnderThePointer() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    LevelView* view = w->editingArea().view();
    s.map.at(5, 5) = obj::Diamond;
    s.map.at(7, 5) = obj::SolidWall;
    w->chooseDrawingObject(obj::Rock);
    auto* preview = w->findChild<QLabel*>("drawingObjectImage");
    const QPoint at = hover(view, 5, 5);
    send(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, Qt::AltModifier);
    send(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, Qt::AltModifier);
    QCOMPARE(s.drawingObject, obj::Diamond);
    QCOMPARE(preview->toolTip(), QString::number(obj::Diamond));
    QCOMPARE(s.map.at(5, 5), obj::Diamond);

    // The Pick tool's button: a click picks, and the pen is back.
    QToolButton* pick = button(*w, "pickTool");
    QVERIFY(!pick->icon().isNull());
    pick->click();
    const QPoint wall = hover(view, 7, 5);
    send(view, QEvent::MouseButtonPress, wall, Qt::LeftButton, Qt::LeftButton);
    send(view, QEvent::MouseButtonRelease, wall, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(s.drawingObject, obj::SolidWall);
    QCOMPARE(w->drawingTools().activeTool().id(), PenTool::kId);
    QVERIFY(!w->action("undo")->isEnabled());
  }

  void aFastStrokeLeavesNoGaps() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    LevelView* view = w->editingArea().view();
    w->chooseDrawingObject(obj::SolidWall);
    const int cs = view->cellSize();
    const auto centre = [cs](int x, int y) { return QPoint(x * cs + cs / 2, y * cs + cs / 2); };
    // Three cells a move, as a quick hand gives them.
    send(view, QEvent::MouseButtonPress, centre(3, 10), Qt::LeftButton, Qt::LeftButton);
    for (int x = 6; x <= 15; x += 3) {
      send(view, QEvent::MouseMove, centre(x, 10 + (x - 3) / 6), Qt::NoButton, Qt::LeftButton);
    }
    send(view, QEvent::MouseButtonRelease, centre(15, 12), Qt::LeftButton, Qt::NoButton);
    int drawn = 0;
    for (int x = 3; x <= 15; ++x) {
      int inColumn = 0;
      for (int y = 10; y <= 12; ++y) inColumn += s.map.at(x, y) == obj::SolidWall;
      QVERIFY2(inColumn >= 1, qPrintable(QString("column %1 has a gap").arg(x)));
      drawn += inColumn;
    }
    QCOMPARE(drawn, 13);  // one cell a column: a line, not a smear
    QCOMPARE(s.undoName(), std::string("Draw"));
  }

  void everyToolHasALetterKeyNamedInItsHint() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    activate(*w);
    ToolController& tools = w->drawingTools();
    for (const auto& tool : tools.tools()) {
      const QString id = QString::fromUtf8(tool->id().data(), tool->id().size());
      if (QToolButton* b = button(*w, id)) {
        QVERIFY2(b->toolTip().endsWith(QString(" (%1)").arg(tool->key())), qPrintable(id));
      }
      QTest::keyClick(w.get(), Qt::Key(Qt::Key_A + (tool->key() - 'A')));
      QCOMPARE(tools.activeTool().id(), tool->id());
    }
    QTest::keyClick(w.get(), Qt::Key_R);
    QVERIFY(button(*w, "rectangleTool")->styleSheet().contains("white"));
    QTest::keyClick(w.get(), Qt::Key_P);
    QCOMPARE(tools.activeTool().id(), PenTool::kId);
    QVERIFY(button(*w, "rectangleTool")->styleSheet().isEmpty());

    // A letter typed into a text box stays there.
    auto* filter = w->findChild<QLineEdit*>("objectsFilter");
    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_L);
    QCOMPARE(filter->text(), QString("l"));
    QCOMPARE(tools.activeTool().id(), PenTool::kId);

    // Search moved to Ctrl+F, full screen to F11; F3 with nothing to look for opens Search.
    QCOMPARE(w->action("search")->shortcut(), QKeySequence("Ctrl+F"));
    QCOMPARE(w->action("fullScreenEdit")->shortcut(), QKeySequence("F11"));
    w->setFocus();
    QTest::keyClick(w.get(), Qt::Key_F3);
    QVERIFY(w->findChild<QWidget*>("searchPanel")->isVisible());
  }

  void ctrlVPastesUnderThePointer() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    activate(*w);
    EditorSession& s = w->session();
    LevelView* view = w->editingArea().view();
    for (int x = 2; x <= 4; ++x) {
      for (int y = 3; y <= 4; ++y) s.map.at(x, y) = 100 + x * 10 + y;
    }
    button(*w, "selectionTool")->click();
    const int cs = view->cellSize();
    const auto centre = [cs](int x, int y) { return QPoint(x * cs + cs / 2, y * cs + cs / 2); };
    send(view, QEvent::MouseButtonPress, centre(2, 3), Qt::LeftButton, Qt::LeftButton);
    send(view, QEvent::MouseMove, centre(4, 4), Qt::NoButton, Qt::LeftButton);
    send(view, QEvent::MouseButtonRelease, centre(4, 4), Qt::LeftButton, Qt::NoButton);
    QVERIFY(w->drawingTools().clipboard().visible());

    hover(view, 20, 12);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    for (int x = 0; x < 3; ++x) {
      for (int y = 0; y < 2; ++y) QCOMPARE(s.map.at(20 + x, 12 + y), 100 + (2 + x) * 10 + 3 + y);
    }
    QCOMPARE(w->drawingTools().clipboard().position(), (CellPos{20, 12}));
    QCOMPARE(s.undoName(), std::string("Paste"));
    // With the pointer off the view, where the floating copy is.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    s.map.at(21, 12) = obj::Dirt;
    w->action("paste")->trigger();
    QCOMPARE(s.map.at(21, 12), 100 + 3 * 10 + 3);
  }

  void theGridIsDrawnOverTheFloatingSelection() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    LevelView* view = w->editingArea().view();
    w->action("selectAll")->trigger();
    const int cs = view->cellSize();
    QVERIFY(cs >= 16);
    const QPoint onLine(5 * cs, 5 * cs + cs / 2);  // between two cells of the floating copy
    const QColor plain(view->grab().toImage().pixel(onLine));
    w->action("showGrid")->trigger();
    QVERIFY(QColor(view->grab().toImage().pixel(onLine)) != plain);
    // Below four pixels a cell there is none; from four on, faint lines.
    QCOMPARE(gridAlpha(kMinGridCell) < gridAlpha(16), true);
    QCOMPARE(gridAlpha(32), gridAlpha(16));
  }

  void returnInTheLevelNumberHandsTheKeysBackToTheLevel() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    activate(*w);
    EditorSession& s = w->session();
    s.selectLevel(3);
    w->chooseDrawingObject(obj::SolidWall);
    LevelView* view = w->editingArea().view();
    const int cs = view->cellSize();
    const std::int32_t before = s.map.at(2, 2);
    send(view, QEvent::MouseButtonPress, QPoint(2 * cs + 1, 2 * cs + 1), Qt::LeftButton,
         Qt::LeftButton);
    send(view, QEvent::MouseButtonRelease, QPoint(2 * cs + 1, 2 * cs + 1), Qt::LeftButton,
         Qt::NoButton);
    QCOMPARE(s.map.at(2, 2), obj::SolidWall);

    QSpinBox* number = w->findChild<QSpinBox*>("levelNumber");
    number->setFocus();
    QVERIFY(number->hasFocus());
    number->selectAll();
    QTest::keyClicks(number, "2");
    QTest::keyClick(number, Qt::Key_Return);
    QCOMPARE(s.map.currentLevel, 3);  // level 2
    QVERIFY(view->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.map.at(2, 2), before);
    QCOMPARE(number->value(), 2);
  }
};

QTEST_MAIN(ViewGesturesTest)
#include "test_view_gestures.moc"
