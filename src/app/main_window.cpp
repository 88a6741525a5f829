// The main window: construction, start-up, the core's front end, closing.
#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "app/adf_browser_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_browser_window.h"
#include "app/develop_panel.h"
#include "app/dialogs.h"
#include "app/editing_area.h"
#include "app/editor_style.h"
#include "app/external_player_runner.h"
#include "app/find_panel.h"
#include "app/icons.h"
#include "app/level_list.h"
#include "app/level_previews.h"
#include "app/level_view.h"
#include "app/levelmap_panels.h"
#include "app/objects_help_window.h"
#include "app/objects_palette.h"
#include "app/options_window.h"
#include "app/problems_panel.h"
#include "app/properties_panel.h"
#include "app/resource_explorer_window.h"
#include "app/splash_window.h"
#include "app/text_codec.h"
#include "app/tool_option_bars.h"
#include "app/tool_windows.h"
#include "app/tools_panel.h"
#include "model/file_io.h"
#include "model/startup.h"

namespace pyrovel::app {

namespace {

constexpr unsigned kEverything = kLevelShown | kCellsChanged | kLevelList | kUndoState | kHistory |
                                 kReaderInfo | kPalette | kProperties | kLayer;

// The shipped palettes (beside the program or installed); without them the built-in game palette
// keeps the Objects panel filled.
Palette readStartPalette(MainWindow& window, SplashWindow* splash) {
  const QString path = window.settings().dataDir() + kPaletteFileName;
  std::optional<Palette> found;
  if (QFileInfo::exists(path)) {
    window.guarded([&] { found = readPaletteFile(path.toStdString(), kGameMode); });
  } else {
    if (splash) splash->close();
    window.frontend().dialogs().inform(
        &window,
        "Some files to start the Pyrovel editor properly are missing ... "
        "Please reinstall this package.");
  }
  return found ? *found : builtInPalette();
}

// The image library must be there: without it no level can be drawn.
bool imageLibraryFound(MainWindow& window, SplashWindow* splash) {
  if (findImageLibrary(window.settings().config().gameDir).found) return true;
  if (splash) splash->close();
  window.frontend().dialogs().inform(
      &window,
      "No ImageLib found ... This causes SERIOUS problems. Please reinstall "
      "this package or supply the location of Pyrovel in the Options menu");
  return false;
}

}  // namespace

MainWindow::MainWindow(AppOptions options)
    : options_(std::move(options)),
      settings_(options_.programDir, options_.userConfigDir, options_.programDirWritable,
                options_.userDataDir),
      frontend_(this, options_.dialogs, settings_, [this](unsigned what) { refresh(what); }),
      session_(frontend_),
      drawingTools_(session_, clockRandom_),
      levelProperties_(session_),
      actions_(*this),
      panels_(makeToolPanels()),
      windows_(makeSecondaryWindows()),
      textFiles_(*this, frontend_, options_.openDocument),
      singleLevels_(*this, panels_.develop) {
  // Before the first widget asks the style for an icon.
  useEditorStyle();
  setObjectName("mainWindow");
  setWindowTitle(QString(kMainCaptionPrefix) + kVersionText);
  setWindowIcon(glyphIcon(Glyph::ProgramIcon));
  setAcceptDrops(true);

  createActions();
  createViewActions();
  createMenus();
  createToolBar();
  editingArea_ = new EditingArea(&session_.map, &strip_, this);
  setCentralWidget(editingArea_);
  previews_ = new LevelPreviews(this, &session_.map, &strip_);
  connect(editingArea_, &EditingArea::editingHiddenChanged, previews_,
          &LevelPreviews::setFollowingLevel);
  createStatusBar();
  docked_ = {new ToolsCanvas, new ObjectsPanel, nullptr, new LevelList};
  docked_.objects->canvas()->setStrip(&strip_);
  docks_ = new DockLayout(*this, docked_, actions_, [this] {
    auto* page = new PropertiesPage(levelProperties_);
    page->setStrip(&strip_);
    connect(page, &PropertiesPage::applyRequested, this, [this] { applyLevelSize(); });
    return page;
  });
  frontend_.setProgressPanel(&panels_.convert);
  connectSignals();
  players_ = new ExternalPlayerRunner(*this, settings_.config(), options_.launcher);
  players_->setTargetActions(menus_.testTargets);
  connect(docked_.tools->button("testLevelButton"), &QToolButton::clicked, this,
          [this] { players_->testLevel(); });
  docked_.tools->button("testLevelButton")->setEnabled(true);
  problems_ = ProblemsPanel::install(*this);
  state_.uiReady = true;

  resize(1028, 617 + 60);
  setUpEditor();
  palette_ = readStartPalette(*this, options_.splash);
  if (!imageLibraryFound(*this, options_.splash)) {
    state_.startupFailed = true;
    return;
  }
  const Configuration& config = settings_.config();
  const ImageLibraryFiles library = findImageLibrary(config.gameDir);
  guarded([&] { loadSpriteStrip(strip_, library.iml, library.bam); });
  guarded([this] { prepareEmptyLevelmap(session_); });
  docks_->apply(config);
  editingArea_->view()->setGridShown(config.gridShown);
  action("showGrid")->setChecked(config.gridShown);
  docked_.objects->iconSizeBox()->setCurrentIndex(
      docked_.objects->iconSizeBox()->findData(config.paletteIconSize));
  state_.statusBarWanted = config.statusBarVisible;
  statusBar()->setVisible(state_.statusBarWanted);
  action("showStatusBar")->setChecked(state_.statusBarWanted);
  refresh(kEverything);
  // Before the command-line file: work a crash left comes first, and
  // opening the file afterwards asks to save it.
  startRecovery();
  openCommandLineFile();
}

MainWindow::~MainWindow() {
  // The Search window's hiding redraws the view's search frames: it goes
  // while the window it calls back into is still whole.
  delete panels_.search.ifBuilt();
}

QLabel* MainWindow::statusPanel(int index) const {
  return index >= 0 && index < static_cast<int>(statusPanels_.size())
             ? statusPanels_[static_cast<std::size_t>(index)]
             : nullptr;
}

// --- start-up ------------------------------------------------------------------

void MainWindow::setUpEditor() {
  guarded([this] { settings_.read(); });
  session_.history = settings_.config().history;
  refresh(kHistory);
  const std::string objectList =
      (QDir(fromStd(settings_.config().gameDir)).filePath("Objectlist.txt")).toStdString();
  if (fileExists(objectList)) guarded([&] { session_.catalogue.loadFile(objectList); });
  editMode_ = kGameMode;
  action("pyrovelMode")->setChecked(true);
  // The Options window, built on first use, shows the settings read here.
  players_->setTestTarget(settings_.config().testTarget);
  applyEditingSettings();
}

void MainWindow::applyEditingSettings() {
  session_.setUndoLimit(settings_.config().undoSteps);
  drawingTools_.context().oneShotTools = settings_.config().oneShotTools;
}

void MainWindow::openCommandLineFile() {
  if (options_.arguments.isEmpty()) return;
  const QFileInfo file(options_.arguments.first());
  if (!file.isFile()) return;
  const QString path = file.absoluteFilePath();
  QDir::setCurrent(file.absolutePath());
  settings_.setOpenFolder(file.absolutePath());
  openLevelmap(OpenSource::Path, path);
}

bool MainWindow::guarded(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::exception& e) {
    frontend_.dialogs().error(this, QString::fromUtf8(e.what()));
  }
  // Whatever the action got done before it failed is shown.
  refresh(kEverything);
  return false;
}

// --- closing ----------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  bool keepOpen = false;
  if (session_.map.modified) {
    switch (frontend_.dialogs().ask(
        this, "The levelmap has changed. Do you want to save the changes?", true)) {
      case Answer::Cancel:
        keepOpen = true;
        break;
      case Answer::Yes: {
        // A save that was cancelled or failed, or wrote a file that could
        // not hold everything, must not lose the changes.
        bool saved = false;
        if (!guarded([&] { saved = saveLevelmap(session_); }) || !saved || session_.map.modified) {
          keepOpen = true;
        }
        break;
      }
      case Answer::No:
        break;
    }
  }
  // The settings of this run are kept even when the window stays open.
  docks_->capture(settings_.config());
  settings_.config().statusBarVisible = state_.statusBarWanted;
  settings_.config().history = session_.history;
  guarded([this] { settings_.write(); });
  if (keepOpen) {
    event->ignore();
    return;
  }
  previews_->closeAll();
  panels_.move.close();
  panels_.view.close();
  panels_.develop.close();
  panels_.convert.close();
  panels_.search.close();
  panels_.replace.close();
  panels_.message.close();
  windows_.adf.close();
  windows_.d64.close();
  windows_.objectsHelp.close();
  windows_.c64Dump.close();
  windows_.resources.close();
  players_->closeWindows();
  // Closed on purpose: whatever was not saved was not wanted.
  if (recovery_.copy) recovery_.copy->remove();
  event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!state_.placedPanels) {
    state_.placedPanels = true;
    // Once the floating windows exist on screen, so their frames are known.
    QTimer::singleShot(0, this, [this] { docks_->placeFloating(settings_.config()); });
  }
}

}  // namespace pyrovel::app
