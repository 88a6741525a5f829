// Opening, saving and the file history through the window.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include "app/editing_area.h"
#include "app/event_watcher.h"
#include "app/level_view.h"
#include "app/tool_windows.h"
#include "app_fixture.h"
#include "editor/dropped_file.h"
#include "editor/levelmap_files.h"
#include "editor/single_level_io.h"
#include "model/editor_session.h"
#include "model/object_catalogue.h"
#include "render/level_renderer.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {
std::array<std::string, 4> historyOf(MainWindow& w) {
  return w.session().history;
}

// The levelmap as a fresh session reads it from disk.
std::unique_ptr<EditorSession> readBack(const QString& path) {
  static SilentFrontend silent;
  auto s = std::make_unique<EditorSession>(silent);
  readLevelmap(*s, path.toStdString());
  return s;
}
}  // namespace

class FilesTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void fileTypesAreListedInOrder() {
    // Both dialogs list the table of levelset formats: all of them first,
    // then one filter per format, every file last.
    const QStringList open = openFileTypes();
    QCOMPARE(open.at(0), QString("All levelsets (*.map *.caves *.gam *.lev *.levels *.bd4 *.das "
                                 "*.bd levels*.d*)"));
    QVERIFY(open.contains("Pyrovel levelmap (*.map)"));
    QVERIFY(open.contains("Supaplex (levels*.d*)"));
    QVERIFY(open.contains("Boulderdash Common File Format (*.bd)"));
    QCOMPARE(open.last(), QString("All files (*)"));
    QCOMPARE(saveAsFileTypes(),
             QStringList({"Pyrovel levelmap (*.map)", "Emerald Mines V4 / BD4 (*.lev)",
                          "Emerald Mines V6 (*.lev)", "Boulderdash Common File Format (*.bd)"}));
  }

  void historyKeepsTheFourLastFilesMostRecentFirst() {
    ProgramFolder folder;
    QTemporaryDir files;
    const QString a = copyOfDemo(files, "a.map"), b = copyOfDemo(files, "b.map"),
                  c = copyOfDemo(files, "c.map");
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    dialogs.openChoices = {a, b, c};
    for (int i = 0; i < 3; ++i) w->action("openLevelset")->trigger();
    QCOMPARE(dialogs.openFolders.first(), folder.path() + "/");  // starts in the program folder
    QCOMPARE(dialogs.openFolders.last(), files.path());          // then where the last file was
    QCOMPARE(historyOf(*w), (std::array<std::string, 4>{c.toStdString(), b.toStdString(),
                                                        a.toStdString(), "---"}));
    QVERIFY(w->action("history3")->isVisible());
    QVERIFY(!w->action("history4")->isVisible());

    // Entry 3 moves to the front; entry 1 again changes nothing.
    w->action("history3")->trigger();
    QCOMPARE(w->session().map.fileName, std::string("a.map"));
    QCOMPARE(historyOf(*w), (std::array<std::string, 4>{a.toStdString(), c.toStdString(),
                                                        b.toStdString(), "---"}));
    w->action("history1")->trigger();
    QCOMPARE(w->action("history1")->text(), a);
    QCOMPARE(w->action("history2")->text(), c);
    QVERIFY(dialogs.errors.isEmpty());
  }

  void cancelledOpenChangesNothing() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->session().nextLevel();
    w->session().nextLevel();
    w->session().map.modified = true;
    dialogs.answers = {Answer::No};  // do not save first
    w->action("openLevelset")->trigger();
    QCOMPARE(dialogs.questions.size(), 1);
    QCOMPARE(
        dialogs.questions.first(),
        QString(
            "This will erase changes you have made. Do you want to save the current levelmap?"));
    QCOMPARE(w->session().map.currentLevel, 3);
    QCOMPARE(w->session().map.fileName, std::string("demo.map"));
    QVERIFY(w->session().map.modified);
  }

  void aBrokenFileIsReportedAndTheEditorGoesOn() {
    ProgramFolder folder;
    QTemporaryDir files;
    const QString broken = files.filePath("short.map");
    {
      QFile f(broken);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("GrotPRV");
    }
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    dialogs.openChoices = {broken};
    w->action("openLevelset")->trigger();
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY(dialogs.errors.first().contains("short.map"));
    // Still working: level 0 shown, stepping on works.
    QCOMPARE(w->session().map.currentLevel, 1);
    w->session().nextLevel();
    QCOMPARE(w->session().map.currentLevel, 2);
    QVERIFY(w->isVisible());
  }

  void saveAfterSaveAsWritesTheNewFile() {
    ProgramFolder folder;
    QTemporaryDir files;
    const QString opened = copyOfDemo(files, "work.map");
    const QString other = files.filePath("copy.map");
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {opened});
    Levelmap& map = w->session().map;

    map.cell(kGameLayer, 1, 2, 2) = 13;
    dialogs.saveChoices.push_back(Frontend::SaveAsChoice{other.toStdString(), "map"});
    w->action("saveLevelsetAs")->trigger();
    QVERIFY(QFile::exists(other));
    QCOMPARE(readBack(other)->map.cell(kGameLayer, 1, 2, 2), 13);

    map.cell(kGameLayer, 1, 2, 2) = 9;
    w->action("saveLevelset")->trigger();
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(readBack(other)->map.cell(kGameLayer, 1, 2, 2), 9);
    QVERIFY(readBack(opened)->map.cell(kGameLayer, 1, 2, 2) != 9);
    QCOMPARE(QString::fromStdString(w->session().history[0]), other);
  }

  // The caption names the levelmap and marks unsaved changes, whatever made them.
  void theCaptionFollowsTheUnsavedMarkAndTheFileName() {
    ProgramFolder folder;
    QTemporaryDir files;
    const QString opened = copyOfDemo(files, "work.map");
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {opened});
    const QString program = " - PRVL Level Editor V 0.26 alpha";
    QCOMPARE(w->windowTitle(), "work.map" + program);

    // A cell drawn with the mouse.
    w->chooseDrawingObject(obj::SolidWall);
    LevelView* view = w->editingArea().view();
    const int cs = view->cellSize();
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(2 * cs + cs / 2, 2 * cs + cs / 2));
    QCOMPARE(w->session().map.at(2, 2), obj::SolidWall);
    QCOMPARE(w->windowTitle(), "work.map*" + program);
    w->action("saveLevelset")->trigger();
    QCOMPARE(w->windowTitle(), "work.map" + program);

    // A property edit, then Save As under another name.
    w->action("propertiesPanel")->trigger();
    w->findChild<QCheckBox*>("intermission")->click();
    QCOMPARE(w->windowTitle(), "work.map*" + program);
    dialogs.saveChoices.push_back(
        Frontend::SaveAsChoice{files.filePath("other.map").toStdString(), "map"});
    w->action("saveLevelsetAs")->trigger();
    QCOMPARE(w->windowTitle(), "other.map" + program);

    w->action("undo")->trigger();
    QCOMPARE(w->windowTitle(), "other.map*" + program);
    dialogs.answers = {Answer::No};
    w->action("newLevelset")->trigger();
    QCOMPARE(w->windowTitle(), "New.map" + program);
    QVERIFY(dialogs.errors.isEmpty());
  }

  void newLevelsetAsksFirstAndStartsAnEmptyMap() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->session().map.modified = true;
    dialogs.answers = {Answer::No};
    w->action("newLevelset")->trigger();
    QCOMPARE(dialogs.questions.size(), 1);
    const Levelmap& map = w->session().map;
    QCOMPARE(map.fileName, std::string("New.map"));
    QCOMPARE(map.header(1).width(), 64);
    QCOMPARE(map.header(1).height(), 32);
    QCOMPARE(map.header(2).width(), 0);
    QVERIFY(!map.modified);
    QVERIFY(w->findChild<QLabel*>("levelCaptionText")->text().startsWith("New.map Level 0: "));
    // Save without a file of its own asks for a name; a cancelled dialog writes nothing.
    w->action("saveLevelset")->trigger();
    QVERIFY(dialogs.errors.isEmpty());
  }

  // The flows that once lost work, as a user meets them in the window.
  void ctrlSOnABdcffFileThatCannotHoldTheLevelsOffersAMapFile() {
    ProgramFolder folder;
    QTemporaryDir files;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const QString bd = files.filePath("Tutorial.bd");
    dialogs.saveChoices.push_back(Frontend::SaveAsChoice{bd.toStdString(), "bdcff"});
    w->action("saveLevelsetAs")->trigger();
    dialogs.openChoices << bd;
    w->action("openLevelset")->trigger();
    QCOMPARE(w->session().levelPath, bd.toStdString());
    QFile original(bd);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    w->session().map.cell(kGameLayer, 1, 2, 2) = obj::Grover;  // no BDCFF code
    w->session().markModified();
    dialogs.questions.clear();
    dialogs.answers = {Answer::No};
    w->action("saveLevelset")->trigger();
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY2(dialogs.questions[0].contains("Tutorial.map instead?"), qPrintable(dialogs.questions[0]));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), before);
    QVERIFY(w->windowTitle().startsWith("Tutorial.bd*"));
    QVERIFY(dialogs.errors.isEmpty());
  }

  void insertAndNewAskBeforeWorkIsLost() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    EditorSession& s = w->session();
    s.map.cell(kGameLayer, 100, 1, 1) = obj::Diamond;
    s.selectLevel(6);
    dialogs.answers = {Answer::No};
    w->action("insertLevel")->trigger();
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions[0].startsWith("Level 99 is not empty."));
    QCOMPARE(s.map.cell(kGameLayer, 100, 1, 1), obj::Diamond);

    s.markModified();
    dialogs.answers = {Answer::Cancel};
    w->action("newLevelset")->trigger();
    QCOMPARE(s.map.cell(kGameLayer, 100, 1, 1), obj::Diamond);
    QVERIFY(s.map.modified);
    dialogs.answers = {Answer::Yes};  // then the Save As dialog is cancelled
    w->action("newLevelset")->trigger();
    QCOMPARE(s.map.cell(kGameLayer, 100, 1, 1), obj::Diamond);
    QCOMPARE(s.map.fileName, std::string("New.map"));
    QVERIFY(dialogs.errors.isEmpty());
  }

  void readerNotesShowInTheInformationPanel() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    w->session().readerNote = "Imported with a test filter";
    w->frontend().changed(kReaderInfo);
    auto* panel = w->findChild<QWidget*>("infoPanel");
    QVERIFY(panel->isVisible());
    QCOMPARE(w->findChild<QLabel*>("infoLabel")->text(), QString("Imported with a test filter"));
  }

  // A reader reports every level it reads; the conversion panel paints only
  // as often as an eye follows it.
  void theConversionGaugeKeepsPaceWithTheEyeNotTheReader() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QTemporaryDir dir;
    std::string text = "[BDCFF]\n[game]\n";
    for (int cave = 0; cave < 60; ++cave) text += "[cave]\nSize=10 6\n[/cave]\n";
    text += "[/game]\n[/BDCFF]\n";
    const QString path = writeBytes(dir, "sixty.bd", {text.begin(), text.end()});
    int gaugePaints = 0;
    EventWatcher watcher(nullptr, [&](QObject* watched, QEvent* event) {
      if (event->type() == QEvent::Paint && watched->objectName() == "convertGauge") ++gaugePaints;
      return false;
    });
    qApp->installEventFilter(&watcher);
    dialogs.openChoices = {path};
    w->action("openLevelset")->trigger();
    qApp->removeEventFilter(&watcher);
    QCOMPARE(w->session().map.header(60).width(), 10);
    QVERIFY2(gaugePaints < 10, qPrintable(QString::number(gaugePaints) + " paints"));
    auto* panel = w->findChild<ConvertPanel*>();
    QVERIFY(panel && !panel->isVisible());
    QCOMPARE(panel->list()->item(panel->list()->count() - 1)->text(), QString("BDCFF import"));

    // Between two paints the gauge follows and labels are listed all the
    // same (importers tell messages that way); the next paint shows them.
    panel->progress(1, 10, "Unknown object at 1,1");
    gaugePaints = 0;
    qApp->installEventFilter(&watcher);
    panel->progress(2, 10, "Unknown object at 2,1");
    QCOMPARE(gaugePaints, 0);
    QCOMPARE(panel->gauge()->value(), 2);
    QCOMPARE(panel->list()->item(panel->list()->count() - 1)->text(),
             QString("Unknown object at 2,1"));
    QTRY_VERIFY(gaugePaints > 0);
    qApp->removeEventFilter(&watcher);
    panel->progress(0, 0, "");
    QVERIFY(!panel->isVisible());
  }

  void droppedFilesOpenALevelsetOrImportALevelIntoTheFirstEmptyOne() {
    ProgramFolder folder;
    QTemporaryDir files;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    auto drop = [&w](const QString& path) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(path)});
      // As a drag does it: the drop goes to the widget that took the drag's entry.
      QWidget* view = w->editingArea().view();
      QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(view, &enter);
      QVERIFY(enter.isAccepted());
      QDropEvent dropped(QPointF(30, 30), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(view, &dropped);
    };
    QVERIFY(w->acceptDrops());

    // A levelset opens, after the save question for the changed levelmap.
    w->session().map.modified = true;
    drop(copyOfDemo(files, "dropped.map"));
    QCOMPARE(dialogs.questions.size(), 1);
    QCOMPARE(QString::fromStdString(w->session().map.fileName), QString("dropped.map"));

    // A single level goes into the first empty level, which is shown.
    const QString level = files.filePath("one.lev");
    exportLevel(w->session().map, 1, level.toStdString());
    const auto empty = firstEmptyLevel(w->session().map);
    QVERIFY(empty && *empty > 1);
    drop(level);
    QCOMPARE(w->session().map.currentLevel, *empty);
    QCOMPARE(w->session().map.header(*empty).width(), w->session().map.header(1).width());
    QVERIFY(w->session().map.modified);

    // Anything else is named and changes nothing.
    const QString text = files.filePath("notes.txt");
    QFile(text).open(QIODevice::WriteOnly);
    drop(text);
    QVERIFY(dialogs.messages.last().startsWith("notes.txt: "));
    QVERIFY(dialogs.errors.isEmpty());
  }

  void exportLevelPictureWritesThePngTheRendererDraws() {
    ProgramFolder folder;
    QTemporaryDir files;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const QString path = files.filePath("level.png");
    dialogs.pictureChoice = PictureExportChoice{path, 8};
    w->action("exportLevelPicture")->trigger();
    const Levelmap& map = w->session().map;
    const QImage picture(path);
    QCOMPARE(picture.size(), QSize(map.current().width() * 8, map.current().height() * 8));
    PixelBuffer cell(8, 8);
    drawCell(w->spriteStrip(), map.at(0, 0), 8, cell, 0, 0);
    QCOMPARE(picture.pixel(4, 4), cell.at(4, 4));
    QVERIFY(dialogs.errors.isEmpty());
  }
};

QTEST_MAIN(FilesTest)
#include "test_files.moc"
