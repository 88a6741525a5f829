// The level view: zoom, cell size, layers, and partial repaints.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QWheelEvent>

#include "app/editing_area.h"
#include "app/level_paint.h"
#include "app/level_preview_window.h"
#include "app/level_previews.h"
#include "app/level_view.h"
#include "app_fixture.h"
#include "model/ini_file.h"
#include "model/object_catalogue.h"
#include "render/level_renderer.h"
#include "render/view_zoom.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

class ViewTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void zoomStepsKeepThePointUnderThePointerAndCtrlZeroFits() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    LevelScrollBox* box = w->editingArea().scrollBox();
    LevelView* view = w->editingArea().view();
    const QSize fitted = view->size();
    QCOMPARE(fitted, box->viewport()->size());
    const int cell = view->cellSize();
    const Levelmap& map = w->session().map;
    QCOMPARE(cell, computeCellSize(fitted.width(), fitted.height(), map.current().width(),
                                   map.current().height()));

    // Menu and tool button step through the fixed zooms.
    w->action("zoomIn")->trigger();
    QCOMPARE(view->cellSize(), nextZoomCellSize(cell, +1));
    QVERIFY(!box->fillsBox());
    w->findChild<QToolButton*>("zoomInButton")->click();
    QCOMPARE(view->cellSize(), nextZoomCellSize(nextZoomCellSize(cell, +1), +1));
    QCOMPARE(view->size(), QSize(map.current().width(), map.current().height()) * view->cellSize());
    QCOMPARE(w->statusPanel(4)->text(), QString("%1 %").arg(percentOfCellSize(view->cellSize())));

    // Ctrl and the wheel zoom about the pointer: the cell under it stays under it.
    auto wheel = [view](QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
      QWheelEvent e(at, view->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
      QApplication::sendEvent(view, &e);
    };
    box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->maximum() / 2);
    const QPoint inBox(200, 150);
    const QPoint cellBefore = view->cellAt(view->mapFrom(box->viewport(), inBox));
    const int before = view->cellSize();
    wheel(view->mapFrom(box->viewport(), inBox), 120, Qt::NoModifier);  // scrolls, no zoom
    QCOMPARE(view->cellSize(), before);
    wheel(view->mapFrom(box->viewport(), inBox), 120, Qt::ControlModifier);
    QCOMPARE(view->cellSize(), nextZoomCellSize(before, +1));
    QCOMPARE(view->cellAt(view->mapFrom(box->viewport(), inBox)), cellBefore);
    wheel(view->mapFrom(box->viewport(), inBox), -60, Qt::ControlModifier);  // half a notch
    QCOMPARE(view->cellSize(), nextZoomCellSize(before, +1));

    // Out to 25 % and no further; Ctrl+0 fits the level again.
    for (int i = 0; i < 12; ++i) w->action("zoomOut")->trigger();
    QCOMPARE(view->cellSize(), cellSizeAtPercent(25));
    QCOMPARE(w->action("fitLevel")->shortcut(), QKeySequence("Ctrl+0"));
    w->action("fitLevel")->trigger();
    QVERIFY(box->fillsBox());
    QCOMPARE(view->cellSize(), cell);
  }

  void gridAndBothLayersAreDrawnAndTheGridIsKept() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);  // an empty level: all black without the grid
    LevelView* view = w->editingArea().view();
    const int cell = view->cellSize();
    QVERIFY(cell >= 4);
    const QPoint between(cell * 3, cell * 3 + cell / 2);  // on the line between two cells
    w->session().map.at(3, 3) = 0;
    w->session().map.at(2, 3) = 0;
    view->update();
    QCOMPARE(QColor(view->grab().toImage().pixel(between)), QColor(Qt::black));
    w->action("showGrid")->trigger();
    QVERIFY(QColor(view->grab().toImage().pixel(between)) != QColor(Qt::black));

    // Both layers: the background shows dimmed where the game layer is empty.
    Levelmap& map = w->session().map;
    map.cell(kBackgroundLayer, map.currentLevel, 2, 3) = obj::Diamond;
    w->findChild<QToolButton*>("bothLayersButton")->click();
    QCOMPARE(map.currentLayer, kGameLayer);  // drawing goes on in the game layer
    QVERIFY(w->action("bothLayers")->isChecked());
    const QImage both = view->grab().toImage();
    PixelBuffer full(cell * 4, cell * 4);
    drawLevel(map, map.currentLevel, kBothLayers, w->spriteStrip(), cell, full);
    const QPoint inDiamond(cell * 2 + cell / 2, cell * 3 + cell / 3);
    QCOMPARE(both.pixel(inDiamond), full.at(inDiamond.x(), inDiamond.y()));
    QVERIFY(QColor(both.pixel(inDiamond)) != QColor(Qt::black));
    w->findChild<QToolButton*>("gameLayerButton")->click();
    QVERIFY(!view->bothLayersShown());

    QVERIFY(w->close());
    const IniFile ini = IniFile::load(folder.file("Edit.ini").toStdString());
    QCOMPARE(ini.readString("View", "Grid", ""), std::string("yes"));
  }

  void resizingTheWindowRecomputesTheCellSize() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const int before = w->editingArea().view()->cellSize();
    w->resize(800, 500);
    QTest::qWait(20);
    const QSize view = w->editingArea().view()->size();
    const LevelHeader& h = w->session().map.current();
    QCOMPARE(w->editingArea().view()->cellSize(),
             computeCellSize(view.width(), view.height(), h.width(), h.height()));
    QVERIFY(w->editingArea().view()->cellSize() < before);
  }

  void layerButtonsSwitchWhatIsShown() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    auto* background = w->findChild<QToolButton*>("backgroundButton");
    auto* gamegrid = w->findChild<QToolButton*>("gameLayerButton");
    QVERIFY(gamegrid->isChecked());
    background->click();
    QCOMPARE(w->session().map.currentLayer, kBackgroundLayer);
    QCOMPARE(w->session().map.current().hasBackgroundLayer(), 0);
    QVERIFY(background->isChecked());
    gamegrid->click();
    QCOMPARE(w->session().map.currentLayer, kGameLayer);
    QVERIFY(gamegrid->isChecked());
  }

  void aPartialRepaintEqualsTheFullRedraw() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const Levelmap& map = w->session().map;
    const SpriteStrip& strip = w->spriteStrip();
    for (int cell : {1, 7, 24, 300}) {
      const int width = map.current().width() * cell, height = map.current().height() * cell;
      PixelBuffer full(width, height);
      drawLevel(map, map.currentLevel, map.currentLayer, strip, cell, full);
      for (const QRect area :
           {QRect(0, 0, width, height), QRect(cell / 2, cell / 3, cell * 3 + 5, cell * 2 + 1),
            QRect(width - 17, height - 9, 17, 9)}) {
        const PixelBuffer part =
            drawLevelArea(map, map.currentLevel, map.currentLayer, strip, cell, area);
        bool same = true;
        for (int y = 0; y < area.height() && same; ++y) {
          for (int x = 0; x < area.width() && same; ++x) {
            same = part.at(x, y) == full.at(area.left() + x, area.top() + y);
          }
        }
        QVERIFY2(same, qPrintable(QString("cell %1").arg(cell)));
      }
    }
  }

  void theViewPaintsTheLevelFromTheSpriteStrip() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    LevelView* view = w->editingArea().view();
    const QImage shot = view->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const int cell = view->cellSize();
    // Cell (0, 0) of the first demo level is a wall: its sprite, scaled.
    PixelBuffer sprite(cell, cell);
    drawCell(w->spriteStrip(), w->session().map.at(0, 0), cell, sprite, 0, 0);
    QCOMPARE(shot.pixel(cell / 2, cell / 2), sprite.at(cell / 2, cell / 2));
  }

  // A window's 32-bit back buffer is painted straight into: shifted, cut by
  // the repainted region and in either of its formats, its pixels must be
  // the core's drawing, and pixels outside the region must stay.
  void paintingIntoABackBufferGivesTheCoresDrawing() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    LevelView* view = w->editingArea().view();
    const Levelmap& map = w->session().map;
    const int cell = view->cellSize();
    PixelBuffer full(map.current().width() * cell, map.current().height() * cell);
    drawLevel(map, map.currentLevel, map.currentLayer, w->spriteStrip(), cell, full);
    const QRect part = QRect(cell / 2 + 3, cell + 5, 9 * cell + 1, 4 * cell + 3) & view->rect();
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
      QImage target(part.width() + 20, part.height() + 20, format);
      target.fill(Qt::magenta);
      view->render(&target, QPoint(7, 9), QRegion(part));
      bool same = true;
      for (int y = 0; y < part.height() && same; ++y) {
        for (int x = 0; x < part.width() && same; ++x) {
          same = target.pixel(7 + x, 9 + y) == full.at(part.left() + x, part.top() + y);
        }
      }
      QVERIFY2(same, qPrintable(QString("format %1").arg(format)));
      QCOMPARE(QColor(target.pixel(3, 3)), QColor(Qt::magenta));
      QCOMPARE(QColor(target.pixel(target.width() - 2, target.height() - 2)), QColor(Qt::magenta));
    }
  }

  void hidingTheEditingAreaMakesThePreviewThatFollowsTheLevel() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QVERIFY(!w->findChild<LevelPreviewWindow*>());  // made when first wanted
    w->session().nextLevel();
    w->editingArea().setEditingHidden(true);
    auto* preview = w->findChild<LevelPreviewWindow*>();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->slot(), 2);
    w->session().nextLevel();
    QCOMPARE(preview->slot(), 3);
  }

  void theLastActivatedPreviewFollowsTheLevelWhileTheEditingAreaIsHidden() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    LevelPreviewWindow* preview = w->previews().newWindow();
    preview->show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(preview, &activate);
    QCOMPARE(preview->slot(), 1);
    w->session().nextLevel();
    QCOMPARE(preview->slot(), 1);  // the editing area is shown: the preview keeps its level
    preview->drawButton()->click();
    QCOMPARE(preview->slot(), 2);

    w->editingArea().setEditingHidden(true);
    QVERIFY(w->editingArea().editingHidden());
    w->session().nextLevel();
    QCOMPARE(preview->slot(), 3);
    w->editingArea().setEditingHidden(false);
    w->session().nextLevel();
    QCOMPARE(preview->slot(), 3);
  }

  void fullScreenEditingHidesTheBarsAndComesBack() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    auto* toolBar = w->findChild<QWidget*>("toolBar");
    auto* caption = w->findChild<QWidget*>("levelCaption");
    w->action("fullScreenEdit")->trigger();
    auto* viewPanel = w->findChild<QWidget*>("viewPanel");  // built on first use
    QVERIFY(w->action("fullScreenEdit")->isChecked());
    QVERIFY(!toolBar->isVisible());
    QVERIFY(!caption->isVisible());
    QVERIFY(!w->statusBar()->isVisible());
    QVERIFY(viewPanel->isVisible());
    QVERIFY(w->editingArea().scrollBox()->fillsBox());
    viewPanel->findChild<QPushButton*>("viewPanelButton")->click();
    QVERIFY(!w->action("fullScreenEdit")->isChecked());
    QVERIFY(toolBar->isVisible());
    QVERIFY(caption->isVisible());
    QVERIFY(w->statusBar()->isVisible());
    QVERIFY(!viewPanel->isVisible());
  }
};

QTEST_MAIN(ViewTest)
#include "test_view.moc"
