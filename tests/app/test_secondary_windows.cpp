// The main window opens its secondary windows from the menus: where they
// appear, Move Level's keys, and the Development panel's buttons.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>

#include "app/adf_browser_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_browser_window.h"
#include "app/develop_panel.h"
#include "app/level_preview_window.h"
#include "app/objects_help_window.h"
#include "app/resource_explorer_window.h"
#include "app/tool_windows.h"
#include "app/window_placement.h"
#include "app_fixture.h"

using namespace pyrovel;
using namespace pyrovel::app;
using namespace pyrovel::app::testing;

class SecondaryWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { quietPlatform(); }

  void menusOpenTheDiskImageAndHelpWindows() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});

    // Secondary windows are built the first time they are asked for.
    QVERIFY(!w->findChild<AdfBrowserWindow*>());
    w->action("importFromAdf")->trigger();
    auto* adf = w->findChild<AdfBrowserWindow*>();
    QVERIFY(adf && adf->isVisible());

    QVERIFY(!w->findChild<D64BrowserWindow*>());
    w->action("importFromD64")->trigger();
    auto* d64 = w->findChild<D64BrowserWindow*>();
    int asked = 0;
    d64->chooseImage = [&]() -> std::optional<QString> {
      ++asked;
      return std::nullopt;  // the user cancels the image choice
    };
    QVERIFY(d64->isVisible());
    QTRY_COMPARE(asked, 1);  // showing the window asks for an image

    w->action("objectsHelp")->trigger();
    auto* help = w->findChild<ObjectsHelpWindow*>();
    QVERIFY(help->isVisible());

    w->action("importFromC64Dump")->trigger();
    auto* das = w->findChild<C64DumpWindow*>();
    QVERIFY(das->isVisible());
    w->action("importFromExecutable")->trigger();
    auto* res = w->findChild<ResourceExplorerWindow*>();
    QVERIFY(res->isVisible());

    // Closing the main window closes them too.
    w->close();
    for (QWidget* window : std::initializer_list<QWidget*>{adf, d64, help, das, res}) {
      QVERIFY(!window->isVisible());
    }
  }

  void theDevelopmentPanelIsBuiltOnFirstUseAndWired() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    QVERIFY(!w->findChild<DevelopPanel*>());
    w->action("showDevelopmentPanel")->trigger();
    auto* panel = w->findChild<DevelopPanel*>("developPanel");
    QVERIFY(panel && panel->isVisible());
    auto* objects = panel->findChild<QListWidget*>("allObjects");
    QCOMPARE(objects->count(), w->spriteStrip().count());
    objects->setCurrentRow(7);
    QCOMPARE(w->session().drawingObject, 7);
    // Every button does its part.
    for (const char* caption : {"Load Brel", "EM", "Das", "EM to objects", "Objects to EM"}) {
      QVERIFY2(panel->button(caption)->isEnabled(), caption);
    }
    panel->button("EM to objects")->click();
    QCOMPARE(w->session().messages.size(), std::size_t{256});
    QVERIFY(w->session().messages[1].starts_with("EM:1- PR:"));
    panel->button("Objects to EM")->click();
    QCOMPARE(w->session().messages.size(), std::size_t{512});
    QVERIFY(w->findChild<QWidget*>("messagePanel")->isVisible());
    panel->button("EM")->click();
    const QString em = QDir(w->settings().settingsDir()).filePath("develop-em.lev");
    QCOMPARE(QFileInfo(em).size(), qint64(2172));  // one Emerald Mine V6 record
    QVERIFY(dialogs.messages.last().contains(em));
    panel->button("Das")->click();
    QVERIFY(w->findChild<C64DumpWindow*>()->isVisible());
    panel->button("Load Brel")->click();  // the file choice cancelled: nothing changes
    QCOMPARE(dialogs.openFolders.size(), 1);
    QVERIFY(dialogs.errors.isEmpty());

    // "View only" takes the key of the one line it shows.
    QCheckBox* only = nullptr;
    QLineEdit* key = panel->onlyKey();
    QVERIFY(!key->isEnabled());
    for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
      if (box->text() == "View only") only = box;
    }
    only->setChecked(true);
    QVERIFY(key->isEnabled());
  }

  void secondaryWindowsOpenCentredAndComeBackWhereTheyWereLeft() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    w->setGeometry(QRect(QPoint(20, 20), QSize(760, 740)));  // within the screen
    QTest::qWait(20);
    const QPoint centre = QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).center();
    const int menusBottom = w->menuBar()->mapToGlobal(QPoint(0, w->menuBar()->height())).y();
    for (const char* action : {"importFromAdf", "importFromC64Dump", "importFromExecutable",
                               "objectsHelp", "levelPreview"}) {
      w->action(action)->trigger();
    }
    QList<QWidget*> shown = {w->findChild<AdfBrowserWindow*>(), w->findChild<C64DumpWindow*>(),
                             w->findChild<ResourceExplorerWindow*>(),
                             w->findChild<ObjectsHelpWindow*>(),
                             w->findChild<LevelPreviewWindow*>()};
    for (QWidget* window : shown) {
      QVERIFY(window && window->isVisible());
      // Centred, as far as the screen and the menu bar let it be.
      const QPoint centred = centre - QPoint(window->width() / 2, window->height() / 2);
      QCOMPARE(window->pos(), clearOfMenus(*w, window->size(), centred));
      QVERIFY2(window->y() >= menusBottom, qPrintable(window->objectName()));
    }
    // One that fits is centred exactly.
    auto* dump = w->findChild<C64DumpWindow*>();
    QCOMPARE(dump->pos() + QPoint(dump->width() / 2, dump->height() / 2), centre);

    // Moved by the user, closed and opened again: where it was left.
    dump->move(dump->pos() + QPoint(60, 30));
    const QPoint left = dump->pos();
    dump->close();
    w->action("importFromC64Dump")->trigger();
    QCOMPARE(dump->pos(), left);
    // Left over the menu bar, it comes back below it.
    dump->move(dump->x(), menusBottom - 40);
    dump->close();
    w->action("importFromC64Dump")->trigger();
    QCOMPARE(dump->pos(), QPoint(left.x(), menusBottom));
  }

  void moveLevelIsAModalDialogOkOnEnterCancelOnEsc() {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    auto w = makeWindow(folder, dialogs, {demoMap()});
    EditorSession& s = w->session();
    s.selectLevel(3);  // level 2
    const std::string title = s.map.header(3).title();
    const std::string fifth = s.map.header(6).title();
    w->action("moveLevel")->trigger();
    auto* move = w->findChild<MoveLevelPanel*>("moveLevelPanel");
    QVERIFY(move && move->isVisible());
    QVERIFY(move->isModal());
    QCOMPARE(move->target()->value(), 2);
    const QPoint middle = move->pos() + QPoint(move->width() / 2, move->height() / 2);
    QVERIFY((middle - QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).center()).manhattanLength() <= 1);

    move->target()->setValue(5);
    QTest::keyClick(move->target(), Qt::Key_Escape);
    QVERIFY(!move->isVisible());
    QCOMPARE(s.map.header(3).title(), title);  // nothing moved
    QCOMPARE(s.map.header(6).title(), fifth);

    w->action("moveLevel")->trigger();
    QVERIFY(move->isVisible());
    move->target()->setValue(5);
    QTest::keyClick(move->target(), Qt::Key_Return);
    QVERIFY(!move->isVisible());
    QCOMPARE(s.map.header(6).title(), title);  // now level 5
  }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "test_secondary_windows.moc"
