// "Import level" and "Export Level" through the window: the dialogs' file
// types, two files imported into consecutive levels, one level exported,
// and a bad file reported by the window's error box.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <utility>

#include "app/export_level_dialog.h"
#include "app/import_level_dialog.h"
#include "app_fixture.h"
#include "formats/single_level_file.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

class LevelDialogs : public ScriptedDialogs {
 public:
  std::optional<LevelImportChoice> importChoice;
  std::optional<LevelExportChoice> exportChoice;
  QString proposedName;

  std::optional<LevelImportChoice> chooseImportLevels(QWidget*, const QString&) override {
    return std::exchange(importChoice, std::nullopt);
  }
  std::optional<LevelExportChoice> chooseExportLevel(QWidget*, const QString&,
                                                     const QString& proposed) override {
    proposedName = proposed;
    return std::exchange(exportChoice, std::nullopt);
  }
};

// A one-level file: magic, the 460-byte record (size and title), the cells.
QByteArray levelFile(int w, int h, const QByteArray& title) {
  QByteArray f(32 + 460, '\0');
  f.replace(0, 16, "Pyrovel Level V2");
  f[32] = static_cast<char>(w);
  f[33] = static_cast<char>(h);
  f[32 + 169] = static_cast<char>(title.size());
  f.replace(32 + 170, title.size(), title);
  f.append(QByteArray(w * h, '\x03'));
  return f;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile f(dir.filePath(name));
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return f.fileName();
}

}  // namespace

class SingleLevelTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void dialogsListTheFileTypesInOrder() {
    ImportLevelDialog in(nullptr, QDir::tempPath());
    QCOMPARE(in.objectName(), QString("importLevelDialog"));
    QCOMPARE(in.windowTitle(), QString("Import Level"));
    QCOMPARE(in.fileMode(), QFileDialog::ExistingFiles);
    QCOMPARE(in.defaultSuffix(), QString("lev"));
    const QStringList types = in.nameFilters();
    QCOMPARE(types.size(), 10);
    QCOMPARE(types.at(0), QString("Pyrovel level (*.lev)"));
    QCOMPARE(types.at(2), QString("Boulderdash Construction Kit levels (*.cav *.int)"));
    QCOMPARE(types.at(4), QString("Diamond Caves 2 (*)"));
    QCOMPARE(types.at(6), QString("Rocks & Diamonds (*.lvl *.level)"));
    QCOMPARE(types.at(8), QString("Mikeysoft Boulder level (*.bou)"));
    QCOMPARE(types.at(9), QString("Supaplex level (*.sp)"));
    in.selectNameFilter(types.at(6));
    QCOMPARE(in.filterIndex(), 7);

    ExportLevelDialog out(nullptr, QDir::tempPath(), "Cave.lev");
    QCOMPARE(out.objectName(), QString("exportLevelDialog"));
    QCOMPARE(out.windowTitle(), QString("Save Level"));
    QCOMPARE(out.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!out.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(out.nameFilters(),
             QStringList({"Pyrovel level (*.lev)", "Emerald Mine level V4 (*)",
                          "Emerald Mine level V6 (*)", "Boulderdash Common File Format (*.bd)",
                          "Boulderdash Common File Format XML (*.xml)"}));
    out.selectNameFilter(out.nameFilters().at(4));
    QCOMPARE(out.filterIndex(), 5);
  }

  void importTwoFilesThenExportOne() {
    ProgramFolder folder;
    QTemporaryDir files;
    LevelDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QVERIFY(w->action("importLevel")->isEnabled());
    QVERIFY(w->action("exportLevel")->isEnabled());
    w->session().selectLevel(4);  // level 3

    const QString a = writeFile(files, "a.lev", levelFile(10, 5, "Cave"));
    const QString b = writeFile(files, "b.lev", levelFile(8, 6, ""));
    dialogs.importChoice = LevelImportChoice{1, {a, b}};
    w->session().map.modified = false;
    w->action("importLevel")->trigger();
    const Levelmap& map = w->session().map;
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(map.header(4).title(), std::string("Cave"));
    QCOMPARE(map.header(5).title(), std::string("Level 4"));
    QCOMPARE(map.header(5).width(), 8);
    QCOMPARE(map.currentLevel, 5);  // the last level filled is shown
    QVERIFY(map.modified);

    // Back to "Cave" and out again in the game's one-level format.
    w->session().selectLevel(4);
    const QString out = files.filePath("out.lev");
    dialogs.exportChoice = LevelExportChoice{1, out};
    w->action("exportLevel")->trigger();
    QCOMPARE(dialogs.proposedName, QString("Cave.lev"));
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes.size(), 32 + 460 + 50);
    QCOMPARE(bytes.left(16), QByteArray("Pyrovel Level V2"));
    QCOMPARE(bytes.at(32), '\x0a');

    // A cancelled dialog changes nothing.
    w->action("exportLevel")->trigger();
    w->action("importLevel")->trigger();
    QCOMPARE(map.currentLevel, 4);
  }

  void theReadersStripBelongsToTheImportedLevelAndGoesWithItsUndo() {
    ProgramFolder folder;
    QTemporaryDir files;
    LevelDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    auto* strip = w->findChild<QWidget*>("infoPanel");
    auto* text = w->findChild<QLabel*>("infoLabel");
    QVERIFY(strip->isHidden());  // the demo is the game's own levelmap
    w->session().selectLevel(8);
    w->action("clearLevel")->trigger();
    // An Atari cave: 12 bytes, the 440-byte map, a tail.
    const QString cave = writeFile(files, "cave.cav", QByteArray(12 + 440 + 20, '\x11'));
    dialogs.importChoice = LevelImportChoice{4, {cave}};
    w->action("importLevel")->trigger();
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(w->session().map.currentLevel, 8);
    QVERIFY(!strip->isHidden());
    QVERIFY(text->text().startsWith("Imported with Atari importfilter"));
    w->action("previousLevel")->trigger();
    QVERIFY(strip->isHidden());  // not on the other levels
    w->action("nextLevel")->trigger();
    QVERIFY(!strip->isHidden());
    w->action("undo")->trigger();  // the import taken back: its strip goes too
    QVERIFY(strip->isHidden());
    w->action("redo")->trigger();
    QVERIFY(!strip->isHidden());
  }

  void aLevelWithoutAuthorIsCaptionedWithoutBy() {
    ProgramFolder folder;
    LevelDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    auto* caption = w->findChild<QLabel*>("levelCaptionText");
    w->session().map.current().setAuthor("");
    w->session().selectLevel(w->session().map.currentLevel);
    QVERIFY2(caption->text().endsWith(": " + QString::fromStdString(w->session().map.current().title())),
             qPrintable(caption->text()));
    QVERIFY(!caption->text().contains(" by"));
  }

  void aBadFileIsReportedAndEarlierLevelsStay() {
    ProgramFolder folder;
    QTemporaryDir files;
    LevelDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    w->session().selectLevel(2);
    QByteArray big = levelFile(5, 5, "Big");
    big[32] = static_cast<char>(200);
    dialogs.importChoice = LevelImportChoice{
        1, {writeFile(files, "ok.lev", levelFile(6, 6, "Ok")), writeFile(files, "big.lev", big)}};
    w->action("importLevel")->trigger();
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY(dialogs.errors.first().contains("big.lev"));
    QCOMPARE(w->session().map.header(2).title(), std::string("Ok"));
    QCOMPARE(w->session().map.currentLevel, 2);
  }
};

QTEST_MAIN(SingleLevelTest)
#include "test_single_level.moc"
