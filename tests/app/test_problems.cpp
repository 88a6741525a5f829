// The Problems dock: the levels with errors marked in the level list, the
// jump to a problem's cell, the check after an edit, the rules switched off
// in Options and the note after a save.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>

#include "app/editing_area.h"
#include "app/external_player_runner.h"
#include "app/level_list.h"
#include "app/level_view.h"
#include "app/options_window.h"
#include "app/problems_panel.h"
#include "app_fixture.h"
#include "editor/program_launcher.h"
#include "model/game_format.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

// Three cleared 12 x 6 levels with an exit; in level 2 a column of solid
// wall seals the exit at (10, 4) off from the player.
QString levelmapWithASealedExit(const QTemporaryDir& dir) {
  Levelmap map;
  for (int slot = 1; slot <= 3; ++slot) {
    LevelHeader& h = map.header(slot);
    h.setWidth(12);
    h.setHeight(6);
    h.setLevelTime(100);
    map.clearLayer(kGameLayer, slot);
    map.cell(kGameLayer, slot, 10, 4) = 7;
  }
  for (int y = 1; y <= 4; ++y) map.cell(kGameLayer, 3, 8, y) = 6;
  const QString path = dir.filePath("sealed.map");
  SilentFrontend ui;
  writeLevel(map, ui, path.toStdString());
  return path;
}

QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& rule) {
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    if (list->topLevelItem(i)->text(2) == rule) return list->topLevelItem(i);
  }
  return nullptr;
}

}  // namespace

class ProblemsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void marksLevelsAndJumpsToTheCellThenFollowsTheEdit() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    auto w = makeWindow(folder, dialogs, {levelmapWithASealedExit(dir)});
    ProblemsPanel* problems = w->problems();
    QVERIFY(problems);
    QVERIFY(!problems->isVisible());  // hidden until asked for
    auto* levels = w->findChild<LevelList*>("levelList");
    QVERIFY(levels->hasErrorMark(2));
    QVERIFY(!levels->hasErrorMark(0));
    QVERIFY(!levels->hasErrorMark(1));

    // The View menu shows it.
    auto* viewMenu = w->findChild<QMenu*>("viewMenu");
    QVERIFY(viewMenu->actions().contains(problems->toggleViewAction()));
    problems->toggleViewAction()->trigger();
    QVERIFY(problems->isVisible());
    QTreeWidgetItem* sealed = rowOf(problems->list(), "exit-sealed");
    QVERIFY(sealed);
    QCOMPARE(sealed->text(0), QString("2"));
    QCOMPARE(sealed->text(1), QString("10,4"));
    QVERIFY(problems->windowTitle().startsWith("Problems: 1 error"));

    QTest::qWait(20);

    // A double click shows level 2 with the exit framed.
    QCOMPARE(w->session().map.currentLevel, 1);
    QTreeWidget* list = problems->list();
    list->scrollToItem(sealed);
    const QPoint at = list->visualItemRect(sealed).center();
    QSignalSpy jumps(problems, &ProblemsPanel::goTo);
    // A double click is a press, a release and the double click itself.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(jumps.count(), 1);
    QCOMPARE(w->session().map.currentLevel, 3);
    const std::vector<QPoint> framed{QPoint(10, 4)};
    QCOMPARE(w->editingArea().view()->highlights(), framed);

    // Mending the wall takes the error and the mark away; only the level
    // changed is checked again.
    w->session().map.cell(kGameLayer, 3, 8, 2) = 1;
    w->frontend().changed(kCellsChanged);
    QVERIFY(!rowOf(problems->list(), "exit-sealed"));
    QVERIFY(!levels->hasErrorMark(2));
    w->session().map.cell(kGameLayer, 3, 8, 2) = 6;
    w->frontend().changed(kCellsChanged);
    QVERIFY(levels->hasErrorMark(2));
  }

  void rulesSwitchOffInOptionsAndSaveMentionsErrors() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    auto w = makeWindow(folder, dialogs, {levelmapWithASealedExit(dir)});
    ProblemsPanel* problems = w->problems();
    auto* levels = w->findChild<LevelList*>("levelList");
    OptionsWindow* options = w->players().optionsWindow();
    QCheckBox* sealedBox = options->levelCheckBox("exit-sealed");
    QVERIFY(sealedBox && sealedBox->isChecked());
    sealedBox->setChecked(false);
    QCOMPARE(QString::fromStdString(w->settings().config().levelChecksOff),
             QString("exit-sealed"));
    QVERIFY(!levels->hasErrorMark(2));
    QCOMPARE(problems->errorCount(), 0);
    sealedBox->setChecked(true);
    QVERIFY(levels->hasErrorMark(2));

    // Saving goes ahead; the dock comes up and says what is wrong.
    w->session().map.modified = true;
    w->action("saveLevelset")->trigger();
    QVERIFY(!w->session().map.modified);
    QVERIFY(dialogs.errors.isEmpty());
    QVERIFY(problems->isVisible());
    QCOMPARE(problems->note()->text(),
             QString("Saved with 1 error in 1 level: nobody can finish those levels as they are."));
  }

  void testLevelGoesAheadAndNamesTheErrors() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QTemporaryDir dir;
    AppOptions options = folder.options(dialogs);
    options.launcher = &launcher;
    options.arguments = {levelmapWithASealedExit(dir)};
    MainWindow w(options);
    w.show();
    w.settings().config().windowsRunner = "/bin/sh";  // the player is a Windows program
    QFile game(folder.file("Pyrovel.exe"));
    QVERIFY(game.open(QIODevice::WriteOnly));
    game.close();
    auto* test = w.findChild<QToolButton*>("testLevelButton");
    QTest::mouseClick(test, Qt::LeftButton);  // level 0 has no error: nothing said
    QVERIFY(!w.problems()->isVisible());
    w.session().selectLevel(3);
    QTest::mouseClick(test, Qt::LeftButton);
    QCOMPARE(launcher.launches.size(), std::size_t(2));  // the test ran
    QVERIFY(w.problems()->isVisible());
    QCOMPARE(w.problems()->note()->text(),
             QString("Tested level 2 with 1 error; the first: the exit is sealed off from the "
                     "player by solid wall"));
  }
};

QTEST_MAIN(ProblemsTest)
#include "test_problems.moc"
