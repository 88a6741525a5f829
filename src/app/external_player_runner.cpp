#include "app/external_player_runner.h"

#include <QAction>
#include <QActionGroup>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include "app/editing_area.h"
#include "app/find_panel.h"
#include "app/main_window.h"
#include "app/options_window.h"
#include "app/problems_panel.h"
#include "editor/level_test.h"
#include "editor/player_folders.h"
#include "editor/program_launcher.h"

namespace pyrovel::app {

namespace {

// Starts players for real. While the game runs a test the editor waits for
// it, as the game expects, but behind a modal note that keeps the window
// painting, and that lets the user stop waiting should the game never end
// (the game then runs on by itself).
class WindowLauncher : public SystemLauncher {
 public:
  explicit WindowLauncher(QWidget* window) : window_(window) {}

 protected:
  void waitForExit(int pid) override {
    QProgressDialog note("Testing level... the editor waits until the game ends.", "Stop waiting",
                         0, 0, window_);
    note.setObjectName("testingNote");
    note.setWindowTitle("Testing level");
    note.setWindowModality(Qt::ApplicationModal);
    note.setMinimumDuration(0);
    note.setAutoClose(false);
    note.setAutoReset(false);
    QEventLoop loop;
    QTimer poll;
    bool ended = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      ended = hasEnded(pid);
      // Escape or closing the note give up waiting as the button does.
      if (ended || note.wasCanceled()) loop.quit();
    });
    QObject::connect(&note, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    poll.start(100);
    note.show();
    loop.exec();
    if (!ended) adopt(pid);
  }

 private:
  QWidget* window_;
};

// The test runs' message boxes and the Options window, through the window.
class WindowTestFrontend : public LevelTestFrontend {
 public:
  WindowTestFrontend(MainWindow& window, ExternalPlayerRunner& runner)
      : window_(window), runner_(runner) {}
  void message(std::string_view caption, std::string_view text) override {
    window_.frontend().captionedMessage(QString::fromStdString(std::string(caption)),
                                        QString::fromStdString(std::string(text)));
  }
  void inform(std::string_view text) override { window_.frontend().inform(text); }
  void showFileLocations() override { runner_.showFileLocations(); }

 private:
  MainWindow& window_;
  ExternalPlayerRunner& runner_;
};

}  // namespace

ExternalPlayerRunner::ExternalPlayerRunner(MainWindow& window, Configuration& config,
                                           ProgramLauncher* launcher)
    : QObject(&window),
      window_(window),
      config_(config),
      launcher_(launcher),
      options_([this] { return makeOptionsWindow(); }),
      finder_([this] { return makeFindPanel(); }) {
  if (!launcher_) {
    ownLauncher_ = std::make_unique<WindowLauncher>(&window);
    launcher_ = ownLauncher_.get();
  }
}

ExternalPlayerRunner::~ExternalPlayerRunner() = default;

OptionsWindow* ExternalPlayerRunner::makeOptionsWindow() {
  auto* options = new OptionsWindow(&window_);
  connect(options, &OptionsWindow::accepted, this, [this] { acceptOptions(); });
  connect(options, &OptionsWindow::findRequested, this,
          [this](TestTarget target) { findPlayer(target); });
  EditorSession& session = window_.session();
  connect(options, &OptionsWindow::onefellowChanged, this,
          [&session](bool on) { session.allowOnlyOneLittleFellow = on; });
  options->onefellow()->setChecked(session.allowOnlyOneLittleFellow);
  // The editing options take effect at once and are kept in Edit.ini.
  options->undoSteps()->setValue(config_.undoSteps);
  options->oneShotTools()->setChecked(config_.oneShotTools);
  connect(options, &OptionsWindow::undoStepsChanged, this, [this](int steps) {
    config_.undoSteps = steps;
    window_.applyEditingSettings();
  });
  connect(options, &OptionsWindow::oneShotToolsChanged, this, [this](bool oneShot) {
    config_.oneShotTools = oneShot;
    window_.applyEditingSettings();
  });
  options->showLevelChecks(config_.levelChecksOff);
  connect(options, &OptionsWindow::levelChecksChanged, this, [this](const std::string& off) {
    config_.levelChecksOff = off;
    if (ProblemsPanel* problems = window_.problems()) problems->recheckAll();
  });
  options->showFolders(config_);
  options->setSpriteSets(window_.settings().spriteSets());
  return options;
}

FindPanel* ExternalPlayerRunner::makeFindPanel() {
  auto* finder = new FindPanel(&window_);
  connect(finder, &FindPanel::found, this, [this](TestTarget target, const QString& dir) {
    playerFolder(config_, target) = dir.toStdString();
    options_->showFolder(target, dir);
  });
  return finder;
}

void ExternalPlayerRunner::testLevel() {
  const GameTestOptions options = options_->gameTestOptions();
  WindowTestFrontend ui(window_, *this);
  LevelTestContext ctx{window_.session().map, config_, options, *launcher_, ui};
  window_.guarded([&] { testLevelExternally(ctx); });
}

void ExternalPlayerRunner::setTestTarget(TestTarget target) {
  config_.testTarget = target;
  if (!targets_) return;
  for (QAction* a : targets_->actions()) {
    if (a->data().toInt() == static_cast<int>(target)) a->setChecked(true);
  }
}

void ExternalPlayerRunner::showOptions() {
  window_.editingArea().showPanel(options_.get());
}

void ExternalPlayerRunner::showFileLocations() {
  options_->pages()->setCurrentIndex(OptionsWindow::FileLocations);
  window_.editingArea().showPanel(options_.get());
}

void ExternalPlayerRunner::acceptOptions() {
  options_->copyFolders(config_);
}

void ExternalPlayerRunner::findPlayer(TestTarget target) {
  // The folder in the edit first, then the setting, then the editor's own.
  QString start = options_->folderEdit(target)->text();
  if (start.isEmpty()) start = QString::fromStdString(playerFolder(config_, target));
  if (start.isEmpty()) start = window_.settings().programDir();
  // Over the Options window, a little down, so both can be seen.
  if (!finder_->isVisible()) finder_->move(options_->pos() + QPoint(40, 60));
  finder_->find(target, start);
}

OptionsWindow* ExternalPlayerRunner::optionsWindow() {
  return options_.get();
}
FindPanel* ExternalPlayerRunner::findPanel() {
  return finder_.get();
}

void ExternalPlayerRunner::closeWindows() {
  options_.close();
  finder_.close();
}

}  // namespace pyrovel::app
