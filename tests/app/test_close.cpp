// Closing the window: the save question and Edit.ini.
#include "app_fixture.h"
#include "editor/levelmap_files.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {
const QString kQuestion = "The Levelmap is changed. Do you want to save the changes ?";
}

class CloseTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void cancelKeepsTheWindowAndStillWritesEditIni() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->session().map.modified = true;
    dialogs.answers = {Answer::Cancel};
    QVERIFY(!w->close());
    QCOMPARE(dialogs.questions, QStringList{kQuestion});
    QVERIFY(w->isVisible());
    QVERIFY(QFile::exists(folder.file("Edit.ini")));
    QVERIFY(readText(folder.file("Edit.ini")).contains(QFileInfo(demoMap()).absoluteFilePath()));
    QVERIFY(w->session().map.modified);

    dialogs.answers = {Answer::No};
    QVERIFY(w->close());
  }

  void yesSavesBeforeClosing() {
    ProgramFolder folder;
    QTemporaryDir files;
    const QString map = copyOfDemo(files, "mine.map");
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {map});
    w->session().map.cell(kGameLayer, 1, 3, 3) = 13;
    w->session().map.modified = true;
    dialogs.answers = {Answer::Yes};
    QVERIFY(w->close());
    SilentFrontend silent;
    EditorSession back(silent);
    readLevelmap(back, map.toStdString());
    QCOMPARE(back.map.cell(kGameLayer, 1, 3, 3), 13);
  }

  void aSaveThatDoesNotHappenKeepsTheWindow() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);  // a new levelmap: saving asks for a name
    w->session().map.modified = true;
    dialogs.answers = {Answer::Yes};
    QVERIFY(!w->close());  // the save-as dialog was cancelled
    QVERIFY(w->isVisible());
    QVERIFY(QFile::exists(folder.file("Edit.ini")));
    dialogs.answers = {Answer::No};
    QVERIFY(w->close());
  }

  void anUnchangedLevelmapClosesWithoutAQuestion() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->session().nextLevel();
    QVERIFY(w->close());
    QVERIFY(dialogs.questions.isEmpty());
  }
};

QTEST_MAIN(CloseTest)
#include "test_close.moc"
