// Testing the level from the window: the test button with each target,
// the Options window with OK and Cancel, the folder finder and the menu
// entries that open text files.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "app/external_player_runner.h"
#include "app/find_panel.h"
#include "app/options_window.h"
#include "app_fixture.h"
#include "editor/program_launcher.h"
#include "model/ini_file.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

void touch(const QString& path) {
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write("x");
}

}  // namespace

class LevelTestWindowTest : public QObject {
  Q_OBJECT

  struct Editor {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QStringList opened;
    std::unique_ptr<MainWindow> w;

    Editor() {
      AppOptions options = folder.options(dialogs);
      options.launcher = &launcher;
      options.openDocument = [this](const QString& path) {
        opened << path;
        return true;
      };
      w = std::make_unique<MainWindow>(options);
      w->resize(1280, 800);
      w->show();
      QTest::qWait(20);
      // The players are Windows programs: a runner starts them here.
      runner = folder.file("run-windows");
      QFile script(runner);
      script.open(QIODevice::WriteOnly);
      script.write("#!/bin/sh\nexec \"$@\"\n");
      script.close();
      script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      w->settings().config().windowsRunner = runner.toStdString();
    }
    QString runner;
    OptionsWindow* options() const { return w->players().optionsWindow(); }
    void clickTest() {
      QTest::mouseClick(w->findChild<QToolButton*>("testLevelButton"), Qt::LeftButton);
    }
  };

 private slots:
  void initTestCase() { quietPlatform(); }

  void optionsWindowShowsItsDefaults() {
    Editor e;
    e.w->action("options")->trigger();
    OptionsWindow* o = e.options();
    QVERIFY(o->isVisible());
    QCOMPARE(o->objectName(), QString("optionsWindow"));
    QTabWidget* tabs = o->pages();
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(0), QString("File Locations"));
    QCOMPARE(tabs->tabText(1), QString("Pyrovel Options"));
    QCOMPARE(tabs->tabText(2), QString("Editor"));
    QCOMPARE(tabs->tabText(3), QString("Level Checks"));

    QCOMPARE(QDir(o->findChild<QLineEdit*>("pyrovelDir")->text()), QDir(e.folder.path()));
    QCOMPARE(o->findChild<QLineEdit*>("bd4Dir")->text(), QString());
    QCOMPARE(o->findChild<QComboBox*>("resolutionList")->currentText(), QString("640x480"));
    QCOMPARE(o->findChild<QComboBox*>("resolutionList")->count(), 6);
    QCOMPARE(o->findChild<QComboBox*>("speedList")->currentText(), QString("8"));
    QCOMPARE(o->findChild<QComboBox*>("speedList")->count(), 25);
    QComboBox* sprites = o->findChild<QComboBox*>("spriteSetList");
    QCOMPARE(sprites->currentText(), QString("emerald.iml"));
    QCOMPARE(sprites->count(), 1);  // the sets of the game folder
    QCOMPARE(sprites->itemText(0), QString("Emerald.iml"));
    QCOMPARE(o->findChild<QComboBox*>("playerList")->currentText(), QString("1"));
    QCOMPARE(o->findChild<QComboBox*>("windowList")->currentText(), QString("no"));
    QCOMPARE(o->findChild<QComboBox*>("soundList")->currentText(), QString("no"));
    QCOMPARE(o->findChild<QComboBox*>("defaultSpriteSet")->currentText(), QString("Emerald"));
    QVERIFY(!o->findChild<QCheckBox*>("checkObjectsOnExport")->isEnabled());

    // The Little Fellow box is the session's rule.
    QCheckBox* one = o->onefellow();
    QVERIFY(one->isChecked());
    one->click();
    QVERIFY(!e.w->session().allowOnlyOneLittleFellow);
    one->click();
    QVERIFY(e.w->session().allowOnlyOneLittleFellow);
  }

  void okCopiesTheFoldersAndCancelDoesNot() {
    Editor e;
    e.w->players().showOptions();
    OptionsWindow* o = e.options();
    o->folderEdit(TestTarget::BD4)->setText("/games/bd4");
    o->findChild<QPushButton*>("optionsCancel")->click();
    QVERIFY(!o->isVisible());
    QCOMPARE(e.w->settings().config().bd4Dir, std::string());

    e.w->players().showOptions();
    o->folderEdit(TestTarget::Emerald)->setText("/games/emc");
    o->findChild<QPushButton*>("optionsOk")->click();
    QVERIFY(!o->isVisible());
    QCOMPARE(e.w->settings().config().bd4Dir, std::string("/games/bd4"));
    QCOMPARE(e.w->settings().config().emeraldDir, std::string("/games/emc"));

    QVERIFY(e.w->close());
    const IniFile ini = IniFile::load(e.folder.file("Edit.ini").toStdString());
    QCOMPARE(ini.readString("File Locations", "BD4", ""), std::string("/games/bd4"));
    QCOMPARE(ini.readString("File Locations", "Emerald", ""), std::string("/games/emc"));
  }

  void testButtonStartsTheChosenPlayer() {
    Editor e;
    QTemporaryDir emc;
    touch(emc.filePath("emcgame.exe"));
    e.w->action("testInEmcPlayer")->trigger();
    QCOMPARE(e.w->settings().config().testTarget, TestTarget::Emerald);
    QVERIFY(!e.w->action("testInPyrovel")->isChecked());
    e.options()->folderEdit(TestTarget::Emerald)->setText(emc.path());
    e.w->players().acceptOptions();

    QVERIFY(e.w->findChild<QToolButton*>("testLevelButton")->isEnabled());
    e.clickTest();
    QVERIFY2(e.dialogs.messages.isEmpty(), qPrintable(e.dialogs.messages.join("; ")));
    QVERIFY2(e.dialogs.errors.isEmpty(), qPrintable(e.dialogs.errors.join("; ")));
    QCOMPARE(e.launcher.launches.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(e.launcher.launches[0].program), e.runner);
    QCOMPARE(e.launcher.launches[0].arguments,
             std::vector<std::string>{emc.filePath("emcgame.exe").toStdString()});
    QVERIFY(!e.launcher.launches[0].wait);
    QCOMPARE(QFileInfo(emc.filePath("cave/test.lev")).size(), qint64(2172));
  }

  void gameTestUsesTheOptionsAndWaits() {
    Editor e;
    touch(e.folder.file("Pyrovel.exe"));
    e.w->players().setTestTarget(TestTarget::Pyrovel);
    QVERIFY(e.w->action("testInPyrovel")->isChecked());
    e.options()->findChild<QComboBox*>("speedList")->setCurrentText("12");
    e.options()->findChild<QComboBox*>("soundList")->setCurrentText("yes");
    e.clickTest();
    QCOMPARE(e.launcher.launches.size(), std::size_t(1));
    QVERIFY(e.launcher.launches[0].wait);
    // The empty start level: 64 x 32.
    QCOMPARE(QFileInfo(e.folder.file("test.tmp")).size(), qint64(398 + 460 + 2 * 64 * 32));
    const IniFile opt = IniFile::load(e.folder.file("Opt.bdi").toStdString());
    QCOMPARE(opt.readInteger("Messages", "Testing", -1), 0);
    QCOMPARE(opt.readInteger("Options", "Speed", -1), 12);
    QCOMPARE(opt.readString("Options", "SoundFX", ""), std::string("yes"));
  }

  void gameRunsForRealBehindANoteThatCanStopWaiting() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);  // the real launcher
    w->settings().config().windowsRunner = "/bin/sh";  // runs the "game" script below
    const QString game = folder.file("Pyrovel.exe");
    auto writeGame = [&](const QByteArray& script) {
      QFile f(game);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("#!/bin/sh\n" + script + "\n");
      f.close();
      f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    const QString editorDir = QDir::currentPath();

    // A game that ends by itself: the note goes with it.
    writeGame("pwd > ran-in.txt");
    w->players().testLevel();
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join("; ")));
    QCOMPARE(QDir(readText(folder.file("ran-in.txt")).trimmed()), QDir(folder.path()));
    QCOMPARE(QDir::currentPath(), editorDir);
    QVERIFY(!w->findChild<QWidget*>("testingNote"));

    // A game that goes on: "Stop waiting" gives the editor back.
    writeGame("sleep 2");
    bool sawNote = false;
    QTimer::singleShot(300, w.get(), [&] {
      auto* note = w->findChild<QProgressDialog*>("testingNote");
      sawNote = note && note->isVisible();
      for (QPushButton* b : note ? note->findChildren<QPushButton*>() : QList<QPushButton*>{}) {
        if (b->text() == "Stop waiting") b->click();
      }
    });
    QElapsedTimer clock;
    clock.start();
    w->players().testLevel();
    QVERIFY(sawNote);
    QVERIFY(clock.elapsed() < 1500);
    const IniFile opt = IniFile::load(folder.file("Opt.bdi").toStdString());
    QCOMPARE(opt.readInteger("Messages", "Testing", -1), 0);
  }

  void windowsPlayersStartThroughTheRunnerOfTheOptions() {
    Editor e;
    touch(e.folder.file("Pyrovel.exe"));
    e.w->players().setTestTarget(TestTarget::Pyrovel);
    e.w->players().showOptions();
    QLineEdit* runner = e.options()->runnerEdit();
    QCOMPARE(runner->text(), e.runner);
    // None set: nothing starts, and the message says what to install.
    runner->clear();
    e.options()->findChild<QPushButton*>("optionsOk")->click();
    e.clickTest();
    QVERIFY(e.launcher.launches.empty());
    QCOMPARE(e.dialogs.messages.size(), 1);
    QVERIFY2(e.dialogs.messages[0].contains("Install Wine"), qPrintable(e.dialogs.messages[0]));
    // Set again: the runner gets the game as its argument.
    e.w->players().showOptions();
    runner->setText(e.runner);
    e.options()->findChild<QPushButton*>("optionsOk")->click();
    e.clickTest();
    QCOMPARE(e.launcher.launches.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(e.launcher.launches[0].program), e.runner);
    QCOMPARE(e.launcher.launches[0].arguments,
             std::vector<std::string>{e.folder.file("Pyrovel.exe").toStdString()});
    QVERIFY(e.w->close());
    const IniFile ini = IniFile::load(e.folder.file("Edit.ini").toStdString());
    QCOMPARE(ini.readString("File Locations", "Windows runner", ""), e.runner.toStdString());
  }

  void missingPlayerOpensTheFileLocations() {
    Editor e;
    e.w->players().setTestTarget(TestTarget::BD4);
    e.options()->pages()->setCurrentIndex(OptionsWindow::EditorPage);
    e.clickTest();
    QCOMPARE(e.dialogs.messages.size(), 1);
    QVERIFY(e.dialogs.messages[0].startsWith(
        "BD4 was not found, please supply the correct BD4 directory"));
    QVERIFY(e.options()->isVisible());
    QCOMPARE(e.options()->pages()->currentIndex(), int(OptionsWindow::FileLocations));
    QVERIFY(e.launcher.launches.empty());
  }

  void finderStoresAFolderOnceThePlayerIsThere() {
    Editor e;
    e.w->players().showOptions();
    e.options()->findChild<QToolButton*>("findPyrovelButton")->click();
    FindPanel* find = e.w->players().findPanel();
    QVERIFY(find->isVisible());
    QCOMPARE(find->prompt()->text(), QString("Please specify the directory of Pyrovel"));
    // The program folder has the sprite set but no game.
    QCOMPARE(find->result()->text(), QString("File not Found"));

    QTemporaryDir gameOnly, game;
    touch(gameOnly.filePath("pyrovel.exe"));
    find->directory()->setText(gameOnly.path());
    QCOMPARE(find->result()->text(), QString("File not Found"));  // left as it was
    QCOMPARE(QDir(QString::fromStdString(e.w->settings().config().gameDir)), QDir(e.folder.path()));

    touch(game.filePath("Pyrovel.exe"));
    touch(game.filePath("emerald.iml"));
    find->directory()->setText(game.path());
    QCOMPARE(find->result()->text(), QString("Pyrovel found!"));
    QCOMPARE(QString::fromStdString(e.w->settings().config().gameDir), game.path());
    QCOMPARE(e.options()->folderEdit(TestTarget::Pyrovel)->text(), game.path());
    find->findChild<QPushButton*>("findCancel")->click();
    QVERIFY(!find->isVisible());
    QCOMPARE(QString::fromStdString(e.w->settings().config().gameDir), game.path());

    e.options()->findChild<QToolButton*>("findBoulderflashButton")->click();
    QCOMPARE(find->prompt()->text(), QString("Please specify the directory of Boulderflash"));
    touch(game.filePath("boulderflash.swf"));
    find->directory()->setText(game.path() + "/");
    QCOMPARE(find->result()->text(), QString("Boulderflash found!"));
    QCOMPARE(e.options()->folderEdit(TestTarget::Boulderflash)->text(), game.path() + "/");
  }

  void textFilesOpenInTheDesktopsEditor() {
    Editor e;
    // Help opens the user guide shipped beside the program, asking nothing.
    e.w->action("help")->trigger();
    QVERIFY(e.dialogs.questions.isEmpty());
    QVERIFY(e.opened.isEmpty());
    QCOMPARE(e.dialogs.messages.size(), 1);  // not there: says so
    QVERIFY2(e.dialogs.messages[0].contains("user-guide.md"), qPrintable(e.dialogs.messages[0]));
    touch(e.folder.file("user-guide.md"));
    e.w->action("help")->trigger();
    QCOMPARE(e.opened, QStringList{e.folder.file("user-guide.md")});

    touch(e.folder.file("ReadMe.txt"));
    e.w->action("editReadme")->trigger();
    QCOMPARE(e.opened.last(), e.folder.file("ReadMe.txt"));
    e.w->action("editIdeas")->trigger();
    QCOMPARE(e.opened.size(), 2);
    QCOMPARE(e.dialogs.messages.size(), 2);
    QVERIFY(e.dialogs.messages[1].endsWith("Ideas.txt was not found."));
  }
};

QTEST_MAIN(LevelTestWindowTest)
#include "test_level_test.moc"
