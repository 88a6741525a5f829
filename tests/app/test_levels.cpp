// Stepping through levels and rearranging them through the window.
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

#include "app/level_list.h"
#include "app/tool_windows.h"
#include "app_fixture.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {
QToolButton* button(MainWindow& w, const char* name) {
  return w.findChild<QToolButton*>(name);
}
int shownLevel(MainWindow& w) {
  return Levelmap::levelNumber(w.session().map.currentLevel);
}
}  // namespace

class LevelsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void nextPreviousAndGoStopAtTheEnds() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QToolButton* previous = button(*w, "previousLevelButton");
    QToolButton* next = button(*w, "nextLevelButton");
    QToolButton* go = button(*w, "goButton");
    auto* field = w->findChild<QSpinBox*>("levelNumber");

    previous->click();
    QCOMPARE(shownLevel(*w), 0);
    next->click();
    QCOMPARE(shownLevel(*w), 1);
    QCOMPARE(field->value(), 1);  // the number box follows the level shown
    QVERIFY(w->findChild<QLabel*>("levelCaptionText")->text().startsWith("demo.map Level 1: "));
    // Page Down and Page Up step through the levels too.
    QCOMPARE(w->action("nextLevel")->shortcut(), QKeySequence(Qt::Key_PageDown));
    QCOMPARE(w->action("nextLevel")->toolTip(), QString("Next Level (PgDown)"));
    w->action("nextLevel")->trigger();
    QCOMPARE(shownLevel(*w), 2);
    QCOMPARE(field->value(), 2);
    w->action("previousLevel")->trigger();
    QCOMPARE(shownLevel(*w), 1);

    field->setValue(99);
    go->click();
    QCOMPARE(shownLevel(*w), 99);
    next->click();
    QCOMPARE(shownLevel(*w), 99);
    // 100 and more show level 99 and leave 100 in the field.
    field->setValue(100);
    go->click();
    QCOMPARE(shownLevel(*w), 99);
    QCOMPARE(field->value(), 100);
    field->setValue(0);
    go->click();
    QCOMPARE(shownLevel(*w), 0);
    // An empty level becomes 3 x 3 once shown.
    QCOMPARE(w->session().map.header(100).width(), 3);
  }

  // The list draws its rows from text laid out once: they must look as the
  // style draws them, whether a row is chosen, its title too long for the
  // column, or the list has the keyboard.
  void levelListRowsLookAsTheStyleDrawsThem() {
    LevelList list;
    list.resize(180, 400);
    list.show();
    list.item(0, 1)->setText("First Steps");
    list.item(1, 1)->setText("A title far too long for the column it is in");
    list.item(2, 1)->setText(QString::fromUtf8("D\u00e9j\u00e0 vu"));
    list.item(3, 1)->setText("");
    list.markCurrent(2);
    const auto drawn = [&list] {
      QImage image(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::white);
      list.viewport()->render(&image);
      return image;
    };
    for (const bool focused : {false, true}) {
      if (focused) list.setFocus();
      QAbstractItemDelegate* quick = list.itemDelegate();
      const QImage mine = drawn();
      QStyledItemDelegate plain;
      list.setItemDelegate(&plain);
      const QImage theirs = drawn();
      list.setItemDelegate(quick);
      QCOMPARE(mine, theirs);
    }
  }

  void levelListShowsTitlesAndSelectsEditsAndMovesLevels() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QVERIFY(w->docks().levelList()->isVisible());  // shown from the first start
    QVERIFY(w->action("levelListPanel")->isChecked());
    auto* list = w->findChild<LevelList*>("levelList");
    const QString title2 = QString::fromStdString(w->session().map.header(3).title());
    QCOMPARE(list->item(2, 0)->text(), QString("2"));
    QCOMPARE(list->item(2, 1)->text(), title2);
    QCOMPARE(list->item(99, 1)->text(), QString("Empty"));

    emit list->cellClicked(4, 1);
    QCOMPARE(shownLevel(*w), 4);

    // A title typed in the list is kept, cut to 20 characters.
    list->item(4, 1)->setText("A very long title indeed for a level");
    QCOMPARE(w->session().map.header(5).title(), std::string("A very long title in"));
    QCOMPARE(list->item(4, 1)->text(), QString("A very long title in"));
    QVERIFY(w->session().map.modified);

    // Record texts are 8-bit: a byte such as 0xE9 shows as "é" and is stored
    // back as the same single byte.
    w->session().setLevelTitle(8, "Caf\xe9");
    QCOMPARE(list->item(7, 1)->text(), QString::fromUtf8("Caf\u00e9"));
    list->item(7, 1)->setText(QString::fromUtf8("D\u00e9j\u00e0 vu"));
    QCOMPARE(w->session().map.header(8).title(), std::string("D\xe9j\xe0 vu"));

    // Dragging row 2 onto row 5 moves level 2 to 5.
    emit list->rowDragged(2, 5);
    QCOMPARE(QString::fromStdString(w->session().map.header(6).title()), title2);
    QCOMPARE(list->item(5, 1)->text(), title2);
    QCOMPARE(shownLevel(*w), 5);
    QCOMPARE(w->findChild<QSpinBox*>("moveLevelNumber")->value(), 5);
  }

  void movePanelMovesTheCurrentLevel() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const std::string title0 = w->session().map.header(1).title();
    w->action("moveLevel")->trigger();
    auto* panel = w->findChild<MoveLevelPanel*>("moveLevelPanel");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->findChild<QLabel*>("moveLevelLabel")->text(), QString("Move level 0 to:"));
    panel->target()->setValue(3);
    panel->findChild<QPushButton*>("moveLevelCancel")->click();
    QVERIFY(!panel->isVisible());
    QCOMPARE(w->session().map.header(1).title(), title0);

    w->action("moveLevel")->trigger();
    panel->target()->setValue(3);
    panel->findChild<QPushButton*>("moveLevelOk")->click();
    QVERIFY(!panel->isVisible());
    QCOMPARE(w->session().map.header(4).title(), title0);
    QCOMPARE(shownLevel(*w), 3);
  }

  void undoAndRedoAreEnabledExactlyAsTheCoreSays() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QToolButton* undo = button(*w, "undoButton");
    QToolButton* redo = button(*w, "redoButton");
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());

    w->action("clearLevel")->trigger();  // records one step
    QVERIFY(undo->isEnabled());
    QVERIFY(w->action("undo")->isEnabled());
    QVERIFY(!redo->isEnabled());
    undo->click();
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    QVERIFY(w->action("redo")->isEnabled());
    redo->click();
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    // Another level starts with nothing to undo.
    w->session().nextLevel();
    QVERIFY(!undo->isEnabled());
    QVERIFY(!w->action("undo")->isEnabled());
  }

  void deleteAndInsertAskFirst() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    const std::string title1 = w->session().map.header(2).title();
    dialogs.answers = {Answer::No};
    w->action("deleteLevel")->trigger();
    QCOMPARE(dialogs.questions.last(),
             QString("Are you sure you want to remove this level from the levelmap?"));
    QVERIFY(w->session().map.header(2).title() == title1);
    dialogs.answers = {Answer::Yes};
    w->action("deleteLevel")->trigger();
    QCOMPARE(w->session().map.header(1).title(), title1);

    const int questions = dialogs.questions.size();
    w->action("insertLevel")->trigger();  // level 99 is empty: no question
    QCOMPARE(dialogs.questions.size(), questions);
    QCOMPARE(w->session().map.header(2).title(), title1);
  }
};

QTEST_MAIN(LevelsTest)
#include "test_levels.moc"
