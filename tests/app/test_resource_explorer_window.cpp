// The resource explorer: the tree of an executable built byte by byte,
// the import of a cave on selection, saving a resource raw, the string
// tables and "Assign Names", and files it refuses.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include "app/resource_explorer_window.h"
#include "app_fixture.h"
#include "import/test_pe_builder.h"
#include "model/editor_session.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

namespace {

class ResourceDialogs : public ScriptedDialogs {
 public:
  QStringList executableChoices, saveChoices;  // an empty entry cancels
  QList<int> saveFilterIndexes;
  std::optional<QString> chooseExecutable(QWidget*, const QString&) override {
    return take(executableChoices);
  }
  std::optional<QString> chooseResourceSave(QWidget*, const QString&, int filterIndex) override {
    saveFilterIndexes << filterIndex;
    return take(saveChoices);
  }

 private:
  static std::optional<QString> take(QStringList& choices) {
    const QString chosen = choices.isEmpty() ? QString() : choices.takeFirst();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
  }
};

// A string block holding `text` as string `index` of its 16.
std::vector<std::uint8_t> stringBlock(int index, const std::string& text) {
  std::vector<std::uint8_t> b;
  for (int i = 0; i < 16; ++i) {
    const std::string t = i == index ? text : "";
    b.insert(b.end(), {static_cast<std::uint8_t>(t.size()), 0});
    for (char c : t) b.insert(b.end(), {static_cast<std::uint8_t>(c), 0});
  }
  return b;
}

std::vector<pyrovel::testing::PeResource> gameResources() {
  return {
      {{"BDCAV"}, {"CAVE1"}, 0x409, pyrovel::testing::ckCave()},
      {{"BDCAV"}, {"CAVE2"}, 0x409, pyrovel::testing::ckCave()},
      {{"BDGAME"}, {"", 10}, 0x409, pyrovel::testing::gamLevelset(3)},
      {{"", 6}, {"", 1}, 0x409, stringBlock(10, "Caves one")},
      {{"", 6}, {"", 7}, 0x409, stringBlock(14, "Caves two")},
      {{"", 10}, {"", 1}, 0x409, {1, 2, 3}},
  };
}

struct Fixture {
  SilentFrontend ui;
  EditorSession session{ui};
  ResourceDialogs dialogs;
  QTemporaryDir dir;
  ResourceExplorerWindow form{session, &dialogs};
  QSignalSpy imported{&form, &ResourceExplorerWindow::levelsImported};

  QString write(const QString& name, const std::vector<std::uint8_t>& bytes) {
    return writeBytes(dir, name, bytes);
  }
  void open(const QString& path) {
    dialogs.executableChoices << path;
    form.findChild<QAction*>("openAction")->trigger();
  }
  QTreeWidget* tree() { return form.findChild<QTreeWidget*>("resourceTree"); }
  QTreeWidgetItem* type(const QString& text) {
    const auto found = tree()->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
  }
  QString status() { return form.findChild<QLabel*>("status")->text(); }
  QStringList strings() {
    QStringList out;
    auto* list = form.findChild<QListWidget*>("strings");
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
};

}  // namespace

class ResourceWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void showsTypesAndNamesAndCollectsTheStrings() {
    Fixture f;
    QCOMPARE(f.form.windowTitle(), QString("Resource Explorer"));
    QCOMPARE(f.form.findChild<QPushButton*>("assignNamesButton")->text(), QString("Assign Names"));
    f.open(f.write("Game.DLL", pyrovel::testing::buildPe(gameResources()).bytes));
    QCOMPARE(f.form.windowTitle(), QString("Resource Explorer - game.dll"));
    QStringList types;
    for (int i = 0; i < f.tree()->topLevelItemCount(); ++i)
      types << f.tree()->topLevelItem(i)->text(0);
    QCOMPARE(types, (QStringList{"BDCAV", "BDGAME", "String", "RCData"}));
    QCOMPARE(f.type("BDCAV")->childCount(), 2);
    QCOMPARE(f.type("BDCAV")->child(1)->text(0), QString("CAVE2"));
    QCOMPARE(f.type("BDCAV")->child(0)->childCount(), 0);  // a name with its language is a leaf
    QCOMPARE(f.tree()->currentItem(), f.tree()->topLevelItem(0));
    QVERIFY(f.status().startsWith(" Offset: "));
    QVERIFY(!f.status().contains("Size"));
    QCOMPARE(f.strings(), (QStringList{"10,  \"Caves one\"", "110,  \"Caves two\""}));

    // A string block shows its lines.
    f.tree()->setCurrentItem(f.type("String")->child(1));
    QCOMPARE(f.form.findChild<QPlainTextEdit*>("details")->toPlainText(),
             QString("110,  \"Caves two\""));
    QCOMPARE(f.imported.count(), 0);
  }

  void selectingACaveImportsItIntoTheShownLevel() {
    Fixture f;
    f.open(f.write("game.dll", pyrovel::testing::buildPe(gameResources()).bytes));
    f.session.selectLevel(5);
    f.session.map.modified = false;
    f.tree()->setCurrentItem(f.type("BDCAV")->child(0));
    QCOMPARE(f.session.map.currentLevel, 5);
    QCOMPARE(QString::fromStdString(f.session.map.header(5).title()), QString("CAVE1"));
    QCOMPARE(f.session.map.header(5).levelTime(), 150);
    QVERIFY(f.session.map.modified);
    QCOMPARE(f.imported.count(), 1);
    QVERIFY(f.status().contains("Size: "));
    QVERIFY(f.dialogs.errors.isEmpty());

    // The levelset goes in from the current level on with Append.
    f.form.findChild<QCheckBox*>("appendLevelset")->setChecked(true);
    f.tree()->setCurrentItem(f.type("BDGAME")->child(0));
    QCOMPARE(f.imported.count(), 2);
    QCOMPARE(QString::fromStdString(f.session.map.header(5).title()), QString("Cave 1"));
    QCOMPARE(QString::fromStdString(f.session.map.header(7).title()), QString("Cave 3"));
    QVERIFY(f.dialogs.errors.isEmpty());
  }

  void savesTheSelectedResourceRaw() {
    Fixture f;
    f.open(f.write("game.dll", pyrovel::testing::buildPe(gameResources()).bytes));
    f.form.findChild<QAction*>("saveAction")->trigger();
    QCOMPARE(f.dialogs.errors, QStringList{"No resource selected"});
    QVERIFY(f.dialogs.saveFilterIndexes.isEmpty());

    f.tree()->setCurrentItem(f.type("RCData")->child(0));
    const QString out = f.dir.filePath("data.bin");
    f.dialogs.saveChoices << out;
    f.form.findChild<QAction*>("saveAction")->trigger();
    QCOMPARE(f.dialogs.saveFilterIndexes, QList<int>{1});
    QFile saved(out);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("\x01\x02\x03", 3));
    QCOMPARE(f.imported.count(), 0);
  }

  void anIconGroupListsItsImagesWhichSaveAsIcons() {
    Fixture f;
    f.open(f.write(
        "icons.exe",
        pyrovel::testing::buildPe({{{"", 3}, {"", 1}, 0, std::vector<std::uint8_t>(40, 9)},
                                   {{"", 14}, {"", 5}, 0x409, {0, 0, 1, 0, 1,  0, 32, 32, 16, 0,
                                                               1, 0, 1, 0, 40, 0, 0,  0,  1,  0}}})
            .bytes));
    QCOMPARE(f.tree()->topLevelItemCount(), 1);  // icon images only below their groups
    QTreeWidgetItem* group = f.type("Icon")->child(0);
    QCOMPARE(group->childCount(), 1);
    QCOMPARE(group->child(0)->text(0), QString("32 X 32 16 Colors"));
    f.tree()->setCurrentItem(group->child(0));
    QVERIFY(f.status().contains("Size: 28"));
    const QString out = f.dir.filePath("one.ico");
    f.dialogs.saveChoices << out;
    f.form.findChild<QAction*>("saveAction")->trigger();
    QCOMPARE(f.dialogs.saveFilterIndexes, QList<int>{3});
    QCOMPARE(QFileInfo(out).size(), 40);
    QCOMPARE(f.imported.count(), 0);
  }

  void everyResourceTypeHasAPictureOfItsOwn() {
    Fixture f;
    auto resources = gameResources();
    resources.push_back({{"", 2}, {"", 3}, 0x409, std::vector<std::uint8_t>(40, 0)});  // bitmap
    resources.push_back({{"", 3}, {"", 1}, 0, std::vector<std::uint8_t>(40, 9)});      // icon image
    resources.push_back({{"", 14}, {"", 5}, 0x409, {0, 0, 1, 0, 1,  0, 32, 32, 16, 0,
                                                    1, 0, 1, 0, 40, 0, 0,  0,  1,  0}});
    f.open(f.write("all.exe", pyrovel::testing::buildPe(resources).bytes));
    auto picture = [](QTreeWidgetItem* item) {
      return static_cast<ResourcePicture>(item->data(0, Qt::UserRole + 1).toInt());
    };
    for (int i = 0; i < f.tree()->topLevelItemCount(); ++i) {
      QCOMPARE(picture(f.tree()->topLevelItem(i)), ResourcePicture::Folder);
    }
    QCOMPARE(picture(f.type("BDCAV")->child(0)), ResourcePicture::Cave);
    QCOMPARE(picture(f.type("BDGAME")->child(0)), ResourcePicture::Levelset);
    QCOMPARE(picture(f.type("String")->child(0)), ResourcePicture::Strings);
    QCOMPARE(picture(f.type("RCData")->child(0)), ResourcePicture::Data);
    QCOMPARE(picture(f.type("Bitmap")->child(0)), ResourcePicture::Bitmap);
    QTreeWidgetItem* group = f.type("Icon")->child(0);
    QCOMPARE(picture(group), ResourcePicture::Folder);
    QCOMPARE(picture(group->child(0)), ResourcePicture::IconImage);
    // The pictures themselves differ, not only the numbers behind them.
    const QImage cave = f.type("BDCAV")->child(0)->icon(0).pixmap(16).toImage();
    const QImage data = f.type("RCData")->child(0)->icon(0).pixmap(16).toImage();
    const QImage folder = f.type("BDCAV")->icon(0).pixmap(16).toImage();
    QVERIFY(!cave.isNull());
    QVERIFY(cave != data);
    QVERIFY(cave != folder);
    QVERIFY(data != folder);
  }

  void assignNamesRenamesTheLevelsetFromTheStrings() {
    Fixture f;
    f.open(f.write("game.dll", pyrovel::testing::buildPe(gameResources()).bytes));
    f.form.findChild<QPushButton*>("assignNamesButton")->click();
    QCOMPARE(f.type("BDGAME")->child(0)->text(0), QString("110,  \"Caves two\""));
    QCOMPARE(f.strings(), QStringList{"10,  \"Caves one\""});
  }

  void aFileThatIsNoExecutableKeepsTheImageShown() {
    Fixture f;
    f.open(f.write("game.dll", pyrovel::testing::buildPe(gameResources()).bytes));
    f.open(f.write("notes.txt", {'h', 'e', 'l', 'l', 'o'}));
    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY(f.dialogs.errors.first().contains("unrecognized file format"));
    QCOMPARE(f.tree()->topLevelItemCount(), 4);
    QCOMPARE(f.form.windowTitle(), QString("Resource Explorer - game.dll"));

    const QString missing = f.dir.filePath("gone.exe");
    f.open(missing);
    QCOMPARE(f.dialogs.errors.size(), 2);
    QCOMPARE(f.dialogs.errors.last(), "Couldn't open: " + missing);
    QCOMPARE(f.tree()->topLevelItemCount(), 4);
  }
};

QTEST_MAIN(ResourceWindowTest)
#include "test_resource_explorer_window.moc"
