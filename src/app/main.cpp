// prvl-editor: the Pyrovel level editor.
#include <QApplication>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "model/configuration.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("prvl-editor");
  QApplication::setOrganizationName("Pyrovel");
  QApplication::setApplicationDisplayName("PRVL Level Editor");
  QApplication::setApplicationVersion(pyrovel::kVersionText);

  pyrovel::app::SplashWindow splash;
  splash.show();
  app.processEvents();

  pyrovel::app::AppOptions options;
  options.arguments = QApplication::arguments().mid(1);
  options.splash = &splash;
  pyrovel::app::MainWindow window(options);
  if (window.startupFailed()) return 1;
  window.showMaximized();
  splash.close();
  return QApplication::exec();
}
