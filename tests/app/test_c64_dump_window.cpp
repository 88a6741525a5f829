// The C64 memory-dump converter's window: opening a dump through the
// scripted file choice, the report, Append, and files it cannot convert,
// on memory images laid out byte by byte.
#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStatusBar>

#include "app/c64_dump_window.h"
#include "app_fixture.h"
#include "import/test_c64_dump_builder.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;
using pyrovel::testing::DumpBytes;

namespace {

class DumpDialogs : public ScriptedDialogs {
 public:
  QStringList dumpChoices;  // an empty entry cancels the dialog
  int dumpQuestions = 0;
  std::optional<QString> chooseC64Dump(QWidget*, const QString&) override {
    ++dumpQuestions;
    const QString chosen = dumpChoices.isEmpty() ? QString() : dumpChoices.takeFirst();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
  }
};

struct Fixture {
  SilentFrontend ui;
  EditorSession session{ui};
  DumpDialogs dialogs;
  QTemporaryDir dir;
  C64DumpWindow form{session, &dialogs};
  QSignalSpy loaded{&form, &C64DumpWindow::levelsLoaded};
  QSignalSpy dasRead{&form, &C64DumpWindow::dasLevelsetRead};

  QString write(const QString& name, const DumpBytes& bytes) {
    return writeBytes(dir, name, bytes);
  }
  // "Open" with `path` chosen in the file dialog.
  void open(const QString& path) {
    dialogs.dumpChoices << path;
    form.findChild<QAction*>("openDumpAction")->trigger();
  }
  QString title(int slot) { return QString::fromStdString(session.map.header(slot).title()); }
  QStringList report() { return form.reportLines(); }
};

}  // namespace

class C64DumpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void startsWithTheIdleLineAndItsControls() {
    Fixture f;
    QCOMPARE(f.form.windowTitle(), QString("Import from C64 memory dump"));
    QCOMPARE(f.form.findChild<QPlainTextEdit*>("report")->toPlainText(),
             QString(" based on XXX to DAS - FREEWARE 1998 by Tavik. 1.2 beta 1 "));
    auto* append = f.form.findChild<QCheckBox*>("appendCaves");
    QVERIFY(append);
    QCOMPARE(append->text(), QString("Append"));
    QVERIFY(!append->isChecked());
    QCOMPARE(f.form.findChild<QAction*>("openDumpAction")->text(), QString("Open"));
    QCOMPARE(f.form.findChild<QAction*>("exitAction")->text(), QString("Exit"));
  }

  void aBd1GameFillsLevelsFromTheFirst() {
    Fixture f;
    f.session.map.currentLevel = 8;
    f.open(f.write("game.ram", pyrovel::testing::bd1Memory()));
    QCOMPARE(f.dialogs.dumpQuestions, 1);
    const QStringList r = f.report();
    QCOMPARE(r.first(), QString(" XXX to DAS - FREEWARE 1998 by Tavik. 1.2 beta 1 "));
    QVERIFY(r.contains("Checking for raw C64 file."));
    QVERIFY(r.contains("Found a BD1-Engine Game."));
    QVERIFY(r.contains("(Cave B is out of filerange!)"));
    QCOMPARE(r.last(), QString(" done."));
    QCOMPARE(f.title(1), QString(" Cave A"));
    QCOMPARE(f.title(20), QString(" Cave T"));
    QVERIFY(f.session.map.isEmptyLevel(21));
    QVERIFY(f.session.map.modified);
    QCOMPARE(f.loaded.count(), 1);
    QCOMPARE(f.dasRead.count(), 1);
    QVERIFY(f.form.statusBar()->currentMessage().contains("BD1 engine game, 20 caves"));
    QVERIFY(f.dialogs.errors.isEmpty());
  }

  void appendPutsTheCavesFromTheCurrentLevelOn() {
    Fixture f;
    f.session.map.currentLevel = 11;
    f.form.findChild<QCheckBox*>("appendCaves")->setChecked(true);
    f.open(f.write("game.c64", pyrovel::testing::pc64RamImage(pyrovel::testing::bd1Memory())));
    QVERIFY(f.report().contains("PC64 RAM-Image detected."));
    QCOMPARE(f.title(11), QString(" Cave A"));
    QCOMPARE(f.title(30), QString(" Cave T"));
    QVERIFY(f.session.map.isEmptyLevel(1));
    QVERIFY2(f.form.append(), "the check box keeps its state for the next conversion");
  }

  // Without Append a conversion replaces the levelmap like an open: the
  // save question comes first, and Cancel keeps everything.
  void aConversionAsksBeforeReplacingAndAppendingCanBeUndone() {
    DumpDialogs dialogs;
    struct Asking : Frontend {
      DumpDialogs& d;
      explicit Asking(DumpDialogs& dialogs) : d(dialogs) {}
      Answer ask(std::string_view q, bool withCancel) override {
        return d.ask(nullptr, QString::fromStdString(std::string(q)), withCancel);
      }
      void inform(std::string_view) override {}
    } ui{dialogs};
    EditorSession session(ui);
    QTemporaryDir dir;
    C64DumpWindow form(session, &dialogs);
    const QString dump = writeBytes(dir, "game.ram", pyrovel::testing::bd1Memory());
    const auto convert = [&](Answer answer) {
      dialogs.answers = {answer};
      dialogs.dumpChoices << dump;
      form.findChild<QAction*>("openDumpAction")->trigger();
    };
    session.selectLevel(50);
    session.beginStep("Pen");
    session.placeObject(1, 1, obj::Diamond);
    session.endStep();

    convert(Answer::Cancel);
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions[0].contains("Do you want to save the current levelmap"));
    QCOMPARE(session.map.cell(kGameLayer, 50, 1, 1), obj::Diamond);
    QVERIFY(session.canUndo());
    QVERIFY(session.map.isEmptyLevel(1));
    QVERIFY(form.reportLines().contains("Nothing was loaded: the levelmap was kept as it was."));

    // Append: the caves from the current level on, each one undone on its own.
    form.setAppend(true);
    session.selectLevel(60);
    dialogs.questions.clear();
    convert(Answer::Cancel);
    QVERIFY(dialogs.questions.isEmpty());
    QCOMPARE(session.map.header(60).title(), std::string(" Cave A"));
    QCOMPARE(session.map.cell(kGameLayer, 50, 1, 1), obj::Diamond);
    QCOMPARE(session.undoName(), std::string("Append Levels"));
    QVERIFY(session.undo());
    QVERIFY(session.map.header(60).title() != " Cave A");

    // No: a fresh levelmap of the caves alone.
    form.setAppend(false);
    convert(Answer::No);
    QCOMPARE(session.map.header(1).title(), std::string(" Cave A"));
    QCOMPARE(session.map.cell(kGameLayer, 50, 1, 1), 0);
    QCOMPARE(session.map.fileName, std::string("New.map"));
    QVERIFY(session.map.modified);
    QVERIFY(dialogs.errors.isEmpty());
  }

  void aSingleCaveImageIsNamedFromItsHeader() {
    Fixture f;
    DumpBytes program;
    pyrovel::testing::put(program, 0, {0x00, 0xBE});
    const DumpBytes block = pyrovel::testing::kitCaveBlock();
    program.insert(program.end(), block.begin(), block.end());
    f.open(f.write("cave.p00", pyrovel::testing::pc64FileImage("ROCKFALL", program)));
    QVERIFY(f.report().contains("Found a Kestrin Construction Kit Game."));
    QCOMPARE(f.report().last(), QString("done."));
    QCOMPARE(f.title(1), QString("ROCKFALL"));
    QCOMPARE(f.loaded.count(), 1);
  }

  void filesItDoesNotConvertLeaveTheLevelmapAlone() {
    Fixture f;
    f.session.map.modified = false;
    DumpBytes amiga;
    pyrovel::testing::put(amiga, 0, "BDCA");
    amiga.resize(600, 0);
    f.open(f.write("x.cav", amiga));
    QCOMPARE(f.report().mid(2),
             (QStringList{"Found an Amiga Construction Kit Cave or Intermission.",
                          "(But that import filter is currently disabled) "}));

    // Unknown content ends with the help text.
    f.open(f.write("noise.bin", DumpBytes(70000, 0x11)));
    const QStringList r = f.report();
    QVERIFY(r.contains("Cannot convert: unknown Boulder Dash Engine"));
    QCOMPARE(r.last(), QString("  *: full Ondrel-effects support now."));
    QVERIFY(f.form.statusBar()->currentMessage().contains("no known engine"));

    // Cancelling the dialog leaves only the banner.
    f.form.startConversion();
    QCOMPARE(f.report(), QStringList{" XXX to DAS - FREEWARE 1998 by Tavik. 1.2 beta 1 "});

    QVERIFY(!f.session.map.modified);
    QVERIFY(f.session.map.isEmptyLevel(2));
    QCOMPARE(f.loaded.count(), 0);
    QCOMPARE(f.dasRead.count(), 0);
    QVERIFY(f.dialogs.errors.isEmpty());
  }

  void aFileThatCannotBeReadIsReportedAsAnError() {
    Fixture f;
    f.session.map.modified = false;
    f.open(f.dir.filePath("missing.ram"));
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY(f.report().last().contains("missing.ram"));
    QVERIFY(!f.form.lastConversion());
    QVERIFY(!f.session.map.modified);
    QCOMPARE(f.loaded.count(), 0);
  }
};

QTEST_MAIN(C64DumpWindowTest)
#include "test_c64_dump_window.moc"
