// The main window opens its secondary windows from the menus.
#include "app/adf_browser_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_browser_window.h"
#include "app/develop_panel.h"
#include "app/objects_help_window.h"
#include "app/resource_explorer_window.h"
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
    QVERIFY(!panel->button("EM")->isEnabled());
  }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "test_secondary_windows.moc"
