#pragma once
// "Import level" and "Export Level": single levels in other games' files,
// chosen in their dialogs and read into or written from the session.
#include "app/lazy_window.h"

namespace pyrovel::app {

class DevelopPanel;
class MainWindow;

class SingleLevelCommands {
 public:
  SingleLevelCommands(MainWindow& window, LazyWindow<DevelopPanel>& developPanel)
      : window_(window), developPanel_(developPanel) {}

  void importLevels();
  void exportLevel();

 private:
  MainWindow& window_;
  LazyWindow<DevelopPanel>& developPanel_;  // its page shows the Construction Kit's unknown bytes
};

}  // namespace pyrovel::app
