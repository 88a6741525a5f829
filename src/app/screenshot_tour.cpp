#include "app/screenshot_tour.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "app/command_line.h"
#include "app/level_previews.h"
#include "app/main_window.h"
#include "app/objects_palette.h"

namespace pyrovel::app {

namespace {

// Lets layouts, timers and paints settle.
void settle() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The main window with the tool windows floating over it, as a user sees it.
QImage windowPicture(QMainWindow& window) {
  settle();
  QPixmap picture = window.grab();
  QPainter painter(&picture);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == &window || !w->isVisible() || w->windowType() == Qt::Popup) continue;
    painter.drawPixmap(w->geometry().topLeft() - window.geometry().topLeft(), w->grab());
  }
  painter.end();
  // A palette of 256 colours keeps the files small; the sprites use few.
  return picture.toImage().convertToFormat(QImage::Format_Indexed8,
                                           Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace

int takeScreenshotTour(AppOptions options, const QString& dir) {
  QTemporaryDir settings;
  options.userConfigDir = settings.path();
  options.userDataDir = settings.path();
  options.programDirWritable = false;
  options.recovery = false;
  ConsoleDialogs console;
  options.dialogs = &console;
  MainWindow window(options);
  if (window.startupFailed() || !QDir().mkpath(dir)) return 1;
  window.move(0, 0);
  window.resize(1024, 640);
  window.show();

  int failed = 0;
  const auto save = [&](const char* name) {
    const QString path = QDir(dir).filePath(name);
    if (!windowPicture(window).save(path, "PNG")) {
      std::fprintf(stderr, "prvl-editor: could not write %s\n", qPrintable(path));
      ++failed;
    }
  };
  ObjectsPanel* palette = window.docked().objects;

  save("main-window.png");

  palette->filterBox()->setText("door");
  save("palette-filter.png");
  palette->filterBox()->clear();

  window.action("bothLayers")->trigger();
  window.action("showGrid")->trigger();
  window.action("zoomIn")->trigger();
  save("both-layers-grid.png");
  window.action("fitLevel")->trigger();
  window.action("showGrid")->trigger();
  window.action("gameLayer")->trigger();

  window.action("search")->trigger();
  if (auto* text = window.findChild<QLineEdit*>("searchText")) text->setText("diamond");
  if (auto* next = window.findChild<QPushButton*>("findNextButton")) next->click();
  save("search.png");
  if (QWidget* search = window.findChild<QWidget*>("searchPanel")) search->hide();

  window.action("propertiesPanel")->trigger();
  save("properties.png");
  window.action("propertiesPanel")->trigger();

  window.action("levelPreview")->trigger();
  save("level-preview.png");
  window.previews().closeAll();

  window.action("moveLevel")->trigger();
  save("move-level.png");
  if (auto* move = window.findChild<QDialog*>("moveLevelPanel")) move->reject();

  // Nothing the tour did is kept.
  window.session().map.modified = false;
  window.close();
  return failed > 0 || console.reported() > 0 ? 1 : 0;
}

}  // namespace pyrovel::app
