// The objects help window: the first object shown, stepping, the palette,
// and editing a section in development mode.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/objects_help_window.h"
#include "app/objects_palette.h"
#include "app_fixture.h"
#include "model/object_catalogue.h"
#include "render/sprite_strip.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

struct Fixture {
  ObjectCatalogue catalogue;
  SpriteStrip strip;
  ScriptedDialogs dialogs;
  ObjectsHelpWindow form{catalogue, strip, &dialogs};

  QString label() { return form.findChild<QLabel*>("objectTitle")->text(); }
  QPlainTextEdit* memo() { return form.findChild<QPlainTextEdit*>("objectText"); }
  void click(const char* name) { form.findChild<QToolButton*>(name)->click(); }
};

}  // namespace

class ObjectsHelpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void showsTheLittleFellowFirstAndSteps() {
    Fixture f;
    QCOMPARE(f.form.windowTitle(), QString("Help"));
    f.form.show();
    QCOMPARE(f.label(), QString("Object 2: LittleFellow"));
    QVERIFY(f.memo()->toPlainText().startsWith("2 :LittleFellow\n\n"));
    QVERIFY(f.memo()->isReadOnly());
    f.click("NextImage");
    QCOMPARE(f.label(), QString("Object 3: Rock"));
    f.click("PrevImage");
    f.click("PrevImage");
    f.click("PrevImage");
    f.click("PrevImage");
    QCOMPARE(f.label(), QString("Object 0: Empty Space"));
    QCOMPARE(f.memo()->toPlainText(), QString("Sorry, no help yet ..."));

    // A palette press shows the object; a section without text is empty.
    f.form.setObjects({1, 147, 6});
    f.form.findChild<ObjectsCanvas*>("palette")->chosen(147);
    QCOMPARE(f.form.help().currentObject(), 147);
    QVERIFY(f.memo()->toPlainText().isEmpty());
  }

  void editsAreWrittenBackAndSaved() {
    Fixture f;
    f.form.show();
    f.form.setDevelopmentMode(true);
    QVERIFY(!f.form.findChild<QWidget*>("documentPanel")->isHidden());
    QVERIFY(!f.memo()->isReadOnly());
    auto* offsets = f.form.findChild<QListWidget*>("sections");
    QCOMPARE(offsets->count(), 161);
    const int offset3 = offsets->item(3)->text().toInt();
    const int lines2 = static_cast<int>(f.form.help().section(2).size());

    f.memo()->setPlainText("2 :LittleFellow\n\nOne line of help.");
    f.click("NextImage");
    QCOMPARE(f.form.help().section(2).size(), std::size_t{3});
    QCOMPARE(offsets->item(3)->text().toInt(), offset3 + 3 - lines2);
    QVERIFY(
        f.form.findChild<QPlainTextEdit*>("document")->toPlainText().contains("One line of help."));

    // A marker typed into a section is refused and the edit stays shown.
    f.memo()->setPlainText("--7--");
    f.click("NextImage");
    QCOMPARE(f.dialogs.errors.size(), 1);
    QCOMPARE(f.form.help().currentObject(), 3);
    QCOMPARE(f.memo()->toPlainText(), QString("--7--"));

    f.memo()->setPlainText("Rocks fall.");
    QTemporaryDir out;
    QVERIFY(f.form.findChild<QPushButton*>("saveButton"));
    f.form.saveText(out.path());
    const QString doc = readText(out.filePath("ObjectsHelp.txt"));
    QVERIFY(doc.contains("--3--\r\nRocks fall.\r\n--4--\r\n"));
    QCOMPARE(readText(out.filePath("Offsets.txt")).count("\r\n"), 161);
  }

  void reopeningAtObjectZeroKeepsItsSection() {
    Fixture f;
    f.form.show();
    for (int i = 0; i < 2; ++i) f.click("PrevImage");
    QCOMPARE(f.form.help().currentObject(), 0);
    // Closed and opened again without an edit: section 0 keeps its text.
    f.form.close();
    f.form.show();
    QCOMPARE(f.form.help().currentObject(), 2);
    QCOMPARE(f.form.help().section(0), std::vector<std::string>{"Sorry, no help yet ..."});

    // An edit of section 0 left in the box when the window closes is kept.
    f.form.setDevelopmentMode(true);
    for (int i = 0; i < 2; ++i) f.click("PrevImage");
    f.memo()->setPlainText("Empty space: nothing at all.");
    f.form.close();
    f.form.show();
    QCOMPARE(f.form.help().section(0), std::vector<std::string>{"Empty space: nothing at all."});
    QCOMPARE(f.label(), QString("Object 2: LittleFellow"));
  }

  void withTheSpriteSet() {
    const QString bin = PYROVEL_BIN_DIR;
    if (!QFile::exists(bin + "/Emerald.iml")) QSKIP("sprite set not built");
    Fixture f;
    loadSpriteStrip(f.strip, (bin + "/Emerald.iml").toStdString(),
                    (bin + "/Emerald.bam").toStdString());
    f.form.setObjects(builtInPalette());
    f.form.show();
    QVERIFY(!f.form.findChild<QLabel*>("sprite")->pixmap().isNull());
    if (qEnvironmentVariableIsSet("PYROVEL_GRAB")) {
      f.form.setDevelopmentMode(qEnvironmentVariableIsSet("PYROVEL_GRAB_DEV"));
      QTest::qWait(50);
      f.form.grab().save(qEnvironmentVariable("PYROVEL_GRAB") + "/help.png");
    }
  }
};

QTEST_MAIN(ObjectsHelpWindowTest)
#include "test_objects_help_window.moc"
