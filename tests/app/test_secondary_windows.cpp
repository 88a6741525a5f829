// The main window opens its secondary windows from the menus.
#include "app/adf_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_window.h"
#include "app/objects_help_window.h"
#include "app/resource_window.h"
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

    auto* adf = w->findChild<TADFForm*>();
    QVERIFY(adf && !adf->isVisible());
    w->action("ImportfromADFimage1")->trigger();
    QVERIFY(adf->isVisible());

    auto* d64 = w->findChild<TD64Form*>();
    int asked = 0;
    d64->chooseImage = [&]() -> std::optional<QString> {
      ++asked;
      return std::nullopt;  // the user cancels the image choice
    };
    w->action("ImportfromD64image1")->trigger();
    QVERIFY(d64->isVisible());
    QTRY_COMPARE(asked, 1);  // showing the window asks for an image

    auto* help = w->findChild<THelpForm*>();
    w->action("ObjectsHelp1")->trigger();
    QVERIFY(help->isVisible());

    auto* das = w->findChild<TDasForm*>();
    w->action("DasHimport")->trigger();
    QVERIFY(das->isVisible());
    auto* res = w->findChild<TResForm*>();
    w->action("ImportDLL")->trigger();
    QVERIFY(res->isVisible());

    // Closing the main window closes them too.
    w->close();
    for (QWidget* window : std::initializer_list<QWidget*>{adf, d64, help, das, res}) {
      QVERIFY(!window->isVisible());
    }
  }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "test_secondary_windows.moc"
