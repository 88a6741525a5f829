// The Properties window: its controls edit the current level's record, it
// follows the level shown, and docked at the bottom it becomes a strip.
#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include "app/pattern_box.h"
#include "app/properties_panel.h"
#include "app_fixture.h"
#include "model/object_catalogue.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

template <typename T>
T* child(MainWindow& w, const char* name) {
  T* found = w.findChild<T*>(name);
  if (!found) qFatal("no %s", name);
  return found;
}

// The cell editor open in the score grid.
QLineEdit* scoreEditor(MainWindow& w) {
  for (QLineEdit* e : child<QTableWidget>(w, "scoreGrid")->viewport()->findChildren<QLineEdit*>()) {
    if (e->isVisible()) return e;
  }
  qFatal("no cell editor");
}

// Types into score row `row` as a person does: a click on the value, then keys.
void typeScore(MainWindow& w, int row, const QString& keys) {
  auto* grid = child<QTableWidget>(w, "scoreGrid");
  grid->scrollToItem(grid->item(row, 1));
  const QRect cell = grid->visualItemRect(grid->item(row, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QLineEdit* editor = scoreEditor(w);
  editor->selectAll();
  QTest::keyClicks(editor, keys);
}

bool holds(QWidget* place, QWidget* content) {
  for (QWidget* p = content; p; p = p->parentWidget()) {
    if (p == place) return true;
  }
  return false;
}

}  // namespace

class PropertiesTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void scoresAreStoredAtEveryKeystroke() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("scoreProperty")->trigger();
    QVERIFY(w->docks().properties()->isVisible());
    QCOMPARE(w->docked().properties->pages()->currentIndex(), 1);
    auto* grid = child<QTableWidget>(*w, "scoreGrid");
    QCOMPARE(grid->item(0, 0)->text(), QString("Key score"));
    QVERIFY(!(grid->item(0, 0)->flags() & Qt::ItemIsEditable));
    const LevelHeader& h = w->session().map.current();

    typeScore(*w, 4, "30");
    QCOMPARE(h.nutScore(), 30);  // stored before the cell is left
    QTest::keyClick(scoreEditor(*w), '0');
    QCOMPARE(h.nutScore(), 44);  // 300 in a byte
    QTest::keyClick(scoreEditor(*w), Qt::Key_Return);
    QCoreApplication::processEvents();  // the grid takes the value once the key is handled
    QCOMPARE(grid->item(4, 1)->text(), QString("44"));  // shown as stored

    typeScore(*w, 14, "1000");
    QCOMPARE(h.diamondsNeeded() & 0xff, 232);
    QCOMPARE(h.diamondsNeededHigh(), 3);
    QTest::keyClick(scoreEditor(*w), Qt::Key_Return);
    QCoreApplication::processEvents();  // the grid takes the value once the key is handled
    QCOMPARE(grid->item(14, 1)->text(), QString("1000"));

    typeScore(*w, 1, "12a");
    QCOMPARE(h.timeScore(), 0);
  }

  void applyTakesSizeAndTextsResetTakesTheLevelsSize() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("levelSizeProperty")->trigger();
    QCOMPARE(w->docked().properties->pages()->currentIndex(), 0);
    auto* width = child<QSpinBox>(*w, "WidthEdit");
    auto* title = child<QLineEdit>(*w, "TitleEdit");
    QCOMPARE(width->value(), 40);
    QCOMPARE(title->text(), QString::fromStdString(w->session().map.current().title()));

    width->setValue(200);  // the spin edit keeps to 3..128
    QCOMPARE(width->value(), 128);
    width->setValue(12);
    child<QSpinBox>(*w, "HeightEdit")->setValue(9);
    title->clear();
    QTest::keyClicks(title, "A title longer than twenty");
    QCOMPARE(title->text().size(), 20);
    QTest::keyClicks(child<QLineEdit>(*w, "DateEdit"), "2024-05-01");
    QTest::mouseClick(child<QPushButton>(*w, "applySizeButton"), Qt::LeftButton);

    const LevelHeader& h = w->session().map.current();
    QCOMPARE(h.width(), 12);
    QCOMPARE(h.height(), 9);
    QCOMPARE(QString::fromStdString(h.title()), QString("A title longer than "));
    QCOMPARE(QString::fromStdString(h.date()), QString("2024-05-01"));
    QCOMPARE(w->statusPanel(1)->text(), QString("Level Width: 12"));
    QCOMPARE(w->statusPanel(2)->text(), QString("Level Height: 9"));
    QVERIFY(w->findChild<QLabel*>("levelCaptionText")->text().contains("A title longer than"));

    width->setValue(60);
    QTest::mouseClick(child<QPushButton>(*w, "resetSizeButton"), Qt::LeftButton);
    QCOMPARE(width->value(), 12);
    QCOMPARE(h.width(), 12);
  }

  void boxesChecksAndMemoWriteThroughAndFollowTheLevel() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("yamProperty")->trigger();
    QCOMPARE(w->docked().properties->pages()->currentIndex(), 2);
    EditorSession& s = w->session();
    w->chooseDrawingObject(obj::Rock);
    // Yam box 2, column 1, row 2.
    QTest::mouseClick(child<PatternBox>(*w, "yamPattern2"), Qt::LeftButton, {}, QPoint(20, 36));
    QCOMPARE(s.map.current().yam(1, 1, 2), obj::Rock);
    const int corner = s.map.current().yam(1, 0, 0);
    QTest::mouseClick(child<PatternBox>(*w, "yamPattern2"), Qt::RightButton, {}, QPoint(4, 4));
    QCOMPARE(s.map.current().yam(1, 0, 0), corner);  // only the left button puts objects

    w->docked().properties->pages()->setCurrentIndex(3);
    auto* wellEdit = child<QSpinBox>(*w, "WellEdit");
    wellEdit->setValue(42);
    QCOMPARE(s.map.current().wellDelay(), 42);
    // The well's centre is its delay, never an object.
    QTest::mouseClick(child<PatternBox>(*w, "wellPattern"), Qt::LeftButton, {}, QPoint(24, 24));
    QCOMPARE(s.map.current().wellDelay(), 42);
    QTest::mouseClick(child<PatternBox>(*w, "wellPattern"), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(s.map.current().well(0, 0), obj::Rock);
    child<QCheckBox>(*w, "wellActive")->click();
    QCOMPARE(s.map.current().wellActive(), 1);

    w->docked().properties->pages()->setCurrentIndex(0);
    auto* intermission = child<QCheckBox>(*w, "intermission");
    intermission->click();
    QCOMPARE(s.map.current().intermission(), 255);
    intermission->click();
    QCOMPARE(s.map.current().intermission(), 0);

    w->docked().properties->pages()->setCurrentIndex(4);
    auto* memo = child<QPlainTextEdit>(*w, "bdcffMemo");
    QTest::keyClicks(memo, "Colors=Red");
    QCOMPARE(s.map.bdcffMemo[static_cast<std::size_t>(s.map.currentLevel)].lines(),
             std::vector<std::string>{"Colors=Red"});

    // Another level fills every control anew.
    w->session().nextLevel();
    QCOMPARE(wellEdit->value(), s.map.current().wellDelay());
    QCOMPARE(memo->toPlainText(), QString());
    QCOMPARE(child<QLineEdit>(*w, "TitleEdit")->text(),
             QString::fromStdString(s.map.current().title()));
    w->session().previousLevel();
    QCOMPARE(wellEdit->value(), 42);
    QCOMPARE(memo->toPlainText(), QString("Colors=Red"));
  }

  void dockedAtTheBottomTheContentsSitSideBySideInTheStrip() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QDockWidget* dock = w->docks().properties();
    w->addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->setFloating(false);
    dock->show();
    QTest::qWait(30);
    auto* strip = child<QWidget>(*w, "propertiesBottom");
    QVERIFY(strip->isVisible());
    QVERIFY(!w->docked().properties->pages()->isVisible());
    QVERIFY(holds(child<QWidget>(*w, "PropertiesBottomScore"), child<QWidget>(*w, "scoreGrid")));
    QVERIFY(holds(child<QWidget>(*w, "propertiesBottomYam"), child<QWidget>(*w, "yamPattern1")));
    QVERIFY(holds(child<QWidget>(*w, "PropertiesBottomSize"), child<QWidget>(*w, "WidthEdit")));
    // Side by side: yam patterns, scores, size controls from left to right.
    const int yam = child<QWidget>(*w, "propertiesBottomYam")->x();
    const int score = child<QWidget>(*w, "PropertiesBottomScore")->x();
    const int size = child<QWidget>(*w, "PropertiesBottomSize")->x();
    QVERIFY(yam < score && score < size);
    // A low strip: the level view keeps most of the window.
    QVERIFY(dock->height() < 200);

    // The size button there only resets the size edits.
    child<QSpinBox>(*w, "WidthEdit")->setValue(77);
    w->action("levelSizeProperty")->trigger();
    QCOMPARE(child<QSpinBox>(*w, "WidthEdit")->value(), 40);
    QVERIFY(strip->isVisible());

    dock->setFloating(true);
    QTest::qWait(30);
    QVERIFY(!strip->isVisible());
    QVERIFY(holds(w->docked().properties->pages(), child<QWidget>(*w, "scoreGrid")));
    QVERIFY(holds(w->docked().properties->pages(), child<QWidget>(*w, "WidthEdit")));
  }
};

QTEST_MAIN(PropertiesTest)
#include "test_properties.moc"
