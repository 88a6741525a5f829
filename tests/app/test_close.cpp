// Closing the window: the save question, Edit.ini, and the recovery copy
// that a window ended without closing leaves for the next start.
#include <QDateTime>
#include <QLocale>

#include "app_fixture.h"
#include "editor/levelmap_files.h"
#include "editor/recovery_copy.h"
#include "model/editor_session.h"
#include "model/object_catalogue.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {
const QString kQuestion = "The levelmap has changed. Do you want to save the changes?";
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

  void aCrashLeavesACopyThatTheNextStartRestores() {
    ProgramFolder folder;
    QTemporaryDir files;
    const QString opened = copyOfDemo(files, "work.map");
    const auto bytesOf = [](const QString& path) {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray original = bytesOf(opened);
    RecoveryCopy store((folder.dataDir() + "/recovery").toStdString());
    {
      ScriptedDialogs dialogs;
      auto w = makeWindow(folder, dialogs, {opened});
      w->session().nextLevel();
      QVERIFY(!store.find());  // nothing unsaved, nothing kept
      w->session().placeObject(3, 3, obj::SolidWall);
      w->session().nextLevel();  // a level switch keeps the copy at once
      QVERIFY(store.find());
      // The window goes without a close, as in a crash.
    }
    const RecoveryNote note = *store.find();

    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Yes};
    auto w = makeWindow(folder, dialogs);
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions.first().contains(opened));
    QVERIFY(dialogs.questions.first().contains(
        QLocale().toString(QDateTime::fromSecsSinceEpoch(note.writtenAt), QLocale::ShortFormat)));
    const EditorSession& s = w->session();
    QCOMPARE(s.map.cell(kGameLayer, 2, 3, 3), obj::SolidWall);
    QCOMPARE(s.map.currentLevel, 3);
    QCOMPARE(s.map.fileName, std::string("work.map"));
    QCOMPARE(QString::fromStdString(s.levelPath), opened);
    QVERIFY(s.map.modified);
    QCOMPARE(w->windowTitle(), QString("work.map* - PRVL Level Editor V 0.26 alpha"));
    QCOMPARE(bytesOf(opened), original);  // the file itself waits for a save

    // Closed on purpose, "No" to saving: the copy goes.
    dialogs.answers = {Answer::No};
    QVERIFY(w->close());
    QVERIFY(!store.find());
  }
};

QTEST_MAIN(CloseTest)
#include "test_close.moc"
