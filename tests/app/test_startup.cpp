// Starting the editor: defaults without Edit.ini, missing files, the
// command-line file, a read-only program folder, an installed tree.
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>

#include "app/editing_area.h"
#include "app/editor_style.h"
#include "app/level_view.h"
#include "app/objects_palette.h"
#include "app_fixture.h"
#include "model/ini_file.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }
  void firstStartUsesDefaultsAndWritesEditIniOnClose() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QVERIFY(!w->startupFailed());
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(w->windowTitle(), QString("New.map - PRVL Level Editor V 0.26 alpha"));
    QCOMPARE(QDir(QString::fromStdString(w->settings().config().gameDir)), QDir(folder.path()));

    // Tools and the palette docked left and visible, Properties and the
    // level list hidden.
    QVERIFY(!w->docks().tools()->isFloating());
    QCOMPARE(w->dockWidgetArea(w->docks().tools()), Qt::LeftDockWidgetArea);
    QVERIFY(!w->docks().objects()->isFloating());
    QCOMPARE(w->dockWidgetArea(w->docks().objects()), Qt::LeftDockWidgetArea);
    QVERIFY(w->docks().objects()->isVisible());
    QVERIFY(w->docks().objects()->visibleRegion().boundingRect().height() > 100);
    QVERIFY(w->docks().properties()->isHidden());
    QVERIFY(w->docks().levelList()->isVisible());
    QCOMPARE(w->dockWidgetArea(w->docks().levelList()), Qt::RightDockWidgetArea);
    QVERIFY(w->statusBar()->isVisible());

    // Level 0 is a cleared 64 x 32 level titled "Empty", nothing to undo.
    const Levelmap& map = w->session().map;
    QCOMPARE(map.header(1).width(), 64);
    QCOMPARE(map.header(1).height(), 32);
    QCOMPARE(w->findChild<QLabel*>("levelCaptionText")->text(),
             QString("New.map Level 0: Empty"));
    QCOMPARE(w->statusPanel(1)->text(), QString("Level Width: 64"));
    QCOMPARE(w->statusPanel(2)->text(), QString("Level Height: 32"));
    QVERIFY(!w->findChild<QToolButton*>("undoButton")->isEnabled());
    QVERIFY(!w->findChild<QToolButton*>("redoButton")->isEnabled());
    QVERIFY(!map.modified);
    QVERIFY(w->editingArea().view()->cellSize() > 0);

    // The game palette of the shipped Edit.bdi, ten columns of 16 pixels at the left.
    QVERIFY(w->activePalette().size() > 100);
    QCOMPARE(w->docked().objects->canvas()->columns(), 10);
    // A click on the level leaves the palette where it is.
    QTest::mouseClick(w->editingArea().view(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(w->docks().objects()->isVisible());

    QVERIFY(!QFile::exists(folder.file("Edit.ini")));
    QVERIFY(w->close());
    const IniFile ini = IniFile::load(folder.file("Edit.ini").toStdString());
    QCOMPARE(ini.readString("PanelStates", "Property state", ""), std::string("Invisible"));
    QCOMPARE(ini.readString("PanelStates", "Tools state", ""), std::string("Left"));
    QCOMPARE(ini.readString("PanelStates", "Objects state", ""), std::string("Left"));
    QCOMPARE(ini.readString("PanelStates", "LevelList state", ""), std::string("Right"));
    QCOMPARE(ini.readString("PanelStates", "StatusBar state", ""), std::string("Visible"));
    QCOMPARE(ini.readString("Test level in", "Pyrovel", ""), std::string("yes"));
    QCOMPARE(ini.readString("History", "1", ""), std::string("---"));
  }

  void missingPaletteFileIsReportedAndObjectsZeroToHundredAreOffered() {
    ProgramFolder folder(/*withPalettes=*/false);
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QVERIFY(!w->startupFailed());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages.first().startsWith(
        "Some files to start the Pyrovel editor properly are missing"));
    QCOMPARE(w->activePalette(), builtInPalette());
  }

  void missingImageLibraryEndsTheProgram() {
    ProgramFolder folder(true, /*withLibrary=*/false);
    ScriptedDialogs dialogs;
    // The bare names are looked up in the working folder too.
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    auto w = makeWindow(folder, dialogs);
    QDir::setCurrent(before);
    QVERIFY(w->startupFailed());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(
        dialogs.messages.first().startsWith("No ImageLib found ... This causes SERIOUS problems."));
  }

  // The editor's style reads the overflow arrows and the clear button from
  // Qt's images itself: they must be Fusion's own, pixel for pixel.
  void editorStyleGivesTheFusionStylesOwnIcons() {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
    QVERIFY(fusion);
    useEditorStyle();
    QStyle* editor = QApplication::style();
    useEditorStyle();
    QCOMPARE(QApplication::style(), editor);  // made once
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_LineEditClearButton}) {
      const QIcon mine = editor->standardIcon(which);
      const QIcon theirs = fusion->standardIcon(which);
      QVERIFY(!mine.isNull());
      QCOMPARE(mine.availableSizes(), theirs.availableSizes());
      for (const int side : {5, 8, 10, 16, 20, 22, 32, 48}) {
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
          for (const qreal density : {1.0, 2.0}) {
            QCOMPARE(mine.pixmap(QSize(side, side), density, mode).toImage(),
                     theirs.pixmap(QSize(side, side), density, mode).toImage());
          }
        }
      }
    }
  }

  // The editor's style draws tool bars and scroll bars in small tiles, which
  // is only quicker: they must come out as Fusion draws them.
  void editorStyleDrawsToolBarsAndScrollBarsAsFusionDoes() {
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("fusion"));
    useEditorStyle();
    QStyle* editor = QApplication::style();
    const auto drawn = [](QWidget& widget, QStyle* style) {
      widget.setStyle(style);
      QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::white);
      widget.render(&image);
      return image;
    };
    QScrollBar scrollBar(Qt::Vertical);
    scrollBar.resize(14, 400);
    scrollBar.setRange(0, 100);
    scrollBar.setPageStep(30);
    scrollBar.setValue(40);
    QCOMPARE(drawn(scrollBar, editor), drawn(scrollBar, fusion.get()));

    QMainWindow window;
    QToolBar* first = window.addToolBar("first");
    first->addAction("Open");
    window.addToolBarBreak();
    QToolBar* second = window.addToolBar("second");
    second->addAction("Save");
    window.resize(700, 200);
    window.show();
    for (QToolBar* bar : {first, second}) {
      QVERIFY(bar->width() > 95);
      QCOMPARE(drawn(*bar, editor), drawn(*bar, fusion.get()));
    }
  }

  void commandLineFileIsOpenedAndFillsTheView() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    const QString before = QDir::currentPath();
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(w->session().map.fileName, std::string("demo.map"));
    QCOMPARE(QString::fromStdString(w->session().history[0]),
             QFileInfo(demoMap()).absoluteFilePath());
    QVERIFY(w->findChild<QLabel*>("levelCaptionText")->text().startsWith("demo.map Level 0: "));
    QVERIFY(w->editingArea().scrollBox()->fillsBox());
    QCOMPARE(w->action("history1")->text(), QFileInfo(demoMap()).absoluteFilePath());
    QVERIFY(w->action("history1")->isVisible());
    QVERIFY(!w->action("history2")->isVisible());
    // The file's folder became the working folder.
    QCOMPARE(QDir::currentPath(), QFileInfo(demoMap()).absolutePath());
    QDir::setCurrent(before);
    QVERIFY(!w->session().map.modified);
  }

  void aMissingCommandLineFileIsIgnored() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {folder.file("nothing-here.map")});
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(w->session().map.fileName, std::string("New.map"));
  }

  void readOnlyProgramFolderKeepsSettingsInTheUserFolder() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {}, /*writable=*/false);
    QCOMPARE(QDir(w->settings().settingsDir()), QDir(folder.userDir()));
    QVERIFY(w->close());
    QVERIFY(QFile::exists(folder.userDir() + "/Edit.ini"));
    QVERIFY(!QFile::exists(folder.file("Edit.ini")));
  }

  // An installed tree: nothing but the program in bin/, the shipped files in
  // share/, and settings per user although bin/ could be written.
  void installedEditorTakesItsDataFromShareAndKeepsSettingsPerUser() {
    QTemporaryDir prefix, user;
    const QString share = prefix.filePath("share/pyrovel-level-editor/");
    QVERIFY(QDir().mkpath(prefix.filePath("bin")) && QDir().mkpath(share));
    for (const char* name : {"Edit.bdi", "Emerald.iml", "Emerald.bam"}) {
      QVERIFY(QFile::copy(QString(PYROVEL_BIN_DIR) + "/" + name, share + name));
    }
    ScriptedDialogs dialogs;
    AppOptions options;
    options.programDir = prefix.filePath("bin");
    options.userConfigDir = user.path();
    options.userDataDir = user.path();
    options.programDirWritable = true;
    options.dialogs = &dialogs;
    MainWindow w(options);
    QVERIFY(!w.startupFailed());
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(w.activePalette().size() > 100);
    QCOMPARE(QDir(QString::fromStdString(w.settings().config().gameDir)), QDir(share));
    QVERIFY(w.close());
    QVERIFY(QFile::exists(user.filePath("Edit.ini")));
    QVERIFY(!QFile::exists(prefix.filePath("bin/Edit.ini")));
  }

  void historyAndTestTargetAreReadFromEditIni() {
    ProgramFolder folder;
    {
      QFile ini(folder.file("Edit.ini"));
      QVERIFY(ini.open(QIODevice::WriteOnly));
      ini.write(
          "[History]\n1=/a/one.map\n2=/b/two.map\n3=---\n4=---\n"
          "[Test level in]\nBD4=yes\n[Mine]\nkeep=me\n");
    }
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs);
    QCOMPARE(w->action("history2")->text(), QString("/b/two.map"));
    QVERIFY(w->action("history2")->isVisible());
    QVERIFY(!w->action("history3")->isVisible());
    QVERIFY(w->action("testInBd4")->isChecked());
    QVERIFY(!w->action("testInPyrovel")->isChecked());
    w->action("testInBoulderflash")->trigger();
    QVERIFY(w->close());
    const QString text = readText(folder.file("Edit.ini"));
    QVERIFY(text.contains("keep=me"));
    QVERIFY(text.contains("Boulderflash=yes"));
    QVERIFY(text.contains("BD4=no"));
  }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
