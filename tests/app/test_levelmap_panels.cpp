// The search, replace and message panels through the window.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app_fixture.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

class LevelmapPanelsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void importersNotesShowInTheMessagePanel() {
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
    auto* panel = w->findChild<QWidget*>("MessagePanel");
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    auto* memo = panel->findChild<QPlainTextEdit*>("Messagememo");
    QVERIFY(memo->toPlainText().contains("frobnicate"));
    panel->findChild<QPushButton*>("Button18")->click();
    QVERIFY(memo->toPlainText().isEmpty());
    QVERIFY(w->session().messages.empty());
  }

  void searchShowsTheFirstLevelWithTheObject() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("Search1")->trigger();
    auto* panel = w->findChild<QWidget*>("SearchPanel");
    QVERIFY(panel->isVisible());
    panel->findChild<QSpinBox*>("SearchObjectEdit")->setValue(237);  // Fellow2: level 5 only
    panel->findChild<QPushButton*>("Button17")->click();
    QCOMPARE(w->session().map.currentLevel, 6);
    panel->findChild<QSpinBox*>("SearchObjectEdit")->setValue(255);
    panel->findChild<QPushButton*>("Button17")->click();
    QCOMPARE(dialogs.messages.last(), QString("Object not found"));
    QCOMPARE(w->session().map.currentLevel, 6);
  }

  void replaceSetsTheAuthorFromTheStartLevelOn() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("Replace1")->trigger();
    auto* panel = w->findChild<QWidget*>("ReplacePanel");
    panel->findChild<QLineEdit*>("Authorreplace")->setText("Guest");
    panel->findChild<QSpinBox*>("SpinEdit2")->setValue(3);
    panel->findChild<QPushButton*>("Button14")->click();
    QCOMPARE(w->session().map.header(3).author(), std::string("Pyrovel Team"));
    QCOMPARE(w->session().map.header(4).author(), std::string("Guest"));
    QVERIFY(w->session().map.modified);
  }
};

QTEST_MAIN(LevelmapPanelsTest)
#include "test_levelmap_panels.moc"
