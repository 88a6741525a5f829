// The search, replace and message panels through the window.
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

#include "app/editing_area.h"
#include "app/level_view.h"
#include "app_fixture.h"
#include "editor/levelmap_search.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

class LevelmapPanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void importersNotesShowDockedAtTheBottomUnderTheirFilesNames() {
    ProgramFolder folder;
    QTemporaryDir files;
    // A DAS level with one line the reader does not know.
    const QString das = files.filePath("notes.das");
    QFile f(das);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("level\n0\nsize\n10\n10\nfrobnicate\nlevel\n1\n");
    f.close();
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {das});
    auto* panel = w->findChild<QDockWidget*>("messagePanel");
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    QVERIFY(!panel->isFloating());
    QCOMPARE(w->dockWidgetArea(panel), Qt::BottomDockWidgetArea);
    auto* memo = panel->findChild<QTextEdit*>("messages");
    QCOMPARE(memo->lineWrapMode(), QTextEdit::WidgetWidth);
    const auto memoLines = [&] { return memo->toPlainText().split('\n'); };
    QCOMPARE(memoLines().first(), QString("notes.das"));  // the file heads its notes
    QVERIFY(memo->toPlainText().contains("frobnicate"));

    // The notes of the next file come under its own name, each once.
    const QString second = files.filePath("more.das");
    QFile g(second);
    QVERIFY(g.open(QIODevice::WriteOnly));
    g.write("level\n0\nsize\n10\n10\nwibble\nlevel\n1\n");
    g.close();
    dialogs.answers = {Answer::No};  // not saved first, should it ask
    dialogs.openChoices = {second};
    w->action("openLevelset")->trigger();
    const QStringList lines = memoLines();
    QCOMPARE(static_cast<std::size_t>(lines.size()), w->session().messages.size() + 2);
    const qsizetype heading = lines.indexOf("more.das");
    QVERIFY(heading > 1);
    QVERIFY(lines.mid(0, heading).join(' ').contains("frobnicate"));
    QVERIFY(!lines.mid(0, heading).join(' ').contains("wibble"));
    QVERIFY(lines.mid(heading).join(' ').contains("wibble"));

    panel->findChild<QPushButton*>("clearMessagesButton")->click();
    QVERIFY(memo->toPlainText().isEmpty());
    QVERIFY(w->session().messages.empty());
    // After a clear, the next notes stand alone.
    dialogs.answers = {Answer::No};
    dialogs.openChoices = {das};
    w->action("openLevelset")->trigger();
    QCOMPARE(static_cast<std::size_t>(memoLines().size()), w->session().messages.size() + 1);
    QVERIFY(memo->toPlainText().contains("frobnicate") && !memo->toPlainText().contains("wibble"));
  }

  void searchFramesEveryCellAndStepsThroughTheLevels() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("search")->trigger();
    auto* panel = w->findChild<QWidget*>("searchPanel");
    QVERIFY(panel->isVisible());
    const auto found =
        findCells(w->session().map, objectsMatching(w->session().catalogue, "diamond"));
    QVERIFY(found.size() > 2 && found.front().slot != found.back().slot);
    LevelView* view = w->editingArea().view();
    auto* next = panel->findChild<QPushButton*>("findNextButton");
    auto* previous = panel->findChild<QPushButton*>("findPreviousButton");

    panel->findChild<QLineEdit*>("searchText")->setText("Diamond");  // by name, any case
    QVERIFY(panel->findChild<QLabel*>("searchCount")
                ->text()
                .startsWith(QString("%1 cells in ").arg(found.size())));
    next->click();
    QCOMPARE(w->session().map.currentLevel, found[0].slot);
    std::size_t inLevel = 0;
    for (const FoundCell& f : found) inLevel += f.slot == found[0].slot ? 1 : 0;
    QCOMPARE(view->highlights().size(), inLevel);
    previous->click();  // back past the first: the last one, in another level
    QCOMPARE(w->session().map.currentLevel, found.back().slot);
    next->click();
    QCOMPARE(w->session().map.currentLevel, found[0].slot);

    // By number; nothing found leaves the level as it is.
    panel->findChild<QLineEdit*>("searchText")->setText("237");  // Fellow2: level 5 only
    next->click();
    QCOMPARE(w->session().map.currentLevel, 6);
    panel->findChild<QLineEdit*>("searchText")->setText("no such thing");
    next->click();
    QCOMPARE(dialogs.messages.last(), QString("Object not found"));
    QCOMPARE(w->session().map.currentLevel, 6);
    panel->findChild<QLineEdit*>("searchText")->setText("237");
    QVERIFY(!view->highlights().empty());
    panel->hide();
    QVERIFY(view->highlights().empty());
  }

  void replaceSetsTheAuthorFromTheStartLevelOn() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("replace")->trigger();
    auto* panel = w->findChild<QWidget*>("replacePanel");
    panel->findChild<QLineEdit*>("authorReplace")->setText("Guest");
    panel->findChild<QSpinBox*>("lastLevel")->setValue(3);
    panel->findChild<QPushButton*>("applyAuthorButton")->click();
    QCOMPARE(w->session().map.header(3).author(), std::string("Pyrovel Team"));
    QCOMPARE(w->session().map.header(4).author(), std::string("Guest"));
    QVERIFY(w->session().map.modified);
  }
};

QTEST_MAIN(LevelmapPanelsTest)
#include "test_levelmap_panels.moc"
