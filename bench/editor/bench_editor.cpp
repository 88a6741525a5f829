// The editor: repainting the visible part of the level view at several
// zooms against drawing a ready image of the same size, and the editor's
// start (until its window is shown) against a bare Qt main window, both as
// processes of their own (the bench program's --editor-window and
// --bare-window commands); for information, also against a main window
// that shows some text (--text-window); and opening a levelset in the
// editor's window against the same open without a window.
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QWindow>
#include <cstdlib>

#include "app/dialogs.h"
#include "app/level_view.h"
#include "app/main_window.h"
#include "bench_levels.h"
#include "bench_support.h"
#include "editor/levelmap_files.h"
#include "model/editor_session.h"
#include "render/default_sprites.h"

namespace {

using namespace pyrovel;

constexpr int kVisibleWidth = 1280, kVisibleHeight = 800;

// Without a display the windows go to Qt's offscreen platform.
void offscreenUnlessSet() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The application of the window benchmarks, made by the first of them. It is
// never destroyed: Qt must tear an application down before the process's
// exit handlers run, and a static one would be torn down among them, after
// Qt's own globals made while it ran (the editor's window makes many).
QApplication& application() {
  static int argc = 1;
  static char name[] = "prvl_bench";
  static char* argv[] = {name, nullptr};
  offscreenUnlessSet();
  static QApplication* const app = new QApplication(argc, argv);
  return *app;
}

void BM_LevelViewRepaint(benchmark::State& state) {
  application();
  const int cell = static_cast<int>(state.range(0));
  const auto map = bench::typicalLevel();
  const SpriteStrip strip(std::make_shared<const ImageLibrary>(makeDefaultImageLibrary()),
                          makeDefaultObjectTable());
  app::LevelView view;
  view.resize(kMaxLevelSide * cell, kMaxLevelSide * cell);
  view.setSource(map.get(), &strip);
  // The part a scroll box shows, from the middle of the level.
  const QRect visible(view.width() / 2 - kVisibleWidth / 2, view.height() / 2 - kVisibleHeight / 2,
                      kVisibleWidth, kVisibleHeight);
  QImage screen(kVisibleWidth, kVisibleHeight, QImage::Format_RGB32);
  QImage ready(kVisibleWidth, kVisibleHeight, QImage::Format_RGB32);
  ready.fill(Qt::darkGreen);
  view.render(&screen, QPoint(), QRegion(visible));  // sprites scaled once for this zoom
  bench::compareTimes(
      state,
      "repaint of " + std::to_string(kVisibleWidth) + " x " + std::to_string(kVisibleHeight) +
          " of the level view at " + std::to_string(cell) + " pixels a cell",
      "drawing a ready image of that size", 2.0,
      [&] { view.render(&screen, QPoint(), QRegion(visible)); },
      [&] {
        QPainter p(&screen);
        p.drawImage(0, 0, ready);
      });
}
BENCHMARK(BM_LevelViewRepaint)
    ->Arg(10)
    ->Arg(16)
    ->Arg(32)
    ->Arg(64)
    ->Arg(300)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The answers of a user who keeps nothing and chooses nothing; errors are
// kept, so that a benchmark that met one says so.
class QuietDialogs : public app::Dialogs {
 public:
  Answer ask(QWidget*, const QString&, bool) override { return Answer::No; }
  void inform(QWidget*, const QString&) override {}
  void error(QWidget*, const QString& text) override { errors << text; }
  std::optional<QString> chooseOpenFile(QWidget*, const QString&, bool) override { return {}; }
  std::optional<Frontend::SaveAsChoice> chooseSaveAs(QWidget*, const QString&,
                                                     const QString&) override {
    return {};
  }
  std::optional<QString> chooseImageLibrary(QWidget*, const QString&) override { return {}; }
  QStringList errors;
};

// Opening a levelset in the editor's window, until the window has painted
// it, against the same open in a session without a window: what the
// window adds (its refresh, the conversion panel, the repaint).
void BM_EditorOpenLevelset(benchmark::State& state) {
  QApplication& app = application();
  const std::string& path = bench::hundredObjectCavesFile();
  QuietDialogs dialogs;
  app::AppOptions options;
  options.userConfigDir = QDir::tempPath() + "/prvl_bench_config";
  options.programDirWritable = false;
  options.dialogs = &dialogs;
  app::MainWindow window(options);
  window.resize(1024, 768);
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) app.processEvents();
  SilentFrontend ui;
  EditorSession session(ui);
  bench::compareTimes(
      state, "opening 100 caves drawn by [objects] in the editor's window, painted",
      "the same open in a session without a window", 0,
      [&] {
        openLevelmap(window.session(), OpenSource::Path, path);
        app.processEvents();
      },
      [&] { openLevelmap(session, OpenSource::Path, path); });
  if (!dialogs.errors.isEmpty()) state.SkipWithError(qPrintable(dialogs.errors.first()));
}
BENCHMARK(BM_EditorOpenLevelset)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Shows the window and ends the process once it is on the screen: the
// figure is the start, not the teardown after it (a bare window's exit, for
// one, sets up the fonts it never used).
[[noreturn]] void showUntilExposed(QApplication& app, QWidget& window) {
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) app.processEvents();
  std::_Exit(0);
}

int bareWindow(int argc, char** argv) {
  offscreenUnlessSet();
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(1024, 768);
  showUntilExposed(app, window);
}

// The bare window with what any window with text pays for: a menu bar of a
// few menus and a status bar message (the fonts, the first face, laying out
// and drawing text).
int textWindow(int argc, char** argv) {
  offscreenUnlessSet();
  QApplication app(argc, argv);
  QMainWindow window;
  for (const char* title : {"&File", "&Edit", "&View", "&Help"}) {
    window.menuBar()->addMenu(title)->addAction("Open");
  }
  window.statusBar()->showMessage("Ready");
  window.resize(1024, 768);
  showUntilExposed(app, window);
}

int editorWindow(int argc, char** argv) {
  offscreenUnlessSet();
  QApplication app(argc, argv);
  app::AppOptions options;
  options.userConfigDir = QDir::tempPath() + "/prvl_bench_config";
  options.programDirWritable = false;
  options.arguments = {QString::fromLocal8Bit(argv[argc - 1])};
  app::MainWindow window(options);
  if (window.startupFailed()) return 1;
  window.resize(1024, 768);
  showUntilExposed(app, window);
}

const bool kCommands = [] {
  bench::addCommand("--bare-window", bareWindow);
  bench::addCommand("--text-window", textWindow);
  bench::addCommand("--editor-window", editorWindow);
  return true;
}();

// The editor's start against another command of this program, both as
// whole processes, the best of 9 interleaved rounds each.
void compareEditorStart(benchmark::State& state, std::string against, const char* command,
                        double limit) {
  const std::string self = bench::programFolder() + "/prvl_bench";
  const std::string levels = std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.map";
  bench::compareTimes(
      state, "editor start with levels/demo.map, until its window is shown", std::move(against),
      limit,
      [&] {
        bench::runProgram({self, "--editor-window", levels});
      },
      [&] {
        bench::runProgram({self, command});
      },
      9);
}

void BM_EditorStart(benchmark::State& state) {
  compareEditorStart(state, "a bare Qt main window, until shown", "--bare-window", 1.5);
}
BENCHMARK(BM_EditorStart)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// For information (no goal): how much of the gap above is the toolkit's own
// text set-up, which the bare window never pays.
void BM_EditorStartAgainstTextWindow(benchmark::State& state) {
  compareEditorStart(state,
                     "a Qt main window with four menus and a status bar message, until shown",
                     "--text-window", 0);
}
BENCHMARK(BM_EditorStartAgainstTextWindow)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_EditorStartMemory(benchmark::State& state) {
  const std::string self = bench::programFolder() + "/prvl_bench";
  const std::string levels = std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.map";
  std::size_t editor = 0, bare = 0;
  for (auto _ : state) {
    editor = bench::peakMemoryOf({self, "--editor-window", levels});
    bare = bench::peakMemoryOf({self, "--bare-window"});
  }
  constexpr double kMiB = 1024.0 * 1024.0;
  bench::record(state, {"peak memory of that editor start", "of the bare Qt main window", "MiB",
                        static_cast<double>(editor) / kMiB, static_cast<double>(bare) / kMiB, 1.5});
}
BENCHMARK(BM_EditorStartMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
