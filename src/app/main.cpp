// prvl-editor: the Pyrovel level editor.
#include <QApplication>
#include <QDir>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/screenshot_tour.h"
#include "app/splash_window.h"
#include "model/configuration.h"
#include "model/version.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("prvl-editor");
  QApplication::setOrganizationName("Pyrovel");
  // The main window's caption ends with this, so the window system adds
  // nothing to it; the other windows' captions get it appended.
  QApplication::setApplicationDisplayName(QString(pyrovel::kMainCaptionPrefix) +
                                          pyrovel::kVersionText);
  QApplication::setApplicationVersion(pyrovel::kEditorVersion);
  // The launcher's entry, so the window finds its icon under Wayland.
  QGuiApplication::setDesktopFileName("org.pyrovel.LevelEditor");

  const pyrovel::app::EditorCommandLine line =
      pyrovel::app::parseEditorCommandLine(QApplication::arguments());
  if (line.exitCode) return *line.exitCode;

  pyrovel::app::AppOptions options;
  options.arguments = line.files;
  if (!line.screenshotDir.isEmpty()) {
    // Absolute now: opening the levelmap makes its folder the current one.
    return pyrovel::app::takeScreenshotTour(options, QDir(line.screenshotDir).absolutePath());
  }
  if (line.checkOnly) {
    pyrovel::app::ConsoleDialogs console;
    options.dialogs = &console;
    options.recovery = false;  // a check must not answer for a copy a crash left
    pyrovel::app::MainWindow window(options);
    return window.startupFailed() || console.reported() > 0 ? 1 : 0;
  }

  pyrovel::app::SplashWindow splash;
  splash.show();
  app.processEvents();
  options.splash = &splash;
  pyrovel::app::MainWindow window(options);
  if (window.startupFailed()) return 1;
  window.showMaximized();
  splash.close();
  return QApplication::exec();
}
