#pragma once
// The Options window (`Optionspanel`): the players' folders, the options
// the game is tested with, and the editor's own options. It changes only
// values in memory; the folders reach the settings when "OK" is pressed.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <string>
#include <utility>
#include <vector>

#include "app/tool_windows.h"
#include "editor/level_test.h"
#include "model/configuration.h"

namespace pyrovel::app {

class OptionsWindow : public ToolWindow {
  Q_OBJECT
 public:
  enum Page { FileLocations = 0, PyrovelOptions = 1, EditorPage = 2, LevelChecksPage = 3 };

  explicit OptionsWindow(QWidget* owner);

  // The four folder edits.
  QLineEdit* folderEdit(TestTarget target) const;
  void showFolders(const Configuration& config);
  void showFolder(TestTarget target, const QString& dir);
  QLineEdit* runnerEdit() const { return runnerEdit_; }
  // Copies the four edits and the runner into the settings (`findPlayersDialog`).
  void copyFolders(Configuration& config) const;

  // The sprite sets of the game folder, for `Spritesetlist`.
  void setSpriteSets(const std::vector<std::string>& names);
  GameTestOptions gameTestOptions() const;

  QTabWidget* pages() const { return pages_; }
  QCheckBox* onefellow() const { return oneLittleFellow_; }
  QSpinBox* undoSteps() const { return undoSteps_; }
  QCheckBox* oneShotTools() const { return oneShotTools_; }
  // The level checker's rules, one check box each; `off` as Edit.ini keeps it.
  void showLevelChecks(const std::string& off);
  QCheckBox* levelCheckBox(const std::string& id) const;

 signals:
  void accepted();                        // "OK"
  void findRequested(TestTarget target);  // one of the "..." buttons
  void onefellowChanged(bool allowOnlyOne);
  void undoStepsChanged(int steps);
  void oneShotToolsChanged(bool oneShot);
  void levelChecksChanged(const std::string& off);  // the rules switched off

 private:
  QWidget* makeFileLocations();
  QWidget* makePyrovelOptions();
  QWidget* makeEditorPage();
  QWidget* makeLevelChecksPage();
  QComboBox* addList(const char* name, const QStringList& items, const QString& text,
                     bool editable);

  QTabWidget* pages_;
  QLineEdit* pyrovelDirEdit_ = nullptr;
  QLineEdit* bd4DirEdit_ = nullptr;
  QLineEdit* emeraldDirEdit_ = nullptr;
  QLineEdit* boulderflashDirEdit_ = nullptr;
  QLineEdit* runnerEdit_ = nullptr;
  QComboBox* resolutionList_ = nullptr;
  QComboBox* speedList_ = nullptr;
  QComboBox* spriteSetList_ = nullptr;
  QComboBox* playerList_ = nullptr;
  QComboBox* windowList_ = nullptr;
  QComboBox* soundList_ = nullptr;
  QComboBox* defaultSpriteSet_ = nullptr;
  QCheckBox* checkObjectsOnExport_ = nullptr;
  QCheckBox* oneLittleFellow_ = nullptr;
  QSpinBox* undoSteps_ = nullptr;
  QCheckBox* oneShotTools_ = nullptr;
  std::vector<std::pair<std::string, QCheckBox*>> ruleBoxes_;
};

}  // namespace pyrovel::app
