// The D64 browser window: the file list, the text panel, saving and the
// cave import on a click, on images built sector by sector.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

#include "app/d64_browser_window.h"
#include "app_fixture.h"
#include "import/test_d64_builder.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;
using pyrovel::testing::D64Builder;

namespace {

// A plain Construction Kit cave (500 bytes): the map from byte 2 in nibbles,
// 15 empty space; the level time at 444.
std::vector<std::uint8_t> caveFile(std::uint8_t levelTime) {
  std::vector<std::uint8_t> cave(500, 0xFF);
  cave[444] = levelTime;
  return cave;
}

// Title "CAVES"; one directory sector (18/1) with BOULDER1.CAV (2 sectors
// from 1/0), X.INT (from 2/0), README (text over two sectors from 3/0) and
// five empty slots.
D64Builder caveDisk() {
  D64Builder b;
  b.header("CAVES");
  b.link(18, 1, 0, 255);
  b.entry(18, 1, 0, 0x82, 1, 0, "BOULDER1.CAV", 2);
  b.file({{1, 0}, {1, 1}}, caveFile(150));
  b.entry(18, 1, 1, 0x82, 2, 0, "X.INT", 2);
  b.file({{2, 0}, {2, 1}}, caveFile(90));
  b.entry(18, 1, 2, 0x81, 3, 0, "README", 2);
  std::vector<std::uint8_t> text(254 + 5, 'A');
  text[10] = 0;  // the text view stops each sector at a zero byte
  for (int i = 0; i < 5; ++i) text[254 + i] = static_cast<std::uint8_t>("HELLO"[i]);
  b.file({{3, 0}, {3, 1}}, text);
  return b;
}

QString writeImage(const QTemporaryDir& dir, const std::vector<std::uint8_t>& bytes) {
  const QString path = dir.filePath("disk.d64");
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  return path;
}

struct Fixture {
  SilentFrontend ui{Answer::Yes};  // a second import replaces the level it filled
  EditorSession session{ui};
  ScriptedDialogs dialogs;
  QTemporaryDir dir;
  D64BrowserWindow form{session, &dialogs};

  template <class T>
  T* child(const char* name) {
    return form.findChild<T*>(name);
  }
  QListWidget* list() { return child<QListWidget>("fileNames"); }
  QAction* action(const char* name) { return form.findChild<QAction*>(name); }
};

}  // namespace

class D64WindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void listsEverySlotOfTheDirectory() {
    Fixture f;
    QCOMPARE(f.form.windowTitle(), QString("D64"));
    const QString path = writeImage(f.dir, caveDisk().image);
    f.form.chooseImage = [&] { return std::optional<QString>(path); };
    f.action("openImageAction")->trigger();
    QCOMPARE(f.child<QLabel>("imageTitle")->text(), QString("Title: CAVES"));
    QCOMPARE(f.list()->count(), 8);
    QCOMPARE(f.list()->item(0)->text(), QString("BOULDER1.CAV"));
    QCOMPARE(f.list()->item(2)->text(), QString("README"));
    QCOMPARE(f.form.browser().currentSector(), std::optional<int>(0));

    // A short image is refused and the list stays.
    QFile::resize(path, 174847);
    QVERIFY(!f.form.openImage(path));
    QCOMPARE(f.dialogs.errors.size(), 1);
    QCOMPARE(f.list()->count(), 8);
  }

  void doubleClickingACaveImportsItIntoTheShownLevel() {
    Fixture f;
    QVERIFY(f.form.openImage(writeImage(f.dir, caveDisk().image)));
    f.session.selectLevel(5);
    f.session.map.modified = false;
    f.form.show();
    const QPoint first = f.list()->visualItemRect(f.list()->item(0)).center();
    QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, first);
    QVERIFY(!f.session.map.modified);  // a click only selects
    QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(f.session.map.currentLevel, 5);
    QVERIFY(f.session.map.modified);
    QCOMPARE(f.session.map.header(5).width(), 40);
    QCOMPARE(QString::fromStdString(f.session.map.header(5).title()), QString("BOULDER1.CAV"));
    QCOMPARE(f.session.map.header(5).levelTime(), 150);
    QCOMPARE(f.form.browser().currentSector(), std::optional<int>(0));
    QVERIFY(f.dialogs.errors.isEmpty());

    // An intermission goes into the same level; a plain file imports nothing.
    f.form.importFile(1);
    QCOMPARE(f.session.map.currentLevel, 5);
    QCOMPARE(f.session.map.header(5).levelTime(), 90);
    QVERIFY(f.session.map.header(6).width() != 40);
    f.session.map.modified = false;
    f.form.importFile(2);
    QVERIFY(!f.session.map.modified);
    QCOMPARE(f.form.browser().currentSector(), std::optional<int>(42));  // track 3 sector 0
  }

  void showsAFileAsTextAndSavesIt() {
    Fixture f;
    QVERIFY(f.form.openImage(writeImage(f.dir, caveDisk().image)));
    f.form.resize(300, 400);
    auto* memopanel = f.child<QWidget>("Memopanel");
    QVERIFY(memopanel->isHidden());
    f.list()->setCurrentRow(2);
    f.action("viewAsAsciiAction")->trigger();
    QVERIFY(!memopanel->isHidden());
    QCOMPARE(f.child<QPlainTextEdit>("fileView")->toPlainText(), QString("AAAAAAAAAA\nHELLO"));
    QVERIFY(f.form.width() > 300);
    // The open panel follows the selection, with no import in between; a
    // slot that holds no file says so in the panel, not in a message box.
    f.list()->setCurrentRow(0);
    QCOMPARE(f.child<QPlainTextEdit>("fileView")->toPlainText(),
             QString::fromStdString(f.form.browser().viewasAscii(0)));
    QVERIFY(f.child<QPlainTextEdit>("fileView")->toPlainText() != QString("AAAAAAAAAA\nHELLO"));
    f.list()->setCurrentRow(5);
    QVERIFY(f.dialogs.errors.isEmpty());
    f.list()->setCurrentRow(2);
    QCOMPARE(f.child<QPlainTextEdit>("fileView")->toPlainText(), QString("AAAAAAAAAA\nHELLO"));
    memopanel->findChild<QToolButton*>("closeNoteButton")->click();
    QVERIFY(memopanel->isHidden());
    QCOMPARE(f.form.width(), 300);

    // The note takes the same side panel.
    f.action("importNoteAction")->trigger();
    QVERIFY(f.child<QPlainTextEdit>("noteView")->toPlainText().contains("overwritten"));

    QTemporaryDir out;
    QString proposed;
    f.form.chooseSaveFile = [&](const QString& name) {
      proposed = name;
      return std::optional<QString>(out.filePath("readme.txt"));
    };
    f.action("saveFileAction")->trigger();
    QCOMPARE(proposed, QString("README"));
    QFile saved(out.filePath("readme.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.size(), 259);
  }

  void readsTheSampleDisk() {
    const QString sample = QString(PYROVEL_SOURCE_DIR) + "/../shared/corpus/d64/validated.d64";
    if (!QFile::exists(sample)) QSKIP("sample D64 image not present");
    Fixture f;
    QVERIFY(f.form.openImage(sample));
    QVERIFY(f.list()->count() >= 8);
    QCOMPARE(f.list()->count() % 8, 0);
    if (qEnvironmentVariableIsSet("PYROVEL_GRAB")) {
      f.form.chooseImage = [] { return std::optional<QString>(); };
      f.form.show();
      f.list()->setCurrentRow(0);
      f.form.showAsAscii();
      QTest::qWait(50);
      f.form.grab().save(qEnvironmentVariable("PYROVEL_GRAB") + "/d64.png");
    }
  }
};

QTEST_MAIN(D64WindowTest)
#include "test_d64_browser_window.moc"
