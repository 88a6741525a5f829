// The tool windows: where they are kept in Edit.ini, the palette's columns,
// choosing the drawing object, and the editing modes.
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>

#include "app/level_preview_window.h"
#include "app/objects_palette.h"
#include "app_fixture.h"
#include "model/ini_file.h"
#include "model/palette_file.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {
void mouse(QWidget* w, QEvent::Type type, QPoint at) {
  QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

Palette paletteOf(const ProgramFolder& folder, EditMode mode) {
  return *readPaletteFile(folder.file("Edit.bdi").toStdString(), mode);
}
}  // namespace

class DocksTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void dockStatesAreWrittenToEditIniAndRestored() {
    ProgramFolder folder;
    {
      ScriptedDialogs dialogs;
      auto w = makeWindow(folder, dialogs);
      w->addDockWidget(Qt::RightDockWidgetArea, w->docks().properties());
      w->docks().properties()->setFloating(false);
      w->docks().properties()->show();
      w->addDockWidget(Qt::BottomDockWidgetArea, w->docks().objects());
      w->docks().objects()->setFloating(false);
      w->docks().tools()->setFloating(true);
      w->docks().tools()->move(w->mapToGlobal(QPoint(300, 200)));
      w->action("levelListPanel")->trigger();  // shown at first, hidden by the user
      w->action("showStatusBar")->trigger();
      QVERIFY(!w->statusBar()->isVisible());
      QVERIFY(w->close());
    }
    const IniFile ini = IniFile::load(folder.file("Edit.ini").toStdString());
    QCOMPARE(ini.readString("PanelStates", "Property state", ""), std::string("Right"));
    QCOMPARE(ini.readString("PanelStates", "Objects state", ""), std::string("Bottom"));
    QCOMPARE(ini.readString("PanelStates", "Tools state", ""), std::string("Floating"));
    QCOMPARE(ini.readInteger("PanelStates", "ToolsX", 0), 300);
    QCOMPARE(ini.readInteger("PanelStates", "ToolsY", 0), 200);
    QCOMPARE(ini.readString("PanelStates", "LevelList state", ""), std::string("Invisible"));
    QCOMPARE(ini.readString("PanelStates", "StatusBar state", ""), std::string("Invisible"));

    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QVERIFY(w->docks().properties()->isVisible());
    QVERIFY(!w->docks().properties()->isFloating());
    QCOMPARE(w->dockWidgetArea(w->docks().properties()), Qt::RightDockWidgetArea);
    QVERIFY(!w->docks().objects()->isFloating());
    QCOMPARE(w->dockWidgetArea(w->docks().objects()), Qt::BottomDockWidgetArea);
    QVERIFY(w->docks().tools()->isFloating());
    QCOMPARE(w->mapFromGlobal(w->docks().tools()->pos()), QPoint(300, 200));
    QVERIFY(w->docks().levelList()->isHidden());
    QVERIFY(!w->action("levelListPanel")->isChecked());
    QVERIFY(!w->statusBar()->isVisible());
    QVERIFY(!w->action("showStatusBar")->isChecked());
    QVERIFY(w->action("propertiesPanel")->isChecked());
  }

  void propertiesAtTheBottomAndHiddenPanelsComeBackSo() {
    ProgramFolder folder;
    {
      ScriptedDialogs dialogs;
      auto w = makeWindow(folder, dialogs);
      w->addDockWidget(Qt::BottomDockWidgetArea, w->docks().properties());
      w->docks().properties()->setFloating(false);
      w->docks().properties()->show();
      w->addDockWidget(Qt::LeftDockWidgetArea, w->docks().objects());
      w->docks().objects()->setFloating(false);
      QVERIFY(w->close());
    }
    {
      ScriptedDialogs dialogs;
      auto w = makeWindow(folder, dialogs);
      QCOMPARE(w->dockWidgetArea(w->docks().properties()), Qt::BottomDockWidgetArea);
      QVERIFY(w->docks().properties()->isVisible());
      QCOMPARE(w->dockWidgetArea(w->docks().objects()), Qt::LeftDockWidgetArea);
      QCOMPARE(w->docked().objects->canvas()->columns(), 10);
      w->action("propertiesPanel")->trigger();  // hide
      QVERIFY(w->docks().properties()->isHidden());
      QVERIFY(!w->action("propertiesPanel")->isChecked());
      QVERIFY(w->close());
    }
    const IniFile ini = IniFile::load(folder.file("Edit.ini").toStdString());
    QCOMPARE(ini.readString("PanelStates", "Property state", ""), std::string("Invisible"));
    QCOMPARE(ini.readString("PanelStates", "Objects state", ""), std::string("Left"));
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QVERIFY(w->docks().properties()->isHidden());
  }

  void propertiesFirstFloatsClearOfTheToolsAndDocksKeepTheirOrder() {
    ProgramFolder folder;
    {
      ScriptedDialogs dialogs;
      auto w = makeWindow(folder, dialogs);
      QDockWidget* properties = w->docks().properties();
      w->action("propertiesPanel")->trigger();
      QVERIFY(properties->isFloating());
      const auto onScreen = [](const QWidget* widget) {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
      };
      QTRY_VERIFY(!QRect(properties->pos(), properties->size())
                       .intersects(onScreen(w->docks().tools()).united(onScreen(w->docks().objects()))));
      // Docked at the right above the level list.
      w->addDockWidget(Qt::RightDockWidgetArea, properties);
      properties->setFloating(false);
      w->splitDockWidget(properties, w->docks().levelList(), Qt::Vertical);
      QTest::qWait(20);
      QVERIFY(properties->y() < w->docks().levelList()->y());
      QVERIFY(w->close());
    }
    for (int restart = 0; restart < 2; ++restart) {
      ScriptedDialogs dialogs;
      auto w = makeWindow(folder, dialogs);
      QTest::qWait(20);
      QCOMPARE(w->dockWidgetArea(w->docks().properties()), Qt::RightDockWidgetArea);
      QVERIFY(w->docks().properties()->isVisible() && w->docks().levelList()->isVisible());
      QVERIFY2(w->docks().properties()->y() < w->docks().levelList()->y(),
               qPrintable(QString("restart %1").arg(restart)));
      QVERIFY(w->close());
    }
  }

  void paletteColumnsFollowTheDock() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    ObjectsCanvas* canvas = w->docked().objects->canvas();
    QCOMPARE(canvas->columns(), 10);
    w->docks().objects()->setFloating(true);
    QTest::qWait(20);
    w->addDockWidget(Qt::LeftDockWidgetArea, w->docks().objects());
    w->docks().objects()->setFloating(false);
    QTest::qWait(20);
    QCOMPARE(canvas->columns(), 10);  // 160 pixels of 16-pixel icons at the left
    w->addDockWidget(Qt::BottomDockWidgetArea, w->docks().objects());
    QTest::qWait(20);
    const int width = w->docked().objects->scrollBox()->viewport()->width();
    QCOMPARE(canvas->columns(), width / ObjectsCanvas::kCell);
    QVERIFY(canvas->columns() > 10);
    w->docks().objects()->setFloating(true);
    QTest::qWait(20);
    QCOMPARE(canvas->columns(), 10);
  }

  void floatingWindowsOpenBelowTheMenuBarAndThePreviewShowsTheWholeLevel() {
    ProgramFolder folder;
    {
      QFile ini(folder.file("Edit.ini"));
      QVERIFY(ini.open(QIODevice::WriteOnly));
      ini.write("[PanelStates]\nProperty state=Invisible\nPropertyX=40\nPropertyY=-60\n");
    }
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QTest::qWait(20);
    w->action("propertiesPanel")->trigger();
    QDockWidget* properties = w->docks().properties();
    QVERIFY(properties->isFloating());
    const int menusBottom = w->menuBar()->mapToGlobal(QPoint(0, w->menuBar()->height())).y();
    QTRY_VERIFY(properties->pos().y() >= menusBottom);

    // View > Level Preview: the level shown, at a cell size that fits the preview.
    w->action("levelPreview")->trigger();
    auto* preview = w->findChild<LevelPreviewWindow*>("levelPreviewWindow");
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->slot(), w->session().map.currentLevel);
  }

  void paletteFilterAndIconSizeAreKept() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    {
      auto w = makeWindow(folder, dialogs);
      ObjectsPanel* panel = w->docked().objects;
      ObjectsCanvas* canvas = panel->canvas();
      panel->filterBox()->setText("door");
      QVERIFY(!canvas->entries().empty());
      QVERIFY(canvas->entries().size() < w->activePalette().size());
      for (int object : canvas->entries()) {
        QVERIFY(QString::fromStdString(w->session().catalogue.item(object))
                    .contains("door", Qt::CaseInsensitive));
      }
      // The name under the pointer is the filtered entry's.
      mouse(canvas, QEvent::MouseMove, QPoint(3, 3));
      QCOMPARE(w->findChild<QLabel*>("objectHint")->text(),
               "  " + QString::fromStdString(w->session().catalogue.label(canvas->entries()[0])));
      panel->filterBox()->clear();
      QCOMPARE(canvas->entries(), w->activePalette());

      panel->iconSizeBox()->setCurrentIndex(panel->iconSizeBox()->findData(32));
      QCOMPARE(canvas->cellSize(), 32);
      QCOMPARE(canvas->columns(), 5);
      QCOMPARE(canvas->entryAt(QPoint(33, 1)), 1);
      QVERIFY(w->close());
    }
    auto again = makeWindow(folder, dialogs);
    QCOMPARE(again->docked().objects->canvas()->cellSize(), 32);
    QVERIFY(again->docks().objects()->isVisible());
  }

  void hoveringNamesAnObjectAndAClickChoosesIt() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    ObjectsCanvas* canvas = w->docked().objects->canvas();
    const Palette& palette = w->activePalette();
    QCOMPARE(canvas->entryAt(QPoint(37, 20)), 12);
    mouse(canvas, QEvent::MouseMove, QPoint(37, 20));
    const int object = palette[12];
    QCOMPARE(w->findChild<QLabel*>("objectHint")->text(),
             "  " + QString::fromStdString(w->session().catalogue.label(object)));
    mouse(canvas, QEvent::MouseButtonPress, QPoint(37, 20));
    mouse(canvas, QEvent::MouseButtonRelease, QPoint(37, 20));
    QCOMPARE(w->session().drawingObject, object);
    auto* drawingObject = w->findChild<QLabel*>("drawingObjectImage");
    QCOMPARE(drawingObject->pixmap().size(), QSize(36, 36));
    // Beyond the last column nothing is named.
    QCOMPARE(canvas->entryAt(QPoint(10 * 16 + 1, 0)), -1);
  }

  // The canvas draws only the entries in the part it paints: a band painted
  // alone (as a scroll shows it) looks as that band of the whole canvas.
  void thePaletteCanvasPaintsAPartAsTheWholeShowsIt() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    ObjectsCanvas* canvas = w->docked().objects->canvas();
    const int cell = ObjectsCanvas::kCell;
    QVERIFY(canvas->rows() > 6);
    const QImage whole = canvas->grab().toImage();
    // From the middle of one row to the middle of another.
    const QRect band(0, 3 * cell + cell / 2, canvas->width(), 2 * cell);
    QCOMPARE(canvas->grab(band).toImage(), whole.copy(band));
  }

  void modesTakeTheirPalettesFromEditBdi() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QCOMPARE(w->activePalette(), paletteOf(folder, kGameMode));
    w->action("emeraldMineV4Mode")->trigger();
    QCOMPARE(w->editMode(), kEmeraldMode);
    QCOMPARE(w->activePalette(), paletteOf(folder, kEmeraldMode));
    QCOMPARE(w->docked().objects->canvas()->entries(), paletteOf(folder, kEmeraldMode));
    w->action("c64BoulderDashMode")->trigger();
    QCOMPARE(w->activePalette(), paletteOf(folder, kC64Mode));

    // Without the file: C64 and game mode keep the palette, Emerald mode reports it.
    const Palette c64 = w->activePalette();
    QVERIFY(QFile::remove(folder.file("Edit.bdi")));
    w->action("pyrovelMode")->trigger();
    QCOMPARE(w->activePalette(), c64);
    QVERIFY(dialogs.errors.isEmpty());
    w->action("emeraldMineV4Mode")->trigger();
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY(dialogs.errors.first().contains("Edit.bdi"));
  }
};

QTEST_MAIN(DocksTest)
#include "test_docks.moc"
