// The ADF browser window: listing, block view, search, saving and the
// double-click import, on images built block by block.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include "app/adf_browser_window.h"
#include "app_fixture.h"
#include "import/test_adf_builder.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;
using pyrovel::testing::AdfBuilder;

namespace {

// An Emerald Mine V4 level record: all code 0 but one cell.
std::vector<std::uint8_t> emV4Level(std::uint8_t code, int x, int y) {
  std::vector<std::uint8_t> r(2106, 0);
  r[static_cast<std::size_t>(64 * y + x)] = code;
  return r;
}

// Root "EMDISK": LEVEL1 (a level, hash 1), NOTE (976 bytes, hash 2) with
// ODD chained behind it (500 bytes), and folder LEVELS (hash 3) holding X.
AdfBuilder emDisk() {
  AdfBuilder b;
  b.root("EMDISK");
  b.file(900, "LEVEL1", emV4Level(0, 0, 0));
  b.file(1000, "NOTE", pyrovel::testing::countingBytes(976));
  b.file(1010, "ODD", pyrovel::testing::countingBytes(500, 7));
  b.hash(880, 1, 900);
  b.hash(880, 2, 1000);
  b.chain(1000, 1010);
  b.header(1100, "LEVELS");
  b.hash(880, 3, 1100);
  b.file(1110, "X", pyrovel::testing::countingBytes(10));
  b.hash(1100, 0, 1110);
  // "HIDDEN" across the end of block 1200 and the start of 1201; "FOUND" in 1300.
  const std::string split = "HIDDEN";
  for (int i = 0; i < 6; ++i) b.block(1200)[509 + i] = static_cast<std::uint8_t>(split[i]);
  const std::string found = "FOUND";
  for (int i = 0; i < 5; ++i) b.block(1300)[40 + i] = static_cast<std::uint8_t>(found[i]);
  return b;
}

QString writeImage(const QTemporaryDir& dir, const std::vector<std::uint8_t>& bytes) {
  const QString path = dir.filePath("disk.adf");
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  return path;
}

QStringList names(QTreeWidget* list) {
  QStringList out;
  for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(0);
  return out;
}

QTreeWidgetItem* itemNamed(QTreeWidget* list, const QString& name) {
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->text(0) == name) return list->topLevelItem(i);
  return nullptr;
}

struct Fixture {
  SilentFrontend ui;
  EditorSession session{ui};
  ScriptedDialogs dialogs;
  QTemporaryDir dir;
  AdfBrowserWindow form{session, &dialogs};

  template <class T>
  T* child(const char* name) {
    return form.findChild<T*>(name);
  }
  QTreeWidget* list() { return child<QTreeWidget>("fileList"); }
  QString dump() { return child<QPlainTextEdit>("blockDump")->toPlainText(); }
  QString label(const char* name) { return child<QLabel>(name)->text(); }
};

}  // namespace

class AdfWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void opensAnImageAndListsTheRoot() {
    Fixture f;
    QCOMPARE(f.form.windowTitle(), QString("ADF import"));
    const QString path = writeImage(f.dir, emDisk().image);
    f.form.chooseImage = [&] { return std::optional<QString>(path); };
    f.form.findChild<QAction*>("openImageAction")->trigger();
    QCOMPARE(f.label("imageInfo"), QString("EMDISK"));
    // Entries with the same hash follow one another.
    QCOMPARE(names(f.list()), (QStringList{"LEVEL1", "NOTE", "ODD", "LEVELS"}));
    QCOMPARE(f.list()->topLevelItem(1)->text(1), QString("1000"));
    QCOMPARE(f.label("blockTitle"), QString("Block 0"));
    QCOMPARE(f.dump().split('\n').size(), 32);

    // A cancelled dialog and an image too short keep what is open.
    f.form.chooseImage = [] { return std::optional<QString>(); };
    f.form.openChosenImage();
    QFile::resize(path, 901119);
    QVERIFY(!f.form.openImage(path));
    QCOMPARE(f.dialogs.errors.size(), 1);
    QCOMPARE(f.list()->topLevelItemCount(), 4);
  }

  void blockViewFollowsTheButtons() {
    Fixture f;
    QVERIFY(f.form.openImage(writeImage(f.dir, emDisk().image)));
    auto* prev = f.child<QPushButton>("previousBlockButton");
    auto* next = f.child<QPushButton>("nextBlockButton");
    prev->click();
    QCOMPARE(f.label("blockTitle"), QString("Block 0"));
    QVERIFY(f.label("blockInfo").startsWith("boot block"));

    f.form.showBlock(1000);
    QVERIFY(f.label("blockInfo").startsWith("header block of "));
    QVERIFY(f.label("blockInfo").endsWith(" NOTE"));
    QCOMPARE(f.label("blockDetails"), QString("next block: 1001"));
    QCOMPARE(f.child<QSpinBox>("blockNumber")->value(), 1001);
    // "Go" walks the data chain.
    f.child<QPushButton>("goToBlockButton")->click();
    QCOMPARE(f.label("blockTitle"), QString("Block 1001"));
    QVERIFY(f.label("blockInfo").startsWith("data block with header 1000: NOTE"));
    QVERIFY(f.dump().startsWith("000   00 00 00 08 "));
    next->click();
    QCOMPARE(f.label("blockTitle"), QString("Block 1002"));

    f.form.showBlock(1759);
    next->click();
    QCOMPARE(f.label("blockTitle"), QString("Block 1759"));
    QCOMPARE(f.label("blockInfo"), QString("unknown block"));

    f.child<QPushButton>("rootBlockButton")->click();
    QCOMPARE(f.label("blockTitle"), QString("Block 880"));

    // The dump panel can be hidden from the menu.
    f.form.show();
    auto* dumpToggle = f.form.findChild<QAction*>("blockDumpAction");
    dumpToggle->trigger();
    QVERIFY(!f.child<QWidget>("blockDumpPanel")->isVisible());
    dumpToggle->trigger();
    QVERIFY(f.child<QWidget>("blockDumpPanel")->isVisible());
  }

  void searchShowsTheFirstBlockHoldingTheText() {
    Fixture f;
    QVERIFY(f.form.openImage(writeImage(f.dir, emDisk().image)));
    auto* panel = f.child<QWidget>("searchPanel");
    QVERIFY(panel->isHidden());
    f.form.findChild<QAction*>("searchAction")->trigger();
    QVERIFY(!panel->isHidden());
    f.child<QLineEdit>("searchText")->setText("FOUND");
    f.child<QSpinBox>("searchStart")->setValue(1100);
    f.child<QPushButton>("searchButton")->click();
    QCOMPARE(f.label("blockTitle"), QString("Block 1300"));

    f.child<QSpinBox>("searchStart")->setValue(1301);
    f.child<QPushButton>("searchButton")->click();
    QCOMPARE(f.dialogs.messages.last(), QString("FOUND not found"));
    // Text split over two blocks is not found.
    f.child<QLineEdit>("searchText")->setText("HIDDEN");
    f.child<QSpinBox>("searchStart")->setValue(0);
    f.child<QPushButton>("searchButton")->click();
    QCOMPARE(f.dialogs.messages.last(), QString("HIDDEN not found"));
    f.child<QLineEdit>("searchText")->clear();
    f.child<QPushButton>("searchButton")->click();
    QCOMPARE(f.dialogs.messages.size(), 3);
    QCOMPARE(f.label("blockTitle"), QString("Block 1300"));

    f.child<QToolButton>("closeSearchButton")->click();
    QVERIFY(panel->isHidden());
  }

  void savesTheSelectedFilesIntoTheChosenFolder() {
    Fixture f;
    QVERIFY(f.form.openImage(writeImage(f.dir, emDisk().image)));
    QTemporaryDir out;
    QStringList proposed;
    f.form.chooseSaveFile = [&](const QString& name) {
      proposed << name;
      return std::optional<QString>(out.filePath("anything"));
    };
    f.form.saveEntries();  // nothing selected: nothing asked
    QVERIFY(proposed.isEmpty());
    itemNamed(f.list(), "NOTE")->setSelected(true);
    itemNamed(f.list(), "ODD")->setSelected(true);
    f.form.findChild<QAction*>("saveFilesAction")->trigger();
    QCOMPARE(proposed, QStringList{"NOTE"});
    QFile note(out.filePath("NOTE")), odd(out.filePath("ODD"));
    QVERIFY(note.open(QIODevice::ReadOnly));
    QVERIFY(odd.open(QIODevice::ReadOnly));
    QCOMPARE(note.size(), 976);
    const QByteArray oddBytes = odd.readAll();
    QCOMPARE(oddBytes.size(), 500);
    QCOMPARE(static_cast<std::uint8_t>(oddBytes[499]), static_cast<std::uint8_t>(7 + 499));
    QCOMPARE(f.label("blockDetails"), QString("500"));
  }

  void doubleClicksOpenFoldersAndImportLevels() {
    Fixture f;
    QVERIFY(f.form.openImage(writeImage(f.dir, emDisk().image)));
    f.session.selectLevel(5);
    f.form.openEntry(itemNamed(f.list(), "LEVEL1"));
    QCOMPARE(f.session.map.currentLevel, 5);
    QCOMPARE(f.session.map.header(5).width(), 64);
    QVERIFY(f.session.map.modified);
    QCOMPARE(f.label("blockTitle"), QString("Block 900"));

    f.form.openEntry(itemNamed(f.list(), "LEVELS"));
    QCOMPARE(names(f.list()), QStringList{"X"});
    QCOMPARE(f.list()->topLevelItem(0)->text(1), QString("1110"));
    f.child<QToolButton>("previousFolderButton")->click();
    QCOMPARE(names(f.list()).size(), 4);
    QCOMPARE(f.label("blockTitle"), QString("Block 880"));
  }

  void aDamagedLevelFileIsReportedAndChangesNothing() {
    Fixture f;
    AdfBuilder b = emDisk();
    b.put32(903, 16, 901);  // the level's data chain loops
    QVERIFY(f.form.openImage(writeImage(f.dir, b.image)));
    f.session.selectLevel(5);
    f.session.map.modified = false;
    f.form.openEntry(itemNamed(f.list(), "LEVEL1"));
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY(!f.session.map.modified);
    QCOMPARE(f.session.map.header(5).width(), 3);
  }

  void listStylesShowTheColumnsOnlyInTheReport() {
    Fixture f;
    f.child<QToolButton>("largeIconsButton")->click();
    QVERIFY(f.list()->isColumnHidden(1));
    QCOMPARE(f.list()->iconSize(), QSize(32, 32));
    f.child<QToolButton>("listViewButton")->click();
    QCOMPARE(f.list()->iconSize(), QSize(16, 16));
    QVERIFY(f.list()->isHeaderHidden());
    f.child<QToolButton>("reportViewButton")->click();
    QVERIFY(!f.list()->isColumnHidden(2));
    QVERIFY(!f.list()->isHeaderHidden());
  }

  void readsTheSampleDisk() {
    const QString sample = QString(PYROVEL_SOURCE_DIR) + "/../shared/corpus/adf/testofs.adf";
    if (!QFile::exists(sample)) QSKIP("sample ADF image not present");
    Fixture f;
    QVERIFY(f.form.openImage(sample));
    QVERIFY(f.list()->topLevelItemCount() > 0);
    QVERIFY(!f.label("imageInfo").isEmpty());
    if (qEnvironmentVariableIsSet("PYROVEL_GRAB")) {
      f.form.show();
      f.form.findChild<QAction*>("searchAction")->trigger();
      f.list()->topLevelItem(0)->setSelected(true);
      f.form.showBlock(880);
      QTest::qWait(50);
      f.form.grab().save(qEnvironmentVariable("PYROVEL_GRAB") + "/adf.png");
    }
  }
};

QTEST_MAIN(AdfWindowTest)
#include "test_adf_browser_window.moc"
