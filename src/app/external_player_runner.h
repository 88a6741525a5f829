#pragma once
// Testing the current level in an external player: the test target, the
// Options window with its folders and the folder finder, and the launcher
// that starts the player. Owned by the main window, which it asks for the
// session, the settings and its message boxes.
#include <QObject>
#include <memory>

#include "app/lazy_window.h"
#include "model/configuration.h"

class QActionGroup;

namespace pyrovel {
class ProgramLauncher;
}

namespace pyrovel::app {

class FindPanel;
class MainWindow;
class OptionsWindow;

class ExternalPlayerRunner : public QObject {
  Q_OBJECT
 public:
  // `launcher` null: players are really started.
  ExternalPlayerRunner(MainWindow& window, Configuration& config, ProgramLauncher* launcher);
  ~ExternalPlayerRunner() override;

  // The test target menu's actions; each carries its target as data.
  void setTargetActions(QActionGroup* targets) { targets_ = targets; }

  void testLevel();
  void setTestTarget(TestTarget target);
  void showOptions();
  void showFileLocations();
  // The Options window's "OK": its folders become the settings.
  void acceptOptions();
  void findPlayer(TestTarget target);

  OptionsWindow* optionsWindow();
  FindPanel* findPanel();
  void closeWindows();

 private:
  OptionsWindow* makeOptionsWindow();
  FindPanel* makeFindPanel();

  MainWindow& window_;
  Configuration& config_;
  std::unique_ptr<ProgramLauncher> ownLauncher_;
  ProgramLauncher* launcher_;
  QActionGroup* targets_ = nullptr;
  LazyWindow<OptionsWindow> options_;
  LazyWindow<FindPanel> finder_;
};

}  // namespace pyrovel::app
