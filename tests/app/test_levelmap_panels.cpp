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
    auto* panel = w->findChild<QWidget*>("messagePanel");
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    auto* memo = panel->findChild<QPlainTextEdit*>("messages");
    QVERIFY(memo->toPlainText().contains("frobnicate"));
    panel->findChild<QPushButton*>("clearMessagesButton")->click();
    QVERIFY(memo->toPlainText().isEmpty());
    QVERIFY(w->session().messages.empty());
  }

  void searchShowsTheFirstLevelWithTheObject() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->action("search")->trigger();
    auto* panel = w->findChild<QWidget*>("searchPanel");
    QVERIFY(panel->isVisible());
    panel->findChild<QSpinBox*>("searchObject")->setValue(237);  // Fellow2: level 5 only
    panel->findChild<QPushButton*>("searchButton")->click();
    QCOMPARE(w->session().map.currentLevel, 6);
    panel->findChild<QSpinBox*>("searchObject")->setValue(255);
    panel->findChild<QPushButton*>("searchButton")->click();
    QCOMPARE(dialogs.messages.last(), QString("Object not found"));
    QCOMPARE(w->session().map.currentLevel, 6);
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
